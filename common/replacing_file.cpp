#include "replacing_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "interrupt_cleanup.h"

namespace zedra {

namespace {

// The file that writing `name` would reach, in `target`: a symbolic link is
// followed to its target (which need not exist). False when the links form
// a loop.
bool link_target(const std::string& name, std::string& target) {
  namespace fs = std::filesystem;
  fs::path path = name;
  std::error_code error;
  for (int hops = 0; fs::is_symlink(fs::symlink_status(path, error)); ++hops) {
    if (hops == 40) return false;
    const fs::path next = fs::read_symlink(path, error);
    if (error) break;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  target = path.string();
  return true;
}

// The stem of the temporary names beside `target`: the target's own name
// when a suffix still fits into a file name, else a short one in its folder.
std::string temporary_stem(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  const std::size_t base = slash == std::string::npos ? 0 : slash + 1;
  constexpr std::size_t suffix = 32;  // ".tmp" with a process id and a count
  if (target.size() - base + suffix <= NAME_MAX) return target;
  return target.substr(0, base) + ".zedra";
}

// A name beside `target` that no other file has: the file is created with
// it (O_EXCL), with the permissions of `old`, the file it replaces, or
// without one those a plain fopen would give.
FilePtr create_temporary(const std::string& target, const struct stat* old,
                         std::string& temporary) {
  const std::string stem = temporary_stem(target);
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = stem + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0) {
      if (old) (void)::fchmod(fd, old->st_mode & 07777);
      FilePtr file(fdopen(fd, "w"));
      if (!file) ::close(fd);
      return file;
    }
    if (errno != EEXIST) break;
  }
  temporary.clear();
  return nullptr;
}

// Flushes and closes `file`: 0, or the errno value of what failed.
int flush_and_close(std::FILE* file) {
  errno = 0;
  const bool written = std::fflush(file) == 0 && !std::ferror(file);
  const int write_error = errno;
  errno = 0;
  const bool closed = std::fclose(file) == 0;
  if (!written) return write_error ? write_error : EIO;
  if (!closed) return errno ? errno : EIO;
  return 0;
}

}  // namespace

ReplacingFile& ReplacingFile::operator=(ReplacingFile&& other) noexcept {
  if (this == &other) return *this;
  discard();
  file_ = std::move(other.file_);
  target_ = std::move(other.target_);
  temporary_ = std::move(other.temporary_);
  cleanup_ticket_ = other.cleanup_ticket_;
  other.temporary_.clear();
  other.cleanup_ticket_ = -1;
  return *this;
}

int ReplacingFile::open(const std::string& name) {
  discard();
  if (!link_target(name, target_)) return ELOOP;
  struct stat old;
  const bool exists = ::stat(target_.c_str(), &old) == 0;
  errno = 0;
  // A device or a pipe is written in place, never renamed over (a folder
  // of that name takes the usual way, where the rename fails).
  if (exists && !S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode))
    file_.reset(std::fopen(target_.c_str(), "w"));
  else
    file_ = create_temporary(target_, exists ? &old : nullptr, temporary_);
  if (!temporary_.empty()) cleanup_ticket_ = interrupt_cleanup::remember(temporary_);
  return file_ ? 0 : (errno ? errno : EIO);
}

int ReplacingFile::commit() {
  if (!file_) return EBADF;
  int error = flush_and_close(file_.release());
  if (temporary_.empty()) return error;  // written in place
  if (error == 0 && std::rename(temporary_.c_str(), target_.c_str()) != 0) error = errno ? errno : EIO;
  if (error != 0) std::remove(temporary_.c_str());
  forget_temporary();
  return error;
}

void ReplacingFile::discard() {
  file_.reset();
  if (!temporary_.empty()) std::remove(temporary_.c_str());
  forget_temporary();
}

// After the temporary file was renamed or removed: a signal in between
// makes the handler remove a name that is gone, which does no harm.
void ReplacingFile::forget_temporary() {
  temporary_.clear();
  interrupt_cleanup::forget(cleanup_ticket_);
  cleanup_ticket_ = -1;
}

int close_written(FilePtr& file) {
  return file ? flush_and_close(file.release()) : 0;
}

}  // namespace zedra
