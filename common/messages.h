// The numbered message catalogue shared by pgen and sgen. Every message is
// declared once, in messages.def; the enum `Msg` names it by its number, and
// the range the number lies in decides how `Diagnostics::report` treats it.
#pragma once

#include <cstdio>

namespace zedra {

enum class Msg : int {
#define ZEDRA_MESSAGE(number, name, text) name = number,
#include "messages.def"
};

inline constexpr int kMessageCount = 0
#define ZEDRA_MESSAGE(number, name, text) +1
#include "messages.def"
    ;

enum class MessageClass {
  Query,        //  0-12: confirmation texts, never reported by the generators
  Separator,    // 13 and 81: empty, never reported
  Error,        // 14-72: "Error: " prefix, counted
  FreeText,     // 73: caller supplies the format, screen only
  Information,  // 74-80: screen only, no prefix, never in the listing
  Warning,      // 82-90: "Warning: " prefix, not counted
};

// The number of `msg` in the catalogue.
constexpr int message_number(Msg msg) { return static_cast<int>(msg); }

// The catalogue text of `msg` (a printf format); "" for a value outside the
// catalogue.
const char* message_text(Msg msg);

// The class of `msg`; a value outside the catalogue counts as Separator.
MessageClass message_class(Msg msg);

// Writes "\nALL ERROR MESSAGES:\n" and the unformatted texts of the errors
// (14 to 72), one a line. A diagnostic aid; no step of either generator
// calls it.
void list_all_messages(std::FILE* out);

}  // namespace zedra
