// Keywords that the scanner can never find. A keyword is found only where a
// rule that looks keywords up (VERIFY, or RESERVED with a conversion) ends
// a lexeme whose looked-up form is the keyword's text. A keyword in upper
// case under RESERVED convert_to_lower(), or one with a character that the
// rule does not take, is silently scanned as that rule's terminal; this
// test runs the keyword's text through the automaton to warn of it.
#pragma once

namespace zedra {

class Diagnostics;
class TerminalTable;
struct Dfa;

// Msg::KeywordNeverFound for every keyword text that no looking-up rule can
// produce. A rule with a conversion of the user's own is taken to produce
// every text: what it does is not known here.
void warn_unreachable_keywords(Diagnostics& diagnostics, const TerminalTable& terminals,
                               const Dfa& dfa);

}  // namespace zedra
