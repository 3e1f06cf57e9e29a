// layout.css: the board's twips as custom properties, where each tile, line and control stands,
// and the hand-written designed and touch halves inside the one media query that tells them apart:
// the designed layout (every control at its twip place / 15) whenever the whole window fits.
#include "game_control.h"
#include "site.h"

namespace rutschbild::web {

namespace {

// A control at its designed place, in CSS pixels.
void place(std::ostream& css, const std::string& selector, const TwipRect& rect)
{
    css << "  " << selector << " { left: " << pixels(rect.left) << "px; top: " << pixels(rect.top)
        << "px; width: " << pixels(rect.width) << "px; height: " << pixels(rect.height)
        << "px; }\n";
}

// Where a part of the board stands, in twips: style.css turns them into the layout's units.
void placeTwips(std::ostream& css, const std::string& selector, const TwipRect& r,
                const std::string& more = "")
{
    css << selector << " { --top: " << r.top << "; --left: " << r.left << "; --width: " << r.width
        << "; --height: " << r.height << ";" << more << " }\n";
}

// Twips that the C++ side and both layouts share: the board, and where its parts stand.
void writeBoardTwips(std::ostream& css)
{
    const TwipRect& board = layout::kBoard;
    css << ":root {\n"
        << "  --twip: calc(1px / " << kTwipsPerPixel << ");\n"
        << "  --board-left: " << board.left << ";\n"
        << "  --board-top: " << board.top << ";\n"
        << "  --board-width: " << board.width << ";\n"
        << "  --board-height: " << board.height << ";\n"
        << "  --columns: " << kColumns << ";\n"
        << "  --rows: " << kRows << ";\n"
        << "}\n";
    // Before the program runs, each tile shows its own piece at its home place.
    for (int i = 0; i < kTiles; ++i) {
        placeTwips(css, "#tile" + std::to_string(i), layout::slotBox(i),
                   " --piece-x: " + std::to_string(columnOf(i)) +
                       "; --piece-y: " + std::to_string(rowOf(i)) + ";");
    }
    for (int i = 0; i < layout::kGridLineCount; ++i) {
        const layout::TwipLine line = layout::gridLine(i);
        placeTwips(css, "#gridLine" + std::to_string(i),
                   {line.x1, line.y1, line.x2 - line.x1, line.y2 - line.y1});
    }
    placeTwips(css, "#boardOutline", layout::kBoardOutline);
    for (std::size_t set = 0; set < kPictureSets.size(); ++set) {
        css << ".tile[data-picture=\"" << set << "\"] { background-image: url(\""
            << artFile(kPictureSets[set].name) << "\"); }\n";
    }
}

void writeDesignedPlaces(std::ostream& css)
{
    css << "  #Form1 { width: " << pixels(layout::kClientWidth)
        << "px; height: " << pixels(layout::kClientHeight) << "px; }\n";
    place(css, "#board", layout::kBoard);
    for (const layout::Control& control : layout::kControls)
        place(css, selector(control), control.box);
}

} // namespace

void writeLayoutCss(std::ostream& css, const std::string& designed, const std::string& touch)
{
    const std::string fits =
        "(min-width: " + std::to_string(pixels(layout::kClientWidth)) +
        "px) and (min-height: " + std::to_string(pixels(layout::kClientHeight)) + "px)";
    css << "/* Made by web/generate from game/layout.h and web/layout/*.css. */\n";
    writeBoardTwips(css);
    css << "\n@media " << fits << " {\n";
    writeDesignedPlaces(css);
    css << designed << "}\n";
    css << "\n@media not all and " << fits << " {\n" << touch << "}\n";
}

} // namespace rutschbild::web
