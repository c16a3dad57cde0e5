# Writes LINES lines of random tokens from the space-separated list WORDS,
# joined by nothing or by a blank, so that neighbouring tokens test the
# longest match. usage: WORDS="..." awk -v seed=N -v lines=N -f this
BEGIN {
  srand(seed)
  n = split(ENVIRON["WORDS"], word, " ")
  for (line = 0; line < lines; line++) {
    text = ""
    count = 1 + int(rand() * 12)
    for (i = 0; i < count; i++) {
      text = text word[1 + int(rand() * n)]
      if (rand() < 0.6) text = text " "
    }
    print text
  }
}
