// Prints, as one JSON object, a game of the fixed start played to the win and what a screen
// reader has to say on the way, in the words the front ends take from game/. The screen-reader
// tests play from it, so no sentence is written twice and a change of wording reaches them.
#include "accessible_text.h"
#include "arrangement.h"
#include "layout.h"
#include "solver.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

namespace {

using namespace rutschbild;

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

// A tile said by the reader and the slots it stands in before and after the press.
void printPress(int tile, int from, int to, const std::string& said)
{
    std::cout << "{\"name\": " << quoted(tileName(tile)) << ", \"from\": " << from
              << ", \"to\": " << to << ", \"said\": " << quoted(said) << "}";
}

} // namespace

int main()
{
    Arrangement board = kFixedArrangement;
    const auto solution = testing::solve(board);
    if (!solution || solution->empty()) {
        std::cerr << "speech_plan: the fixed start has no solution within 80 moves\n";
        return EXIT_FAILURE;
    }

    // The blocked press: the first tile, counted from the top left, that is not beside the hole.
    int blocked = 0;
    while (areNeighbours(board[blocked], board[kHoleTile]) || blocked == kHoleTile) {
        ++blocked;
    }

    std::cout << "{\"startButton\": "
              << quoted(layout::control(layout::ControlId::startButton).text)
              << ", \"started\": " << quoted(kGameStartedText)
              << ", \"noGame\": " << quoted(kNoGameRunningText) << ", \"gap\": " << quoted(kGapName)
              << ", \"gapPressed\": " << quoted(kGapPressedText)
              << ", \"gapSlot\": " << board[kHoleTile] << ", \"columns\": " << kColumns
              << ", \"slots\": " << kTiles << ", \"complete\": " << quoted(kPictureCompleteText)
              << ",\n ";
    std::cout << "\"blocked\": ";
    printPress(blocked, board[blocked], board[blocked], tileDidNotMoveText(blocked));
    std::cout << ",\n \"moves\": [";
    for (std::size_t i = 0; i < solution->size(); ++i) {
        const int tile = (*solution)[i];
        const int from = board[tile];
        const int to = board[kHoleTile];
        std::cout << (i == 0 ? "\n  " : ",\n  ");
        printPress(tile, from, to, tileMovedText(tile, to));
        board[tile] = static_cast<std::int16_t>(to);
        board[kHoleTile] = static_cast<std::int16_t>(from);
    }
    std::cout << "]}\n";
}
