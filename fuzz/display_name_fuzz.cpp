// Fuzzes the name display rule on any bytes, in both name orders.
#include <cstring>

#include "core/competition/display_name.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  for (bool firstNameFirst : {false, true}) {
    const std::string name = wex::FormatDisplayName(firstNameFirst, raw);
    if (name.size() > wex::kDisplayNameLimit) wex::fuzz::Fail("display name longer than its field");
    if (name.find('\0') != std::string::npos) wex::fuzz::Fail("display name with a NUL inside");
    if (!name.empty() && name.back() == ' ') wex::fuzz::Fail("display name ending in a blank");
  }
  return 0;
}
