// The picture checker on windows painted here: one as designed, and ones with a control drawn
// off its box or not drawn as it should be.
#include "drawn_window.h"

#include "layout.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace rutschbild::drawn {
namespace {

constexpr std::uint32_t kFace = 0xf0f0f0, kEtch = 0xa0a0a0, kWhite = 0xffffff;

class Painter {
public:
    Painter() : picture{pixels(layout::kClientWidth), pixels(layout::kClientHeight), {}}
    {
        picture.pixels.assign(std::size_t(picture.width) * picture.height, kFace);
    }

    void fill(int left, int top, int right, int bottom, std::uint32_t colour)
    {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                picture.pixels[std::size_t(y) * picture.width + x] = colour;
    }
    void box(int left, int top, int right, int bottom, std::uint32_t colour)
    {
        fill(left, top, right, top, colour);
        fill(left, bottom, right, bottom, colour);
        fill(left, top, left, bottom, colour);
        fill(right, top, right, bottom, colour);
    }

    // Every visible control and the board as a toolkit would draw them, each moved by (dx, dy)
    // when it is `moved`; `singleLineFrame` is drawn as one line under its caption.
    void window(std::string_view moved = "", int dx = 0, int dy = 0,
                std::string_view singleLineFrame = "")
    {
        paintBoard(moved == "boardOutline" ? dx : 0, moved == "boardOutline" ? dy : 0);
        for (const layout::Control& control : layout::kControls) {
            const TwipRect r = layout::windowBox(control);
            const int shiftX = control.name == moved ? dx : 0;
            const int shiftY = control.name == moved ? dy : 0;
            const int l = pixels(r.left) + shiftX, t = pixels(r.top) + shiftY;
            const int right = pixels(r.left + r.width) - 1 + shiftX;
            const int bottom = pixels(r.top + r.height) - 1 + shiftY;
            switch (control.role) {
            case layout::Role::Frame:
                if (control.name == singleLineFrame) {
                    fill(l, t + 6, right, t + 7, kEtch);
                } else {
                    box(l + 1, t + 7, right + 1, bottom + 1, kWhite);
                    box(l, t + 6, right, bottom, kEtch);
                }
                fill(l + 7, t, l + 60, t + 12, kFace); // the caption and its text
                fill(l + 9, t + 3, l + 58, t + 9, 0x000000);
                break;
            case layout::Role::Button:
                fill(l, t, right, bottom, 0xe1e1e1);
                box(l, t, right, bottom, 0x767676);
                fill(l + 20, t + 8, right - 20, bottom - 8, 0x000000);
                break;
            case layout::Role::ListBox:
                fill(l, t, right, bottom, kWhite);
                box(l, t, right, bottom, 0x7a7a7a);
                break;
            case layout::Role::ValueLabel:
                fill(l, t, right, bottom, kWhite);
                fill(l + 3, t + 4, l + 30, bottom - 4, 0x000000);
                break;
            case layout::Role::Label:
            case layout::Role::OptionButton:
                fill(l, t + 3, l + 40, bottom - 3, 0x000000);
                break;
            }
        }
    }

    // Tiles of many colours, lighter ones too, under the white outline.
    void paintBoard(int dx, int dy)
    {
        const TwipRect r = layout::kBoard;
        const int l = pixels(r.left), t = pixels(r.top);
        const int right = pixels(r.left + r.width) - 1, bottom = pixels(r.top + r.height) - 1;
        for (int y = t; y <= bottom; ++y)
            for (int x = l; x <= right; ++x)
                fill(x, y, x, y, ((x * 37 + y * 11) % 200) * 0x010101 + ((x + y) % 5 ? 0 : 0x30));
        box(l + dx, t + dy, right + dx, bottom + dy, kWhite);
    }

    Picture picture;
};

std::vector<std::string> missingIn(const Picture& picture)
{
    return checkDrawnWindow(picture).missing();
}

TEST(DrawnWindow, AWindowAsDesignedPassesWithItsFaceFound)
{
    Painter painter;
    painter.window();
    const Result result = checkDrawnWindow(painter.picture);
    EXPECT_TRUE(result.ok()) << describe(result);
    EXPECT_EQ(result.face, kFace);
    // Frames, buttons, fields, the list and the outline: nine controls and the board.
    EXPECT_EQ(result.findings.size(), 10u);
}

TEST(DrawnWindow, AFrameDrawnAsASingleLineUnderItsCaptionFails)
{
    for (const std::string_view frame : {"startModeFrame", "pictureFrame"}) {
        Painter painter;
        painter.window("", 0, 0, frame);
        EXPECT_EQ(missingIn(painter.picture), std::vector<std::string>{std::string(frame)});
    }
}

TEST(DrawnWindow, EveryKindOfControlPassesOnePixelOffAndFailsThreeOff)
{
    for (const std::string_view name :
         {"startModeFrame", "pictureFrame", "previewButton", "quitButton", "movesValue",
          "pictureList", "boardOutline"}) {
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            Painter near;
            near.window(name, dx, dy);
            EXPECT_TRUE(missingIn(near.picture).empty()) << name << " moved " << dx << "," << dy;

            Painter far;
            far.window(name, 3 * dx, 3 * dy);
            EXPECT_EQ(missingIn(far.picture), std::vector<std::string>{std::string(name)})
                << name << " moved " << 3 * dx << "," << 3 * dy;
        }
    }
}

TEST(DrawnWindow, AButtonShowsByItsBorderOrByItsFillAlone)
{
    const TwipRect r = layout::windowBox(layout::control(layout::ControlId::startButton));
    const int left = pixels(r.left), top = pixels(r.top);
    const int right = pixels(r.left + r.width) - 1, bottom = pixels(r.top + r.height) - 1;

    Painter borderOnly;
    borderOnly.window();
    borderOnly.fill(left, top, right, bottom, kFace);
    borderOnly.box(left, top, right, bottom, 0x767676);
    EXPECT_TRUE(missingIn(borderOnly.picture).empty());

    Painter fillOnly;
    fillOnly.window();
    fillOnly.fill(left, top, right, bottom, 0xd0d8e0);
    EXPECT_TRUE(missingIn(fillOnly.picture).empty());

    Painter neither;
    neither.window();
    neither.fill(left, top, right, bottom, kFace);
    EXPECT_EQ(missingIn(neither.picture), std::vector<std::string>{"startButton"});
}

TEST(DrawnWindow, AValueFieldWithoutItsWhiteFails)
{
    Painter painter;
    painter.window();
    const TwipRect r = layout::windowBox(layout::control(layout::ControlId::playTimeValue));
    painter.fill(pixels(r.left), pixels(r.top), pixels(r.left + r.width) - 1,
                 pixels(r.top + r.height) - 1, 0xf4f4f4);
    painter.box(pixels(r.left), pixels(r.top), pixels(r.left + r.width) - 1,
                pixels(r.top + r.height) - 1, 0x808080);
    EXPECT_EQ(missingIn(painter.picture), std::vector<std::string>{"playTimeValue"});
}

TEST(DrawnWindow, APictureOfAnotherSizeFails)
{
    Picture scaled{975, 753, std::vector<std::uint32_t>(975u * 753u, kFace)};
    const Result result = checkDrawnWindow(scaled);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(describe(result).find("975 x 753"), std::string::npos);
}

} // namespace
} // namespace rutschbild::drawn
