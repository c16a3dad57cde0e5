// The diagnostics of one generator run: the reporting of catalogue messages
// (screen and listing), the error count, the position (file name and line)
// put in front of reports, the module name, the installation directory, the
// listing and the echo of the source text into it.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "cformat.h"
#include "listing.h"
#include "messages.h"

namespace zedra {

class Diagnostics {
 public:
  // Reports go to `screen` (the generators use standard output).
  explicit Diagnostics(std::FILE* screen = stdout) : screen_(screen) {}
  Diagnostics(const Diagnostics&) = delete;
  Diagnostics& operator=(const Diagnostics&) = delete;

  // Reports `msg` with printf arguments for its catalogue text; std::string
  // arguments may be passed as they are. For Msg::FreeText the first
  // argument is the format. Errors get "Error: " and are counted, warnings
  // get "Warning: "; Msg::ErrorSummary gets ", cannot continue." when errors
  // were counted. Reports other than free text and information go into an
  // open listing behind "*** " and carry "file:line: " on the screen when the
  // current line is 1 or more. Msg::OutOfMemory is only reported: the
  // generator frame that catches the failed allocation ends the run with
  // status 1.
  template <class... Args>
  void report(Msg msg, const Args&... args) {
    report_printf(msg, detail::c_arg(args)...);
  }
  // The C-variadic form of `report`: the arguments must be C values.
  void report_printf(Msg msg, ...);

  int error_count() const { return error_count_; }
  void reset_error_count() { error_count_ = 0; }

  // The position put in front of reports; a line below 1 means none.
  const std::string& file_name() const { return file_name_; }
  void set_file_name(std::string name) { file_name_ = std::move(name); }
  int line() const { return line_; }
  void set_line(int line) { line_ = line; }

  // The module name names the listing and the generated files.
  const std::string& module_name() const { return module_name_; }
  void set_module_name(std::string name) { module_name_ = std::move(name); }

  // The folder that generated files and the listing go to; empty: the
  // current folder. `output_path` puts a file name into it.
  const std::string& output_directory() const { return output_directory_; }
  void set_output_directory(std::string dir) { output_directory_ = std::move(dir); }
  std::string output_path(const std::string& file) const {
    return output_directory_.empty() ? file : output_directory_ + "/" + file;
  }
  // Whether templates of action modules are written where they are missing.
  bool templates() const { return templates_; }
  void set_templates(bool templates) { templates_ = templates; }

  // Files that no output of the run may replace, besides the input file:
  // those of the action modules, which hold the user's code. `owner`
  // completes "it is ..." in the report of a refused output.
  void keep_file(std::string path, std::string owner) {
    kept_files_.push_back({std::move(path), std::move(owner)});
  }
  // Whose file `path` is when no output may replace it ("the input file",
  // or the owner given to keep_file); empty when it may be written.
  std::string keeper_of(const std::string& path) const;

  // Include files are searched below "<installation directory>/include".
  const std::string& installation_directory() const { return installation_directory_; }
  void set_installation_directory(std::string dir) { installation_directory_ = std::move(dir); }

  // Opens "<module>.lst" in the output folder (Msg::FileNotWritable on
  // failure, Msg::ListingFile on success).
  bool open_listing(const std::string& module);
  // Writes a line end and closes the listing; nothing when none is open. A
  // write that failed on the way is reported (and counted) here.
  void close_listing();
  Listing& listing() { return listing_; }

  // The echo of the source text into the listing while the specification
  // itself is read. `start_echo` sets the current line to 1 and writes the
  // first line number ("\n%3d "); `stop_echo` ends the echo.
  void start_echo();
  void stop_echo() { echo_ = false; }
  bool echoing() const { return echo_ && listing_.is_open(); }
  // Copies one consumed character into the listing while echoing.
  void echo(char c) {
    if (echoing()) listing_.raw_char(c);
  }
  // A line end was read: the current line advances, and while echoing the
  // number of the new line ("\n%3d ") is written in place of the line end.
  void next_line();

  std::FILE* screen() const { return screen_; }

 private:
  void deliver(Msg msg, const std::string& message);

  std::FILE* screen_;
  int error_count_ = 0;
  std::string file_name_;
  int line_ = 0;
  std::string module_name_;
  std::string installation_directory_;
  std::string output_directory_;
  std::string listing_name_;
  bool templates_ = true;
  struct KeptFile {
    std::string path, owner;
  };
  std::vector<KeptFile> kept_files_;
  Listing listing_;
  bool echo_ = false;
};

}  // namespace zedra
