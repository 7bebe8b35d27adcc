// Message boxes as lines on standard error.
#include "cli/terminal_ui.hpp"

#include "core/platform/cp1252.hpp"

namespace wex::cli {

std::string OneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    const char d = (c == '\n' || c == '\r') ? ' ' : c;
    if (d == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += d;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

platform::MessageResult TerminalUserInterface::ShowMessage(const std::string& text,
                                                           const std::string& caption,
                                                           platform::MessageIcon icon,
                                                           platform::MessageButtons buttons) {
  ++messages_;
  if (icon == platform::MessageIcon::Error) ++errors_;
  err_ << Cp1252ToUtf8(caption) << ": " << Cp1252ToUtf8(OneLine(text)) << '\n';
  err_.flush();
  return buttons == platform::MessageButtons::YesNo ? platform::MessageResult::Yes
                                                    : platform::MessageResult::Ok;
}

}  // namespace wex::cli
