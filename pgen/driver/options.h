// The option set of the parser generator: one bit per option word, changed
// by the OPTIONS clauses of the specification and read by every later phase.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "option_words.h"

namespace zedra {

class Diagnostics;

enum PgenOption : std::uint32_t {
  kOptListNames = 0x1,
  kOptListSymbols = 0x2,
  kOptLl1Test = 0x4,
  kOptEmptyRules = 0x8,
  kOptListActions = 0x10,
  kOptReduced = 0x20,
  kOptListAttributes = 0x40,
  kOptFirst = 0x80,
  kOptLocals = 0x100,
  kOptFollow = 0x200,
  kOptNumbers = 0x400,
  kOptLast = 0x800,
  kOptActionCalls = 0x1000,
  kOptDirset = 0x2000,
  kOptDependencies = 0x4000,
  kOptErrorRecovery = 0x8000,
  kOptParser = 0x10000,
  kOptProgram = 0x20000,  // set: the parser has main(); clear: a module procedure
};

inline constexpr std::uint32_t kDefaultPgenOptions = 0x3D144;

class PgenOptions final : public OptionSet {
 public:
  bool has(std::uint32_t option) const { return (mask_ & option) != 0; }
  std::uint32_t mask() const { return mask_; }

  // Applies the words of an OPTIONS clause from left to right (Msg::UnknownOption
  // for an unknown word); then any set option that lists analysis sets
  // switches the LL(1) test on.
  void apply(Diagnostics& diagnostics, const std::vector<std::string>& words) override;

 private:
  void apply_word(Diagnostics& diagnostics, const std::string& word);

  std::uint32_t mask_ = kDefaultPgenOptions;
};

}  // namespace zedra
