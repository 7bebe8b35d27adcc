// Runs the built wexplakard-cli in a chosen start directory, as a user or a scheduled task would.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace wex::test {

struct CliResult {
  int status = -1;  // exit status
  std::string out;  // standard output
  std::string err;  // standard error
};

// The binary from the build tree (WEX_BINARY_DIR is set by the test registration).
std::filesystem::path CliPath();

// Runs the command line with the arguments in dir; SOURCE_DATE_EPOCH is set to the sample time
// (9 December 2026, 7:05:09 UTC) unless epoch is empty.
CliResult RunCli(const std::filesystem::path& dir, const std::vector<std::string>& args,
                 const std::string& epoch = "1796799909");

}  // namespace wex::test
