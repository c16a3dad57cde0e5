halt
.
1: 3
.
