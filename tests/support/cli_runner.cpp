// Runs the built wexplakard-cli.
#include "support/cli_runner.hpp"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "support/fakes.hpp"

namespace wex::test {
namespace {

std::string Quote(const std::string& s) {
  std::string out = "'";
  for (char c : s) {
    if (c == '\'')
      out += "'\\''";
    else
      out += c;
  }
  return out + "'";
}

}  // namespace

std::filesystem::path CliPath() {
  const char* bin = std::getenv("WEX_BINARY_DIR");
  return std::filesystem::path(bin ? bin : ".") / "src" / "cli" / "wexplakard-cli";
}

CliResult RunCli(const std::filesystem::path& dir, const std::vector<std::string>& args,
                 const std::string& epoch) {
  TempDir capture;
  std::string command = "cd " + Quote(dir.string()) + " && ";
  command += epoch.empty() ? "env -u SOURCE_DATE_EPOCH " : "SOURCE_DATE_EPOCH=" + epoch + " ";
  command += Quote(CliPath().string());
  for (const auto& a : args) command += " " + Quote(a);
  command +=
      " >" + Quote((capture / "out").string()) + " 2>" + Quote((capture / "err").string()) + " </dev/null";
  const int raw = std::system(command.c_str());
  CliResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadAll(capture / "out");
  result.err = ReadAll(capture / "err");
  return result;
}

}  // namespace wex::test
