// The read and write instructions. Every read takes one whole input line.
#include <algorithm>
#include <cctype>
#include <string>

#include "machine.h"
#include "opcodes.h"
#include "text_scan.h"

namespace kam {

void Machine::read_input_line(std::string& line) {
  std::fflush(out_);  // a prompt written by the program shows before the read
  read_line(in_, line);  // at the end of the input the line is empty
}

bool Machine::execute_io(const Instruction& instruction) {
  std::string line;
  switch (instruction.op) {
    case RDBOOL:
      read_input_line(line);
      return push(!line.empty() && std::toupper(static_cast<unsigned char>(line[0])) == 'T');
    case RDCHAR:
      read_input_line(line);
      return push(line.empty() ? 0 : static_cast<std::int32_t>(static_cast<signed char>(line[0])));
    case RDINT: {
      read_input_line(line);
      const auto value = TextScanner(c_view(line)).number();
      // Like atoi, but a number beyond 32 bits is held at the nearest limit.
      return push(static_cast<std::int32_t>(
          std::clamp<long long>(value.value_or(0), INT32_MIN, INT32_MAX)));
    }
    case RDSTRING:
      return rdstring();
    default:
      return write(instruction.op);
  }
}

bool Machine::rdstring() {
  std::string line;
  read_input_line(line);
  if (!line.empty() && line.back() == '\n') line.pop_back();
  if (program_.string_count >= string_limit) {
    report(Msg::TooManyStrings, {string_limit});
    return push(0);  // the run goes on
  }
  program_.strings[static_cast<std::size_t>(program_.string_count++)] = std::string(c_view(line));
  return push(program_.string_count);
}

bool Machine::write(int op) {
  std::int32_t value;
  if (!pop(value) || !push(value)) return false;
  switch (op) {
    case WRBOOL:
      std::fputs(value != 0 ? "true\n" : "false\n", out_);
      break;
    case WRCHAR:
      std::fprintf(out_, "%c\n", static_cast<unsigned char>(value));
      break;
    case WRINT:
      std::fprintf(out_, "%d\n", value);
      break;
    default: {  // WRSTRING
      const bool known = value >= 1 && value <= program_.string_count && value <= string_limit &&
                         program_.strings[static_cast<std::size_t>(value - 1)].has_value();
      if (known)
        std::fprintf(out_, "%s\n", program_.strings[static_cast<std::size_t>(value - 1)]->c_str());
      else
        std::fputs("wrstring: unknown string??\n", out_);
    }
  }
  return true;
}

}  // namespace kam
