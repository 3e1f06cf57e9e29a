#pragma once

// What a screen reader says about the board, in every front end.
#include <string>
#include <string_view>

namespace rutschbild {

// The board as a whole.
constexpr std::string_view kBoardName = "Bild";
// The empty place among the tiles.
constexpr std::string_view kGapName = "Lücke";
// What pressing a tile does, as German Windows names a push button's action.
constexpr std::string_view kPressActionName = "Drücken";
// Said once when the last move completes the picture.
constexpr std::string_view kPictureCompleteText = "Das Bild ist vollständig.";
// Said when Start begins a game.
constexpr std::string_view kGameStartedText = "Neues Spiel.";
// Said when a tile is pressed while no game runs: why nothing moved.
constexpr std::string_view kNoGameRunningText = "Kein Spiel läuft, bitte erst Start drücken.";
// Said when the gap itself is pressed.
constexpr std::string_view kGapPressedText = "Die Lücke selbst lässt sich nicht schieben.";

// "Bildteil 1" to "Bildteil 12": tiles are counted from 1 for people.
std::string tileName(int tile);
// Where a slot is, row and column counted from 1: "Reihe 2, Spalte 3".
std::string placeDescription(int slot);
// Said after a move, one sentence each: "Bildteil 7 nach Reihe 2, Spalte 3."
std::string tileMovedText(int tile, int slot);
// Said when a pressed tile cannot move: "Bildteil 7 liegt nicht neben der Lücke."
std::string tileDidNotMoveText(int tile);

} // namespace rutschbild
