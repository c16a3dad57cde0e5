#include "messages.h"

#include <iterator>

namespace zedra {
namespace {

struct Entry {
  int number;
  const char* text;
};

// The catalogue in the order of its list, which is the order of the numbers.
constexpr Entry kEntries[] = {
#define ZEDRA_MESSAGE(number, name, text) {number, text},
#include "messages.def"
};

constexpr bool numbered_by_position() {
  for (int i = 0; i < static_cast<int>(std::size(kEntries)); ++i)
    if (kEntries[i].number != i) return false;
  return true;
}
static_assert(numbered_by_position(), "messages.def must list the numbers 0, 1, 2, ... in order");
static_assert(std::size(kEntries) == kMessageCount);

bool in_catalogue(Msg msg) {
  return message_number(msg) >= 0 && message_number(msg) < kMessageCount;
}

}  // namespace

const char* message_text(Msg msg) {
  return in_catalogue(msg) ? kEntries[message_number(msg)].text : "";
}

MessageClass message_class(Msg msg) {
  if (!in_catalogue(msg)) return MessageClass::Separator;
  if (msg == Msg::SeparatorBeforeErrors || msg == Msg::SeparatorBeforeWarnings)
    return MessageClass::Separator;
  if (msg == Msg::FreeText) return MessageClass::FreeText;
  if (msg < Msg::SeparatorBeforeErrors) return MessageClass::Query;
  if (msg < Msg::FreeText) return MessageClass::Error;
  if (msg < Msg::SeparatorBeforeWarnings) return MessageClass::Information;
  return MessageClass::Warning;
}

void list_all_messages(std::FILE* out) {
  std::fputs("\nALL ERROR MESSAGES:\n", out);
  for (const Entry& entry : kEntries) {
    if (message_class(static_cast<Msg>(entry.number)) != MessageClass::Error) continue;
    std::fputs(entry.text, out);
    std::fputc('\n', out);
  }
}

}  // namespace zedra
