// The numbered message catalogue shared by pgen and sgen. The number of a
// message is its index; its range decides how `Diagnostics::report` treats it.
#pragma once

#include <cstdio>

namespace zedra {

inline constexpr int kMessageCount = 89;

// Numbers with a meaning of their own in the reporting code.
inline constexpr int kMsgFreeText = 73;       // the first argument is the format
inline constexpr int kMsgInputFile = 74;      // "- input file     : %s"
inline constexpr int kMsgGeneratedFile = 75;  // "- generated file : %s"
inline constexpr int kMsgListingFile = 76;    // "- listing file   : %s"
inline constexpr int kMsgErrorSummary = 77;   // "- errors         : %d error(s) detected"
inline constexpr int kMsgOutOfMemory = 49;

enum class MessageClass {
  Query,        //  0-12: confirmation texts, never reported by the generators
  Separator,    // 13 and 81: empty, never reported
  Error,        // 14-72: "Error: " prefix, counted
  FreeText,     // 73: caller supplies the format, screen only
  Information,  // 74-80: screen only, no prefix, never in the listing
  Warning,      // 82-88: "Warning: " prefix, not counted
};

// The catalogue text of `number` (a printf format); "" outside 0..88.
const char* message_text(int number);

// The class of `number`; numbers outside 0..88 count as Separator.
MessageClass message_class(int number);

// Writes "\nALL ERROR MESSAGES:\n" and the unformatted texts 14 to 72, one a
// line. A diagnostic aid; no step of either generator calls it.
void list_all_messages(std::FILE* out);

}  // namespace zedra
