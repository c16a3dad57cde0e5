// The keyword table of the generated scanner as the generator sees it: the
// texts of the KEYWORDS section with their terminals, sorted as they are
// written into i_keywords (byte-wise, the order of strcmp), so that an
// entry's position here is its index there.
#pragma once

#include <string>
#include <vector>

#include "model/terminals.h"

namespace zedra {

struct KeywordPair {
  const std::string* terminal;
  const std::string* text;
};

std::vector<KeywordPair> sorted_keywords(const TerminalList& terminals);

}  // namespace zedra
