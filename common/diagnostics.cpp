#include "diagnostics.h"

#include <cstdarg>

namespace zedra {
namespace {

bool is_screen_only(int number) { return number >= kMsgFreeText && number <= 80; }

}  // namespace

void Diagnostics::report_printf(int number, ...) {
  std::va_list args;
  va_start(args, number);
  std::string message;
  if (number == kMsgFreeText) {
    const char* format = va_arg(args, const char*);
    if (format) message = vformat(format, args);
  } else {
    switch (message_class(number)) {
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
    message += vformat(message_text(number), args);
  }
  va_end(args);
  if (number == kMsgErrorSummary && error_count_ >= 1) message += ", cannot continue.";
  deliver(number, message);
}

void Diagnostics::deliver(int number, const std::string& message) {
  const bool positioned = line_ >= 1;
  if (!is_screen_only(number) && listing_.is_open()) {
    // A report in the middle of an echoed source line starts a line of its own.
    if (echoing()) listing_.raw_char('\n');
    if (positioned)
      listing_.raw_printf("*** %s:%d: %s\n", file_name_.c_str(), line_, message.c_str());
    else
      listing_.raw_printf("*** %s\n", message.c_str());
  }
  if (!is_screen_only(number) && positioned)
    std::fprintf(screen_, "%s:%d: ", file_name_.c_str(), line_);
  std::fputs(message.c_str(), screen_);
  std::fputc('\n', screen_);
}

bool Diagnostics::open_listing(const std::string& module) {
  const std::string name = module + ".lst";
  FilePtr file = open_file(*this, name, "w");
  if (!file) return false;
  listing_.attach(std::move(file));
  report(kMsgListingFile, name);
  return true;
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
