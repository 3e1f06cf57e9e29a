#include "arrangement.h"

#include <cassert>
#include <cstdlib>
#include <utility>

namespace rutschbild {

namespace {

// numerator / denominator rounded to the nearest integer, a half going to the even neighbour.
int roundHalfEven(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    const int twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 == 1))
        return quotient + 1;
    return quotient;
}

// Tile 1 sits half-way round the board from tile 0.
int tile1Slot(int tile0Slot)
{
    return tile0Slot <= 5 ? roundHalfEven(tile0Slot + 12, 2) : roundHalfEven(tile0Slot, 2);
}

} // namespace

Arrangement clockArrangement(int minute, int second)
{
    assert(minute >= 0 && minute <= 59 && second >= 0 && second <= 59);
    Arrangement position{};

    // Seconds 58 and 59 would give slot 12, off the board; they wrap round to slot 0.
    const int hole = roundHalfEven(second, 5) % kTiles;
    position[kHoleTile] = static_cast<std::int16_t>(hole);

    // Minutes 58 and 59 give 12; folding that to 10 before the clash test keeps tile 0 off
    // the hole, and leaves every other reading as it was.
    int tile0 = roundHalfEven(minute, 5);
    if (tile0 == 12)
        tile0 = 10;
    if (tile0 == hole)
        ++tile0;
    if (tile0 == 12)
        tile0 = 10;
    position[0] = static_cast<std::int16_t>(tile0);

    int tile1 = tile1Slot(tile0);
    if (tile1 == hole)
        ++tile1;
    position[1] = static_cast<std::int16_t>(tile1);

    auto next = kHandOutOrder.begin();
    for (int slot = 0; slot < kTiles; ++slot) {
        if (slot == tile0 || slot == tile1 || slot == hole)
            continue;
        assert(next != kHandOutOrder.end());
        position[*next++] = static_cast<std::int16_t>(slot);
    }
    assert(next == kHandOutOrder.end());

    // Half of these boards have the wrong parity. Exchanging the last two tiles handed out
    // fixes that and keeps the hole, tile 0 and tile 1 where the clock put them.
    if (!isSolvable(position))
        std::swap(position[5], position[9]);
    assert(isValid(position) && isSolvable(position));
    return position;
}

bool isValid(const Arrangement& arrangement)
{
    std::array<bool, kTiles> taken{};
    for (const auto slot : arrangement) {
        if (slot < 0 || slot >= kTiles || taken[slot])
            return false;
        taken[slot] = true;
    }
    return true;
}

bool isSolvable(const Arrangement& arrangement)
{
    assert(isValid(arrangement));
    // Every move swaps the hole with a neighbour: one transposition, and the hole's distance
    // from its home slot changes by one. So a board can be solved exactly when the parity of
    // the permutation (hole included) equals the parity of that distance.
    int transpositions = 0;
    Arrangement slots = arrangement;
    for (int tile = 0; tile < kTiles; ++tile) {
        while (slots[tile] != tile) {
            std::swap(slots[tile], slots[slots[tile]]);
            ++transpositions;
        }
    }
    const int hole = arrangement[kHoleTile];
    const int distance = std::abs(hole / kColumns - kHoleTile / kColumns) +
                         std::abs(hole % kColumns - kHoleTile % kColumns);
    return transpositions % 2 == distance % 2;
}

} // namespace rutschbild
