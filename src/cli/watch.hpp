// wexplakard-cli watch: the generation timer for an unattended station, until SIGINT or SIGTERM.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace wex::cli {

int Watch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace wex::cli
