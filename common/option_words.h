// The words of an OPTIONS clause as both generators read them: "ALL" sets
// every option, "NONE" clears them all, a "NO_" prefix (any letter case)
// switches the named option off, and names compare without regard to case.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zedra {

class Diagnostics;

// The option set of a generator as its declarations see it: the words of
// every OPTIONS clause are handed to it in the order of the text.
class OptionSet {
 public:
  // Applies the words of one clause; unknown words are reported.
  virtual void apply(Diagnostics& diagnostics, const std::vector<std::string>& words) = 0;

 protected:
  OptionSet() = default;
  OptionSet(const OptionSet&) = default;
  OptionSet& operator=(const OptionSet&) = default;
  ~OptionSet() = default;
};

struct OptionName {
  std::string_view name;
  std::uint32_t bit;
};

// Case-insensitive comparison in the sense of the "C" locale.
bool equal_ignoring_case(std::string_view a, std::string_view b);

// Applies one word to `mask` with `table` searched in order. False when the
// word names no option of the table (the caller reports Msg::UnknownOption).
bool apply_option_word(std::uint32_t& mask, std::string_view word,
                       std::span<const OptionName> table);

}  // namespace zedra
