// The hint under an error about a symbol instance that a call names
// ("item#5") when the rule has no such occurrence: how many it has. The
// occurrences of a symbol are numbered from 1 through the whole body of
// the rule; #0 is the rule's own instance.
#pragma once

#include <string>

namespace zedra {

class Diagnostics;
struct Group;
struct Rule;

// How many times `symbol` occurs in `group`.
int occurrence_count(const Group& group, const std::string& symbol);

// When `number` lies beyond the occurrences of `symbol` in `rule`, the line
// "  (rule 'r' has item#1 to item#2)" (or that it has one, or none).
void explain_occurrence_beyond(Diagnostics& diagnostics, const Rule& rule, const std::string& symbol, int number);

}  // namespace zedra
