// Joins pieces of text into one string in a single allocation. Generated
// files are built from many short pieces; writing them as one call keeps
// the building code readable.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace zedra {

inline std::string concat(std::initializer_list<std::string_view> pieces) {
  std::size_t length = 0;
  for (std::string_view piece : pieces) length += piece.size();
  std::string text;
  text.reserve(length);
  for (std::string_view piece : pieces) text.append(piece);
  return text;
}

}  // namespace zedra
