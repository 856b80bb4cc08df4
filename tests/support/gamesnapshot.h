#pragma once

#include "game/form1.h"

#include <string>
#include <vector>

namespace vatro::testing {

// Everything of the main window a player or teacher could notice, except the print
// surface: game state, the player table, the grids' cells and every control's state.
struct GameSnapshot {
    std::vector<std::string> entries; // "name=value", readable in a failure message
    static GameSnapshot of(const Form1& form);
};

// The entries that differ, one per line; empty when the two are alike.
std::string differences(const GameSnapshot& before, const GameSnapshot& after);

} // namespace vatro::testing
