// How the core reaches the user: modal message boxes and the busy phase.
#pragma once

#include <string>

namespace wex::platform {

enum class MessageIcon { Error, Information, Warning };
enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // A modal message box; text and caption are Windows-1252. Returns the button the user chose.
  virtual MessageResult ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                                    MessageButtons buttons) = 0;

  // Busy phase: the hourglass is shown, and pending window messages run once at its begin and end.
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;
};

// Keeps the hourglass up for one scope.
class BusyPhase {
 public:
  explicit BusyPhase(UserInterface& ui) : ui_(ui) { ui_.BeginBusy(); }
  ~BusyPhase() { ui_.EndBusy(); }
  BusyPhase(const BusyPhase&) = delete;
  BusyPhase& operator=(const BusyPhase&) = delete;

 private:
  UserInterface& ui_;
};

// Shows a failure the user must know of: caption "Fehler", error icon, OK.
inline void ShowError(UserInterface& ui, const std::string& text) {
  ui.ShowMessage(text, "Fehler", MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace wex::platform
