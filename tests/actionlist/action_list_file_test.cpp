// Action list files (.plk), structural changes and the menu commands "Neu", "Öffnen", "Speichern unter...".
#include "core/actionlist/action_list_file.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/platform/cp1252.hpp"
#include "support/fakes.hpp"

namespace wex {
namespace {

namespace fs = std::filesystem;
using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

const std::string kHeader = "Aktionliste für WexPlakard.exe von Gröbenfalter V0505"_w;
const std::string kErrorText =
    "Fehler beim Erstellen der Datei\nPfad pr\xFC"
    "fen!";

// An entry whose every byte, the uninterpreted ones included, depends on its position and the seed.
_listdat PatternEntry(int seed) {
  _listdat entry;
  auto* bytes = reinterpret_cast<unsigned char*>(&entry);
  for (std::size_t i = 0; i < sizeof entry; ++i)
    bytes[i] = static_cast<unsigned char>((i * 13 + static_cast<std::size_t>(seed) * 31) % 256);
  return entry;
}

std::string Bytes(const _listdat& entry) {
  return std::string(reinterpret_cast<const char*>(&entry), sizeof entry);
}

std::string HeaderField(const std::string& text) { return text + std::string(64 - text.size(), '\0'); }

std::string Count(std::int32_t n) {
  const auto u = static_cast<std::uint32_t>(n);
  return {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
          static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 24) & 0xFF)};
}

ActionList ListOf(std::initializer_list<int> seeds) {
  ActionList list;
  for (int s : seeds) list.entries.push_back(PatternEntry(s));
  return list;
}

void ExpectEntries(const ActionList& list, std::initializer_list<int> seeds) {
  ASSERT_EQ(list.entries.size(), seeds.size());
  std::size_t i = 0;
  for (int s : seeds) EXPECT_EQ(Bytes(list.entries[i++]), Bytes(PatternEntry(s))) << "entry " << i - 1;
}

TEST(action_list_file, empty_list_is_68_bytes_and_reads_back_empty) {
  test::TempDir dir;
  const auto path = (dir / "Plakard.plk").string();
  ASSERT_TRUE(WriteActionList(ActionList{}, kHeader, path));
  EXPECT_EQ(test::ReadAll(path), HeaderField(kHeader) + Count(0));

  ActionList read;
  EXPECT_TRUE(ReadActionList(read, kHeader, path));
  EXPECT_TRUE(read.entries.empty());
}

TEST(action_list_file, three_entries_are_written_as_record_images_and_appended_when_read) {
  test::TempDir dir;
  const auto path = (dir / "Plakard.plk").string();
  ASSERT_TRUE(WriteActionList(ListOf({1, 2, 3}), kHeader, path));
  EXPECT_EQ(test::ReadAll(path), HeaderField(kHeader) + Count(3) + Bytes(PatternEntry(1)) +
                                     Bytes(PatternEntry(2)) + Bytes(PatternEntry(3)));
  EXPECT_EQ(fs::file_size(path), 47297u);

  ActionList read = ListOf({9});
  EXPECT_TRUE(ReadActionList(read, kHeader, path));
  ExpectEntries(read, {9, 1, 2, 3});
}

TEST(action_list_file, foreign_header_is_refused_and_nothing_appended) {
  test::TempDir dir;
  const auto path = dir / "fremd.plk";
  std::string foreign = kHeader;
  foreign.back() = '6';
  test::WriteAll(path, HeaderField(foreign) + Count(1) + Bytes(PatternEntry(1)));

  ActionList list = ListOf({7});
  EXPECT_FALSE(ReadActionList(list, kHeader, path.string()));
  EXPECT_FALSE(ReadActionList(list, kHeader, (dir / "missing.plk").string()));
  ExpectEntries(list, {7});
}

TEST(action_list_file, cut_file_and_absurd_counts_keep_only_complete_records) {
  const std::string half = Bytes(PatternEntry(3)).substr(0, 1000);
  const std::string two = Bytes(PatternEntry(1)) + Bytes(PatternEntry(2));
  struct Case {
    const char* what;
    std::string body;  // after the header field
    std::size_t entries;
  };
  const Case cases[] = {
      {"count 3, two records and part of the third", Count(3) + two + half, 2},
      {"count larger than the file can hold", Count(0x7FFFFFFF) + two, 2},
      {"negative count", Count(-1) + two, 0},
      {"lowest count", Count(INT32_MIN) + two, 0},
      {"count 2, only part of the first record", Count(2) + half, 0},
      {"header without count", "", 0},
      {"half a count", std::string("\x01\x00", 2), 0},
      {"count 1, more records than announced", Count(1) + two, 1},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto path = dir / "cut.plk";
    test::WriteAll(path, HeaderField(kHeader) + c.body);
    ActionList list;
    EXPECT_TRUE(ReadActionList(list, kHeader, path.string()));
    ASSERT_EQ(list.entries.size(), c.entries);
    for (std::size_t i = 0; i < c.entries; ++i)
      EXPECT_EQ(Bytes(list.entries[i]), Bytes(PatternEntry(static_cast<int>(i) + 1)));
  }
}

TEST(action_list_file, read_only_working_file_is_made_writable_and_overwritten) {
  test::TempDir dir;
  const auto path = dir / "Plakard.plk";
  test::WriteAll(path, "old");
  fs::permissions(path, fs::perms::owner_read);
  ASSERT_TRUE(WriteActionList(ListOf({4}), kHeader, path.string()));
  EXPECT_EQ(test::ReadAll(path), HeaderField(kHeader) + Count(1) + Bytes(PatternEntry(4)));

  EXPECT_FALSE(WriteActionList(ListOf({4}), kHeader, (dir / "missing" / "Plakard.plk").string()));
}

TEST(action_list, structural_changes_move_whole_records) {
  ActionList list = ListOf({1, 2, 3});
  AppendEntry(list, PatternEntry(4));
  ExpectEntries(list, {1, 2, 3, 4});
  EXPECT_TRUE(ExchangeWithNext(list, 1));
  ExpectEntries(list, {1, 3, 2, 4});
  EXPECT_TRUE(RemoveEntry(list, 2));
  ExpectEntries(list, {1, 3, 4});

  EXPECT_FALSE(ExchangeWithNext(list, 2));  // the last entry has no next one
  EXPECT_FALSE(ExchangeWithNext(list, -1));
  EXPECT_FALSE(RemoveEntry(list, 3));
  EXPECT_FALSE(RemoveEntry(list, -1));
  ExpectEntries(list, {1, 3, 4});
}

const std::string kNewQuestion =
    "Achtung \n mit dem Erstellen einer neuen Liste\nwerden alle bisherigen Eintr\xE4ge "
    "gel\xF6scht!\nFortfahren ?";
const std::string kOpenQuestion =
    "Achtung \n mit dem \xD6"
    "ffnen der gew\xE4hlten Liste\nwerden alle bisherigen Eintr\xE4ge gel\xF6scht!\nFortfahren ?";

void ExpectQuestion(const test::RecordingUserInterface::Message& m, const std::string& text) {
  EXPECT_EQ(m.text, text);
  EXPECT_EQ(m.caption, "Warnung");
  EXPECT_EQ(m.icon, MessageIcon::Warning);
  EXPECT_EQ(m.buttons, MessageButtons::YesNo);
}

void ExpectError(const test::RecordingUserInterface::Message& m) {
  EXPECT_EQ(m.text, kErrorText);
  EXPECT_EQ(m.caption, "Fehler");
  EXPECT_EQ(m.icon, MessageIcon::Error);
  EXPECT_EQ(m.buttons, MessageButtons::Ok);
}

TEST(new_action_list, confirmed_then_written_gives_a_file_with_0_entries) {
  test::TempDir dir;
  test::RecordingUserInterface ui;
  ActionList list = ListOf({1, 2});
  list.current = 1;

  ui.answers.push_back(MessageResult::No);
  EXPECT_FALSE(NewActionList(list, ui));
  ExpectEntries(list, {1, 2});

  EXPECT_TRUE(NewActionList(list, ui));
  EXPECT_TRUE(list.entries.empty());
  EXPECT_EQ(list.current, 0);
  ASSERT_EQ(ui.messages.size(), 2u);
  ExpectQuestion(ui.messages[0], kNewQuestion);
  ExpectQuestion(ui.messages[1], kNewQuestion);

  const auto path = (dir / "Plakard.plk").string();
  ASSERT_TRUE(WriteActionList(list, kHeader, path));
  EXPECT_EQ(test::ReadAll(path), HeaderField(kHeader) + Count(0));
}

TEST(open_action_list, confirmed_replaces_the_entries_by_the_file) {
  test::TempDir dir;
  const auto path = (dir / "Verein.plk").string();
  ASSERT_TRUE(WriteActionList(ListOf({5, 6}), kHeader, path));
  test::RecordingUserInterface ui;
  ActionList list = ListOf({1, 2, 3});
  list.current = 2;

  EXPECT_TRUE(OpenActionList(list, ui, kHeader, path));
  ExpectEntries(list, {5, 6});
  EXPECT_EQ(list.current, 0);
  ASSERT_EQ(ui.messages.size(), 1u);
  ExpectQuestion(ui.messages[0], kOpenQuestion);
  EXPECT_EQ(ui.busyBegins, 1);
  EXPECT_EQ(ui.busyEnds, 1);
}

TEST(open_action_list, header_differing_in_its_last_digit_is_reported_and_the_list_stays) {
  test::TempDir dir;
  const auto path = dir / "alt.plk";
  std::string foreign = kHeader;
  foreign.back() = '4';
  test::WriteAll(path, HeaderField(foreign) + Count(1) + Bytes(PatternEntry(8)));
  test::RecordingUserInterface ui;
  ActionList list = ListOf({1, 2});

  EXPECT_FALSE(OpenActionList(list, ui, kHeader, path.string()));
  ExpectEntries(list, {1, 2});
  ASSERT_EQ(ui.messages.size(), 2u);
  ExpectQuestion(ui.messages[0], kOpenQuestion);
  ExpectError(ui.messages[1]);
  EXPECT_EQ(ui.busyEnds, 1);  // the hourglass is gone before the message
}

TEST(open_action_list, declined_or_unreadable_file_changes_nothing_silently) {
  test::TempDir dir;
  const auto path = (dir / "Verein.plk").string();
  ASSERT_TRUE(WriteActionList(ListOf({5}), kHeader, path));
  test::RecordingUserInterface ui;
  ActionList list = ListOf({1});

  ui.answers.push_back(MessageResult::No);
  EXPECT_FALSE(OpenActionList(list, ui, kHeader, path));
  EXPECT_EQ(ui.busyBegins, 0);
  EXPECT_FALSE(OpenActionList(list, ui, kHeader, (dir / "missing.plk").string()));
  ExpectEntries(list, {1});
  ASSERT_EQ(ui.messages.size(), 2u);  // the two questions, no error
  EXPECT_EQ(ui.busyBegins, ui.busyEnds);
}

TEST(save_action_list_as, writes_the_file_without_message) {
  test::TempDir dir;
  const auto path = (dir / "Keinname.plk").string();
  test::RecordingUserInterface ui;
  EXPECT_TRUE(SaveActionListAs(ListOf({1, 2}), ui, kHeader, path));
  EXPECT_EQ(test::ReadAll(path),
            HeaderField(kHeader) + Count(2) + Bytes(PatternEntry(1)) + Bytes(PatternEntry(2)));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.busyBegins, 1);
  EXPECT_EQ(ui.busyEnds, 1);
}

TEST(save_action_list_as, file_that_cannot_be_written_is_reported_and_the_old_one_kept) {
  test::TempDir dir;
  const auto readOnly = dir / "schreibgeschuetzt.plk";
  test::WriteAll(readOnly, "old");
  fs::permissions(readOnly, fs::perms::owner_read);
  test::RecordingUserInterface ui;

  EXPECT_FALSE(SaveActionListAs(ListOf({1}), ui, kHeader, readOnly.string()));
  EXPECT_EQ(test::ReadAll(readOnly), "old");
  EXPECT_FALSE(SaveActionListAs(ListOf({1}), ui, kHeader, (dir / "missing" / "x.plk").string()));
  ASSERT_EQ(ui.messages.size(), 2u);
  ExpectError(ui.messages[0]);
  ExpectError(ui.messages[1]);
  EXPECT_EQ(ui.busyEnds, 2);
}

}  // namespace
}  // namespace wex
