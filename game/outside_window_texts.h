#pragma once

// Words the game shows outside its window: a line that says what the game is, the farewell where
// "Tschüss" cannot close the window, and the notice when the game cannot start.
#include <string_view>

namespace rutschbild {

constexpr std::string_view kGameDescription = "Rutschbild: ein Schiebepuzzle mit zwölf Bildteilen.";
constexpr std::string_view kFarewellTitle = "Tschüss!";
constexpr std::string_view kFarewellText =
    "Das Spiel ist beendet. Du kannst dieses Fenster jetzt schließen.";
constexpr std::string_view kPlayAgainText = "Noch einmal spielen";
constexpr std::string_view kLoadFailureText =
    "Rutschbild konnte nicht geladen werden. Bitte lade die Seite neu.";

} // namespace rutschbild
