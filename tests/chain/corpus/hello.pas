{ String output: literals, a string constant, and writeln with values. }
program hello;
const greeting = "Hello, world!";
begin
  writeln(greeting);
  write("MiniPas compiles to KAM code");
  writeln("strings, numbers and characters:", 42, 'x', true)
end.
