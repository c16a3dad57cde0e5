// The shape of the code the generators write: the default one, or the
// fast one (sgen --fast, pgen --fast), which behaves the same and runs
// faster. The option --fast asks for it; without the option the
// environment variable ZEDRA_SHAPE decides ("fast" or "default"), so that
// a whole build or test run can be switched to the fast shape.
#pragma once

#include <optional>

#include "long_options.h"

namespace zedra {

enum class CodeShape { Default, Fast };

// The name of the long option and of the environment variable.
inline constexpr const char* kFastOption = "fast";
inline constexpr const char* kShapeVariable = "ZEDRA_SHAPE";

// The shape that `command_line` and the environment ask for; nothing,
// after a message on standard output, when ZEDRA_SHAPE holds another word.
std::optional<CodeShape> requested_code_shape(const CommandLine& command_line);

}  // namespace zedra
