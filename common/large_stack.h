// Running a generator's work on a thread with a large stack.
//
// The readers bound how deep a specification may nest (groups in groups,
// about 5000 levels), and the analyses and writers walk such a nesting
// recursively, a few frames per level. The usual stack of the main thread
// (8 MB, or less where a user lowered it) does not hold that for the
// deepest nesting the readers accept, least of all with the sanitizers'
// larger frames; a stack of its own does, whatever the main thread has.
#pragma once

#include <functional>

namespace zedra {

// The stack reserved for the work: address space only, the pages are
// used as the recursion reaches them.
inline constexpr std::size_t kGeneratorStackSize = std::size_t{512} << 20;

// Runs `work` to its end on a thread with a stack of kGeneratorStackSize,
// or on the calling thread when no such thread can be made (a limit on the
// address space, for instance).
void run_with_large_stack(const std::function<void()>& work);

}  // namespace zedra
