// The keywords in the fast shape's scanner: for a token of nothing but
// ASCII letters and digits that is looked up in lower case, sgen writes a
// function that tells a keyword from a name without the runtime's hash
// table. The lexeme's length chooses the keywords of that length, and its
// first one or two words of eight bytes, the letters made small by setting
// bit 5 of every byte, are compared with theirs as constants; the answer
// is the runtime's i_lookup(convert_to_lower(i_lexeme)). Machines that do
// not store words little-end first take the runtime's lookup.
#pragma once

#include <vector>

#include "code_writer.h"
#include "codegen/keyword_table.h"

namespace zedra {

// Writes "static inline int i_fast_keyword(void)".
void write_fast_keyword_function(CodeWriter& code, const std::vector<KeywordPair>& keywords);

}  // namespace zedra
