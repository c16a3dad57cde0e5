// Writes a generated text file in one piece: the text is built in memory
// first, so a file is either written whole or reported as not writable.
#pragma once

#include <string>
#include <string_view>

namespace zedra {

class Diagnostics;

// Writes `text` into the file `name`. Message 32 (an error) when the file
// cannot be written, message 75 with its name when it was. False on failure.
bool write_generated_text(Diagnostics& diagnostics, const std::string& name, std::string_view text);

}  // namespace zedra
