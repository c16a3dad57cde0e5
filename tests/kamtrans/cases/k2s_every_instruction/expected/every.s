.include "extmac.s"	# include array/call macros
.include "lentab.s"	# include segment length macros
.include "strtab.s"	# include string table

.global _main			# export main routine
_main:				# 80386 assembler of kam code
	call	_abs		# abs_
	addl	$4,%esp
	popl	%eax		# add
	addl	%eax, (%esp)
	popl	%eax		# and
	andl	%eax, (%esp)
	xcall	R1, L7		# call
R1:
	.long	.+4
	pushl	$SEGLEN2	# crseg
	pushl	$1
	call	_crseg
	addl	$8, %esp
	descr	$1, $2, $3	# descr
	call	_dlseg		# dlseg
	popl	%ebx		# dvi
	movl	(%esp), %eax
	cltd
	idivl	%ebx
	movl	%eax, (%esp)
	popl	%eax		# eq
	cmpl	%eax, (%esp)
	sete	%dl
	movzbl	%dl, %eax
	movl	%eax, (%esp)
	popl	%eax		# eqn
	eqn	%eax, $1, $2
	pushl	%eax
	popl	%eax		# ge
	cmpl	%eax, (%esp)
	setge	%dl
	movzbl	%dl, %eax
	movl	%eax, (%esp)
	popl	%eax		# gt
	cmpl	%eax, (%esp)
	setg	%dl
	movzbl	%dl, %eax
	movl	%eax, (%esp)
	push	$0		# halt
	call	_exit
	popl	%eax		# jiff
	testl	%eax, %eax
	je	L7
	popl	%eax		# jift
	testl	%eax, %eax
	jne	L7
	jmp	L7		# jump
	pushl	$1		# ldcon
	pushl	(%esp)		# ldind
	call	_getmema
	addl	$4, %esp
	pushl	%eax
	ldnvar	$1, $2	# ldnvar
	pushl	$2		# ldvar
	pushl	$1
	call	_getmemr
	addl	$8, %esp
	pushl	%eax
	ixdpl	$1, $2	# ldxvar
	pushl	$1
	call	_getmemr
	addl	$8, %esp
	pushl	%eax
	popl	%eax		# le
	cmpl	%eax, (%esp)
	setle	%dl
	movzbl	%dl, %eax
	movl	%eax, (%esp)
	popl	%eax		# lt
	cmpl	%eax, (%esp)
	setl	%dl
	movzbl	%dl, %eax
	movl	%eax, (%esp)
	popl	%ebx		# mdl
	movl	(%esp), %eax
	cltd
	idivl	%ebx
	movl	%edx, (%esp)
	popl	%eax		# mul
	imull	(%esp)
	movl	%eax, (%esp)
	popl	%eax		# ne
	cmpl	%eax, (%esp)
	setne	%dl
	movzbl	%dl, %eax
	movl	%eax, (%esp)
	negl	(%esp)		# neg
	popl	%eax		# nen
	eqn	%eax, $1, $2
	cmpl	$0, %eax
	sete	%al
	movzbl	%al, %eax
	pushl	%eax
L7:
	nop			# noop
	popl	%eax	# not
	cmpl	$0, %eax
	sete	%al
	movzbl	%al, %eax
	pushl	%eax
	popl	%eax		# or
	orl	%eax, (%esp)
	popl	%eax		# pop
	popn	$1, $2	# popn
	call	_rdbool	 	# rdbool
	pushl	%eax
	call	_rdchar	 	# rdchar
	pushl	%eax
	call	_rdint	 	# rdint
	pushl	%eax
	pushl	$STRTABSIZE	# rdstring
	call	_rdstring
	addl	$4, %esp
	pushl	%eax
	call	_asreturn_	# return_
	jmp	%eax
	call	_putmema	# stind
	addl	$4, %esp
	stnvar	$1, $2	# stnvar
	pushl	$2		# stvar
	pushl	$1
	call	_putmemr
	addl	$12, %esp
	ixdpl	$1, $2	# stxvar
	pushl	$1
	call	_putmemr
	addl	$12, %esp
	popl	%eax		# sub
	negl	%eax
	addl	%eax, (%esp)
	popl	%eax		# swap
	popl	%ebx
	pushl	%eax
	pushl	%ebx
	pushl	$2		# varaddr
	pushl	$1
	call	_varaddr
	addl	$8, %esp
	pushl	%eax
	call	_wrbool		# wrbool
	call	_wrchar		# wrchar
	call	_wrint		# wrint
	pushl	$STRTABSIZE	# wrstring
	call	_wrstring
	addl	$4, %esp
	ixdpl	$1, $2	# xvaraddr
	pushl	$1
	call	_varaddr
	addl	$8, %esp
	pushl	%eax
