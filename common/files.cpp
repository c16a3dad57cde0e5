#include "files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "diagnostics.h"
#include "spec_source.h"

namespace zedra {
namespace {

constexpr std::string_view kSeparators = "/\\";

bool is_separator(char c) { return c == '/' || c == '\\'; }

}  // namespace

bool same_file(const std::string& first, const std::string& second) {
  std::error_code error;
  return !first.empty() && !second.empty() && std::filesystem::equivalent(first, second, error);
}

// Directories open on this platform but cannot be read as a file.
FilePtr open_for_reading(const std::string& name) {
  FilePtr file(std::fopen(name.c_str(), "r"));
  struct stat status {};
  if (file && fstat(fileno(file.get()), &status) == 0 && S_ISDIR(status.st_mode)) file.reset();
  return file;
}

std::size_t find_last_of(std::string_view text, std::string_view set) {
  const std::size_t position = text.find_last_of(set);
  return position == std::string_view::npos ? position : position + 1;
}

PathParts split_path(std::string_view path) {
  PathParts parts;
  const std::size_t start = find_last_of(path, kSeparators);
  const std::size_t name_start = start == std::string_view::npos ? 0 : start;
  parts.directory = std::string(path.substr(0, name_start));
  const std::string_view rest = path.substr(name_start);
  const std::size_t dot = rest.rfind('.');
  parts.has_extension = dot != std::string_view::npos;
  parts.name = std::string(rest.substr(0, dot));
  if (parts.has_extension) parts.extension = std::string(rest.substr(dot + 1));
  return parts;
}

std::string base_name(std::string_view path, std::string_view extension) {
  std::string name = split_path(path).name;
  if (!extension.empty()) {
    name += '.';
    name += extension;
  }
  return name;
}

std::string base_name(std::string_view path) {
  const std::size_t start = find_last_of(path, kSeparators);
  return std::string(start == std::string_view::npos ? path : path.substr(start));
}

std::string module_name_of(std::string_view path) {
  return split_path(path).name.substr(0, kModuleNameLength);
}

FilePtr open_file(Diagnostics& diagnostics, const std::string& name, const char* mode) {
  const bool reading = mode[0] == 'r';
  FilePtr file = reading ? open_for_reading(name) : FilePtr(std::fopen(name.c_str(), mode));
  if (!file) diagnostics.report(reading ? Msg::FileUnreadable : Msg::FileNotWritable, name);
  return file;
}

int file_access(const std::string& name) { return access(name.c_str(), R_OK); }

void remove_file(const std::string& name) { std::remove(name.c_str()); }

std::string pgen_default_installation(std::string_view cwd) {
  const std::size_t cut = cwd.find_last_of(kSeparators);
  if (cut == std::string_view::npos) return ".";
  // The parent of a directory right below the root is the root itself.
  return std::string(cwd.substr(0, cut == 0 ? 1 : cut));
}

std::string sgen_default_installation(std::string_view program_path) {
  const std::size_t end = find_last_of(program_path, kSeparators);
  if (end == std::string_view::npos) return ".";
  std::string_view dir = program_path.substr(0, end - 1);  // without the separator
  const bool in_bin = dir.size() >= 3 && dir.substr(dir.size() - 3) == "bin" &&
                      (dir.size() == 3 || is_separator(dir[dir.size() - 4]));
  if (in_bin) {
    dir.remove_suffix(3);
    if (dir.size() > 1 && is_separator(dir.back())) dir.remove_suffix(1);
  }
  if (dir.empty()) return end == 1 ? std::string(program_path.substr(0, 1)) : ".";
  std::string result(dir);
  return file_access(result) == 0 ? result : ".";
}

std::string find_installation_directory(Tool tool, std::string_view program_path) {
  const char* kostal = std::getenv("KOSTAL");
  if (kostal && *kostal) return kostal;
  if (tool == Tool::Sgen) return sgen_default_installation(program_path);
  std::error_code error;
  const std::filesystem::path cwd = std::filesystem::current_path(error);
  return error ? std::string(".") : pgen_default_installation(cwd.string());
}

std::string unopened_reason(const std::string& name) {
  struct stat status {};
  if (stat(name.c_str(), &status) == 0) {
    if (S_ISDIR(status.st_mode)) return "('" + name + "' is a folder)";
    if (access(name.c_str(), R_OK) != 0)
      return "('" + name + "' cannot be read: " + std::strerror(errno) + ")";
  } else if (name[0] == '-') {
    return "('" + name + "' is no option; --help lists the options)";
  }
  return "";
}

namespace {

void explain_unopened(Diagnostics& diagnostics, const char* name) {
  const std::string reason = unopened_reason(name);
  if (!reason.empty()) diagnostics.report(Msg::FreeText, "  %s", reason.c_str());
}

}  // namespace

bool open_input(Diagnostics& diagnostics, Tool tool, const char* program_path, const char* name,
                InputFile& input) {
  diagnostics.set_installation_directory(
      find_installation_directory(tool, program_path ? program_path : ""));
  if (!name || !*name) {
    diagnostics.set_file_name("stdin");
  } else {
    std::string file_name = name;
    FilePtr file = open_for_reading(file_name);
    if (!file) {
      if (base_name(file_name).find('.') == std::string::npos) {
        file_name += ".inp";
        file = open_for_reading(file_name);
      }
      if (!file) {
        diagnostics.report(Msg::FileUnreadable, file_name);
        explain_unopened(diagnostics, name);
        return false;
      }
    }
    input.adopt(std::move(file));
    diagnostics.set_file_name(file_name);
  }
  diagnostics.set_module_name(module_name_of(diagnostics.file_name()));
  diagnostics.report(Msg::InputFile, diagnostics.file_name());
  // The module name becomes part of C names (the header guard, the parser
  // function), so a file name that gives no C identifier is refused here,
  // rather than by the C compiler later.
  const std::string& module = diagnostics.module_name();
  if (!is_c_identifier(module)) {
    diagnostics.report(Msg::IllegalName);
    diagnostics.report(Msg::FreeText, "  (the module name '%s', taken from the file name)", module.c_str());
    return false;
  }
  return true;
}

}  // namespace zedra
