// layout.json: the table as the browser tests read it, in twips. Boxes of controls in a frame
// count from the frame.
#include "site.h"

namespace rutschbild::web {

namespace {

std::string box(const TwipRect& r)
{
    return "{\"left\": " + std::to_string(r.left) + ", \"top\": " + std::to_string(r.top) +
           ", \"width\": " + std::to_string(r.width) + ", \"height\": " + std::to_string(r.height) +
           "}";
}

std::string colour(const layout::Rgb& rgb)
{
    return "[" + std::to_string(rgb.red) + ", " + std::to_string(rgb.green) + ", " +
           std::to_string(rgb.blue) + "]";
}

} // namespace

void writeLayoutJson(std::ostream& json)
{
    json << "{\n  \"client\": {\"width\": " << layout::kClientWidth
         << ", \"height\": " << layout::kClientHeight
         << "},\n  \"boardOutline\": " << box(layout::kBoardOutline) << ",\n  \"slots\": [";
    for (int slot = 0; slot < kTiles; ++slot)
        json << (slot ? ",\n    " : "\n    ") << box(layout::slotBox(slot));
    json << "],\n  \"gridLines\": [";
    for (int i = 0; i < layout::kGridLineCount; ++i) {
        const layout::TwipLine line = layout::gridLine(i);
        json << (i ? ",\n    " : "\n    ") << "{\"x1\": " << line.x1 << ", \"y1\": " << line.y1
             << ", \"x2\": " << line.x2 << ", \"y2\": " << line.y2 << "}";
    }
    json << "],\n  \"controls\": [";
    for (const layout::Control& control : layout::kControls) {
        json << (&control == &layout::kControls.front() ? "\n    " : ",\n    ") << "{\"name\": \""
             << control.name << "\", \"selector\": \"" << selector(control) << "\", \"frame\": \""
             << (layout::inFrame(control) ? layout::control(control.frame).name : "")
             << "\", \"box\": " << box(control.box) << "}";
    }
    json << "],\n  \"creditFont\": {\"family\": \"" << layout::kCreditFont.family
         << "\", \"points\": " << layout::kCreditFont.points
         << "},\n  \"creditColour\": " << colour(layout::kCreditColour)
         << ",\n  \"valueBackground\": " << colour(layout::kValueBackground)
         << ",\n  \"boardLineColour\": " << colour(layout::kBoardLineColour)
         << ",\n  \"initiallyChosenOption\": \""
         << layout::control(layout::kInitiallyChosenOption).name << "\"\n}\n";
}

} // namespace rutschbild::web
