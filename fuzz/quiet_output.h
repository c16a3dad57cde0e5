// The programs under test report on the screen for every input: pgen, sgen
// and the generated compilers on standard output, the generated compilers'
// runtime also on standard error. Thousands of runs a second would drown
// the fuzzer's own output and spend most of the time in write calls, so
// standard output goes to /dev/null and standard error is buffered and
// flushed once a run.
#pragma once

namespace zedra::fuzz {

// Flushes standard output and points file descriptor 1 at /dev/null, and
// gives the C stream stderr a full buffer; the first call does the work,
// later calls do nothing. Sanitizer reports are written to descriptor 2
// directly and are not held back.
void quiet_screen_output();

// Writes out what the run left in stderr's buffer.
void flush_screen_output();

}  // namespace zedra::fuzz
