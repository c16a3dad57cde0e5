.include "extmac.s"	# include array/call macros
.include "lentab.s"	# include segment length macros
.include "strtab.s"	# include string table

.global _main			# export main routine
_main:				# 80386 assembler of kam code
	push	$0		# halt
	call	_exit
