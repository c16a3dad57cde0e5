// The option set of the scanner generator: one bit per option word, changed
// by the OPTIONS clause of the specification; it decides the diagrams,
// traces and listings and whether the scanner is generated.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "option_words.h"

namespace zedra {

class Diagnostics;

enum SgenOption : std::uint32_t {
  kOptNfaDiagram = 0x01,
  kOptDfaDiagram = 0x02,
  kOptMdfaDiagram = 0x04,
  kOptNames = 0x08,
  kOptAllNames = 0x10,
  kOptSubsetTrace = 0x20,
  kOptMinimizeTrace = 0x40,
  kOptGenerate = 0x80,
};

inline constexpr std::uint32_t kDefaultSgenOptions = kOptMdfaDiagram | kOptGenerate;

class SgenOptions final : public OptionSet {
 public:
  bool has(std::uint32_t option) const { return (mask_ & option) != 0; }
  std::uint32_t mask() const { return mask_; }

  // Applies the words of the OPTIONS clause from left to right; Msg::UnknownOption
  // names an unknown word as it was written.
  void apply(Diagnostics& diagnostics, const std::vector<std::string>& words) override;

 private:
  std::uint32_t mask_ = kDefaultSgenOptions;
};

}  // namespace zedra
