#include "codegen/keyword_table.h"

#include <algorithm>

namespace zedra {

std::vector<KeywordPair> sorted_keywords(const TerminalList& terminals) {
  std::vector<KeywordPair> pairs;
  for (const Terminal& terminal : terminals)
    for (const Representation& representation : terminal.representations)
      if (!representation.is_symbol) pairs.push_back({terminal.name, &representation.text});
  // Byte-wise, the order of strcmp; of equal texts the runtime takes the last.
  std::stable_sort(pairs.begin(), pairs.end(), [](const KeywordPair& a, const KeywordPair& b) {
    return std::lexicographical_compare(
        a.text->begin(), a.text->end(), b.text->begin(), b.text->end(),
        [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
  });
  return pairs;
}

}  // namespace zedra
