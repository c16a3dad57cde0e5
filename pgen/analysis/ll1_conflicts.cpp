#include "analysis/ll1_conflicts.h"

#include <string>
#include <vector>

#include "diagnostics.h"
#include "name_list.h"
#include "model/rule_model.h"

namespace zedra {

namespace {

const char* tristate_text(Tristate value) {
  switch (value) {
    case kFalse: return " false";
    case kTrue: return " true";
    default: return " undecided";
  }
}

// The names of `a` that `b` holds too, in the order of `a`, the first few
// of them: what a conflict message names as the tokens in question.
std::string shared_names(const NameList& a, const NameList& b) {
  constexpr int kShown = 8;
  std::string text;
  int count = 0;
  for (const std::string& name : a) {
    if (!b.contains(name)) continue;
    if (++count > kShown) return text + ", ...";
    if (!text.empty()) text += ", ";
    text += name;
  }
  return text;
}

// Whether the alternative begins with the rule itself (action calls
// aside): direct left recursion.
bool begins_with(const Alternative& alternative, const Rule& rule) {
  for (const Item& item : alternative.items) {
    if (item.is_call()) continue;
    const Secondary& secondary = *item.secondary;
    return secondary.kind == SecondaryKind::Plain && secondary.primary->kind == PrimaryKind::Nonterminal &&
           secondary.primary->rule == &rule;
  }
  return false;
}

class ConflictTest {
 public:
  ConflictTest(Diagnostics& diagnostics, const Rule& rule)
      : diagnostics_(diagnostics), listing_(diagnostics.listing()), rule_(rule) {}

  void group(const Group& group) const;

 private:
  void secondary(const Secondary& secondary) const;
  void explain_overlap(const std::vector<Alternative>& alternatives, std::size_t i, std::size_t j,
                       bool nested, std::vector<bool>& told) const;

  Diagnostics& diagnostics_;
  Listing& listing_;
  const Rule& rule_;
};

// Whether no name stands in the DIRSETs of two alternatives: then no pair
// needs to be compared (a rule of thousands of alternatives would make
// that quadratic).
bool all_disjoint(const std::vector<Alternative>& alternatives) {
  NameList all;
  std::size_t total = 0;
  for (const Alternative& alternative : alternatives) {
    all.add_all(alternative.dirset);
    total += alternative.dirset.size();
  }
  return all.size() == total;
}

void ConflictTest::group(const Group& group) const {
  if (group.dirset.empty()) diagnostics_.report(Msg::EmptyDirset, rule_.name);
  const auto& alternatives = group.alternatives;
  const bool disjoint = all_disjoint(alternatives);
  const bool nested = &group != rule_.body.get();
  // Left recursion (of the body's alternatives only) is pointed out once
  // for each alternative that has it.
  std::vector<bool> told(alternatives.size(), nested);
  for (std::size_t i = 0; i < alternatives.size(); ++i) {
    for (std::size_t j = i + 1; j < alternatives.size() && !disjoint; ++j) {
      if (alternatives[i].dirset.is_disjoint_from(alternatives[j].dirset)) continue;
      diagnostics_.report(Msg::AlternativesNotDisjoint, rule_.name);
      explain_overlap(alternatives, i, j, nested, told);
      list_set(listing_, "*** DIRSET(alternative " + std::to_string(i + 1) + ")=", alternatives[i].dirset);
      list_set(listing_, "*** DIRSET(alternative " + std::to_string(j + 1) + ")=", alternatives[j].dirset);
    }
    for (const Item& item : alternatives[i].items)
      if (!item.is_call()) secondary(*item.secondary);
  }
}

// The lines under a conflict of alternatives I and J: the tokens both can
// start with, and left recursion where it is the cause.
void ConflictTest::explain_overlap(const std::vector<Alternative>& alternatives, std::size_t i,
                                   std::size_t j, bool nested, std::vector<bool>& told) const {
  diagnostics_.report(Msg::FreeText, "  (alternatives %zu and %zu%s can both start with %s)", i + 1, j + 1,
                      nested ? " of a nested group" : "",
                      shared_names(alternatives[i].dirset, alternatives[j].dirset).c_str());
  for (std::size_t k : {i, j}) {
    if (told[k] || !begins_with(alternatives[k], rule_)) continue;
    told[k] = true;
    diagnostics_.report(Msg::FreeText,
                        "  (alternative %zu begins with '%s' itself: left recursion, which an LL(1) parser "
                        "cannot take; repeat with CLOS or CHAIN instead)",
                        k + 1, rule_.name.c_str());
  }
}

void ConflictTest::secondary(const Secondary& secondary) const {
  switch (secondary.kind) {
    case SecondaryKind::Plain:
      if (secondary.primary->kind == PrimaryKind::Group) group(*secondary.primary->group);
      return;
    case SecondaryKind::Chain:
      if (!secondary.dirset.is_disjoint_from(secondary.follow)) {
        diagnostics_.report(Msg::ChainNotDisjoint, rule_.name);
        diagnostics_.report(Msg::FreeText, "  (what can follow the CHAIN can also start its separator: %s)",
                            shared_names(secondary.dirset, secondary.follow).c_str());
        list_set(listing_, "*** dirset=", secondary.dirset);
        list_set(listing_, "*** follow=", secondary.follow);
      }
      this->secondary(*secondary.operand);
      if (secondary.primary->kind == PrimaryKind::Group) group(*secondary.primary->group);
      return;
    case SecondaryKind::Option:
    case SecondaryKind::Seq:
    case SecondaryKind::Clos: {
      const Secondary& operand = *secondary.operand;
      if (operand.empty != kFalse || !operand.first.is_disjoint_from(secondary.follow)) {
        diagnostics_.report(Msg::SecondaryNotDisjoint, rule_.name, secondary_keyword(secondary.kind));
        if (operand.empty != kFalse) diagnostics_.report(Msg::FreeText, "  (its operand can be empty)");
        if (!operand.first.is_disjoint_from(secondary.follow))
          diagnostics_.report(Msg::FreeText, "  (what can follow the %s can also start its operand: %s)",
                              secondary_keyword(secondary.kind),
                              shared_names(operand.first, secondary.follow).c_str());
        list_set(listing_, "*** first=", operand.first);
        list_set(listing_, "*** follow=", secondary.follow);
        listing_.raw_printf("*** empty=%s\n", tristate_text(operand.empty));
      }
      this->secondary(operand);
      return;
    }
  }
}

}  // namespace

void list_set(Listing& listing, const std::string& label, const NameList& set) {
  std::string line = label;
  for (const std::string& name : set) {
    line += ' ';
    line += name;
  }
  line += '\n';
  listing.raw(line);
}

void test_ll1_conflicts(Diagnostics& diagnostics, const Rule& rule) {
  if (rule.body) ConflictTest(diagnostics, rule).group(*rule.body);
}

}  // namespace zedra
