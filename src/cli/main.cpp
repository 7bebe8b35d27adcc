// wexplakard-cli: the headless front end for servers, scheduled tasks and scripts.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return wex::cli::RunCommandLine(args, std::cout, std::cerr);
}
