// The words of an OPTIONS clause as both generators read them: "ALL" sets
// every option, "NONE" clears them all, a "NO_" prefix (any letter case)
// switches the named option off, and names compare without regard to case.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zedra {

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
