// Dictionaries in the format libFuzzer reads (-dict=FILE): one entry a
// line, `name="value"` or just `"value"`, with \\, \" and \xHH escapes
// inside the quotes; blank lines and lines starting with '#' are skipped.
// The standalone driver reads the same files, so both fuzz alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zedra::fuzz {

// The value of one dictionary line; nothing for a blank or comment line.
// A malformed line gives nothing as well and sets `malformed`.
std::optional<std::string> parse_dictionary_line(std::string_view line, bool& malformed);

// Every entry of the file, in order; false (with a message on standard
// error) when the file cannot be read or holds a malformed line.
bool read_dictionary(const std::string& path, std::vector<std::string>& entries);

}  // namespace zedra::fuzz
