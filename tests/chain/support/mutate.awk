# One changed copy of a program read from standard input, drawn from the
# number `seed` (awk -v seed=N): a word or symbol of one line dropped,
# doubled or swapped with its neighbour, or the line dropped.
{ lines[NR] = $0 }
END {
  srand(seed)
  kind = int(rand() * 4)
  n = 1 + int(rand() * NR)
  if (kind == 3) { for (i = 1; i <= NR; i++) if (i != n) print lines[i]; exit }
  count = split(lines[n], words, " ")
  w = 1 + int(rand() * count)
  for (i = 1; i <= NR; i++) {
    if (i != n) { print lines[i]; continue }
    out = ""
    for (j = 1; j <= count; j++) {
      if (j == w && kind == 0) continue
      if (j == w && kind == 1) out = out " " words[j]
      if (j == w && kind == 2 && j < count) { out = out " " words[j + 1] " " words[j]; j++; continue }
      out = out " " words[j]
    }
    print out
  }
}
