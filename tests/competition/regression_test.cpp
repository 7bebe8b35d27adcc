// Inputs the fuzzers found that once went wrong, kept as plain tests of the competition readers.
#include <gtest/gtest.h>

#include <string>

#include "core/competition/display_name.hpp"

namespace wex {
namespace {

TEST(competition_regression, a_nul_in_a_raw_name_ends_it) {
  const std::string raw("Huber\0, Josef", 13);
  EXPECT_EQ(FormatDisplayName(false, raw), "Huber");
  EXPECT_EQ(FormatDisplayName(true, raw), "Huber");
  EXPECT_EQ(FormatDisplayName(true, std::string("Huber, Josef\0\xB9", 14)), "Josef Huber");
}

}  // namespace
}  // namespace wex
