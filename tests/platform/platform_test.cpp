// Encoding conversion, path helpers and replacing writes.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"
#include "support/fakes.hpp"

namespace wex {
namespace {

TEST(cp1252, literal_is_windows_1252_bytes) {
  EXPECT_EQ(std::string("Gröbenfalter"_w), "Gr\xF6" "benfalter");
  EXPECT_EQ(std::string("Schütze²¹ €"_w), "Sch\xFCtze\xB2\xB9 \x80");
}

TEST(cp1252, round_trip_through_utf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_EQ(Cp1252ToUtf8("Café"_w), "Café");
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
  std::string back = Utf8ToCp1252(utf8);
  // The five unassigned bytes come back as '?'.
  for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) all[b - 1] = '?';
  EXPECT_EQ(back, all);
}

TEST(files, file_name_part_takes_both_separators) {
  EXPECT_EQ(platform::FileNamePart("C:\\Ergebnisse\\WexErg1.html"), "WexErg1.html");
  EXPECT_EQ(platform::FileNamePart("/srv/out/WexErg2.html"), "WexErg2.html");
  EXPECT_EQ(platform::FileNamePart("plain.txt"), "plain.txt");
  EXPECT_EQ(platform::FileNamePart("folder\\"), "");
  EXPECT_EQ(platform::FolderPart("C:\\a.b\\Gesamt"), "C:\\a.b\\");
}

TEST(files, replacing_write_keeps_the_old_file_when_it_fails) {
  test::TempDir dir;
  const auto file = dir / "page.html";
  ASSERT_TRUE(platform::WriteFileReplacing(file, "first", true));
  EXPECT_EQ(test::ReadAll(file), "first");
  ASSERT_TRUE(platform::WriteFileReplacing(file, "second", true));
  EXPECT_EQ(test::ReadAll(file), "second");
  EXPECT_FALSE(platform::WriteFileReplacing(dir / "missing" / "page.html", "x", true));

  std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  EXPECT_FALSE(platform::WriteFileReplacing(file, "third", true));
  EXPECT_EQ(test::ReadAll(file), "second");
  EXPECT_TRUE(platform::WriteFileReplacing(file, "fourth", false));
  EXPECT_EQ(test::ReadAll(file), "fourth");
  // No temporary file is left behind.
  int count = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++count;
  EXPECT_EQ(count, 1);
}

TEST(files, windows_file_time_round_trip) {
  test::TempDir dir;
  const auto file = dir / "WEXTLERG.WID";
  test::WriteAll(file, "x");
  // 2026-12-09 07:05:00 UTC as a Windows file time.
  const std::uint64_t t = (1796799900ULL + 11644473600ULL) * 10000000ULL;
  ASSERT_TRUE(platform::SetLastWriteFileTime(file, t));
  EXPECT_EQ(platform::LastWriteFileTime(file), t);
  EXPECT_FALSE(platform::LastWriteFileTime(dir / "missing").has_value());
}

TEST(clock, fixed_unix_time_is_shown_in_utc) {
  const auto t = platform::SystemClock(1796799909).Now();
  EXPECT_EQ(t.year, 2026);
  EXPECT_EQ(t.month, 12);
  EXPECT_EQ(t.day, 9);
  EXPECT_EQ(t.hour, 7);
  EXPECT_EQ(t.minute, 5);
  EXPECT_EQ(t.second, 9);
}

}  // namespace
}  // namespace wex
