#include "messages.h"

#include <iterator>

namespace kam {
namespace {

struct Entry {
  int number;
  std::string_view text;
};

// The catalogue in the order of its list, which is the order of the numbers.
constexpr Entry kEntries[] = {
#define KAM_MESSAGE(number, name, text) {number, text},
#include "messages.def"
};

constexpr bool numbered_by_position() {
  for (std::size_t i = 0; i < std::size(kEntries); ++i)
    if (kEntries[i].number != static_cast<int>(i)) return false;
  return true;
}
static_assert(numbered_by_position(), "messages.def must list the numbers 0, 1, 2, ... in order");

void append_arg(std::string& out, const MsgArg& arg) {
  if (const auto* number = std::get_if<long long>(&arg))
    out += std::to_string(*number);
  else
    out += std::get<std::string_view>(arg);
}

}  // namespace

std::string format_message(Msg msg, std::initializer_list<MsgArg> args) {
  const std::string_view text = kEntries[static_cast<std::size_t>(msg)].text;
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
  // What the program wrote so far comes before its error, also where both
  // streams end in one file.
  if (load_line_ <= 0) std::fflush(stdout);
  if (load_line_ > 0)
    std::fprintf(err_, "%s:%d: Error %s\n", file_.c_str(), load_line_, text.c_str());
  else if (run_line_ > 0)
    std::fprintf(err_, "%s:%d: KAM error: %s\n", file_.c_str(), run_line_, text.c_str());
  else
    std::fprintf(err_, "KAM error: %s\n", text.c_str());
  ++count_;
}

}  // namespace kam
