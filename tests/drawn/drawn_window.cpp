#include "drawn_window.h"

#include "layout.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <sstream>

namespace rutschbild::drawn {

namespace {

// Themes shade a flat face by a few steps; anything further off is drawn on it.
constexpr int kFaceTolerance = 6;
// Off by a pixel still counts as on the box: rounding differs between toolkits.
constexpr int kSlack = 1;
// An edge is there when this share of its length shows it; corners are left out.
constexpr double kEdgeShare = 0.8;
constexpr int kCorner = 3;
// A frame's caption sits on its top line, or above it in some styles; the line lies in this many
// rows from the box's top, and is looked for right of the caption, over the frame's last part.
constexpr int kCaptionRows = 22;
constexpr double kRightOfCaption = 0.7;

int channelDistance(std::uint32_t a, std::uint32_t b)
{
    int most = 0;
    for (int shift = 0; shift < 24; shift += 8)
        most = std::max(most, std::abs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff)));
    return most;
}

bool isWhite(std::uint32_t colour) { return channelDistance(colour, 0xffffff) <= 7; }

struct PixelBox {
    int left, top, right, bottom; // inclusive
};

PixelBox pixelBox(const TwipRect& rect)
{
    return {pixels(rect.left), pixels(rect.top), pixels(rect.left + rect.width) - 1,
            pixels(rect.top + rect.height) - 1};
}

// One edge of a box: a row (horizontal) or a column at `at`, from `from` to `to` along it, with
// the outside of the box towards `outward`.
struct Edge {
    const char* name;
    bool horizontal;
    int at;
    int from;
    int to;
    int outward;
};

std::vector<Edge> edgesOf(const PixelBox& box)
{
    return {{"left", false, box.left, box.top + kCorner, box.bottom - kCorner, -1},
            {"right", false, box.right, box.top + kCorner, box.bottom - kCorner, 1},
            {"top", true, box.top, box.left + kCorner, box.right - kCorner, -1},
            {"bottom", true, box.bottom, box.left + kCorner, box.right - kCorner, 1}};
}

class Looker {
public:
    Looker(const Picture& picture, std::uint32_t face) : picture(picture), face(face) {}

    // The share of the edge, moved by `offset` pixels outward, that passes `test`, which sees
    // the pixel on the line and the one `reach` pixels outside it.
    template <typename Test>
    double share(const Edge& edge, int offset, int reach, Test test) const
    {
        const int line = edge.at + offset * edge.outward;
        int hits = 0;
        for (int along = edge.from; along <= edge.to; ++along) {
            const int x = edge.horizontal ? along : line;
            const int y = edge.horizontal ? line : along;
            const int outX = edge.horizontal ? x : x + reach * edge.outward;
            const int outY = edge.horizontal ? y + reach * edge.outward : y;
            if (inside(x, y) && inside(outX, outY) &&
                test(picture.at(x, y), picture.at(outX, outY)))
                ++hits;
        }
        return edge.to < edge.from ? 0.0 : double(hits) / (edge.to - edge.from + 1);
    }

    // The control ends there: drawn on the line, the window's face just outside it.
    bool boundary(std::uint32_t on, std::uint32_t out) const
    {
        return channelDistance(on, face) > kFaceTolerance &&
               channelDistance(out, face) <= kFaceTolerance;
    }

    bool inside(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < picture.width && y < picture.height;
    }

    const Picture& picture;
    const std::uint32_t face;
};

// Looks for the edge at offsets last down to first (outward positive), so the outermost line
// counts; says where it is or how close it came.
template <typename Test>
bool findEdge(const Looker& looker, const Edge& edge, int first, int last, int reach, Test test,
              std::ostream& detail)
{
    double best = 0;
    int bestOffset = last;
    for (int offset = last; offset >= first; --offset) {
        const double found = looker.share(edge, offset, reach, test);
        if (found >= kEdgeShare) {
            detail << edge.name << (offset < 0 ? " " : " +") << offset << "; ";
            return true;
        }
        if (found > best) {
            best = found;
            bestOffset = offset;
        }
    }
    detail << edge.name << " MISSING (best " << int(best * 100) << "% at "
           << (bestOffset < 0 ? "" : "+") << bestOffset << "); ";
    return false;
}

// A button, a field or a list: something drawn (a border or a fill) ends at each edge.
bool checkOutline(const Looker& looker, const PixelBox& box, std::ostream& detail)
{
    const auto test = [&](std::uint32_t on, std::uint32_t out) { return looker.boundary(on, out); };
    bool all = true;
    for (const Edge& edge : edgesOf(box))
        all = findEdge(looker, edge, -kSlack, kSlack, 1, test, detail) && all;
    return all;
}

// A frame: its etched border on the left, right and bottom edges, and a line under the caption
// right of it. An etch is two lines, dark and light, and either may stand on the box's edge: the
// window's face begins at most two pixels out.
bool checkFrame(const Looker& looker, const PixelBox& box, std::ostream& detail)
{
    const auto test = [&](std::uint32_t on, std::uint32_t out) { return looker.boundary(on, out); };
    std::vector<Edge> edges = edgesOf(box);
    for (Edge& edge : edges)
        if (!edge.horizontal)
            edge.from = box.top + kCaptionRows; // the sides below the caption
    // The top line is looked for right of the caption (edgesOf: left, right, top, bottom).
    Edge& top = edges[2];
    top.from = box.left + int((box.right - box.left + 1) * kRightOfCaption);
    bool all = true;
    for (const Edge& edge : edges) {
        const int deepest = &edge == &top ? kCaptionRows - 1 : kSlack;
        all = findEdge(looker, edge, -deepest, kSlack, 2, test, detail) && all;
    }
    return all;
}

// A value field also shows its white inside over most of the box.
bool checkWhiteInside(const Looker& looker, const PixelBox& box, std::ostream& detail)
{
    int white = 0, all = 0;
    for (int y = box.top + 2; y <= box.bottom - 2; ++y)
        for (int x = box.left + 2; x <= box.right - 2; ++x, ++all)
            white += looker.inside(x, y) && isWhite(looker.picture.at(x, y));
    const int percent = all ? white * 100 / all : 0;
    detail << "white inside " << percent << "%";
    return percent >= 60;
}

bool checkWhiteLines(const Looker& looker, const PixelBox& box, std::ostream& detail)
{
    const auto test = [](std::uint32_t on, std::uint32_t) { return isWhite(on); };
    bool all = true;
    for (Edge edge : edgesOf(box)) {
        edge.from -= kCorner - 1; // the outline is straight to its corners
        edge.to += kCorner - 1;
        all = findEdge(looker, edge, -kSlack, kSlack, 1, test, detail) && all;
    }
    return all;
}

// The window's background: the commonest colour where no control or board lies.
std::uint32_t faceOf(const Picture& picture)
{
    std::vector<PixelBox> covered{pixelBox(layout::kBoard)};
    for (const layout::Control& control : layout::kControls)
        covered.push_back(pixelBox(layout::windowBox(control)));
    std::map<std::uint32_t, int> counts;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const bool free = std::none_of(covered.begin(), covered.end(), [&](const PixelBox& b) {
                return x >= b.left - 3 && x <= b.right + 3 && y >= b.top - 3 && y <= b.bottom + 3;
            });
            if (free)
                ++counts[picture.at(x, y)];
        }
    const auto commonest =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    return commonest == counts.end() ? 0 : commonest->first;
}

} // namespace

bool Result::ok() const { return !findings.empty() && missing().empty(); }

std::vector<std::string> Result::missing() const
{
    std::vector<std::string> names;
    for (const Finding& finding : findings)
        if (!finding.drawn)
            names.push_back(finding.control);
    return names;
}

Result checkDrawnWindow(const Picture& picture)
{
    Result result;
    if (picture.width != pixels(layout::kClientWidth) ||
        picture.height != pixels(layout::kClientHeight)) {
        std::ostringstream detail;
        detail << "the picture is " << picture.width << " x " << picture.height << ", not "
               << pixels(layout::kClientWidth) << " x " << pixels(layout::kClientHeight);
        result.findings.push_back({"window", false, detail.str()});
        return result;
    }
    result.face = faceOf(picture);
    const Looker looker(picture, result.face);
    for (const layout::Control& control : layout::kControls) {
        const PixelBox box = pixelBox(layout::windowBox(control));
        std::ostringstream detail;
        bool drawn = true;
        switch (control.role) {
        case layout::Role::Frame:
            drawn = checkFrame(looker, box, detail);
            break;
        case layout::Role::Button:
        case layout::Role::ListBox:
            drawn = checkOutline(looker, box, detail);
            break;
        case layout::Role::ValueLabel:
            drawn = checkOutline(looker, box, detail);
            drawn = checkWhiteInside(looker, box, detail) && drawn;
            break;
        case layout::Role::Label:
        case layout::Role::OptionButton:
            continue; // text on the face: no edge of their own
        }
        result.findings.push_back({std::string(control.name), drawn, detail.str()});
    }
    std::ostringstream detail;
    const bool outline = checkWhiteLines(looker, pixelBox(layout::kBoardOutline), detail);
    result.findings.push_back({"boardOutline", outline, detail.str()});
    return result;
}

std::string describe(const Result& result)
{
    std::ostringstream text;
    text << std::hex << "face #" << result.face << std::dec << "\n";
    for (const Finding& finding : result.findings)
        text << (finding.drawn ? "  ok       " : "  NOT DRAWN ") << finding.control << ": "
             << finding.detail << "\n";
    return text.str();
}

} // namespace rutschbild::drawn
