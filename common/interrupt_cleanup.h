// Files that an interrupt removes. A generator that is stopped half-way by
// SIGINT, SIGTERM, SIGHUP or SIGQUIT (Ctrl-C, a timeout, a closed
// terminal) would leave the temporary file of an output it was writing
// beside the target, possibly hundreds of megabytes; the files remembered
// here are removed first, and the program then ends by that signal as it
// would have. A signal whose handling the program set itself (or set to
// be ignored) is left as it is.
#pragma once

#include <string>

namespace zedra::interrupt_cleanup {

// Remembers `path` for removal: a ticket for forget(), or -1 when too many
// files are remembered already (the file is then not removed).
int remember(const std::string& path);

// Forgets the file of `ticket` (a ticket of -1 is ignored).
void forget(int ticket);

}  // namespace zedra::interrupt_cleanup
