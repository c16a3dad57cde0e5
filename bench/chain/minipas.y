%{
/* The MiniPas syntax for bison, the same rules as bench/chain/minisyn.inp
   (the syntax of examples/pascal/minipas.inp without its actions). */
#include <stdio.h>
int yylex(void);
static void yyerror(const char *message) { fprintf(stderr, "%s\n", message); }
%}
/* Every token of the scanner, also those this part of the grammar does not
   use, as in the ZEDRA scanner. */
%token ASSIGN DOTDOT NOTEQUAL LESSEQUAL GREATEREQUAL
%token PROGRAM CONST TYPE VAR PROCEDURE FUNCTION BEGIN_ END IF THEN ELSE
%token WHILE DO REPEAT UNTIL FOR TO DOWNTO READ WRITE INTEGER BOOLEAN CHAR
%token ARRAY OF TRUE_ FALSE_ NOT AND OR MOD ORD CHR
%token IDENT NUMBER STRING CHARACTER
%%
program : PROGRAM IDENT ';' block '.' ;
block : const_part var_part proc_decls compound ;
const_part : %empty | CONST const_decls ;
const_decls : const_decl | const_decls const_decl ;
const_decl : IDENT '=' NUMBER ';' ;
var_part : %empty | VAR var_decls ;
var_decls : var_decl | var_decls var_decl ;
var_decl : IDENT ':' type_name ';' ;
type_name : INTEGER | BOOLEAN ;
proc_decls : %empty | proc_decls proc_decl ;
proc_decl : PROCEDURE IDENT params ';' block ';' ;
params : %empty | '(' param_list ')' ;
param_list : param | param_list ',' param ;
param : IDENT ':' type_name ;
compound : BEGIN_ statements END ;
statements : statement | statements ';' statement ;
statement : IDENT ASSIGN expression
          | IDENT
          | IDENT '(' expressions ')'
          | IF expression THEN compound
          | IF expression THEN compound ELSE compound
          | WHILE expression DO statement
          | compound
          | WRITE '(' expressions ')'
          | READ '(' idents ')' ;
expressions : expression | expressions ',' expression ;
idents : IDENT | idents ',' IDENT ;
expression : simple_expr | simple_expr relop simple_expr ;
relop : '=' | '<' | '>' ;
simple_expr : term | '-' term | simple_expr addop term ;
addop : '+' | '-' ;
term : factor | term mulop factor ;
mulop : '*' | '/' ;
factor : IDENT | NUMBER | '(' expression ')' | NOT factor | TRUE_ | FALSE_ ;
%%
int main(void)
{
  return yyparse();
}
