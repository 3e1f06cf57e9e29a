// Writes the page's layout.css from the designed places in form1_layout.h, so the page carries no
// second copy of them. Usage: make_layout_css OUTPUT DESIGNED_CSS TOUCH_CSS
//
// The designed layout (every control at its twip place / 15) applies whenever the whole window
// fits the viewport; the touch layout everywhere else. Both hand-written halves get wrapped in the
// one media query that tells them apart, and see the board's twips as custom properties.
#include "arrangement.h"
#include "form1_layout.h"
#include "twips.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

using namespace rutschbild;

bool readFile(const char* path, std::string& text)
{
    std::ifstream in(path);
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return in.good() && !text.empty();
}

// A control at its designed place, in CSS pixels.
void place(std::ostream& css, const std::string& selector, const TwipRect& rect)
{
    css << "  " << selector << " { left: " << pixels(rect.left) << "px; top: " << pixels(rect.top)
        << "px; width: " << pixels(rect.width) << "px; height: " << pixels(rect.height)
        << "px; }\n";
}

// Twips that the C++ side and both layouts share: the board, and where its parts stand.
void writeBoardTwips(std::ostream& css)
{
    const TwipRect first = layout::tile(0);
    css << ":root {\n"
        << "  --twip: calc(1px / " << kTwipsPerPixel << ");\n"
        << "  --board-left: " << first.left << ";\n"
        << "  --board-top: " << first.top << ";\n"
        << "  --board-width: " << kColumns * layout::kTileWidth << ";\n"
        << "  --board-height: " << kRows * layout::kTileHeight << ";\n"
        << "  --tile-width: " << layout::kTileWidth << ";\n"
        << "  --tile-height: " << layout::kTileHeight << ";\n"
        << "  --columns: " << kColumns << ";\n"
        << "  --rows: " << kRows << ";\n"
        << "}\n";
    // Before the program runs, each tile shows its own piece at its home place.
    for (int i = 0; i < kTiles; ++i) {
        const TwipRect home = layout::tile(i);
        css << "#imgBild" << i << " { --top: " << home.top << "; --left: " << home.left
            << "; --piece-x: " << i % kColumns << "; --piece-y: " << i / kColumns << "; }\n";
    }
    for (std::size_t i = 0; i < layout::kLine1.size(); ++i) {
        const layout::TwipLine& line = layout::kLine1[i];
        css << "#Line1_" << i << " { --top: " << line.y1 << "; --left: " << line.x1
            << "; --width: " << line.x2 - line.x1 << "; --height: " << line.y2 - line.y1
            << "; }\n";
    }
    const TwipRect& shape = layout::kShape1;
    css << "#Shape1 { --top: " << shape.top << "; --left: " << shape.left
        << "; --width: " << shape.width << "; --height: " << shape.height << "; }\n";
}

void writeDesignedPlaces(std::ostream& css)
{
    css << "  #Form1 { width: " << pixels(layout::kClientWidth)
        << "px; height: " << pixels(layout::kClientHeight) << "px; }\n";
    const TwipRect first = layout::tile(0);
    const TwipRect last = layout::tile(kTiles - 1);
    place(css, "#board",
          {first.left, first.top, last.left + last.width - first.left,
           last.top + last.height - first.top});
    place(css, "#Label4", layout::kLabel4);
    place(css, "#Frame1", layout::kFrame1);
    // An option button is the circle with its caption: the label that holds both.
    place(css, "label[for=\"optSpielart0\"]", layout::kOptSpielart[0]);
    place(css, "label[for=\"optSpielart1\"]", layout::kOptSpielart[1]);
    place(css, "#Frame2", layout::kFrame2);
    place(css, "#lstBilder", layout::kLstBilder);
    place(css, "#cmdVorschau", layout::kCmdVorschau);
    place(css, "#cmdSpiel", layout::kCmdSpiel);
    place(css, "#Command1", layout::kCommand1);
    place(css, "#Label1", layout::kLabel1);
    place(css, "#lblStartzeit", layout::kLblStartzeit);
    place(css, "#Label2", layout::kLabel2);
    place(css, "#lblSpielzeit", layout::kLblSpielzeit);
    place(css, "#Label3", layout::kLabel3);
    place(css, "#lblBewegungen", layout::kLblBewegungen);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: make_layout_css OUTPUT DESIGNED_CSS TOUCH_CSS\n";
        return 2;
    }
    const std::string fits = "(min-width: " + std::to_string(pixels(layout::kClientWidth)) +
                             "px) and (min-height: " +
                             std::to_string(pixels(layout::kClientHeight)) + "px)";
    std::string designed, touch;
    if (!readFile(argv[2], designed) || !readFile(argv[3], touch)) {
        std::cerr << "make_layout_css: cannot read " << argv[2] << " or " << argv[3] << "\n";
        return 1;
    }
    std::ostringstream css;
    css << "/* Made by web/make_layout_css.cpp from game/form1_layout.h and web/layout/*.css. */\n";
    writeBoardTwips(css);
    css << "\n@media " << fits << " {\n";
    writeDesignedPlaces(css);
    css << designed << "}\n";
    css << "\n@media not all and " << fits << " {\n" << touch << "}\n";

    std::ofstream out(argv[1]);
    out << css.str();
    return out ? 0 : 1;
}
