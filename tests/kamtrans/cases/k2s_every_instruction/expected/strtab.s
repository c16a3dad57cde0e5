.global _StringTab
.data
	.align 2
_StringTab:
	.long LC0
	.long LC1
	.long 0
.text
LC0:
	.asciz "one"
LC1:
	.asciz "two"
	.align 2
.equ STRTABSIZE, 2
