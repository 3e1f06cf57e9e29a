#include "solver.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace rutschbild::testing {

namespace {

struct Search {
    std::array<int, kTiles> tileAt{}; // by slot
    int hole = 0;
    std::vector<int> path;
    int bound = 0;
    int nextBound = 0;

    static int distance(int tile, int slot)
    {
        return std::abs(tile / kColumns - slot / kColumns) +
               std::abs(tile % kColumns - slot % kColumns);
    }

    int heuristic() const
    {
        int sum = 0;
        for (int slot = 0; slot < kTiles; ++slot)
            if (tileAt[slot] != kHoleTile)
                sum += distance(tileAt[slot], slot);
        return sum;
    }

    // Depth-first search below the bound; h is the heuristic of the current board.
    bool descend(int depth, int h, int previousHole)
    {
        if (h == 0)
            return true;
        if (depth + h > bound) {
            nextBound = std::min(nextBound, depth + h);
            return false;
        }
        const int row = hole / kColumns;
        const int column = hole % kColumns;
        const int candidates[4] = {
            row > 0 ? hole - kColumns : -1, row < kRows - 1 ? hole + kColumns : -1,
            column > 0 ? hole - 1 : -1, column < kColumns - 1 ? hole + 1 : -1};
        for (const int from : candidates) {
            if (from < 0 || from == previousHole)
                continue;
            const int tile = tileAt[from];
            const int newH = h - distance(tile, from) + distance(tile, hole);
            const int oldHole = hole;
            tileAt[oldHole] = tile;
            tileAt[from] = kHoleTile;
            hole = from;
            path.push_back(tile);
            if (descend(depth + 1, newH, oldHole))
                return true;
            path.pop_back();
            hole = oldHole;
            tileAt[from] = tile;
            tileAt[oldHole] = kHoleTile;
        }
        return false;
    }
};

} // namespace

std::optional<std::vector<int>> solve(const Arrangement& start, int maxMoves)
{
    Search search;
    for (int tile = 0; tile < kTiles; ++tile)
        search.tileAt[start[tile]] = tile;
    search.hole = start[kHoleTile];
    const int h = search.heuristic();
    search.bound = h;
    while (search.bound <= maxMoves) {
        search.nextBound = maxMoves + 1;
        if (search.descend(0, h, -1))
            return search.path;
        search.bound = search.nextBound;
    }
    return std::nullopt;
}

} // namespace rutschbild::testing
