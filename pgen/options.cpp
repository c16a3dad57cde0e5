#include "pgen/options.h"

#include <array>
#include <string_view>

#include "common/diagnostics.h"

namespace zedra {

namespace {

struct OptionName {
  std::string_view name;
  std::uint32_t bit;
};

// In the order of lookup.
constexpr std::array<OptionName, 17> kOptionTable{{
    {"listnames", kOptListNames},
    {"listsymbols", kOptListSymbols},
    {"listactions", kOptListActions},
    {"listattributes", kOptListAttributes},
    {"locals", kOptLocals},
    {"numbers", kOptNumbers},
    {"action_calls", kOptActionCalls},
    {"error_recovery", kOptErrorRecovery},
    {"ll1_test", kOptLl1Test},
    {"empty_rules", kOptEmptyRules},
    {"reduced", kOptReduced},
    {"first", kOptFirst},
    {"follow", kOptFollow},
    {"last", kOptLast},
    {"dirset", kOptDirset},
    {"dependencies", kOptDependencies},
    {"parser", kOptParser},
}};

constexpr std::uint32_t kSetListings =
    kOptEmptyRules | kOptReduced | kOptFirst | kOptLast | kOptFollow | kOptDirset;

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

}  // namespace

void PgenOptions::apply(Diagnostics& diagnostics, const std::vector<std::string>& words) {
  for (const std::string& word : words) apply_word(diagnostics, word);
  if (mask_ & kSetListings) mask_ |= kOptLl1Test;
}

void PgenOptions::apply_word(Diagnostics& diagnostics, const std::string& word) {
  if (equal_ignoring_case(word, "ALL")) {
    mask_ = 0xFFFFFFFFu;
    return;
  }
  if (equal_ignoring_case(word, "NONE")) {
    mask_ = 0;
    return;
  }
  if (equal_ignoring_case(word, "PROGRAM")) {
    mask_ |= kOptProgram;
    return;
  }
  if (equal_ignoring_case(word, "MODULE")) {
    mask_ &= ~kOptProgram;
    return;
  }
  std::string_view name = word;
  bool negated = name.size() >= 3 && lower(name[0]) == 'n' && lower(name[1]) == 'o' && name[2] == '_';
  if (negated) name.remove_prefix(3);
  for (const OptionName& option : kOptionTable) {
    if (!equal_ignoring_case(name, option.name)) continue;
    if (negated)
      mask_ &= ~option.bit;
    else
      mask_ |= option.bit;
    return;
  }
  diagnostics.report(25, word);
}

}  // namespace zedra
