// The program-wide instances of one running program, in one object; tests build their own.
#pragma once

#include "core/actionlist/config.hpp"
#include "core/actionlist/listdat.hpp"
#include "core/competition/model.hpp"
#include "core/platform/clock.hpp"
#include "core/platform/user_interface.hpp"
#include "core/ranking/records.hpp"

namespace wex {

struct Context {
  Context(platform::UserInterface& userInterface, const platform::Clock& systemClock)
      : ui(userInterface), clock(systemClock) {}
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  platform::UserInterface& ui;
  const platform::Clock& clock;

  Competition competition;   // configuration, participants, home teams
  ActionList actions;        // the action list and its current entry
  _cnfdat cnf{};             // program configuration (WexPlakard.kfg)
  _intdat intdat;            // run-time values and start values
  RankingState ranking;      // sequences of the last ranking computation
  int rowClassToggle = 0;    // alternating row classes of the list writers
};

}  // namespace wex
