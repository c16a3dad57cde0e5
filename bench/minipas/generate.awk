# Writes PROGRAMS generated MiniPas programs gen001.pas, gen002.pas, ... for
# the compiler benchmark: each about 450 lines of constants, types,
# variables, 14 procedures and a body that calls them, and each within
# KAM's limits (about 830 instructions, 86 labels, 15 blocks).
# usage: awk -v programs=N -f generate.awk
function program(p,   file, i) {
  file = sprintf("gen%03d.pas", p)
  print "{ A generated program for the compiler benchmark, number " p ". }" >file
  print "program gen" p ";" >file
  print "const" >file
  for (i = 1; i <= 90; i++)
    print "  c" i " = " (i + p) " * 3 mod 7 + " i ";   { constant " i " }" >file
  print "type" >file
  print "  vec = array [1..10] of integer;" >file
  print "  grid = array [1..4, 'a'..'d'] of char;" >file
  print "var" >file
  for (i = 1; i <= 90; i++)
    print "  v" i " : integer;" >file
  print "  a : vec;" >file
  print "  g : grid;" >file
  print "  flag : boolean;" >file
  for (i = 1; i <= 14; i++)
    procedure(file, i)
  print "begin" >file
  print "  flag := true;" >file
  for (i = 1; i <= 42; i++) {
    if (i % 3 == 0)
      print "  write(v" i ");" >file
    else
      print "  p" (i % 14 + 1) "(v" i ", c" (i % 40 + 1) ", v" (i + 1) ");" >file
  }
  print "  flag := not flag" >file
  print "end." >file
  close(file)
}
function procedure(file, k) {
  print "" >file
  print "(* Procedure " k ": a value from two parameters, compared, counted" >file
  print "   down in a loop, and given back through a var parameter. *)" >file
  print "procedure p" k "(x, y : integer; var r : integer);" >file
  print "var t : integer;" >file
  print "begin" >file
  print "  t := x * c" k " + y;" >file
  print "  if t > c" (k + 1) " then" >file
  print "    r := t - y" >file
  print "  else" >file
  print "    r := t + x;" >file
  print "  while t > 0 do" >file
  print "    t := t - c" (k + 2) ";" >file
  print "  r := r + t" >file
  print "end;" >file
}
BEGIN {
  if (programs == "") programs = 1
  for (p = 1; p <= programs; p++)
    program(p)
}
