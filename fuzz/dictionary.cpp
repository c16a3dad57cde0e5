// Reading libFuzzer dictionary files for the standalone driver.
#include "dictionary.h"

#include <cstdio>
#include <fstream>

namespace zedra::fuzz {

namespace {

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The quoted text from `quoted` on (which starts behind the opening quote)
// up to the closing quote, with the escapes resolved.
std::optional<std::string> unquote(std::string_view quoted, std::string_view& rest) {
  std::string value;
  for (std::size_t i = 0; i < quoted.size(); ++i) {
    const char c = quoted[i];
    if (c == '"') {
      rest = quoted.substr(i + 1);
      return value;
    }
    if (c != '\\') {
      value += c;
      continue;
    }
    if (++i == quoted.size()) return std::nullopt;
    const char escaped = quoted[i];
    if (escaped == '\\' || escaped == '"') {
      value += escaped;
    } else if (escaped == 'x' && i + 2 < quoted.size() && hex_value(quoted[i + 1]) >= 0 &&
               hex_value(quoted[i + 2]) >= 0) {
      value += static_cast<char>(hex_value(quoted[i + 1]) * 16 + hex_value(quoted[i + 2]));
      i += 2;
    } else {
      return std::nullopt;
    }
  }
  return std::nullopt;  // no closing quote
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::string> parse_dictionary_line(std::string_view line, bool& malformed) {
  malformed = false;
  line = trimmed(line);
  if (line.empty() || line.front() == '#') return std::nullopt;
  const std::size_t quote = line.find('"');
  if (quote == std::string_view::npos) {
    malformed = true;
    return std::nullopt;
  }
  std::string_view rest;
  std::optional<std::string> value = unquote(line.substr(quote + 1), rest);
  if (!value || !trimmed(rest).empty()) {
    malformed = true;
    return std::nullopt;
  }
  return value;
}

bool read_dictionary(const std::string& path, std::vector<std::string>& entries) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "cannot read the dictionary %s\n", path.c_str());
    return false;
  }
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    bool malformed = false;
    std::optional<std::string> value = parse_dictionary_line(line, malformed);
    if (malformed) {
      std::fprintf(stderr, "%s:%d: not a dictionary entry\n", path.c_str(), number);
      return false;
    }
    if (value) entries.push_back(std::move(*value));
  }
  return true;
}

}  // namespace zedra::fuzz
