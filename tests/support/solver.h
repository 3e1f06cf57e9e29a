#pragma once

#include "arrangement.h"

#include <optional>
#include <vector>

namespace rutschbild::testing {

// The tiles to click, in order, that bring every tile home (IDA* over Manhattan distance).
// Empty when the board is already solved; nullopt when no solution exists within maxMoves.
std::optional<std::vector<int>> solve(const Arrangement& start, int maxMoves = 80);

} // namespace rutschbild::testing
