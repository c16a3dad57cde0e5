// The attribute availability test, run on specifications read and resolved
// by the real front end: declaration checks, the flow of attribute values
// through rule bodies, the usage warnings and the closing check.
#include "analysis/attribute_availability.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "analysis/availability_set.h"
#include "pgen_test_support.h"

namespace zedra {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// A front end with a listing in a temporary file, so that the lines written
// behind a report can be checked too.
struct AvailabilityRun : test::FrontEnd {
  AvailabilityRun() { diagnostics.listing().attach(FilePtr(std::tmpfile())); }

  // Reads and resolves `text`, which must be free of errors, then runs the
  // declaration checks, the test of every rule and the closing check.
  void run(const std::string& text) {
    ASSERT_EQ(read_and_resolve(text), kReadAccepted);
    ASSERT_EQ(diagnostics.error_count(), 0) << screen.text();
    diagnostics.set_file_name("test.inp");
    check_all();
  }
  void check_all() {
    check_attribute_declarations(diagnostics, declarations);
    for (const auto& rule : declarations.own.rules.rules)
      test_rule_availability(diagnostics, declarations, *rule);
    check_attributes_used(diagnostics, declarations);
  }

  std::string listing_text() {
    std::FILE* file = diagnostics.listing().stream();
    std::fflush(file);
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
    return text;
  }
  std::string output() { return screen.text(); }
};

// Declarations shared by most cases: an action that sets an integer and
// one that reads one, and a default action for synthesised attributes.
const char* const kHead =
    "DEFINITIONS acts.\n"
    "TERMINALS a, b, c, tListSep.\n"
    "ACTIONS set(OUT v : integer). get(IN v : integer). d(OUT v : integer).\n";

std::string spec(const std::string& attributes, const std::string& rules, const std::string& root) {
  std::string text = kHead;
  if (!attributes.empty()) text += "ATTRIBUTES " + attributes + "\n";
  return text + "RULES " + rules + "\nROOT " + root + ".\n";
}

// ---------------------------------------------------------------- sets

AttributeInstance instance(const std::string& attribute, const std::string& symbol, int number,
                           int uses = 0) {
  return {attribute, symbol, number, uses};
}

TEST(AvailabilitySet, NewElementsComeFirstAndCopiesAreReversed) {
  AvailabilitySet set;
  set.add(instance("x", "A", 1));
  set.add(instance("y", "A", 2));
  set.add(instance("loc", "", 0));
  set.add(instance("x", "A", 1));  // already there: not added again
  EXPECT_EQ(set.text(), "loc, y of A#2, x of A#1");
  EXPECT_EQ(copy_of(set).text(), "x of A#1, y of A#2, loc");
  EXPECT_TRUE(AvailabilitySet().text().empty());
}

TEST(AvailabilitySet, AddingAFoundInstanceTakesANonZeroCount) {
  AvailabilitySet set;
  set.add(instance("x", "A", 1, 3));
  set.add(instance("x", "A", 1, 0));
  EXPECT_EQ(set.find("x", "A", 1)->uses, 3);
  set.add(instance("x", "A", 1, 5));
  EXPECT_EQ(set.find("x", "A", 1)->uses, 5);
  EXPECT_EQ(set.find("x", "A", 0), nullptr);
  EXPECT_EQ(set.find("x", "B", 1), nullptr);
}

TEST(AvailabilitySet, UnionCopiesTheFirstThenAddsTheSecond) {
  AvailabilitySet first;
  first.add(instance("p", "A", 1));
  first.add(instance("q", "A", 1));  // q, p
  AvailabilitySet second;
  second.add(instance("p", "A", 1, 2));
  second.add(instance("r", "B", 1));  // r, p
  AvailabilitySet result = united(first, second);
  EXPECT_EQ(result.text(), "r of B#1, p of A#1, q of A#1");
  EXPECT_EQ(result.find("p", "A", 1)->uses, 2);
}

TEST(AvailabilitySet, IntersectionKeepsTheFirstSetsOrderAndCounts) {
  AvailabilitySet first;
  first.add(instance("p", "A", 1, 1));
  first.add(instance("q", "A", 1));
  first.add(instance("r", "A", 1));  // r, q, p
  AvailabilitySet second;
  second.add(instance("p", "A", 1, 7));
  second.add(instance("r", "A", 1));
  first.intersect(second);
  EXPECT_EQ(first.text(), "r of A#1, p of A#1");
  EXPECT_EQ(first.find("p", "A", 1)->uses, 1);
  first.intersect(first);
  EXPECT_EQ(first.size(), 2u);
}

// Large sets are searched through an index: it must follow additions, count
// updates, copies and intersections, and tell apart instances that differ
// only in the occurrence number or in the symbol.
TEST(AvailabilitySet, LargeSetsFindWhatTheyHoldAfterEveryChange) {
  AvailabilitySet set;
  for (int k = 1; k <= 100; ++k) set.add(instance("v", "X", k));
  set.add(instance("v", "Y", 1));
  EXPECT_EQ(set.size(), 101u);
  ASSERT_NE(set.find("v", "X", 57), nullptr);
  EXPECT_EQ(set.find("v", "X", 101), nullptr);
  EXPECT_EQ(set.find("w", "X", 1), nullptr);
  set.add(instance("v", "X", 57, 3));  // present: takes the count only
  EXPECT_EQ(set.size(), 101u);
  EXPECT_EQ(set.find("v", "X", 57)->uses, 3);
  set.add(instance("v", "X", 101));
  EXPECT_NE(set.find("v", "X", 101), nullptr);
  AvailabilitySet odd;
  for (int k = 1; k <= 101; k += 2) odd.add(instance("v", "X", k));
  AvailabilitySet copy = copy_of(set);
  copy.intersect(odd);
  EXPECT_EQ(copy.size(), 51u);
  EXPECT_EQ(copy.find("v", "X", 56), nullptr);
  EXPECT_EQ(copy.find("v", "X", 57)->uses, 3);
  copy.add(instance("v", "X", 56));
  EXPECT_EQ(copy.text().substr(0, 10), "v of X#56,");
  EXPECT_NE(copy.find("v", "X", 56), nullptr);
  EXPECT_EQ(set.size(), 102u);  // the copy's changes leave the original alone
}

// Reversing gives the order of a copy without one; what is added after it
// comes first, and the index finds elements added at either end of the
// storage, before and after an intersection.
TEST(AvailabilitySet, ReversingIsACopysOrderAndAddingStaysFirst) {
  for (int count : {3, 40}) {
    AvailabilitySet set;
    for (int k = 1; k <= count; ++k) set.add(instance("v", "X", k));
    const std::string copied = copy_of(set).text();
    set.reverse();
    EXPECT_EQ(set.text(), copied);
    set.add(instance("w", "Y", 1));
    set.reverse();
    set.add(instance("w", "Y", 2));
    EXPECT_EQ(set.text().substr(0, 9), "w of Y#2,");
    EXPECT_EQ(set.text().substr(set.text().size() - 8), "w of Y#1");
    for (int k = 1; k <= count; ++k) ASSERT_NE(set.find("v", "X", k), nullptr) << k;
    ASSERT_NE(set.find("w", "Y", 1), nullptr);
    EXPECT_EQ(set.find("w", "Y", 2)->number, 2);
    AvailabilitySet odd;
    for (int k = 1; k <= count; k += 2) odd.add(instance("v", "X", k));
    odd.add(instance("w", "Y", 1));
    set.intersect(odd);
    EXPECT_EQ(set.text().substr(set.text().size() - 8), "w of Y#1");
    set.add(instance("w", "Y", 3));
    EXPECT_EQ(set.find("v", "X", 2), nullptr);
    EXPECT_NE(set.find("v", "X", count - (count % 2 == 0)), nullptr);
    EXPECT_EQ(set.text().substr(0, 9), "w of Y#3,");
    EXPECT_NE(set.find("w", "Y", 3), nullptr);
  }
}

// ---------------------------------------------------------------- declarations

TEST(AvailabilityDeclarations, SynthesisedWithoutDefaultAction) {
  AvailabilityRun run;
  run.run(spec("s : integer SYN OF r.", "r : a set(s OF r).", "r"));
  EXPECT_THAT(run.output(),
              HasSubstr("test.inp:4: Error: Parser attribute 's': no default action\n"));
  EXPECT_EQ(run.diagnostics.error_count(), 1);
}

TEST(AvailabilityDeclarations, MissingTypesAndSymbols) {
  AvailabilityRun run;
  ASSERT_EQ(run.read_and_resolve(
                spec("v : nosuchtype GLOBAL.", "r (LOCAL x : nothing) : a get(x).", "r")),
            kReadAccepted);
  run.declarations.own.attributes.front()->line = 0;  // no position: shorter text
  auto inherited = std::make_unique<ParserAttribute>();
  static const std::string kName = "lonely";
  inherited->name = &kName;
  inherited->kind = AttributeKind::Inherited;
  inherited->line = 7;
  run.declarations.imported.attributes.push_back(std::move(inherited));
  run.check_all();
  const std::string out = run.output();
  EXPECT_THAT(out, HasSubstr("\nError: Parser attribute 'v': no type specified\n"));
  EXPECT_THAT(out, HasSubstr("test.inp:7: Error: Parser attribute 'lonely': no type specified\n"));
  EXPECT_THAT(
      out,
      HasSubstr("test.inp:7: Error: Parser attribute 'lonely': no associated non-terminals\n"));
  EXPECT_THAT(out, HasSubstr("test.inp:5: Error: Local attribute 'x' of 'r': no type specified\n"));
  // Imported attributes need no default action.
  EXPECT_THAT(out, Not(HasSubstr("'lonely': no default")));
}

TEST(AvailabilityDeclarations, LocalHidingAnAttribute) {
  AvailabilityRun run;
  ASSERT_EQ(
      run.read_and_resolve(kHead + std::string("RULES r (LOCAL g : integer) : a set(g) get(g).\n"
                                               "ATTRIBUTES g : integer GLOBAL.\nROOT r.\n")),
      kReadAccepted);
  run.check_all();
  EXPECT_THAT(run.output(),
              HasSubstr("test.inp:4: Error: Rule 'r': local 'g' hides a non-local attribute\n"));
}

// ---------------------------------------------------------------- rules

TEST(AvailabilityRules, InheritedAttributeNotSetBeforeTheSymbol) {
  AvailabilityRun run;
  run.run(spec("i : integer INH OF x. s : integer SYN OF r WITH DEFAULT d.",
               "r : set(s OF r) x set(i OF x). x : b get(i OF x).", "r"));
  EXPECT_THAT(
      run.output(),
      HasSubstr("Error: Rule 'r': inherited attribute 'i of x#1' not (always) available\n"));
  EXPECT_THAT(
      run.listing_text(),
      HasSubstr("*** test.inp:5: Error: Rule 'r': inherited attribute 'i of x#1' not (always) available\n"
                "*** availability set= s of r#0\n"));
  // Setting it after the symbol is too late, and is then never read.
  EXPECT_THAT(run.output(), Not(HasSubstr("Error: Rule 'x'")));
}

TEST(AvailabilityRules, InheritedAttributeSetBeforeTheSymbolPasses) {
  AvailabilityRun run;
  run.run(spec("i : integer INH OF x.", "r : set(i OF x) x. x : b get(i OF x).", "r"));
  EXPECT_EQ(run.diagnostics.error_count(), 0) << run.output();
  EXPECT_THAT(run.output(), Not(HasSubstr("Warning")));
}

TEST(AvailabilityRules, SynthesisedAttributeSetOnlyInsideAnOption) {
  AvailabilityRun run;
  run.run(spec("s : integer SYN OF r WITH DEFAULT d.", "r : a { b set(s OF r) } OPTION.", "r"));
  EXPECT_THAT(
      run.output(),
      HasSubstr("Error: Rule 'r': synthesised attribute 's of r#0' not (always) available\n"));
  EXPECT_THAT(run.listing_text(), HasSubstr("*** availability set = \n"));
}

TEST(AvailabilityRules, SynthesisedAttributeOnEveryOrOnlyOneAlternative) {
  AvailabilityRun both;
  both.run(spec("s : integer SYN OF r WITH DEFAULT d.", "r : a set(s OF r) | b set(s OF r).", "r"));
  EXPECT_EQ(both.diagnostics.error_count(), 0) << both.output();

  AvailabilityRun one;
  one.run(spec("s : integer SYN OF r WITH DEFAULT d.", "r : a set(s OF r) | b.", "r"));
  EXPECT_THAT(one.output(),
              HasSubstr("Rule 'r': synthesised attribute 's of r#0' not (always) available"));
  EXPECT_EQ(one.diagnostics.error_count(), 1);
}

TEST(AvailabilityRules, SettingAnInstanceTwiceWarnsButALocalMayBeSetAgain) {
  AvailabilityRun run;
  run.run(spec("s : integer SYN OF r WITH DEFAULT d.",
               "r (LOCAL n : integer) : a set(s OF r) set(n) set(n) get(n) set(s OF r).", "r"));
  const std::string out = run.output();
  EXPECT_THAT(
      out, HasSubstr(
               "Warning: Rule 'r': attribute 's of r#0' in call 'set' evaluated more than once\n"));
  EXPECT_THAT(out, Not(HasSubstr("attribute 'n' in call")));
  EXPECT_THAT(run.listing_text(),
              HasSubstr("evaluated more than once\n*** availability set= n, s of r#0\n"));
  EXPECT_EQ(run.diagnostics.error_count(), 0);
}

TEST(AvailabilityRules, ReadingALocalBeforeItIsSet) {
  AvailabilityRun run;
  run.run(spec("", "r (LOCAL n : integer) : a get(n) set(n).", "r"));
  EXPECT_THAT(run.output(),
              HasSubstr("Error: Rule 'r': attribute 'n' in call 'get' not (always) evaluated\n"));
  EXPECT_THAT(run.listing_text(), HasSubstr("not (always) evaluated\n*** availability set= \n"));
  // Set afterwards but not read after that.
  EXPECT_THAT(run.output(),
              HasSubstr("Warning: Rule 'r': local 'n' (is set but) not (always) used\n"));
}

TEST(AvailabilityRules, UsageWarnings) {
  AvailabilityRun run;
  run.run(spec("t : integer SYN OF a WITH DEFAULT d. i : integer INH OF r. u : integer GLOBAL.",
               "r (LOCAL never : integer) : a.", "set(i OF r) r"));
  const std::string out = run.output();
  // A terminal's synthesised attribute that nobody reads.
  EXPECT_THAT(
      out,
      HasSubstr(
          "Warning: Rule 'r': synthesised attribute 't of a#1' (is set but) not (always) used\n"));
  // The rule's own inherited attribute, never read.
  EXPECT_THAT(
      out,
      HasSubstr(
          "Warning: Rule 'r': inherited attribute 'i of r#0' (is set but) not (always) used\n"));
  EXPECT_THAT(out, HasSubstr("Warning: Rule 'r': local attribute 'never' is never used\n"));
  // The closing check: attributes that no call names.
  EXPECT_THAT(out, HasSubstr("Warning: Parser attribute 't' is never used\n"));
  EXPECT_THAT(out, HasSubstr("Warning: Parser attribute 'u' is never used\n"));
  EXPECT_THAT(out, Not(HasSubstr("Parser attribute 'i' is never used")));
  EXPECT_EQ(run.diagnostics.error_count(), 0);
}

TEST(AvailabilityRules, UnresolvedArgumentIsNotSet) {
  AvailabilityRun run;
  ASSERT_EQ(run.read_and_resolve(spec("", "r : a get(nowhere).", "r")), kReadAccepted);
  ASSERT_EQ(run.diagnostics.error_count(), 1);  // resolution: argument undefined
  run.check_all();
  EXPECT_THAT(run.output(), HasSubstr("Error: Rule 'r': argument 'v' of call 'get' NOT set\n"));
}

TEST(AvailabilityRules, UnusedInstancesAreWarnedInSetOrder) {
  AvailabilityRun run;
  run.run(spec("t : integer SYN OF a, b WITH DEFAULT d.", "r : a b.", "r"));
  const std::string out = run.output();
  std::size_t b = out.find("'t of b#1' (is set");
  std::size_t a = out.find("'t of a#1' (is set");
  ASSERT_NE(a, std::string::npos);
  ASSERT_NE(b, std::string::npos);
  EXPECT_LT(b, a);  // the instance added last comes first
}

// ---------------------------------------------------------------- flows

TEST(AvailabilityFlows, ChainSeparatorSeesTheOperandButGuaranteesNothing) {
  AvailabilityRun run;
  // In "x CHAIN x" the separator is x#1 (numbered first), the operand x#2.
  run.run(spec("i : integer INH OF x. s : integer SYN OF x WITH DEFAULT d.",
               "r : set(i OF x#2) x CHAIN x get(s OF x#2) get(s OF x#1).\n"
               "x : c get(i OF x) set(s OF x).",
               "r"));
  const std::string out = run.output();
  EXPECT_THAT(out, Not(HasSubstr("'i of x#2' not")));
  EXPECT_THAT(out, HasSubstr("Rule 'r': inherited attribute 'i of x#1' not (always) available\n"));
  EXPECT_THAT(run.listing_text(),
              HasSubstr("not (always) available\n*** availability set= s of x#2, i of x#2\n"));
  EXPECT_THAT(out, Not(HasSubstr("'s of x#2' in call")));
  EXPECT_THAT(out,
              HasSubstr("Rule 'r': attribute 's of x#1' in call 'get' not (always) evaluated\n"));
}

TEST(AvailabilityFlows, SeqKeepsWhatItsOperandSetsAndClosDoesNot) {
  AvailabilityRun seq;
  seq.run(spec("", "r (LOCAL n : integer) : { a set(n) } SEQ get(n).", "r"));
  EXPECT_EQ(seq.diagnostics.error_count(), 0) << seq.output();

  AvailabilityRun clos;
  clos.run(spec("", "r (LOCAL n : integer) : { a set(n) } CLOS get(n).", "r"));
  EXPECT_THAT(clos.output(), HasSubstr("attribute 'n' in call 'get' not (always) evaluated"));
}

TEST(AvailabilityFlows, ListCarriesSynthesisedAttributesOfItsElements) {
  const char* const attributes = "s : integer SYN OF e WITH DEFAULT d.";
  AvailabilityRun run;
  run.run(spec(attributes, "r : e LIST get(s OF e).\n e : a d(s OF e).", "r"));
  EXPECT_EQ(run.diagnostics.error_count(), 0) << run.output();
  AvailabilityRun optional;
  optional.run(spec(attributes, "r : e LIST OPTION get(s OF e).\n e : a d(s OF e).", "r"));
  EXPECT_THAT(optional.output(),
              HasSubstr("attribute 's of e#1' in call 'get' not (always) evaluated"));
}

TEST(AvailabilityFlows, NestedGroupsIntersectTheirAlternatives) {
  AvailabilityRun run;
  run.run(spec("s : integer SYN OF r WITH DEFAULT d.",
               "r (LOCAL n, m : integer) : { a set(n) set(m) | { b set(m) | c set(m) set(n) } } "
               "get(m) get(n) set(s OF r).",
               "r"));
  const std::string out = run.output();
  EXPECT_THAT(out, Not(HasSubstr("'m' in call")));
  EXPECT_THAT(out, HasSubstr("Rule 'r': attribute 'n' in call 'get' not (always) evaluated\n"));
  EXPECT_THAT(run.listing_text(), HasSubstr("*** availability set= m\n"));
}

TEST(AvailabilityFlows, UsesInsideAGroupCountForTheEnclosingRule) {
  AvailabilityRun run;
  run.run(spec("i : integer INH OF r.", "r : { a get(i OF r) } .", "set(i OF r) r"));
  EXPECT_THAT(run.output(), Not(HasSubstr("'i of r#0' (is set")));
  AvailabilityRun optional;
  optional.run(spec("i : integer INH OF r.", "r : { a get(i OF r) } OPTION.", "set(i OF r) r"));
  // What happens inside an option does not leave it, the reads neither.
  EXPECT_THAT(optional.output(), HasSubstr("'i of r#0' (is set but) not (always) used"));
}

TEST(AvailabilityFlows, RootSetsTheStartSymbolsInheritedAttributes) {
  AvailabilityRun missing;
  missing.run(spec("i : integer INH OF r.", "r : a get(i OF r).", "r"));
  EXPECT_THAT(missing.output(),
              HasSubstr("Rule 'ROOT': inherited attribute 'i of r#1' not (always) available"));
}

TEST(AvailabilityFlows, TheRulesOwnInstanceDiffersFromItsRecursiveOccurrence) {
  AvailabilityRun set;
  set.run(spec("i : integer INH OF r.", "r : a get(i OF r) | b set(i OF r#1) r.", "set(i OF r) r"));
  EXPECT_EQ(set.diagnostics.error_count(), 0) << set.output();
  AvailabilityRun own;
  own.run(spec("i : integer INH OF r.", "r : a get(i OF r) | b set(i OF r) r.", "set(i OF r) r"));
  EXPECT_THAT(own.output(),
              HasSubstr("attribute 'i of r#0' in call 'set' evaluated more than once"));
  EXPECT_THAT(own.output(),
              HasSubstr("Rule 'r': inherited attribute 'i of r#1' not (always) available"));
}

TEST(AvailabilityFlows, RootClauseNamesTheStartSymbolsInstanceEvenForTheLastRule) {
  // In the ROOT clause ROOT is the rule being defined, so "i OF r" is the
  // start symbol's instance r#1 although r was the last rule declared.
  AvailabilityRun run;
  run.run(spec("i : integer INH OF r.", "r : a get(i OF r).", "set(i OF r) r"));
  const Argument& argument = run.rule("ROOT").body->alternatives[0].items[0].call->arguments[0];
  EXPECT_EQ(argument.number, 1);
  EXPECT_EQ(run.diagnostics.error_count(), 0) << run.output();
}

}  // namespace
}  // namespace zedra
