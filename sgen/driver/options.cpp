#include "driver/options.h"

#include <array>

#include "diagnostics.h"
#include "option_words.h"

namespace zedra {

namespace {

// In the order of lookup.
constexpr std::array<OptionName, 8> kOptionTable{{
    {"nfadiagram", kOptNfaDiagram},
    {"dfadiagram", kOptDfaDiagram},
    {"mdfadiagram", kOptMdfaDiagram},
    {"names", kOptNames},
    {"allnames", kOptAllNames},
    {"subsettrace", kOptSubsetTrace},
    {"minimizetrace", kOptMinimizeTrace},
    {"generate", kOptGenerate},
}};

}  // namespace

void SgenOptions::apply(Diagnostics& diagnostics, const std::vector<std::string>& words) {
  for (const std::string& word : words)
    if (!apply_option_word(mask_, word, kOptionTable)) diagnostics.report(Msg::UnknownOption, word);
}

}  // namespace zedra
