// The commands of wexplakard-cli: generate, export, demo, watch.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace wex::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Runs the command line (arguments without the program name) in the current directory, the program's
// start directory. Help goes to out, messages and progress to err.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace wex::cli
