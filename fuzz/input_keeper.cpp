// The handlers that keep a failed run's input. They may only call
// async-signal-safe functions, so everything they need (the path, the
// messages) is prepared when they are installed. With a sanitizer, its own
// handlers report memory faults and call the death callback; without one,
// the fatal signals are caught here.
#include "input_keeper.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

// The sanitizers' hook for the moment they end the process after a report;
// null without a sanitizer.
extern "C" __attribute__((weak)) void __sanitizer_set_death_callback(void (*callback)(void));

namespace zedra::fuzz {

namespace {

struct CurrentRun {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  bool running = false;
};
CurrentRun current;
std::string keep_path;
char timeout_message[512];
std::size_t timeout_message_length = 0;
int message_fd = STDERR_FILENO;

void say(const char* text, std::size_t length) {
  [[maybe_unused]] ssize_t written = ::write(message_fd, text, length);
}

void keep_current_input() {
  if (!current.running) return;
  current.running = false;
  if (keep_path.empty()) return;
  const int fd = ::open(keep_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return;
  for (std::size_t done = 0; done < current.size;) {
    const ssize_t written = ::write(fd, current.data + done, current.size - done);
    if (written <= 0) break;
    done += static_cast<std::size_t>(written);
  }
  ::close(fd);
}

extern "C" void on_timeout(int) {
  keep_current_input();
  say(timeout_message, timeout_message_length);
  ::_exit(kStatusTimeout);
}

// A fatal signal: the input is kept and the signal delivered once more,
// now with its default action, so that the exit status tells the signal.
extern "C" void on_fatal_signal(int signal_number) {
  keep_current_input();
  ::signal(signal_number, SIG_DFL);
  ::raise(signal_number);
}

// A sanitizer ends the process after its report.
extern "C" void on_death() { keep_current_input(); }

// exit() inside a run: no target may end the process, whatever the status.
extern "C" void on_exit_inside_run() {
  if (!current.running) return;
  keep_current_input();
  static constexpr char kMessage[] = "fuzz driver: the target called exit() while it ran an input\n";
  say(kMessage, sizeof kMessage - 1);
  ::_exit(kStatusExit);
}

unsigned run_timeout = 0;

}  // namespace

void install_input_keeper(const std::string& path, unsigned timeout, int fd) {
  keep_path = path;
  run_timeout = timeout;
  message_fd = fd;
  if (!keep_path.empty()) std::remove(keep_path.c_str());
  const int length = std::snprintf(timeout_message, sizeof timeout_message,
                                   "fuzz driver: an input ran longer than %u s%s%s\n", timeout,
                                   keep_path.empty() ? "" : "; it is kept in ", keep_path.c_str());
  timeout_message_length = std::min(sizeof timeout_message - 1, static_cast<std::size_t>(std::max(length, 0)));
  struct sigaction action {};
  action.sa_handler = on_timeout;
  ::sigaction(SIGALRM, &action, nullptr);
  action.sa_handler = on_fatal_signal;
  ::sigaction(SIGABRT, &action, nullptr);
  if (__sanitizer_set_death_callback) {
    __sanitizer_set_death_callback(on_death);
  } else {
    for (int signal_number : {SIGSEGV, SIGBUS, SIGFPE, SIGILL}) ::sigaction(signal_number, &action, nullptr);
  }
  std::atexit(on_exit_inside_run);
}

void begin_run(const std::uint8_t* data, std::size_t size) {
  current = {data, size, true};
  ::alarm(run_timeout);
}

void end_run() {
  ::alarm(0);
  current.running = false;
}

}  // namespace zedra::fuzz
