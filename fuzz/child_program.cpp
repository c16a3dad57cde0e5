// Runs a program of the build as a child process with its outputs in files.
#include "child_program.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <vector>

namespace zedra::fuzz {

namespace {

#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 29))
// posix_spawn does not copy the parent's address space, which for a fuzzer
// with sanitizers is large enough to make fork cost more than the run.
pid_t start_child(const char* program, char** argv, const char* folder) {
  posix_spawn_file_actions_t actions;
  ::posix_spawn_file_actions_init(&actions);
  const int out = O_WRONLY | O_CREAT | O_TRUNC;
  ::posix_spawn_file_actions_addchdir_np(&actions, folder);
  ::posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  ::posix_spawn_file_actions_addopen(&actions, 1, "stdout", out, 0644);
  ::posix_spawn_file_actions_addopen(&actions, 2, "stderr", out, 0644);
  pid_t pid = -1;
  if (::posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) pid = -1;
  ::posix_spawn_file_actions_destroy(&actions);
  return pid;
}
#else
// In the child: descriptor `target` becomes the file `path`; false when it
// cannot be opened.
bool redirect(const char* path, int flags, int target) {
  const int fd = ::open(path, flags, 0644);
  if (fd < 0) return false;
  if (fd != target) {
    ::dup2(fd, target);
    ::close(fd);
  }
  return true;
}

pid_t start_child(const char* program, char** argv, const char* folder) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int out = O_WRONLY | O_CREAT | O_TRUNC;
    if (::chdir(folder) != 0 || !redirect("/dev/null", O_RDONLY, 0) ||
        !redirect("stdout", out, 1) || !redirect("stderr", out, 2))
      ::_exit(127);
    ::execv(program, argv);
    ::_exit(127);
  }
  return pid;
}
#endif

}  // namespace

ChildEnd run_child(const std::string& program, const std::string& name, const std::string& file,
                   const std::filesystem::path& folder) {
  const std::string where = folder.string();
  std::string arg0 = name, arg1 = file;
  std::vector<char*> argv{arg0.data(), arg1.data(), nullptr};
  ChildEnd end;
  const pid_t pid = start_child(program.c_str(), argv.data(), where.c_str());
  if (pid < 0) {
    end.status = 127;
    return end;
  }
  int wait_status = 0;
  while (::waitpid(pid, &wait_status, 0) < 0 && errno == EINTR) {
  }
  if (WIFSIGNALED(wait_status))
    end.signal = WTERMSIG(wait_status);
  else
    end.status = WEXITSTATUS(wait_status);
  return end;
}

std::string file_text(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace zedra::fuzz
