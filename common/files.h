// File helpers shared by both generators: path splitting (both '/' and '\'
// separate directories), opening of files with the standard failure
// messages, the input specification and the installation directory.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace zedra {

class Diagnostics;

struct FileCloser {
  void operator()(std::FILE* file) const {
    if (file) std::fclose(file);
  }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// The parts of a path: `directory` is everything up to and including the
// last separator ('/' or '\'), `name` the rest without its extension,
// `extension` the text after the last '.' of the rest (without the dot).
// `has_extension` tells whether the rest holds a '.' at all.
struct PathParts {
  std::string directory;
  std::string name;
  std::string extension;
  bool has_extension = false;
};
PathParts split_path(std::string_view path);

// The position just behind the last character of `text` that occurs in
// `set`, or std::string_view::npos when there is none.
std::size_t find_last_of(std::string_view text, std::string_view set);

// The file name without directory: with a non-empty `extension` the name, a
// dot and `extension`; with an empty `extension` the name alone.
std::string base_name(std::string_view path, std::string_view extension);
// The file name without directory, with its own extension as it stood.
std::string base_name(std::string_view path);

// The module name of an input file: the first 8 characters of its base name
// without extension ("stdin" for standard input).
inline constexpr std::size_t kModuleNameLength = 8;
std::string module_name_of(std::string_view path);

// fopen with the standard failure message: 31 for a mode beginning with
// "r", 32 for any other mode. Null on failure.
FilePtr open_file(Diagnostics& diagnostics, const std::string& name, const char* mode);
// Whether the names lead to one existing file (through links, or as two
// spellings of one path).
bool same_file(const std::string& first, const std::string& second);
// `name` opened for reading, without a report; null also for a folder.
FilePtr open_for_reading(const std::string& name);
// Why `name`, as a command line gave it, could not be read, when it is there
// but no file or looks like a mistyped option: "('x' is a folder)" and the
// like; empty when there is nothing to add.
std::string unopened_reason(const std::string& name);

// 0 when `name` exists and can be read, -1 otherwise.
int file_access(const std::string& name);
void remove_file(const std::string& name);

// Which generator asks; they derive the installation directory differently
// when KOSTAL is not set.
enum class Tool { Pgen, Sgen };

// The installation directory without KOSTAL. pgen: the parent of the working
// directory `cwd` ("." when it has no separator). sgen: the directory of its
// program path less a trailing "bin/" when that can be read, else ".".
std::string pgen_default_installation(std::string_view cwd);
std::string sgen_default_installation(std::string_view program_path);

// The installation directory: $KOSTAL when set and not empty, else the
// tool's default above.
std::string find_installation_directory(Tool tool, std::string_view program_path);

// The opened specification: a file, or standard input.
class InputFile {
 public:
  std::FILE* stream() const { return file_ ? file_.get() : stdin; }
  bool is_stdin() const { return !file_; }
  void adopt(FilePtr file) { file_ = std::move(file); }

 private:
  FilePtr file_;
};

// Opens the input specification `name` (null or empty: standard input),
// trying "<name>.inp" when `name` does not open and its base name has no
// extension. Sets the installation directory, the current file name and the
// module name of `diagnostics` and reports Msg::InputFile; on failure
// reports Msg::FileUnreadable and gives false.
bool open_input(Diagnostics& diagnostics, Tool tool, const char* program_path,
                const char* name, InputFile& input);

}  // namespace zedra
