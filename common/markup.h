// Text placed into markup: the diagrams' HTML and SVG, and the HTML-like
// labels of the Graphviz graphs, which read the same entities.
#pragma once

#include <string>
#include <string_view>

namespace zedra {

// `text` with &, <, > and " written as entities, for content and for
// attribute values in double quotes.
std::string markup_escaped(std::string_view text);

}  // namespace zedra
