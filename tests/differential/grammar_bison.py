"""The bison grammar of the BNF of grammar_bnf, the reference parser of the
pgen differential test.

The parser is canonical LR(1): every LL(1) grammar is LR(1), but not every
one is LALR(1) (two nullable nonterminals that both end at either of two
tokens, say, merge into a reduce/reduce conflict), and canonical tables
without default reductions also detect a syntax error at the first token
that cannot continue the input, as an LL(1) parser does. The driver
(bison_driver.c) reads the token characters of grammar_gen.CHAR_OF.
"""

from grammar_gen import ALL_TERMINALS, CHAR_OF


def write_bison(bnf):
    lines = [
        "%{",
        "int yylex(void);",
        "void yyerror(const char *message);",
        "%}",
        "%define lr.type canonical-lr",
        "%token " + " ".join(ALL_TERMINALS),
        f"%start {bnf.start}",
        "%%",
    ]
    for nt, alts in bnf.rules.items():
        bodies = [" ".join(alt) if alt else "%empty" for alt in alts]
        lines.append(f"{nt} : " + "\n  | ".join(bodies) + " ;")
    lines += ["%%", "int bison_token(int c)", "{", "  switch (c) {"]
    for name in ALL_TERMINALS:
        lines.append(f"  case '{CHAR_OF[name]}': return {name};")
    lines += ["  default: return 65535; /* no token: bison reads it as undefined */", "  }", "}"]
    return "\n".join(lines) + "\n"
