#include "extmac.h"	// include array/call macros
#include "lentab.h"	// include segment length macros
#include "strtab.h"	// include string table

void main(void)
{
	__asm
	{
		call	abs		// abs_
		add	esp, 4
		pop	eax		// add
		add	[esp], eax
		pop	eax		// and
		and	[esp], eax
		xcall(R1, L7)		// call
	R1:
		push	SEGLEN2	// crseg
		push	1
		call	crseg
		add	esp, 8
		descr(1, 2, 3)	// descr
		call	dlseg		// dlseg
		pop	ebx		// dvi
		mov	eax, [esp]
		cdq
		idiv	ebx
		mov	[esp], eax
		pop	eax		// eq
		xor	ecx, ecx
		cmp	eax, [esp]
		sete	cl
		mov	[esp], ecx
		pop	eax		// eqn
		eqn(eax, 1, 2)
		push	eax
		pop	eax		// ge
		xor	ecx, ecx
		cmp	eax, [esp]
		setle	cl
		mov	[esp], ecx
		pop	eax		// gt
		xor	ecx, ecx
		cmp	eax, [esp]
		setl	cl
		mov	[esp], ecx
		push	0		// halt
		call	exit
		pop	eax		// jiff
		test	eax, eax
		je	L7
		pop	eax		// jift
		test	eax, eax
		jne	L7
		jmp	L7		// jump
		push	1		// ldcon
		push	[esp]		// ldind
		call	getmema
		add	esp, 4
		push	eax
		ldnvar(1, 2)	// ldnvar
		push	2		// ldvar
		push	1
		call	getmemr
		add	esp, 8
		push	eax
		ixdpl(1, 2)	// ldxvar
		push	1
		call	getmemr
		add	esp, 8
		push	eax
		pop	eax		// le
		xor	ecx, ecx
		cmp	eax, [esp]
		setge	cl
		mov	[esp], ecx
		pop	eax		// lt
		xor	ecx, ecx
		cmp	eax, [esp]
		setg	cl
		mov	[esp], ecx
		pop	ebx		// mdl
		mov	eax, [esp]
		cdq
		idiv	ebx
		mov	[esp], edx
		pop	eax		// mul
		imul	eax, [esp]
		mov	[esp], eax
		pop	eax		// ne
		xor	ecx, ecx
		cmp	eax, [esp]
		setne	cl
		mov	[esp], ecx
		pop	eax		// neg
		neg	eax
		push	eax
		pop	eax		// nen
		eqn(eax, 1, 2)
		neg	eax
		sbb	eax, eax
		inc	eax
		push	eax
	L7:
		nop			// noop
		pop	eax	// not
		neg	eax
		sbb	eax, eax
		inc	eax
		push	eax
		pop	eax		// or
		or	[esp], eax
		pop	eax		// pop
		popn(1, 2)	// popn
		call	rdbool	 	// rdbool
		push	eax
		call	rdchar	 	// rdchar
		push	eax
		call	rdint	 	// rdint
		push	eax
		push	STRTABSIZE	// rdstring
		call	rdstring
		add	esp, 4
		push	eax
		call	asreturn_	// return_
		jmp	eax
		call	putmema	// stind
		add	esp, 4
		stnvar(1, 2)	// stnvar
		push	2		// stvar
		push	1
		call	putmemr
		add	esp, 12
		ixdpl(1, 2)	// stxvar
		push	1
		call	putmemr
		add	esp, 12
		pop	eax		// sub
		neg	eax
		add	[esp], eax
		pop	eax		// swap
		pop	ebx
		push	eax
		push	ebx
		push	2		// varaddr
		push	1
		call	varaddr
		add	esp, 8
		push	eax
		call	wrbool		// wrbool
		call	wrchar		// wrchar
		call	wrint		// wrint
		push	STRTABSIZE	// wrstring
		call	wrstring
		add	esp, 4
		ixdpl(1, 2)	// xvaraddr
		push	1
		call	varaddr
		add	esp, 8
		push	eax
	}
}
