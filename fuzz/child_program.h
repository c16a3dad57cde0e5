// A program of the build run as a process of its own, for the targets that
// compare two programs: a fresh process starts with the static state of
// its actions reset, which an in-process run cannot promise. Standard
// output and error go to files in the folder the program runs in.
#pragma once

#include <filesystem>
#include <string>

namespace zedra::fuzz {

// How a child process ended: its exit status, or the signal that ended it.
struct ChildEnd {
  int status = 0;
  int signal = 0;  // 0: the program exited
};

// Runs `program` in `folder` with the arguments `name` (argv[0]) and `file`;
// standard input is empty, standard output and error land in the files
// "stdout" and "stderr" of the folder. A program that cannot be started
// ends with status 127, as from a shell.
ChildEnd run_child(const std::string& program, const std::string& name, const std::string& file,
                   const std::filesystem::path& folder);

// The contents of a file, or "<missing>" when there is none.
std::string file_text(const std::filesystem::path& path);

}  // namespace zedra::fuzz
