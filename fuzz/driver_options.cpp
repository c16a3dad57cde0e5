// Parsing the standalone driver's command line and listing its input files.
#include "driver_options.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace zedra::fuzz {

namespace {

[[noreturn]] void usage_error(const std::string& what) {
  std::fprintf(stderr, "%s\n%s", what.c_str(), kDriverUsage);
  std::exit(2);
}

std::uint64_t number_of(std::string_view option, std::string_view text) {
  if (text.empty()) usage_error("no number for " + std::string(option));
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') usage_error("not a number: " + std::string(option) + std::string(text));
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return value;
}

}  // namespace

DriverOptions parse_driver_options(int argc, char** argv) {
  DriverOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value_of = [arg](std::string_view name) -> std::optional<std::string_view> {
      if (arg.substr(0, name.size()) != name) return std::nullopt;
      return arg.substr(name.size());
    };
    if (auto v = value_of("-seconds=")) options.seconds = static_cast<double>(number_of("-seconds=", *v));
    else if (auto v = value_of("-runs=")) options.runs = number_of("-runs=", *v);
    else if (auto v = value_of("-seed=")) options.seed = number_of("-seed=", *v);
    else if (auto v = value_of("-dict=")) options.dictionary = *v;
    else if (auto v = value_of("-timeout=")) options.timeout = static_cast<unsigned>(number_of("-timeout=", *v));
    else if (auto v = value_of("-max_len=")) options.max_length = number_of("-max_len=", *v);
    else if (auto v = value_of("-keep=")) options.keep = *v;
    else if (arg.size() > 1 && arg[0] == '-') usage_error("unknown option " + std::string(arg));
    else options.paths.emplace_back(arg);
  }
  return options;
}

std::vector<std::filesystem::path> input_files(const std::vector<std::string>& paths) {
  std::vector<std::filesystem::path> files;
  for (const std::string& path : paths) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      std::vector<std::filesystem::path> found;
      for (const auto& entry : std::filesystem::recursive_directory_iterator(path, error))
        if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
          found.push_back(entry.path());
      std::sort(found.begin(), found.end());
      files.insert(files.end(), found.begin(), found.end());
    } else if (std::filesystem::is_regular_file(path, error)) {
      files.emplace_back(path);
    } else {
      usage_error("no such file or folder: " + path);
    }
  }
  return files;
}

}  // namespace zedra::fuzz
