#include "fake_front_end.h"

namespace rutschbild::testing {

void FakeFrontEnd::show(const WindowView& view, unsigned parts)
{
    shown = view;
    std::string line = "show";
    for (const auto& [part, name] : {std::pair{kBoardPart, "board"},
                                     {kRunningPart, "running"},
                                     {kPicturePart, "picture"},
                                     {kTextsPart, "texts"}}) {
        if (parts & part)
            line += std::string(" ") + name;
    }
    log.push_back(line);
}

void FakeFrontEnd::beep()
{
    ++beeps;
    log.push_back("beep");
}

void FakeFrontEnd::announce(std::string_view sentence)
{
    said.emplace_back(sentence);
    log.push_back("say " + std::string(sentence));
}

void FakeFrontEnd::closeWindow()
{
    closed = true;
    log.push_back("close");
}

std::string boardText(const WindowView& view)
{
    std::string text;
    for (int slot = 0; slot < kTiles; ++slot) {
        if (slot > 0)
            text += slot % kColumns == 0 ? " / " : " ";
        const int tile = view.tileInSlot[slot];
        text += tile == kNoTile ? "." : std::to_string(tile);
    }
    return text;
}

int designedTop(int slot) { return 600 + 1695 * (slot / 4); }
int designedLeft(int slot) { return 120 + 1905 * (slot % 4); }

} // namespace rutschbild::testing
