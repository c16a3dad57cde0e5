// The file "<module>.html" that "pgen --diagrams" writes: the command-line
// option ("--diagrams" draws action calls as small boxes,
// "--diagrams=noactions" leaves them out) and the writing of the page.
#pragma once

#include <optional>

#include "diagrams/rule_tracks.h"
#include "long_options.h"

namespace zedra {

class Diagnostics;
struct RuleList;

struct DiagramRequest {
  bool wanted = false;
  DiagramSettings settings;
};

// The request that the option "--diagrams[=actions|noactions]" makes: none
// without the option. Nothing, after a message on the screen, for any
// other value.
std::optional<DiagramRequest> requested_diagrams(Diagnostics& diagnostics, const std::optional<LongOption>& option);

// When `request` wants them, writes the diagrams of `rules` into
// "<module>.html" with the module that `diagnostics` knows (message 75, or
// 32 when the file cannot be written).
void write_requested_diagrams(Diagnostics& diagnostics, const DiagramRequest& request, const RuleList& rules);

}  // namespace zedra
