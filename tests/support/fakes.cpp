// Test doubles for the platform interfaces.
#include "support/fakes.hpp"

#include <fstream>
#include <random>
#include <sstream>

namespace wex::test {

platform::MessageResult RecordingUserInterface::ShowMessage(const std::string& text, const std::string& caption,
                                                            platform::MessageIcon icon,
                                                            platform::MessageButtons buttons) {
  messages.push_back(Message{text, caption, icon, buttons});
  if (!answers.empty()) {
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
  return buttons == platform::MessageButtons::YesNo ? platform::MessageResult::Yes : platform::MessageResult::Ok;
}

platform::LocalTime SampleTime() { return platform::LocalTime{2026, 12, 9, 7, 5, 9}; }

TempDir::TempDir() {
  std::random_device rd;
  for (;;) {
    path_ = std::filesystem::temp_directory_path() / ("wex-test-" + std::to_string(rd()));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  // Give back permissions a test may have taken away, so everything can be removed.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ec);
  std::filesystem::remove_all(path_, ec);
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<cannot read " + path.string() + ">";
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace wex::test
