// Program start and end: start values, configuration, working action list and protocol header line.
#pragma once

#include <string>

#include "core/context.hpp"

namespace wex {

// What the start found, so that the end writes back only what it may replace.
struct StartState {
  bool configurationRead = false;  // WexPlakard.kfg was read and carried our identification
  bool configurationKeep = false;  // a kfg exists that could not be taken over: it is left as it is
  bool actionListRead = false;     // Plakard.plk was read completely
  bool actionListKeep = false;     // a plk exists that was foreign, cut or unreadable: left as it is
  bool competitionValid = false;   // the data folder's WEXCONFG.WID passed the test (titles are known)
};

// The start sequence of the program, for the start directory given: set the start values, read the
// configuration (defaults when it is missing or foreign), read the working action list, append the header
// line of the participant protocol, and test the competition configuration of the data folder.
StartState StartProgram(Context& ctx, const std::string& startDirectory);

// The end of the program: the working action list, then the configuration, are written back. A file that
// existed but could not be read completely at start is not replaced, so the user's file is never lost to
// an empty or default one.
void EndProgram(const Context& ctx, const StartState& start);

// "%s - %s" with programmtitel and veranstalter, or programmtitel alone when the configuration is invalid.
std::string WindowCaption(const Context& ctx, bool competitionValid);

}  // namespace wex
