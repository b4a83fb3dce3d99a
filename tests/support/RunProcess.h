#pragma once
// Runs a program with arguments and standard input, and collects what it
// writes and how it ends: the end-to-end view of a command-line tool.

#include <string>
#include <vector>

namespace ombrix::testing {

struct ProcessResult {
    int exitCode = -1; // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input);

} // namespace ombrix::testing
