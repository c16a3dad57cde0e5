// The name a misspelt one most likely meant, for the hint line under a
// report of an undefined name: "(did you mean 'tIdent'?)". A candidate
// qualifies when the two differ only in the case of their letters, or by
// one edit for every three characters of the name, two at most (an edit:
// a letter left out, added or changed, or two neighbours swapped; case
// does not count). So a name of one or two characters only finds itself
// in other case: one letter changed would make it any other short name.
// Of several, the fewest edits win, then the first in the candidates'
// order, so the hint is the same in every run.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace zedra {

class Diagnostics;
class TypeTable;
struct TypeRecord;

// The closest candidate to NAME as above; empty when none qualifies.
std::string_view closest_name(std::string_view name, const std::vector<std::string_view>& candidates);

// The hints of one run: a grammar with thousands of undefined names among
// thousands of defined ones would cost a comparison of each with each, so
// a run gives at most `limit` hints and leaves the rest of its reports
// without one.
class SpellingHints {
 public:
  explicit SpellingHints(int limit = 100) : left_(limit) {}
  // closest_name(NAME, CANDIDATES) while hints are left, else empty.
  std::string_view suggest(std::string_view name, const std::vector<std::string_view>& candidates);
  // The hint line "  (did you mean 'x'?)" under the report of the
  // undefined NAME, when suggest finds a candidate among those CANDIDATES
  // gives; they are gathered only while hints are left.
  void report(Diagnostics& diagnostics, std::string_view name,
              const std::function<std::vector<std::string_view>()>& candidates);

 private:
  int left_;
};

// The names of the types a specification may use: its own, the
// predefined and the imported ones, in that order.
std::vector<std::string_view> type_names(const TypeTable& types);
// The values of TYPE (none when it is null), in declaration order.
std::vector<std::string_view> value_names(const TypeRecord* type);

// Under the report of NAME, undefined as a value of type EXPECTED (null
// when unknown): when another type has a value of that name, the line
// "  ('lt' is a value of type 'relop', not of type 'colour')". Gives
// whether it reported one.
bool report_value_of_other_type(Diagnostics& diagnostics, const TypeTable& types, std::string_view name,
                                const TypeRecord* expected);

}  // namespace zedra
