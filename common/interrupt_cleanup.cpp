#include "interrupt_cleanup.h"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>
#include <memory>

namespace zedra::interrupt_cleanup {

namespace {

// The remembered names, each a copy of its own, so that the handler reads
// nothing that the program may be changing. A slot is filled and emptied
// atomically: the handler sees a whole name or none. (The one process-wide
// state of the project: a signal handler has no other way to its data.)
constexpr std::size_t kSlots = 64;
std::array<std::atomic<char*>, kSlots> slots{};

constexpr std::array<int, 4> kSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void remove_and_end(int signal_number) {
  for (auto& slot : slots)
    if (const char* path = slot.load()) ::unlink(path);
  ::signal(signal_number, SIG_DFL);
  ::raise(signal_number);
}

// Takes over the signals still at their default action.
bool install_handlers() {
  for (const int signal_number : kSignals) {
    struct sigaction current {};
    if (::sigaction(signal_number, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
    struct sigaction handler {};
    handler.sa_handler = remove_and_end;
    sigemptyset(&handler.sa_mask);
    for (const int other : kSignals) sigaddset(&handler.sa_mask, other);
    ::sigaction(signal_number, &handler, nullptr);
  }
  return true;
}

}  // namespace

int remember(const std::string& path) {
  static const bool installed = install_handlers();
  (void)installed;
  auto copy = std::make_unique<char[]>(path.size() + 1);
  std::memcpy(copy.get(), path.c_str(), path.size() + 1);
  for (std::size_t i = 0; i < kSlots; ++i) {
    char* empty = nullptr;
    if (slots[i].compare_exchange_strong(empty, copy.get())) {
      copy.release();
      return static_cast<int>(i);
    }
  }
  return -1;
}

void forget(int ticket) {
  if (ticket < 0 || ticket >= static_cast<int>(kSlots)) return;
  std::unique_ptr<char[]> copy(slots[static_cast<std::size_t>(ticket)].exchange(nullptr));
}

}  // namespace zedra::interrupt_cleanup
