#include "driver/options.h"

#include <array>

#include "diagnostics.h"
#include "option_words.h"

namespace zedra {

namespace {

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

}  // namespace

void PgenOptions::apply(Diagnostics& diagnostics, const std::vector<std::string>& words) {
  for (const std::string& word : words) apply_word(diagnostics, word);
  if (mask_ & kSetListings) mask_ |= kOptLl1Test;
}

// PROGRAM and MODULE choose the form of the parser; they are no option
// names, so they take no "NO_" prefix.
void PgenOptions::apply_word(Diagnostics& diagnostics, const std::string& word) {
  if (equal_ignoring_case(word, "PROGRAM")) {
    mask_ |= kOptProgram;
    return;
  }
  if (equal_ignoring_case(word, "MODULE")) {
    mask_ &= ~kOptProgram;
    return;
  }
  if (!apply_option_word(mask_, word, kOptionTable)) diagnostics.report(Msg::UnknownOption, word);
}

}  // namespace zedra
