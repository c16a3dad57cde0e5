#include "diagnostics.h"

#include "files.h"
#include "output_file.h"
#include "replacing_file.h"

#include <cstdarg>

namespace zedra {
namespace {

// Free text and information go to the screen only, without a position.
bool is_screen_only(Msg msg) {
  const MessageClass kind = message_class(msg);
  return kind == MessageClass::FreeText || kind == MessageClass::Information;
}

}  // namespace

void Diagnostics::report_printf(Msg msg, ...) {
  std::va_list args;
  va_start(args, msg);
  std::string message;
  if (msg == Msg::FreeText) {
    const char* format = va_arg(args, const char*);
    if (format) message = vformat(format, args);
  } else {
    switch (message_class(msg)) {
      case MessageClass::Error:
        message = "Error: ";
        ++error_count_;
        break;
      case MessageClass::Warning:
        message = "Warning: ";
        break;
      default:
        break;
    }
    message += vformat(message_text(msg), args);
  }
  va_end(args);
  if (msg == Msg::ErrorSummary && error_count_ >= 1) message += ", cannot continue.";
  deliver(msg, message);
}

void Diagnostics::deliver(Msg msg, const std::string& message) {
  const bool positioned = line_ >= 1;
  if (!is_screen_only(msg) && listing_.is_open()) {
    // A report in the middle of an echoed source line starts a line of its own.
    if (echoing()) listing_.raw_char('\n');
    if (positioned)
      listing_.raw_printf("*** %s:%d: %s\n", file_name_.c_str(), line_, message.c_str());
    else
      listing_.raw_printf("*** %s\n", message.c_str());
  }
  if (!is_screen_only(msg) && positioned)
    std::fprintf(screen_, "%s:%d: ", file_name_.c_str(), line_);
  std::fputs(message.c_str(), screen_);
  std::fputc('\n', screen_);
}

std::string Diagnostics::keeper_of(const std::string& path) const {
  if (same_file(path, file_name_)) return "the input file";
  for (const KeptFile& kept : kept_files_)
    if (kept.path == path || same_file(kept.path, path)) return kept.owner;
  return "";
}

bool Diagnostics::open_listing(const std::string& module) {
  listing_name_ = output_path(module + ".lst");
  if (refuse_overwriting_kept(*this, listing_name_)) return false;
  FilePtr file = open_file(*this, listing_name_, "w");
  if (!file) return false;
  listing_.attach(std::move(file));
  report(Msg::ListingFile, listing_name_);
  return true;
}

void Diagnostics::close_listing() {
  FilePtr file = listing_.close();
  const int error = close_written(file);
  if (error == 0) return;
  // The listing as a whole failed: no line of the specification is meant.
  line_ = 0;
  report_write_failure(*this, listing_name_, error);
}

void Diagnostics::start_echo() {
  echo_ = true;
  line_ = 1;
  listing_.raw_printf("\n%3d ", line_);
}

void Diagnostics::next_line() {
  ++line_;
  if (echoing()) listing_.raw_printf("\n%3d ", line_);
}

}  // namespace zedra
