// The sizes of the labels in the diagrams. The page sets its labels in a
// monospaced font, so a label's width follows from its length; the boxes
// are measured from these estimates, since the page carries no script that
// could measure the text in the browser.
#pragma once

#include <string_view>

namespace zedra {

inline constexpr int kBoxFontSize = 14;     // terminals and nonterminals
inline constexpr int kActionFontSize = 11;  // action calls

// The width of `text` in the monospaced font of `font_size` pixels: its
// characters (not its UTF-8 bytes) times the advance of the widest common
// monospaced fonts, rounded up.
int text_width(std::string_view text, int font_size);

// The distance from the middle of a box down to the baseline of a label
// of `font_size` pixels that looks centred in it.
int baseline_offset(int font_size);

}  // namespace zedra
