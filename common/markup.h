// Text placed into markup: the diagrams' HTML and SVG, and the HTML-like
// labels of the Graphviz graphs, which read the same entities.
#pragma once

#include <string>
#include <string_view>

namespace zedra {

// `text` with &, <, > and " written as entities, for content and for
// attribute values in double quotes. The pages are UTF-8 and XML: a byte
// that is no part of a valid UTF-8 character, and a control character
// other than tab and line end, is written as \xhh, as the automaton
// pictures write characters.
std::string markup_escaped(std::string_view text);

// The byte `c` as the pictures write a character they cannot show: \xhh.
std::string hex_escaped(unsigned char c);

}  // namespace zedra
