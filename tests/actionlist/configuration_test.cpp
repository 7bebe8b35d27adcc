// Start values and the program configuration file WexPlakard.kfg.
#include "core/actionlist/configuration.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"
#include "support/fakes.hpp"

namespace wex {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const _cnfdat& cnf) { return std::string(reinterpret_cast<const char*>(&cnf), sizeof cnf); }

// Every byte different from its neighbours, so a shifted or dropped byte shows.
std::string PatternBytes(std::size_t size, int seed) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>((i * 7 + static_cast<std::size_t>(seed)) % 251 + 1);
  return bytes;
}

// Puts a NUL-terminated text at offset; the bytes after its NUL stay.
void PutText(std::string& bytes, std::size_t offset, const std::string& text) {
  bytes.replace(offset, text.size() + 1, text + '\0');
}

void PutInt32(std::string& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[offset + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFFu);
}

// The listed defaults written over the given record image, by their file offsets.
std::string WithDefaults(std::string bytes, const std::string& startDirectory) {
  PutText(bytes, 0, "WexPlakard_CnfDat_V0505");
  PutInt32(bytes, 156, 60);
  PutText(bytes, 160, startDirectory);
  PutText(bytes, 668, startDirectory);
  PutText(bytes, 1168, "WexIndex.html");
  bytes[1268] = 0;
  bytes[1269] = 1;
  PutText(bytes, 1270, "");
  bytes[1720] = 0;
  bytes[1780] = 0;
  PutText(bytes, 1728, "Plakard 1");
  return bytes;
}

TEST(start_values, files_lie_in_the_start_directory_and_the_counters_start_at_one) {
  _intdat intdat;
  intdat.generierungszaehler = 17;
  intdat.generierung_erzwingen = false;
  SetStartValues(intdat, "/srv/wex");

  EXPECT_EQ(intdat.startverzeichnis, "/srv/wex");
  EXPECT_EQ(intdat.konfigurationsdatei, platform::JoinPath("/srv/wex", "WexPlakard.kfg"));
  EXPECT_EQ(intdat.hilfedatei, platform::JoinPath("/srv/wex", "WexPlakard.chm"));
  EXPECT_EQ(intdat.letzte_liste, platform::JoinPath("/srv/wex", "Plakard.plk"));
  EXPECT_EQ(intdat.listenkennung,
            "Aktionliste f\xFCr WexPlakard.exe von Gr\xF6"
            "benfalter V0505");
  EXPECT_EQ(intdat.scriptdatei, "Plakard.js");
  EXPECT_EQ(intdat.refreshdatei, "Refreshindex.txt");
  EXPECT_EQ(intdat.infoseite, "groebenfalter.html");
  EXPECT_EQ(intdat.datenbankdatei, "tarvisco.db");
  EXPECT_EQ(intdat.protokolldatei, "TlnProtokoll.csv");
  EXPECT_EQ(intdat.generierungszaehler, 1);
  EXPECT_TRUE(intdat.generierung_erzwingen);
}

TEST(configuration, missing_file_gets_the_defaults_and_is_written_with_2932_bytes) {
  test::TempDir dir;
  _intdat intdat;
  SetStartValues(intdat, dir.str());
  _cnfdat cnf{};

  EXPECT_FALSE(ReadConfiguration(cnf, intdat.konfigurationsdatei));
  EXPECT_EQ(Bytes(cnf), std::string(sizeof cnf, '\0'));
  ApplyConfigurationDefaults(cnf, intdat);
  EXPECT_EQ(Bytes(cnf), WithDefaults(std::string(sizeof cnf, '\0'), dir.str()));

  ASSERT_TRUE(WriteConfiguration(cnf, intdat.konfigurationsdatei));
  EXPECT_EQ(test::ReadAll(intdat.konfigurationsdatei), Bytes(cnf));
  EXPECT_EQ(fs::file_size(intdat.konfigurationsdatei), 2932u);
}

TEST(configuration, foreign_kennung_leaves_the_file_bytes_in_every_field_without_default) {
  test::TempDir dir;
  _intdat intdat;
  SetStartValues(intdat, dir.str());
  std::string file = PatternBytes(sizeof(_cnfdat), 3);
  PutText(file, 0, "WexPlakard_CnfDat_V0404");
  PutText(file, 1840, "schuetzenmeister");  // upload_benutzer
  PutText(file, 1900, "ftp.example.org");   // upload_server
  PutInt32(file, 1724, 7);                  // wechselzeit
  file[2430] = 1;                           // upload_aktiv
  test::WriteAll(dir / "WexPlakard.kfg", file);

  _cnfdat cnf{};
  EXPECT_FALSE(ReadConfiguration(cnf, intdat.konfigurationsdatei));
  EXPECT_EQ(Bytes(cnf), file);
  ApplyConfigurationDefaults(cnf, intdat);
  EXPECT_EQ(Bytes(cnf), WithDefaults(file, dir.str()));
  EXPECT_EQ(std::string(cnf.upload_benutzer), "schuetzenmeister");
  EXPECT_EQ(cnf.wechselzeit, 7);
  EXPECT_EQ(cnf.upload_aktiv, 1);
}

TEST(configuration, short_file_fills_only_its_leading_bytes_and_extra_bytes_are_ignored) {
  test::TempDir dir;
  const auto path = (dir / "WexPlakard.kfg").string();
  const std::string before = PatternBytes(sizeof(_cnfdat), 11);

  std::string shortFile = PatternBytes(200, 5);
  PutText(shortFile, 0, "WexPlakard_CnfDat_V0505");
  test::WriteAll(path, shortFile);
  _cnfdat cnf;
  std::memcpy(&cnf, before.data(), sizeof cnf);
  EXPECT_TRUE(ReadConfiguration(cnf, path));
  EXPECT_EQ(Bytes(cnf), shortFile + before.substr(200));

  std::string longFile = PatternBytes(sizeof(_cnfdat) + 100, 9);
  PutText(longFile, 0, "WexPlakard_CnfDat_V0505");
  test::WriteAll(path, longFile);
  EXPECT_TRUE(ReadConfiguration(cnf, path));
  EXPECT_EQ(Bytes(cnf), longFile.substr(0, sizeof cnf));
}

TEST(configuration, round_trip_keeps_every_byte_including_the_uninterpreted_ones) {
  test::TempDir dir;
  const auto path = (dir / "WexPlakard.kfg").string();
  std::string image = PatternBytes(sizeof(_cnfdat), 1);
  PutText(image, 0, "WexPlakard_CnfDat_V0505");
  PutInt32(image, 156, 300);
  _cnfdat written;
  std::memcpy(&written, image.data(), sizeof written);

  ASSERT_TRUE(WriteConfiguration(written, path));
  EXPECT_EQ(test::ReadAll(path), image);
  _cnfdat read{};
  EXPECT_TRUE(ReadConfiguration(read, path));
  EXPECT_EQ(Bytes(read), image);
  EXPECT_EQ(read.timer_sekunden, 300);  // seconds: the settings dialog shows 5 minutes
}

TEST(configuration, read_only_file_is_made_writable_and_overwritten) {
  test::TempDir dir;
  const auto path = dir / "WexPlakard.kfg";
  test::WriteAll(path, "old");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  _cnfdat cnf{};
  _intdat intdat;
  SetStartValues(intdat, dir.str());
  ApplyConfigurationDefaults(cnf, intdat);

  ASSERT_TRUE(WriteConfiguration(cnf, path.string()));
  EXPECT_EQ(test::ReadAll(path), Bytes(cnf));
  EXPECT_NE(fs::status(path).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST(configuration, file_that_cannot_be_written_returns_false) {
  test::TempDir dir;
  const _cnfdat cnf{};
  EXPECT_FALSE(WriteConfiguration(cnf, (dir / "missing" / "WexPlakard.kfg").string()));
  fs::create_directory(dir / "folder.kfg");
  EXPECT_FALSE(WriteConfiguration(cnf, (dir / "folder.kfg").string()));
  _cnfdat read{};
  EXPECT_FALSE(ReadConfiguration(read, (dir / "folder.kfg").string()));
}

TEST(configuration, user_texts_are_cut_to_their_field_with_the_nul_inside) {
  _cnfdat cnf{};
  cnf.seitenkette = 1;
  cnf.upload_verzeichnis[0] = 'x';
  SetProgramTitle(cnf, std::string(80, 'T'));
  SetUploadAccount(cnf, std::string(40, 'u'), "geheim", std::string(30, 's'));
  SetOutputFolder(cnf, std::string(600, 'o'));

  EXPECT_EQ(std::string(cnf.programmtitel), std::string(49, 'T'));
  EXPECT_EQ(cnf.seitenkette, 1);  // the byte after the field is untouched
  EXPECT_EQ(std::string(cnf.upload_benutzer), std::string(29, 'u'));
  EXPECT_EQ(std::string(cnf.upload_passwort), "geheim");
  EXPECT_EQ(std::string(cnf.upload_server), std::string(29, 's'));
  EXPECT_EQ(cnf.upload_verzeichnis[0], 'x');
  EXPECT_EQ(std::string(cnf.ausgabepfad), std::string(499, 'o'));
  EXPECT_EQ(cnf.indexdatei[0], '\0');
}

}  // namespace
}  // namespace wex
