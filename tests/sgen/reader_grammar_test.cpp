// The reader of the scanner dialect: the grammar, the order of its semantic
// operations, the automaton it builds while reading, and where it stops.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "front/scanner_reader.h"
#include "spec_source.h"
#include "token_cursor.h"
#include "decl_test_support.h"
#include "nfa/nfa_construction.h"
#include "nfa_test_support.h"

namespace zedra {
namespace {

using test::members;

class ReaderTest : public ::testing::Test {
 protected:
  int read(const std::string& text) {
    nfa_.init();
    source_.restart(text);
    return read_scanner_specification(source_, front_.declarations, nfa_);
  }
  const Terminal& terminal(const std::string& name) {
    const Terminal* found = front_.declarations.terminals.terminal_find(name);
    EXPECT_NE(found, nullptr) << name;
    return *found;
  }
  std::vector<std::string> terminal_names() {
    std::vector<std::string> names;
    for (const Terminal& t : front_.declarations.terminals.list()) names.push_back(*t.name);
    return names;
  }
  const AutomatonState& state(int n) { return *nfa_.table().state(n); }
  std::string reports() { return front_.reports(); }

  test::ScannerFront front_;
  SpecSource source_{front_.diagnostics};
  Nfa nfa_{front_.diagnostics};
};

TEST_F(ReaderTest, DeclarationsAndAutomatonOfAValidSpecification) {
  const std::string spec =
      "DEFINITIONS lexdefs.\n"
      "ACTIONS to_number : integer .\n"
      "ATTRIBUTES value : integer SYN OF tNumber, tOne WITH DEFAULT to_number .\n"
      "SYMBOLS tAssign : := | =: . tOne : 1 value = to_number() .\n"
      "KEYWORDS tBegin : begin | BEGIN .\n"
      "CHARSETS letter : ['a'..'z', 'A'..'Z'] . digit : ['0'..'9'] . blank : [SP, HT, LF] .\n"
      "STRINGS arrow : \"->\" .\n"
      "RULES\n"
      "  tIdent : VERIFY : letter { letter + digit } CLOS RESERVED convert_to_upper() ELSE .\n"
      "  tNumber : digit SEQ value = to_number() .\n"
      "  tArrow : arrow .\n"
      "  tSpace : SKIP : blank SEQ .\n";
  ASSERT_EQ(read(spec), kReadAccepted) << reports();
  EXPECT_EQ(reports(), "");
  EXPECT_EQ(terminal_names(), (std::vector<std::string>{"tAssign", "tOne", "tBegin", "tIdent",
                                                        "tNumber", "tArrow", "tSpace"}));
  EXPECT_EQ(terminal("tIdent").kind, TerminalKind::Verify);
  ASSERT_NE(terminal("tIdent").reserved_action, nullptr);
  EXPECT_EQ(*terminal("tIdent").reserved_action->name, "convert_to_upper");
  EXPECT_EQ(terminal("tSpace").kind, TerminalKind::Skip);
  EXPECT_EQ(terminal("tBegin").representations.size(), 2u);
  EXPECT_FALSE(terminal("tBegin").representations.front().is_symbol);
  ASSERT_EQ(terminal("tNumber").own_assignments.size(), 1u);
  EXPECT_EQ(terminal("tNumber").own_assignments[0].value_text, "to_number()");
  EXPECT_EQ(terminal("tNumber").own_assignments[0].line, 10);
  ASSERT_EQ(terminal("tOne").assignments().size(), 1u);
  EXPECT_EQ(terminal("tOne").assignments()[0].attribute_name, "value");

  // Literals first (":=" 1-2, "=:" 3-4, "1" 5), then the rules in order:
  // tIdent 6-7, tNumber 8, tArrow 9-10, tSpace 11; 12 is the spare.
  EXPECT_EQ(nfa_.table().highest(), 12);
  EXPECT_EQ(state(2).literals, std::vector<std::string>{":="});
  EXPECT_EQ(state(5).terminal, &terminal("tOne"));
  EXPECT_EQ(members(state(6).follow), std::vector<int>{7});
  EXPECT_EQ(members(state(7).follow), std::vector<int>{7});
  EXPECT_EQ(state(7).chars.size(), 62);
  EXPECT_EQ(state(6).terminal, &terminal("tIdent"));
  EXPECT_EQ(state(7).terminal, &terminal("tIdent"));
  EXPECT_EQ(members(state(8).follow), std::vector<int>{8});
  EXPECT_EQ(members(state(9).chars), std::vector<int>{'-'});
  EXPECT_EQ(state(10).terminal, &terminal("tArrow"));
  EXPECT_EQ(members(state(11).chars), (std::vector<int>{9, 10, 32}));
  EXPECT_EQ(members(nfa_.table().starts), (std::vector<int>{1, 3, 5, 6, 8, 9, 11}));
  EXPECT_EQ(members(nfa_.table().accepting), (std::vector<int>{2, 4, 5, 6, 7, 8, 10, 11}));
  EXPECT_EQ(nfa_.table().starts, state(0).follow);
}

TEST_F(ReaderTest, RepresentationsAndLiteralEdgeCases) {
  const std::string spec =
      "SYMBOLS tDot : . . tQuote : ' | \" .\n"
      "CHARSETS ctl : [NULL, DC12] .\n"
      "STRINGS its : 'it\\'s' . back : \"a\\b\" .\n"
      "RULES tIts : its . tBack : back | ctl .\n";
  ASSERT_EQ(read(spec), kReadAccepted) << reports();
  EXPECT_EQ(terminal("tDot").representations.front().text, ".");
  EXPECT_EQ(terminal("tQuote").representations.size(), 2u);
  EXPECT_EQ(*front_.declarations.scanner_string_find("its")->text, "it's");
  EXPECT_EQ(*front_.declarations.scanner_string_find("back")->text, "a\\b");
  const auto& ranges = front_.declarations.charset_find("ctl")->ranges;
  ASSERT_EQ(ranges.size(), 2u);
  EXPECT_EQ(ranges[0].low, 0);
  EXPECT_EQ(ranges[1].low, 17);
  // "." 1, "'" 2, "\"" 3, it's 4-7, a\b 8-10, ctl 11.
  EXPECT_EQ(nfa_.table().highest(), 12);
  EXPECT_EQ(members(state(6).chars), std::vector<int>{'\''});
  EXPECT_EQ(members(state(9).chars), std::vector<int>{'\\'});
  EXPECT_EQ(members(state(11).chars), (std::vector<int>{0, 17}));
  EXPECT_EQ(state(11).terminal, &terminal("tBack"));
}

TEST_F(ReaderTest, NullableRuleAndGroups) {
  ASSERT_EQ(read("CHARSETS x : ['x'] . a : ['a'] . b : ['b'] .\n"
                 "RULES tx : { x } CLOS . tabc : a { b | x b } OPTION x .\n"),
            kReadAccepted)
      << reports();
  EXPECT_EQ(members(state(1).follow), std::vector<int>{1});
  EXPECT_EQ(members(state(0).follow), (std::vector<int>{1, 2, Nfa::kEndMarker}));
  // a 2, b 3, x 4, b 5, x 6: after a come b, x (of the group) and the last x.
  EXPECT_EQ(members(state(2).follow), (std::vector<int>{3, 4, 6}));
  EXPECT_EQ(members(state(4).follow), std::vector<int>{5});
  EXPECT_EQ(members(state(5).follow), std::vector<int>{6});
  EXPECT_EQ(members(nfa_.table().accepting), (std::vector<int>{1, 6}));
}

TEST_F(ReaderTest, SetExpressionsAreEvaluatedLeftToRight) {
  ASSERT_EQ(read("CHARSETS l : ['a'..'z'] . v : ['a', 'e'] . d : ['0'..'9'] .\n"
                 "RULES t : l - v + d * l .\n"),
            kReadAccepted)
      << reports();
  // ((l - v) + d) * l: the digits drop out again.
  EXPECT_EQ(state(1).chars.size(), 24);
  EXPECT_FALSE(state(1).chars.contains('0'));
}

TEST_F(ReaderTest, NamesAreKnownOnlyAfterTheirDeclaration) {
  EXPECT_EQ(read("STRINGS s : \"ab\" . RULES t : s | letter . CHARSETS letter : ['a'] ."), kReadFailed);
  EXPECT_EQ(reports(),
            "test.inp:1: Error: parse error at 'letter'\n"
            "  (expected a string name, a character set name or '{')\n");
}

TEST_F(ReaderTest, EmptyAlternativesAndGroupsAreSyntaxErrors) {
  EXPECT_EQ(read("CHARSETS x : ['x'] . RULES t1 : x | ."), kReadFailed);
  EXPECT_EQ(read("CHARSETS y : ['y'] . RULES t2 : { } ."), kReadFailed);
  EXPECT_EQ(read("CHARSETS z : ['z'] . RULES t3 : z } ."), kReadFailed);
  EXPECT_EQ(reports(),
            "test.inp:1: Error: parse error at '.'\n"
            "  (expected a string name, a character set name or '{')\n"
            "test.inp:1: Error: parse error at '}'\n"
            "  (expected a string name, a character set name or '{')\n"
            "test.inp:1: Error: parse error at '}'\n");
}

TEST_F(ReaderTest, SetOfHighBytesIsReadLikeAnyOther) {
  EXPECT_EQ(read("CHARSETS high : ['\\200'..'\\377'] .\nRULES t : high .\n u : ) ."), kReadFailed);
  EXPECT_EQ(reports(), "test.inp:3: Error: parse error at ')'\n");
}

TEST_F(ReaderTest, DeepNestingOverflowsTheParseStack) {
  std::string spec = "CHARSETS x : ['x'] . RULES t : ";
  spec += std::string(5000, '{');
  EXPECT_EQ(read(spec), kReadStackOverflow);
  EXPECT_EQ(reports(), "test.inp:1: Error: parser stack overflow at '{'\n");
}

TEST_F(ReaderTest, RejectedRuleHeadAcceptsForNoTerminal) {
  ASSERT_EQ(read("SYMBOLS tA : a . CHARSETS x : ['x'] . RULES tA : x .\n"), kReadAccepted);
  EXPECT_EQ(reports(), "test.inp:1: Error: Name 'tA' already exists\n");
  EXPECT_EQ(state(1).terminal, &terminal("tA"));
  EXPECT_EQ(state(2).terminal, nullptr);
}

TEST_F(ReaderTest, RuleHeadIsDeclaredAfterItsLookAhead) {
  // The head "tA :" needs the next token to tell it from "tA : SKIP :", so
  // the duplicate is reported at the line of that token.
  ASSERT_EQ(read("SYMBOLS tA : a .\nCHARSETS x : ['x'] .\nRULES tA :\n x .\n"), kReadAccepted);
  EXPECT_EQ(reports(), "test.inp:4: Error: Name 'tA' already exists\n");
}

TEST_F(ReaderTest, RepresentationConflictsAreReportedWhileReading) {
  ASSERT_EQ(read("SYMBOLS tA : := . tB : := | x .\nKEYWORDS tC : begin . tA : begin .\n"
                 "CHARSETS d : ['0'..'9', '5'] .\nRULES t : d .\n"),
            kReadAccepted);
  EXPECT_EQ(reports(),
            "test.inp:1: Error: Right hand side ':=' already defined in 'tA'\n"
            "test.inp:2: Error: Right hand side 'begin' already defined in 'tC'\n"
            "test.inp:3: Error: Character set ranges should be disjunct\n");
  // The dropped ":=" of tB took no states: ":=" 1-2, "x" 3, d 4.
  EXPECT_EQ(nfa_.table().highest(), 5);
  EXPECT_EQ(state(3).terminal, &terminal("tB"));
}

TEST_F(ReaderTest, ReservedActionMustBeAStringConversion) {
  ASSERT_EQ(read("CHARSETS l : ['a'..'z'] .\n"
                 "RULES a : VERIFY : l SEQ RESERVED int_encode() ELSE .\n"
                 "      b : VERIFY : l CLOS reserved convert_to_lower() else .\n"),
            kReadAccepted);
  EXPECT_EQ(reports(),
            "test.inp:2: Error: Action 'int_encode' of terminal 'a' undefined\n"
            "  ('int_encode' gives integer, not string)\n");
  EXPECT_EQ(terminal("a").reserved_action, nullptr);
  EXPECT_NE(terminal("b").reserved_action, nullptr);
}

// A realistic specification (an early MiniPas scanner, kept in
// tests/sgen/data): literals first, then the rules in their order, each
// character class one state.
TEST_F(ReaderTest, PascalExampleBuildsItsAutomaton) {
  const std::string spec = test::read_file(std::string(ZEDRA_SOURCE_DIR) + "/tests/sgen/data/pascal_scanner.inp");
  ASSERT_FALSE(spec.empty());
  ASSERT_EQ(read(spec), kReadAccepted) << reports();
  EXPECT_EQ(reports(), "");
  // 14 symbols in 15 states, then tBlank 16, tComment 17-23, tBraceComment
  // 24-26, tIdent 27-28, tNumber 29-31, tString 32-34, tCharacter 35-37.
  EXPECT_EQ(nfa_.state_count(), 38);  // 0 .. 37, the spare 38 left out
  EXPECT_EQ(state(2).literals, std::vector<std::string>{":="});
  EXPECT_EQ(state(12).terminal, &terminal("tDiv"));
  // (* { notstar | star SEQ notstarparen } CLOS star SEQ rparen
  EXPECT_EQ(members(state(17).follow), std::vector<int>{18});
  EXPECT_EQ(members(state(18).follow), (std::vector<int>{19, 20, 22}));
  EXPECT_EQ(members(state(19).follow), (std::vector<int>{19, 20, 22}));
  EXPECT_EQ(members(state(20).follow), (std::vector<int>{20, 21}));
  EXPECT_EQ(members(state(21).follow), (std::vector<int>{19, 20, 22}));
  EXPECT_EQ(members(state(22).follow), (std::vector<int>{22, 23}));
  EXPECT_EQ(state(23).terminal, &terminal("tComment"));
  EXPECT_EQ(state(19).chars.size(), 127);  // NUL..DEL less the star
  // digit SEQ | dollar hexdigit SEQ
  EXPECT_EQ(members(state(29).follow), std::vector<int>{29});
  EXPECT_EQ(members(state(30).follow), std::vector<int>{31});
  EXPECT_EQ(members(nfa_.table().accepting),
            (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 23, 26, 27, 28, 29,
                              31, 34, 37}));
}

TEST_F(ReaderTest, ParseErrorsExplainTheCauseOrNameTheTokensExpected) {
  // A symbol without its '.': the next name is read as an assignment.
  EXPECT_EQ(read("SYMBOLS tA : a tB : b . RULES"), kReadFailed);
  // A quoted text in a rule, first or behind a factor, and in a group.
  EXPECT_EQ(read("CHARSETS x : ['x'] . RULES t1 : 'x' ."), kReadFailed);
  EXPECT_EQ(read("CHARSETS y : ['y'] . RULES t2 : y 'y' ."), kReadFailed);
  EXPECT_EQ(read("CHARSETS z : ['z'] . RULES t3 : { z 'z' } ."), kReadFailed);
  // An operator in other case is a name, read as an assignment.
  EXPECT_EQ(read("CHARSETS d : ['0'..'9'] . RULES t4 : d Seq ."), kReadFailed);
  // Two ranges without the ',' between them.
  EXPECT_EQ(read("CHARSETS l : ['a'..'z' 'A'..'Z'] ."), kReadFailed);
  const std::string literal = "  (a rule writes a string by its name: declare it under STRINGS, as name : \"text\" .)\n";
  EXPECT_EQ(reports(),
            "test.inp:1: Error: parse error at ':'\n"
            "  (a ':' after a name begins a declaration: the one before it may lack its closing '.')\n"
            "test.inp:1: Error: parse error at '''\n" + literal +
            "test.inp:1: Error: parse error at '''\n" + literal +
            "test.inp:1: Error: parse error at '''\n" + literal +
            "test.inp:1: Error: parse error at '.'\n"
            "  ('Seq' before it is a name: the keyword is written SEQ)\n"
            "test.inp:1: Error: parse error at ''A''\n"
            "  (expected ',' or ']')\n");
}

}  // namespace
}  // namespace zedra
