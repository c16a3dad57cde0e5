// The style sheet of the diagram page: the colours and fonts of tracks,
// boxes, brackets and the page around them. Box sizes are computed for the
// monospaced label font named here.
#pragma once

#include <string_view>

namespace zedra {

std::string_view diagram_page_style();

}  // namespace zedra
