// The window draws the game's view and no more: every control found by its entry in the layout
// table, the list's rows the picture sets, each tile read as where it is drawn.
#include "accessible_text.h"
#include "main_window_fixture.h"
#include "picture_sets.h"

#include <QAccessible>

namespace rutschbild::testing {
namespace {

using MainWindowView = MainWindowTest;

TEST_F(MainWindowView, EveryControlIsFoundByItsTableEntry)
{
    EXPECT_EQ(window.objectName(), "mainWindow");
    for (const layout::Control& entry : layout::kControls) {
        QWidget* made = window.controlFor(entry.id);
        ASSERT_NE(made, nullptr) << entry.name;
        EXPECT_EQ(made->objectName(), QString::fromUtf8(entry.name.data(), entry.name.size()));
        EXPECT_EQ(made->parentWidget(), layout::inFrame(entry) ? window.controlFor(entry.frame)
                                                               : static_cast<QWidget*>(&window))
            << entry.name;
    }
}

TEST_F(MainWindowView, EachRowOfTheListShowsItsPictureSet)
{
    auto* list = control<QListWidget>("pictureList");
    ASSERT_EQ(list->count(), kPictureSetCount);
    // Backwards, so every row is a change of set.
    for (int set = kPictureSetCount - 1; set >= 0; --set) {
        const QString name =
            QString::fromUtf8(kPictureSets[set].name.data(), kPictureSets[set].name.size());
        EXPECT_EQ(list->item(set)->text(), name);
        list->setCurrentRow(set);
        for (int piece = 0; piece < 12; ++piece)
            EXPECT_TRUE(showsBitmap(tile(piece), bitmapNumber(set, piece)))
                << "set " << set << ", piece " << piece;
    }
}

// Start and Vorschau move many tiles at once: each tile's description follows it every time.
TEST_F(MainWindowView, EveryTileReadsAsThePlaceItIsDrawnAt)
{
    const auto expectDescriptionsMatchPlaces = [this](const char* when) {
        for (int i = 0; i < 12; ++i) {
            if (tile(i)->isHidden())
                continue;
            const QString place = QString::fromStdString(placeDescription(slotOf(i)));
            EXPECT_EQ(
                QAccessible::queryAccessibleInterface(tile(i))->text(QAccessible::Description),
                place)
                << "tile " << i << " " << when;
        }
    };
    expectDescriptionsMatchPlaces("after opening");
    click("startButton");
    expectDescriptionsMatchPlaces("after Start");
    clickTile(9);
    expectDescriptionsMatchPlaces("after a move");
    click("previewButton");
    expectDescriptionsMatchPlaces("after Vorschau");
    control<QRadioButton>("clockStartOption")->click();
    click("startButton");
    expectDescriptionsMatchPlaces("after a clock-derived Start");
}

} // namespace
} // namespace rutschbild::testing
