// Shared pieces of the fuzz targets: a user interface that answers nothing, a scratch folder per input.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "core/platform/user_interface.hpp"

namespace wex::fuzz {

// Message boxes are swallowed (a question gets No, so nothing is ever confirmed by chance).
class SilentUserInterface : public platform::UserInterface {
 public:
  platform::MessageResult ShowMessage(const std::string&, const std::string&, platform::MessageIcon,
                                      platform::MessageButtons buttons) override {
    ++messages;
    return buttons == platform::MessageButtons::YesNo ? platform::MessageResult::No
                                                      : platform::MessageResult::Ok;
  }
  void BeginBusy() override { ++busy; }
  void EndBusy() override { --busy; }

  int messages = 0;
  int busy = 0;  // back at 0 after every balanced busy phase
};

// The folder of this process for the files of one input; it exists while a ScratchScope lives.
inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("wex-fuzz-" + std::to_string(::getpid()));
  return folder;
}

// Makes the scratch folder for one input and removes it with everything in it afterwards: libFuzzer ends
// the process without running exit handlers, so nothing may be left for the end of the process.
class ScratchScope {
 public:
  ScratchScope() { std::filesystem::create_directories(ScratchFolder()); }
  ~ScratchScope() {
    std::error_code ec;
    std::filesystem::remove_all(ScratchFolder(), ec);
  }
  ScratchScope(const ScratchScope&) = delete;
  ScratchScope& operator=(const ScratchScope&) = delete;
};

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void RemoveFile(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

// Stops the run with a message libFuzzer records as a crash.
[[noreturn]] inline void Fail(const char* what) {
  std::fputs(what, stderr);
  std::fputc('\n', stderr);
  std::abort();
}

}  // namespace wex::fuzz
