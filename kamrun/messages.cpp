#include "messages.h"

#include <array>

namespace kam {
namespace {

constexpr std::array<std::string_view, 32> texts = {
    "Referring to segment %d which has length 0",
    "%d argument(s) expected",
    "descr: upper bound smaller than lower bound",
    "dlseg: no current segment",
    "Displacement outside of specified segment",
    "dvi: division by zero",
    "Empty %s",
    "File '%s' does not exist or is unreadable",
    "%s overflow, (stack size: %d)",
    "File '%s' not writable, cannot continue",
    "Cannot handle more than %d instructions",
    "Index out of bounds",
    "crseg: illegal reference to length table",
    "Segment %d unknown",
    "Next instruction out of range",
    "Illegal item or more then %d items in length table",
    "mdl: negative modulus",
    "Label number out of range: 1..%d",
    "Referring outside of address space",
    "Unknown operation '%s'",
    "Unknown label",
    "%s: not enough memory",
    "dlseg: no more segments too delete",
    "KAM code empty or not finalised",
    "Reference through null pointer",
    "Not all segments deleted after program termination (Csn = %d)",
    "Segmentation violation",
    "Segment number %d out of range: 1..%d",
    "Cannot handle more than %d string constants",
    "Stack not empty after program termination (SP = %d)",
    "Syntax error",
    "Label number already in use",
};

void append_arg(std::string& out, const MsgArg& arg) {
  if (const auto* number = std::get_if<long long>(&arg))
    out += std::to_string(*number);
  else
    out += std::get<std::string_view>(arg);
}

}  // namespace

std::string format_message(Msg msg, std::initializer_list<MsgArg> args) {
  const std::string_view text = texts[static_cast<std::size_t>(msg)];
  std::string out;
  auto next = args.begin();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool directive =
        text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 'd' || text[i + 1] == 's');
    if (directive && next != args.end()) {
      append_arg(out, *next++);
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

void Reporter::error(Msg msg, std::initializer_list<MsgArg> args) {
  const std::string text = format_message(msg, args);
  if (load_line_ > 0)
    std::fprintf(err_, "%s:%d: Error %s\n", file_.c_str(), load_line_, text.c_str());
  else if (run_line_ > 0)
    std::fprintf(err_, "%s:%d: KAM error: %s\n", file_.c_str(), run_line_, text.c_str());
  else
    std::fprintf(err_, "KAM error: %s\n", text.c_str());
  ++count_;
}

}  // namespace kam
