.include "extmac.s"	# include array/call macros
.include "lentab.s"	# include segment length macros
.include "strtab.s"	# include string table

.global _main			# export main routine
_main:				# 80386 assembler of kam code
L1:
	xcall	R1, L3		# call
R1:
	.long	.+4
	xcall	R2, L3		# call
R2:
	.long	.+4
	pushl	$-3		# ldcon
	pushl	$5		# ldvar
	pushl	$2
	call	_getmemr
	addl	$8, %esp
	pushl	%eax
	popl	%eax		# add
	addl	%eax, (%esp)
	popl	%eax		# pop
	push	$0		# halt
	call	_exit
L3:
	call	_asreturn_	# return_
	jmp	%eax
	push	$0		# halt
	call	_exit
