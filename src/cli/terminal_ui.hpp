// The command line's side of the platform: message boxes become lines on standard error, in UTF-8.
#pragma once

#include <ostream>

#include "core/platform/user_interface.hpp"

namespace wex::cli {

class TerminalUserInterface : public platform::UserInterface {
 public:
  explicit TerminalUserInterface(std::ostream& err) : err_(err) {}

  // Prints "Caption: text" (line breaks of the text become blanks); a question is answered Yes, since a
  // headless run has nobody to ask and only asks what the command itself requested.
  platform::MessageResult ShowMessage(const std::string& text, const std::string& caption,
                                      platform::MessageIcon icon, platform::MessageButtons buttons) override;
  void BeginBusy() override {}
  void EndBusy() override {}

  int messageCount() const { return messages_; }
  int errorCount() const { return errors_; }

 private:
  std::ostream& err_;
  int messages_ = 0;
  int errors_ = 0;
};

// A message text as one readable terminal line: every line break becomes one blank, blanks collapse.
std::string OneLine(const std::string& text);

}  // namespace wex::cli
