.global _StringTab
.data
	.align 2
_StringTab:
	.long 0
.text
	.align 2
.equ STRTABSIZE, 0
