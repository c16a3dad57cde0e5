# Writes a correct "mini" program of at least SIZE bytes: 100 names are
# assigned first, then statements of every kind use them.
function name() { return "v" int(rand() * 100) }
function factor(r) {
  r = rand()
  if (r < 0.45) return name()
  if (r < 0.7) return int(rand() * 10000)
  if (r < 0.8) return int(rand() * 100) "." int(rand() * 100)
  if (r < 0.87) return "\"some text " int(rand() * 100) "\""
  if (r < 0.93) return "'x'"
  return "(" name() " - " int(rand() * 10) ")"
}
function expr(n, s, i) {
  s = factor()
  n = int(rand() * 4)
  for (i = 0; i < n; i++)
    s = s " " substr("+-*/<=", int(rand() * 6) + 1, 1) " " factor()
  return s
}
function statement(r) {
  r = rand()
  if (r < 0.6) return name() " := " expr()
  if (r < 0.75) return "if " expr() " then " name() " := " expr() " else " name() " := " expr()
  if (r < 0.85) return "while " name() " < " factor() " do begin " name() " := " expr() "; " name() " := " expr() " end"
  if (r < 0.95) return name() " := " name() " ->\n    " factor()
  return "BEGIN " name() " := " expr() " END"
}
BEGIN {
  srand(20261207)
  print "begin"
  for (i = 0; i < 100; i++) print "  v" i " := " i ";"
  bytes = 0
  while (bytes < size) {
    line = "  " statement() ";"
    if (rand() < 0.2) line = line "   # comment " int(rand() * 1000)
    print line
    bytes += length(line) + 1
  }
  print "end."
}
