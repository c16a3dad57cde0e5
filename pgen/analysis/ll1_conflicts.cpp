#include "analysis/ll1_conflicts.h"

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

class ConflictTest {
 public:
  ConflictTest(Diagnostics& diagnostics, const Rule& rule)
      : diagnostics_(diagnostics), listing_(diagnostics.listing()), rule_(rule) {}

  void group(const Group& group) const;

 private:
  void secondary(const Secondary& secondary) const;

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
  for (std::size_t i = 0; i < alternatives.size(); ++i) {
    for (std::size_t j = i + 1; j < alternatives.size() && !disjoint; ++j) {
      if (alternatives[i].dirset.is_disjoint_from(alternatives[j].dirset)) continue;
      diagnostics_.report(Msg::AlternativesNotDisjoint, rule_.name);
      list_set(listing_, "*** DIRSET(alternative " + std::to_string(i + 1) + ")=", alternatives[i].dirset);
      list_set(listing_, "*** DIRSET(alternative " + std::to_string(j + 1) + ")=", alternatives[j].dirset);
    }
    for (const Item& item : alternatives[i].items)
      if (!item.is_call()) secondary(*item.secondary);
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
