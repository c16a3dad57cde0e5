// Keeps the input of a run that does not come back, for the standalone
// driver: when the target crashes, a sanitizer ends the process, the target
// calls exit() or the run takes longer than its time, the input of that
// run is written to a file on the way out, as libFuzzer writes its crash
// files. Nothing is written for runs that end normally.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zedra::fuzz {

// Exit statuses of the driver for the failures it detects itself.
inline constexpr int kStatusTimeout = 70;  // an input ran longer than its time
inline constexpr int kStatusExit = 71;     // the target called exit()

// Installs the handlers. `keep_path` names the file for the input (empty:
// none is written; an old file is removed now); `timeout` is in seconds;
// the handlers' messages go to `message_fd`.
void install_input_keeper(const std::string& keep_path, unsigned timeout, int message_fd);

// Brackets one run; the input must stay in place until end_run.
void begin_run(const std::uint8_t* data, std::size_t size);
void end_run();

}  // namespace zedra::fuzz
