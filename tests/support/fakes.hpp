// Test doubles for the platform interfaces, and a temporary folder that cleans up after itself.
#pragma once

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/clock.hpp"
#include "core/platform/user_interface.hpp"

namespace wex::test {

// Records every message box (texts as Windows-1252 bytes) and answers with the queued results
// (Yes for a question, Ok otherwise, when nothing is queued). Counts the busy phases.
class RecordingUserInterface : public platform::UserInterface {
 public:
  struct Message {
    std::string text;
    std::string caption;
    platform::MessageIcon icon;
    platform::MessageButtons buttons;
  };

  platform::MessageResult ShowMessage(const std::string& text, const std::string& caption,
                                      platform::MessageIcon icon, platform::MessageButtons buttons) override;
  void BeginBusy() override { ++busyBegins; }
  void EndBusy() override { ++busyEnds; }

  std::vector<Message> messages;
  std::deque<platform::MessageResult> answers;
  int busyBegins = 0;
  int busyEnds = 0;
};

// 9 December 2026, 7:05:09.
platform::LocalTime SampleTime();

// A fresh, empty folder below the system's temporary folder, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Whole file content, or a marker text when the file cannot be read.
std::string ReadAll(const std::filesystem::path& path);
void WriteAll(const std::filesystem::path& path, const std::string& bytes);

}  // namespace wex::test
