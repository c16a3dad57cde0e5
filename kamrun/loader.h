// The loader of KAM code text files: three sections (instructions, the
// length table, the string table) read line by line into a Program.
#pragma once

#include <cstdio>

#include "messages.h"
#include "program.h"

namespace kam {

// Reads the whole stream into program. Every problem is reported through
// reporter (with the file line) and counted; loading goes on after each one
// except the instruction limit. The caller runs the program only when the
// reporter counted no error.
void load_program(std::FILE* in, Program& program, Reporter& reporter);

}  // namespace kam
