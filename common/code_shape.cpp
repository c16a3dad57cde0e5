#include "code_shape.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zedra {

std::optional<CodeShape> requested_code_shape(const CommandLine& command_line) {
  if (command_line.option(kFastOption)) return CodeShape::Fast;
  const char* value = std::getenv(kShapeVariable);
  if (!value || !*value) return CodeShape::Default;
  const std::string_view word = value;
  if (word == "fast") return CodeShape::Fast;
  if (word == "default") return CodeShape::Default;
  std::printf("The environment variable %s must be 'default' or 'fast', not '%s'\n", kShapeVariable,
              value);
  return std::nullopt;
}

}  // namespace zedra
