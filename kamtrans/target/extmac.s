# extmac.s - macros of programs translated by k2s (GNU assembler, 80386).
# The evaluation stack is the processor stack; the macros call the routines
# of kamsupport.c, which give the number of bytes to drop when they take
# words from the stack. Registers are scratch between instructions.

# The program needs no executable stack.
	.section .note.GNU-stack, "", @progbits
	.text

# "halt" calls _exit: the support library's exit, which writes out what the
# program buffered before the process ends.
	.set	_exit, kam_exit

# call: remember where to go on (the word behind the return label holds
# that address), jump.
.macro xcall return_label, target
	pushl	\return_label
	call	kam_ascall
	addl	$4, %esp
	jmp	\target
.endm

# descr sn, dpl, n: the descriptor at (sn, dpl); the bounds come off the stack.
.macro descr sn, dpl, dims
	movl	%esp, %eax
	pushl	%eax
	pushl	\dims
	pushl	\dpl
	pushl	\sn
	call	kam_descr
	addl	$16, %esp
	addl	%eax, %esp
.endm

# eqn reg, sn, dpl: reg holds the count (0: the array at sn, dpl); leaves
# 1 in %eax when the two groups of words are equal, else 0.
.macro eqn count, sn, dpl
	movl	%esp, %ecx
	pushl	%ecx
	pushl	\dpl
	pushl	\sn
	pushl	\count
	call	kam_eqn
	addl	$16, %esp
	addl	%edx, %esp
.endm

# ixdpl sn, dpl: replaces the selector and index words by the displacement.
.macro ixdpl sn, dpl
	movl	%esp, %eax
	pushl	%eax
	pushl	\dpl
	pushl	\sn
	call	kam_ixdpl
	addl	$12, %esp
	addl	%edx, %esp
	pushl	%eax
.endm

# popn sn, dpl: drops the count word and as many words as it says.
.macro popn sn, dpl
	movl	%esp, %eax
	pushl	%eax
	pushl	\dpl
	pushl	\sn
	call	kam_popn
	addl	$12, %esp
	addl	%eax, %esp
.endm

# stnvar sn, dpl: stores the words below the count word into the variables.
.macro stnvar sn, dpl
	movl	%esp, %eax
	pushl	%eax
	pushl	\dpl
	pushl	\sn
	call	kam_stnvar
	addl	$12, %esp
	addl	%eax, %esp
.endm

# ldnvar sn, dpl: replaces the count word by the words of the variables.
.macro ldnvar sn, dpl
	movl	%esp, %eax
	pushl	%eax
	pushl	\dpl
	pushl	\sn
	call	kam_ldnvar_count
	addl	$12, %esp
	movl	%eax, %esi
	leal	-4(,%esi,4), %ecx
	subl	%ecx, %esp
	movl	%esp, %ecx
	pushl	%esi
	pushl	%ecx
	call	kam_ldnvar_fill
	addl	$8, %esp
.endm
