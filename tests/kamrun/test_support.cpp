#include "test_support.h"

#include "loader.h"

namespace kamtest {

FilePtr file_with(const std::string& text) {
  FilePtr file(std::tmpfile());
  if (file) {
    std::fwrite(text.data(), 1, text.size(), file.get());
    std::rewind(file.get());
  }
  return file;
}

std::string contents(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string text;
  int c;
  while ((c = std::getc(file)) != EOF) text += static_cast<char>(c);
  return text;
}

Loaded load(const std::string& text) {
  Loaded loaded;
  FilePtr in = file_with(text);
  FilePtr err(std::tmpfile());
  kam::Reporter reporter(err.get());
  reporter.set_file("test.kam");
  kam::load_program(in.get(), loaded.program, reporter);
  loaded.errors = reporter.count();
  loaded.messages = contents(err.get());
  return loaded;
}

Run run(const std::string& text, const RunSettings& settings) {
  Run result;
  FilePtr source = file_with(text);
  FilePtr input = file_with(settings.input);
  FilePtr out(std::tmpfile());
  FilePtr err(std::tmpfile());
  FilePtr trace(std::tmpfile());
  kam::Reporter reporter(err.get());
  reporter.set_file("test.kam");
  kam::Program program;
  kam::load_program(source.get(), program, reporter);
  result.load_errors = reporter.count();
  if (result.load_errors == 0) {
    kam::Tracer tracer(trace.get(), err.get());
    kam::Machine machine(std::move(program), reporter, tracer, input.get(), out.get());
    machine.set_memory_limit(std::size_t{1} << 20);
    result.end = machine.run(settings.trace_flags, settings.start, settings.budget);
    result.run_errors = reporter.count() - result.load_errors;
    result.memory.assign(machine.memory().begin(), machine.memory().end());
    for (int level = 0; level < kam::level_count; ++level)
      result.display.push_back(machine.display(level));
    result.csn = machine.csn();
  }
  result.out = contents(out.get());
  result.messages = contents(err.get());
  result.trace = contents(trace.get());
  return result;
}

}  // namespace kamtest
