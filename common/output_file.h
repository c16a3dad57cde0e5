// The generators' side of writing files: failures reported through the
// diagnostics with the file's name and the system's reason.
#pragma once

#include <string>
#include <string_view>

#include "files.h"
#include "replacing_file.h"

namespace zedra {

class Diagnostics;

// Reports Msg::FileNotWritable for `name`, followed by the system's reason
// for `error` (an errno value) on a line of its own.
void report_write_failure(Diagnostics& diagnostics, const std::string& name, int error);

// Reports Msg::FileNotWritable for `name` and gives true when it names the
// input file or another file that an output must never replace
// (Diagnostics::keep_file).
bool refuse_overwriting_kept(Diagnostics& diagnostics, const std::string& name);

// Starts `file` as `name`, or commits it; false after the report of why
// not (an output of the input file's name is refused).
bool open_reported(Diagnostics& diagnostics, ReplacingFile& file, const std::string& name);
bool commit_reported(Diagnostics& diagnostics, ReplacingFile& file, const std::string& name);

// Writes the generated file `name` (in the output folder) with `text`
// through a ReplacingFile; Msg::GeneratedFile when it was written, false
// after the report when not.
bool write_generated_text(Diagnostics& diagnostics, const std::string& name, std::string_view text);

// Whether standard output took everything written to it; when not, the
// failure is reported on standard error (standard output cannot take it).
bool standard_output_ok(const char* program);

}  // namespace zedra
