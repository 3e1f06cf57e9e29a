// layout.css: the board's twips as custom properties, where each tile, line and control stands,
// and the hand-written designed and touch halves inside the one media query that tells them apart:
// the designed layout (every control at its twip place / 15) for a mouse wherever the whole window
// fits, the touch layout for a finger and wherever it does not fit (small windows, browser zoom).
#include "picture_sets.h"
#include "site.h"

#include <algorithm>

namespace rutschbild::web {

namespace {

// A control at its designed place, in CSS pixels: exact at normal text spacing, free to grow
// with wider spacing (WCAG 1.4.12). A caption grows to its left, away from its field.
void place(std::ostream& css, const std::string& selector, const TwipRect& rect,
           bool growsLeft = false)
{
    css << "  " << selector << " { ";
    if (growsLeft)
        css << "right: " << pixels(layout::kClientWidth - rect.left - rect.width) << "px;";
    else
        css << "left: " << pixels(rect.left) << "px;";
    css << " top: " << pixels(rect.top) << "px; min-width: " << pixels(rect.width)
        << "px; min-height: " << pixels(rect.height) << "px; }\n";
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

std::string colour(const layout::Rgb& rgb)
{
    return "rgb(" + std::to_string(rgb.red) + ", " + std::to_string(rgb.green) + ", " +
           std::to_string(rgb.blue) + ")";
}

// The window's own colours and the credit's face, the same in both layouts. Where the credit's
// face is missing, the nearest monospace faces stand in.
void writeStyling(std::ostream& css)
{
    css << "#creditLabel { color: " << colour(layout::kCreditColour) << "; font-family: \""
        << layout::kCreditFont.family << "\", \"DejaVu Sans Mono\", Menlo, Consolas, monospace; }\n"
        << ".field { background: " << colour(layout::kValueBackground) << "; }\n"
        << ".line { background: " << colour(layout::kBoardLineColour) << "; }\n"
        << "#boardOutline { border: 1px solid " << colour(layout::kBoardLineColour) << "; }\n";
}

bool isCaption(const layout::Control& control)
{
    return std::any_of(
        layout::kValueLabels.begin(), layout::kValueLabels.end(),
        [&](layout::ControlId id) { return layout::control(id).caption == control.id; });
}

void writeDesignedPlaces(std::ostream& css)
{
    css << "  #mainWindow { width: " << pixels(layout::kClientWidth)
        << "px; height: " << pixels(layout::kClientHeight) << "px; }\n";
    const TwipRect& board = layout::kBoard;
    css << "  #board { left: " << pixels(board.left) << "px; top: " << pixels(board.top)
        << "px; width: " << pixels(board.width) << "px; height: " << pixels(board.height)
        << "px; }\n";
    for (const layout::Control& control : layout::kControls)
        place(css, selector(control), control.box, isCaption(control));
    // The designed size; the touch layout sizes the credit like its other small print.
    css << "  #creditLabel { font-size: " << layout::kCreditFont.points << "pt; }\n";
}

// The touch layout's wide form, controls beside the board, wherever the board keeps the whole
// height there (the same board as with the controls below); a coarse pointer takes it on any
// wide screen, trading some board for controls in view.
std::string replaceWide(std::string touch)
{
    const std::string token = "(--room-beside)";
    const std::string boardAspect =
        std::to_string(layout::kBoard.width) + " / " + std::to_string(layout::kBoard.height);
    const std::string beside =
        "(width >= calc((100vh - 2 * min(8px, 1vmin)) * " + boardAspect +
        " + 18rem + 16px + 2 * min(8px, 1vmin))), (pointer: coarse) and (min-aspect-ratio: 3/2) "
        "and (min-width: 36rem)";
    for (std::size_t at = touch.find(token); at != std::string::npos; at = touch.find(token))
        touch.replace(at, token.size(), beside);
    return touch;
}

} // namespace

void writeLayoutCss(std::ostream& css, const std::string& designed, const std::string& touch)
{
    // The designed window for a mouse (or no pointer the browser names) wherever it fits whole,
    // the touch layout everywhere else: exact complements in media queries that browsers without
    // the newer query syntax read too.
    const std::string width = "(min-width: " + std::to_string(pixels(layout::kClientWidth)) + "px)";
    const std::string height =
        "(min-height: " + std::to_string(pixels(layout::kClientHeight)) + "px)";
    css << "/* Made by web/generate from game/layout.h and web/layout/*.css. */\n";
    writeBoardTwips(css);
    writeStyling(css);
    css << "\n@media " << width << " and " << height
        << " {\n@media not all and (pointer: coarse) {\n";
    writeDesignedPlaces(css);
    css << designed << "}\n}\n";
    css << "\n@media (pointer: coarse), not all and " << width << ", not all and " << height
        << " {\n"
        << replaceWide(touch) << "}\n";
}

} // namespace rutschbild::web
