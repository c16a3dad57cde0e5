#include "diagrams/diagrams_output.h"

#include <string>

#include "diagnostics.h"
#include "diagrams/diagram_page.h"
#include "output_file.h"

namespace zedra {

std::optional<DiagramRequest> requested_diagrams(Diagnostics& diagnostics, const std::optional<LongOption>& option) {
  DiagramRequest request;
  if (!option) return request;
  request.wanted = true;
  if (!option->value || *option->value == "actions") return request;
  if (*option->value == "noactions") {
    request.settings.action_calls = false;
    return request;
  }
  diagnostics.report(Msg::FreeText, "Unknown value '%s' for --diagrams: actions or noactions", option->value->c_str());
  return std::nullopt;
}

void write_requested_diagrams(Diagnostics& diagnostics, const DiagramRequest& request, const RuleList& rules) {
  if (!request.wanted) return;
  const std::string& module = diagnostics.module_name();
  write_generated_text(diagnostics, module + ".html", diagram_page(rules, module, request.settings));
}

}  // namespace zedra
