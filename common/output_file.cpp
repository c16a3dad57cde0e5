#include "output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "diagnostics.h"

namespace zedra {

void report_write_failure(Diagnostics& diagnostics, const std::string& name, int error) {
  diagnostics.report(Msg::FileNotWritable, name);
  diagnostics.report(Msg::FreeText, "  (%s)", std::strerror(error));
}

namespace {

// A name beside `name` that no other file has: the file is created with it
// (O_EXCL), with the permissions a plain fopen would give.
FilePtr create_temporary(const std::string& name, std::string& temporary) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = name + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0) {
      FilePtr file(fdopen(fd, "w"));
      if (!file) ::close(fd);
      return file;
    }
    if (errno != EEXIST) break;
  }
  temporary.clear();
  return nullptr;
}

}  // namespace

bool OutputFile::open(Diagnostics& diagnostics, const std::string& name) {
  discard();
  name_ = name;
  file_ = create_temporary(name, temporary_);
  if (!file_) {
    report_write_failure(diagnostics, name, errno);
    return false;
  }
  return true;
}

bool OutputFile::commit(Diagnostics& diagnostics) {
  if (!file_) return false;
  std::FILE* file = file_.release();
  const bool written = std::fflush(file) == 0 && !std::ferror(file);
  int error = errno;
  const bool closed = std::fclose(file) == 0;
  if (written && !closed) error = errno;
  if (written && closed && std::rename(temporary_.c_str(), name_.c_str()) == 0) {
    temporary_.clear();
    return true;
  }
  if (written && closed) error = errno;
  std::remove(temporary_.c_str());
  temporary_.clear();
  report_write_failure(diagnostics, name_, error ? error : EIO);
  return false;
}

void OutputFile::discard() {
  file_.reset();
  if (!temporary_.empty()) std::remove(temporary_.c_str());
  temporary_.clear();
}

bool write_generated_text(Diagnostics& diagnostics, const std::string& name, std::string_view text) {
  OutputFile file;
  const std::string path = diagnostics.output_path(name);
  if (!file.open(diagnostics, path)) return false;
  std::fwrite(text.data(), 1, text.size(), file.stream());
  if (!file.commit(diagnostics)) return false;
  diagnostics.report(Msg::GeneratedFile, path);
  return true;
}

bool close_checked(Diagnostics& diagnostics, FilePtr& file, const std::string& name) {
  if (!file) return true;
  std::FILE* stream = file.release();
  const bool written = std::fflush(stream) == 0 && !std::ferror(stream);
  int error = errno;
  const bool closed = std::fclose(stream) == 0;
  if (written && closed) return true;
  if (written) error = errno;
  report_write_failure(diagnostics, name, error ? error : EIO);
  return false;
}

bool standard_output_ok(const char* program) {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
  const int error = errno ? errno : EIO;
  std::fprintf(stderr, "%s: cannot write standard output (%s)\n", program, std::strerror(error));
  return false;
}

}  // namespace zedra
