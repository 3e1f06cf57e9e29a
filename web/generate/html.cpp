// index.html: the whole window as static HTML, so the page paints the picture and every control
// before its WebAssembly arrives. Controls come in tab order, which is then the page's own. The
// texts are the game's own constants, none with a character that HTML would take as markup.
#include "accessible_text.h"
#include "outside_window_texts.h"
#include "picture_sets.h"
#include "site.h"

#include <algorithm>

namespace rutschbild::web {

namespace {

using layout::Control;
using layout::Role;

const char* const kHead = R"(<!DOCTYPE html>
<html lang="de">
<head>
  <meta charset="utf-8">
  <meta name="viewport" content="width=device-width, initial-scale=1">
  <meta http-equiv="Content-Security-Policy"
        content="default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self';
                 img-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'">
  <meta name="referrer" content="no-referrer">
  <link rel="icon" href="icons/rutschbild-32.png" sizes="32x32" type="image/png">
  <link rel="icon" href="icons/rutschbild-16.png" sizes="16x16" type="image/png">
  <link rel="apple-touch-icon" href="icons/rutschbild-web-maskable-512.png">
  <link rel="manifest" href="manifest.webmanifest">
  <meta name="theme-color" content="#1f2a44">
  <link rel="stylesheet" href="style.css">
  <link rel="stylesheet" href="layout.css">
  <script src="main.js" defer></script>
  <script src="rutschbild.js" defer></script>
)";

// The tiles stand where the stylesheet puts them, in tile order; the grid over them reads the
// board in slot order: each cell owns the tile that stands in it (the program keeps aria-owns up
// to date), so a tile never moves in the document and the one cell in the tab order is the
// keyboard's way onto the board. Tiles answer only while a game runs.
void writeBoard(std::ostream& html)
{
    html << "    <div id=\"board\">\n";
    for (int i = 0; i < kTiles; ++i) {
        html << "      <button type=\"button\" class=\"tile\" id=\"tile" << i
             << "\" tabindex=\"-1\" draggable=\"false\" data-picture=\"0\" aria-label=\""
             << tileName(i) << "\" aria-description=\"" << placeDescription(i)
             << "\" aria-disabled=\"true\"></button>\n";
    }
    for (int i = 0; i < layout::kGridLineCount; ++i)
        html << "      <div class=\"line\" id=\"gridLine" << i << "\" hidden></div>\n";
    html << "      <div id=\"boardOutline\"></div>\n";
    html << "      <div id=\"cells\" role=\"grid\" aria-label=\"" << kBoardName << "\">\n";
    for (int row = 0; row < kRows; ++row) {
        html << "        <div class=\"cellRow\" role=\"row\">\n";
        for (int column = 0; column < kColumns; ++column) {
            const int slot = slotAt(row, column);
            html << "          <div class=\"cell\" id=\"cell" << slot
                 << "\" role=\"gridcell\" tabindex=\"" << (slot == 0 ? 0 : -1)
                 << "\" aria-owns=\"tile" << slot << "\"></div>\n";
        }
        html << "        </div>\n";
    }
    html << "      </div>\n    </div>\n";
}

// Each value under its caption: the touch layout sets them side by side.
void writeValues(std::ostream& html)
{
    html << "    <div id=\"values\">\n";
    for (const layout::ControlId id : layout::kValueLabels) {
        const Control& value = layout::control(id);
        const Control& caption = layout::control(value.caption);
        html << "      <div class=\"value\">\n        <span id=\"" << caption.name << "\">"
             << caption.text << "</span>\n        <div class=\"field\" id=\"" << value.name
             << "\" role=\"textbox\" aria-readonly=\"true\" aria-labelledby=\"" << caption.name
             << "\"></div>\n      </div>\n";
    }
    html << "    </div>\n";
}

void writeFrame(std::ostream& html, const Control& frame)
{
    const std::string legend = std::string(frame.name) + "Legend";
    html << "    <fieldset id=\"" << frame.name << "\">\n      <legend id=\"" << legend << "\">"
         << frame.text << "</legend>\n";
    for (const Control& control : layout::kControls) {
        if (!layout::inFrame(control) || control.frame != frame.id)
            continue;
        if (control.role == Role::OptionButton) {
            html << "      <label for=\"" << control.name
                 << "\">\n        <input type=\"radio\" name=\"" << frame.name << "\" id=\""
                 << control.name << "\""
                 << (control.id == layout::kInitiallyChosenOption ? " checked" : "") << ">"
                 << control.text << "</label>\n";
        } else {
            // The list shows the picture on the board from the start; the program adds the rest.
            html << "      <select id=\"" << control.name << "\" aria-labelledby=\"" << legend
                 << "\">\n        <option selected>" << kPictureSets.front().name
                 << "</option>\n      </select>\n";
        }
    }
    html << "    </fieldset>\n";
}

void writeControls(std::ostream& html)
{
    std::array controls = layout::kControls;
    std::sort(controls.begin(), controls.end(),
              [](const Control& a, const Control& b) { return a.tabIndex < b.tabIndex; });
    bool valuesWritten = false;
    for (const Control& c : controls) {
        const bool inValues = std::any_of(
            layout::kValueLabels.begin(), layout::kValueLabels.end(), [&](layout::ControlId id) {
                return id == c.id || layout::control(id).caption == c.id;
            });
        if (layout::inFrame(c) || (inValues && std::exchange(valuesWritten, true)))
            continue;
        if (inValues)
            writeValues(html);
        else if (c.role == Role::Frame)
            writeFrame(html, c);
        else if (c.role == Role::Button)
            html << "    <button type=\"button\" id=\"" << c.name << "\">" << c.text
                 << "</button>\n";
        else
            html << "    <p id=\"" << c.name << "\">" << c.text << "</p>\n";
    }
}

} // namespace

void writeIndexHtml(std::ostream& html)
{
    // The first picture is known before the stylesheets are read: fetch it at once.
    html << kHead << "  <meta name=\"description\" content=\"" << kGameDescription
         << "\">\n  <title>" << layout::kWindowTitle << "</title>\n  <link rel=\"preload\" href=\""
         << artFile(kPictureSets.front().name) << "\" as=\"image\" type=\"image/svg+xml\">\n"
         << "</head>\n<body>\n  <main id=\"mainWindow\">\n    <h1 class=\"visually-hidden\">"
         << layout::kWindowTitle << "</h1>\n";
    writeBoard(html);
    writeControls(html);
    html << "  </main>\n  <p id=\"announce\" class=\"visually-hidden\" aria-live=\"polite\"></p>\n"
         << "  <main id=\"farewell\" class=\"notice\" aria-labelledby=\"farewellTitle\" hidden>\n"
         << "    <h1 id=\"farewellTitle\">" << kFarewellTitle << "</h1>\n"
         << "    <p>" << kFarewellText << "</p>\n"
         << "    <button type=\"button\" id=\"restart\">" << kPlayAgainText << "</button>\n"
         << "  </main>\n  <p id=\"loadFailure\" class=\"notice\" role=\"alert\" hidden>"
         << kLoadFailureText << "</p>\n</body>\n</html>\n";
}

} // namespace rutschbild::web
