// The railroad tracks of a rule's right-hand side: groups become choices,
// alternatives sequences, OPTION a bypass, SEQ and CLOS loops (CLOS with a
// bypass), CHAIN and LIST loops through their separator, and the terminals
// tPackLeft and tPackRight around a part of an alternative (PACK) brackets.
// Groups without an operator and with one alternative are drawn inline.
#pragma once

#include <string>

#include "diagrams/track.h"

namespace zedra {

struct Rule;

struct DiagramSettings {
  bool action_calls = true;  // draw action calls as small boxes
};

// The tracks of the body of `rule`; a bare track when it has none.
TrackPtr rule_track(const Rule& rule, const DiagramSettings& settings);

// The id of the element that holds the diagram of the rule `name`.
std::string rule_anchor(const std::string& name);

}  // namespace zedra
