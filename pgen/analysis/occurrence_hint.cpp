#include "analysis/occurrence_hint.h"

#include <algorithm>

#include "diagnostics.h"
#include "model/rule_model.h"

namespace zedra {

namespace {

// The highest occurrence number of `symbol` in `secondary`, 0 for none.
int highest_occurrence(const Secondary& secondary, const std::string& symbol) {
  int most = secondary.operand ? highest_occurrence(*secondary.operand, symbol) : 0;
  if (const Primary* primary = secondary.primary.get()) {
    if (primary->kind == PrimaryKind::Group)
      most = std::max(most, occurrence_count(*primary->group, symbol));
    else if (primary->name == symbol)
      most = std::max(most, primary->number);
  }
  return most;
}

}  // namespace

int occurrence_count(const Group& group, const std::string& symbol) {
  int most = 0;
  for (const Alternative& alternative : group.alternatives)
    for (const Item& item : alternative.items)
      if (!item.is_call()) most = std::max(most, highest_occurrence(*item.secondary, symbol));
  return most;
}

void explain_occurrence_beyond(Diagnostics& diagnostics, const Rule& rule, const std::string& symbol, int number) {
  const int count = rule.body ? occurrence_count(*rule.body, symbol) : 0;
  if (number <= count) return;
  const char* name = symbol.c_str();
  if (count == 0 && symbol == rule.name)
    diagnostics.report(Msg::FreeText, "  (%s#0 is the rule itself, which does not occur in its body)", name);
  else if (count == 0)
    diagnostics.report(Msg::FreeText, "  (%s does not occur in rule '%s')", name, rule.name.c_str());
  else if (count == 1)
    diagnostics.report(Msg::FreeText, "  (rule '%s' has %s#1 only)", rule.name.c_str(), name);
  else
    diagnostics.report(Msg::FreeText, "  (rule '%s' has %s#1 to %s#%d)", rule.name.c_str(), name, name, count);
}

}  // namespace zedra
