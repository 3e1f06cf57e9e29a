#pragma once

// The window as it is designed: every control with its role, its text, its box in twips and its
// place in the tab order, and the board's geometry. Every front end builds its window from this
// one table. Controls inside a frame are placed relative to the frame.
#include "slots.h"
#include "twips.h"

#include <array>
#include <string_view>

namespace rutschbild::layout {

constexpr std::string_view kWindowTitle = "Rutschbild";
constexpr int kClientWidth = 9750;
constexpr int kClientHeight = 7530;
constexpr int kPlayClockIntervalMilliseconds = 500;

// Tile i stands at column i mod 4, row i div 4 of the board: the slots' designed places.
constexpr int kTileWidth = 1905;
constexpr int kTileHeight = 1695;
constexpr int kBoardLeft = 120;
constexpr int kBoardTop = 600;
constexpr TwipRect slotBox(int slot)
{
    return {kBoardLeft + kTileWidth * columnOf(slot), kBoardTop + kTileHeight * rowOf(slot),
            kTileWidth, kTileHeight};
}
constexpr int kBoardWidth = kTileWidth * kColumns;
constexpr int kBoardHeight = kTileHeight * kRows;
constexpr TwipRect kBoard{kBoardLeft, kBoardTop, kBoardWidth, kBoardHeight};

struct TwipLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// White lines over the tiles while a game runs: between the rows, then between the columns.
constexpr int kGridLineCount = (kRows - 1) + (kColumns - 1);
constexpr TwipLine gridLine(int i)
{
    if (i < kRows - 1) {
        const int y = kBoardTop + kTileHeight * (i + 1);
        return {kBoard.left, y, kBoard.left + kBoard.width, y};
    }
    const int x = kBoardLeft + kTileWidth * (i - (kRows - 1) + 1);
    return {x, kBoard.top, x, kBoard.top + kBoard.height};
}
// The white outline around the board, always shown.
constexpr TwipRect kBoardOutline = kBoard;

enum class Role { Label, ValueLabel, Frame, OptionButton, ListBox, Button };

enum class ControlId {
    startTimeCaption,
    startTimeValue,
    playTimeCaption,
    playTimeValue,
    movesValue,
    movesCaption,
    creditLabel,
    pictureFrame,
    pictureList,
    startModeFrame,
    fixedStartOption,
    clockStartOption,
    previewButton,
    startButton,
    quitButton,
};

struct Control {
    ControlId id;
    std::string_view name; // the control's name in every front end (object name, element id)
    Role role;
    std::string_view text; // caption, title or option text; empty for value labels and the list
    TwipRect box;
    int tabIndex;
    ControlId frame = id;   // the frame that holds it; itself when it stands on the window
    ControlId caption = id; // for a value label: the label that names it
};

constexpr std::string_view kCreditText = "Rutschbild 1.0 – © 2026 das Rutschbild-Team";

// In stacking order, the lowest first: a front end that creates them in this order stacks them
// as designed. The board lies below them all.
// clang-format off
inline constexpr std::array<Control, 15> kControls{{
    {ControlId::startTimeCaption, "startTimeCaption", Role::Label, "Startzeit:", {240, 5760, 735, 255}, 5},
    {ControlId::startTimeValue, "startTimeValue", Role::ValueLabel, "", {1320, 5760, 855, 255}, 6,
     ControlId::startTimeValue, ControlId::startTimeCaption},
    {ControlId::playTimeCaption, "playTimeCaption", Role::Label, "Spielzeit:", {2640, 5760, 735, 255}, 7},
    {ControlId::playTimeValue, "playTimeValue", Role::ValueLabel, "", {3720, 5760, 855, 255}, 8,
     ControlId::playTimeValue, ControlId::playTimeCaption},
    {ControlId::movesValue, "movesValue", Role::ValueLabel, "", {6480, 5760, 855, 255}, 9,
     ControlId::movesValue, ControlId::movesCaption},
    {ControlId::movesCaption, "movesCaption", Role::Label, "Bewegungen:", {5400, 5760, 975, 255}, 10},
    {ControlId::creditLabel, "creditLabel", Role::Label, kCreditText, {120, 120, 4935, 255}, 14},
    {ControlId::pictureFrame, "pictureFrame", Role::Frame, "Bildauswahl", {7800, 1800, 1695, 855}, 11},
    {ControlId::pictureList, "pictureList", Role::ListBox, "", {360, 360, 1095, 255}, 12,
     ControlId::pictureFrame},
    {ControlId::startModeFrame, "startModeFrame", Role::Frame, "Startposition", {7800, 600, 1695, 1095}, 0},
    {ControlId::fixedStartOption, "fixedStartOption", Role::OptionButton, "immer gleich",
     {120, 360, 1335, 255}, 1, ControlId::startModeFrame},
    {ControlId::clockStartOption, "clockStartOption", Role::OptionButton, "immer anders",
     {120, 720, 1335, 255}, 2, ControlId::startModeFrame},
    {ControlId::previewButton, "previewButton", Role::Button, "Vorschau", {8160, 3000, 975, 375}, 3},
    {ControlId::startButton, "startButton", Role::Button, "Start", {8160, 3480, 975, 375}, 4},
    {ControlId::quitButton, "quitButton", Role::Button, "Tschüss", {8160, 3960, 975, 375}, 13},
}};
// clang-format on

constexpr const Control& control(ControlId id)
{
    for (const Control& control : kControls)
        if (control.id == id)
            return control;
    throw "no such control"; // only reached by a mistake in the table, at compile time
}

constexpr bool inFrame(const Control& control) { return control.frame != control.id; }

// The box on the window, not relative to its frame.
constexpr TwipRect windowBox(const Control& control)
{
    if (!inFrame(control))
        return control.box;
    const TwipRect frame = layout::control(control.frame).box;
    return {frame.left + control.box.left, frame.top + control.box.top, control.box.width,
            control.box.height};
}

// How the window looks where it is not the toolkit's default.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};
struct FontStyle {
    std::string_view family;
    double points = 0;
};
constexpr FontStyle kCreditFont{"Lucida Console", 8.25};
constexpr Rgb kCreditColour{0, 0, 255};
constexpr Rgb kValueBackground{255, 255, 255};
// The grid lines and the board's outline.
constexpr Rgb kBoardLineColour{255, 255, 255};
// "immer gleich" is chosen when the window opens, as the start mode the game begins with.
constexpr ControlId kInitiallyChosenOption = ControlId::fixedStartOption;

// The option buttons by start mode: 0 "immer gleich", 1 "immer anders".
constexpr std::array<ControlId, 2> kStartModeOptions{ControlId::fixedStartOption,
                                                     ControlId::clockStartOption};
constexpr std::array<ControlId, 3> kValueLabels{ControlId::startTimeValue, ControlId::playTimeValue,
                                                ControlId::movesValue};

// The widest text a value label shows, for fitting fonts into the boxes.
constexpr std::string_view kWidestValueText = "23 : 59 : 59";

} // namespace rutschbild::layout
