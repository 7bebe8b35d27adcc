// Inputs the fuzzers found that once went wrong, kept as plain tests of the list output.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/context.hpp"
#include "core/output/frame.hpp"
#include "support/fakes.hpp"

namespace wex {
namespace {

TEST(output_regression, any_page_change_time_of_a_foreign_configuration_gives_its_milliseconds) {
  test::RecordingUserInterface ui;
  platform::FixedClock clock(test::SampleTime());
  Context ctx(ui, clock);
  ctx.cnf.auto_seitenwechsel = 1;
  const struct {
    std::int32_t minutes;
    std::string line;
  } cases[] = {
      {3, "    var nextPageTimeout = 180000;\r\n"},
      {INT_MAX, "    var nextPageTimeout = 128849018820000;\r\n"},
      {-747530524, "    var nextPageTimeout = -44851831440000;\r\n"},
  };
  for (const auto& c : cases) {
    ctx.cnf.wechselzeit = c.minutes;
    EXPECT_NE(HtmlPageHead(ctx, false, false, "").find(c.line), std::string::npos) << c.minutes;
  }
}

}  // namespace
}  // namespace wex
