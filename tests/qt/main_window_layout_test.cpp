// MainWindow right after it opens: places, texts, focus, stacking and the state after loading.
#include "main_window_fixture.h"
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QStyle>

namespace rutschbild::testing {
namespace {

using MainWindowLayout = MainWindowTest;

TEST_F(MainWindowLayout, WindowHasItsCaptionClientSizeAndIcon)
{
    EXPECT_EQ(window.windowTitle(), "Rutschbild");
    EXPECT_EQ(window.size(), QSize(650, 502));
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.layout(), nullptr);
}

TEST_F(MainWindowLayout, ControlsStandAtTheirDesignedPixels)
{
    const std::pair<const char*, QRect> places[] = {
        {"creditLabel", {8, 8, 329, 17}},      {"startModeFrame", {520, 40, 113, 73}},
        {"fixedStartOption", {8, 24, 89, 17}}, {"clockStartOption", {8, 48, 89, 17}},
        {"pictureFrame", {520, 120, 113, 57}}, {"pictureList", {24, 24, 73, 17}},
        {"previewButton", {544, 200, 65, 25}}, {"startButton", {544, 232, 65, 25}},
        {"quitButton", {544, 264, 65, 25}},    {"startTimeCaption", {16, 384, 49, 17}},
        {"startTimeValue", {88, 384, 57, 17}}, {"playTimeCaption", {176, 384, 49, 17}},
        {"playTimeValue", {248, 384, 57, 17}}, {"movesCaption", {360, 384, 65, 17}},
        {"movesValue", {432, 384, 57, 17}},    {"boardOutline", {8, 40, 508, 339}},
        {"gridLine0", {8, 153, 508, 1}},       {"gridLine1", {8, 266, 508, 1}},
        {"gridLine2", {135, 40, 1, 339}},      {"gridLine3", {262, 40, 1, 339}},
        {"gridLine4", {389, 40, 1, 339}},
    };
    for (const auto& [name, place] : places)
        EXPECT_EQ(control(name)->geometry(), place) << name;
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(tile(i)->geometry(), QRect(8 + 127 * (i % 4), 40 + 113 * (i / 4), 127, 113));
    // The bottom-right tile meets the board's edges exactly.
    EXPECT_EQ(tile(11)->geometry().bottomRight(),
              control("boardOutline")->geometry().bottomRight());
    EXPECT_EQ(control("fixedStartOption")->parent(), control("startModeFrame"));
    EXPECT_EQ(control("pictureList")->parent(), control("pictureFrame"));
}

TEST_F(MainWindowLayout, EnlargingTheWindowMovesNothing)
{
    const QRect before = control("quitButton")->geometry();
    window.resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(control("quitButton")->geometry(), before);
    EXPECT_EQ(tile(11)->geometry(), QRect(389, 266, 127, 113));
}

TEST_F(MainWindowLayout, TextsColoursAndFonts)
{
    EXPECT_EQ(control<QGroupBox>("startModeFrame")->title(), "Startposition");
    EXPECT_EQ(control<QGroupBox>("pictureFrame")->title(), "Bildauswahl");
    EXPECT_EQ(control<QRadioButton>("fixedStartOption")->text(), "immer gleich");
    EXPECT_EQ(control<QRadioButton>("clockStartOption")->text(), "immer anders");
    EXPECT_TRUE(control<QRadioButton>("fixedStartOption")->isChecked());
    EXPECT_EQ(control<QPushButton>("previewButton")->text(), "Vorschau");
    EXPECT_EQ(control<QPushButton>("startButton")->text(), "Start");
    EXPECT_EQ(control<QPushButton>("quitButton")->text(), "Tschüss");
    EXPECT_EQ(text("startTimeCaption"), "Startzeit:");
    EXPECT_EQ(text("playTimeCaption"), "Spielzeit:");
    EXPECT_EQ(text("movesCaption"), "Bewegungen:");
    EXPECT_FALSE(text("creditLabel").isEmpty());
    for (const char* name : {"startTimeValue", "playTimeValue", "movesValue"}) {
        EXPECT_EQ(text(name), "") << name;
        EXPECT_TRUE(control(name)->autoFillBackground()) << name;
        EXPECT_EQ(control(name)->palette().color(QPalette::Window), QColor(Qt::white)) << name;
    }

    auto* label4 = control<QLabel>("creditLabel");
    EXPECT_EQ(label4->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_DOUBLE_EQ(label4->font().pointSizeF(), 8.25);
    const QString family = QFontInfo(label4->font()).family();
    EXPECT_TRUE(family == "Lucida Console" ||
                family == QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family())
        << family.toStdString();

    for (const char* name : {"previewButton", "startButton", "quitButton"}) {
        EXPECT_FALSE(control<QPushButton>(name)->autoDefault()) << name;
        EXPECT_FALSE(control<QPushButton>(name)->isDefault()) << name;
    }
}

TEST_F(MainWindowLayout, EveryTextFitsItsBox)
{
    // The longest texts each value label can get: 23 : 59 : 59, 59 : 59 and five-digit counts.
    control<QLabel>("startTimeValue")->setText("23 : 58 : 58");
    control<QLabel>("playTimeValue")->setText("58 : 58");
    control<QLabel>("movesValue")->setText("88888");
    for (const char* name : {"startTimeCaption", "playTimeCaption", "movesCaption", "creditLabel",
                             "startTimeValue", "playTimeValue", "movesValue"}) {
        const auto* label = control<QLabel>(name);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
        EXPECT_LE(label->fontMetrics().height(), label->height()) << name;
    }
    for (const char* name : {"fixedStartOption", "clockStartOption"}) {
        const auto* option = control<QRadioButton>(name);
        const QStyle* style = option->style();
        EXPECT_LE(style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                      style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) +
                      option->fontMetrics().horizontalAdvance(option->text()),
                  option->width())
            << name;
    }
    for (const char* name : {"previewButton", "startButton", "quitButton"}) {
        const auto* button = control<QPushButton>(name);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8)
            << name;
    }
}

TEST_F(MainWindowLayout, AfterLoadingTheListHoldsBothSetsWithNothingSelected)
{
    auto* list = control<QListWidget>("pictureList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Kinder");
    EXPECT_EQ(list->item(1)->text(), "Garten");
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_TRUE(list->isEnabled());
    // One line high: the first item fills the view, the second lies outside it.
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(0))));
    EXPECT_FALSE(list->viewport()->rect().intersects(list->visualItemRect(list->item(1))));
}

TEST_F(MainWindowLayout, AfterLoadingTheBoardShowsTheKinderPictureWithoutLinesOrClock)
{
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(tile(i)->isVisible()) << i;
    expectPictureSet(113);
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(line(i)->isVisible()) << i;
    EXPECT_TRUE(control("boardOutline")->isVisible());
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 500);
}

TEST_F(MainWindowLayout, FocusStartsOnTheSelectedOptionAndTabFollowsTheDesignedOrder)
{
    EXPECT_EQ(QApplication::focusWidget(), control("fixedStartOption"));
    for (const char* next :
         {"previewButton", "startButton", "pictureList", "quitButton", "fixedStartOption"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control(next)) << next;
    }
    // After choosing the other option, the chain enters the options there.
    QTest::mouseClick(control("clockStartOption"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), control("clockStartOption"));
    control("quitButton")->setFocus();
    QTest::keyClick(control("quitButton"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control("clockStartOption"));
}

TEST_F(MainWindowLayout, LabelsFramesAndTilesTakeNoFocus)
{
    for (const char* name :
         {"startTimeCaption", "playTimeCaption", "movesCaption", "creditLabel", "startTimeValue",
          "playTimeValue", "movesValue", "startModeFrame", "pictureFrame"})
        EXPECT_EQ(control(name)->focusPolicy(), Qt::NoFocus) << name;
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(tile(i)->focusPolicy(), Qt::NoFocus) << i;
}

TEST_F(MainWindowLayout, StackingOrderFromBottomToTop)
{
    QStringList expected;
    for (int i = 0; i < 12; ++i)
        expected << QStringLiteral("tile%1").arg(i);
    for (int i = 0; i < 5; ++i)
        expected << QStringLiteral("gridLine%1").arg(i);
    expected << "boardOutline"
             << "startTimeCaption"
             << "startTimeValue"
             << "playTimeCaption"
             << "playTimeValue"
             << "movesValue"
             << "movesCaption"
             << "creditLabel"
             << "pictureFrame"
             << "startModeFrame"
             << "previewButton"
             << "startButton"
             << "quitButton";
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    expected << "notice0"
             << "notice1"
             << "notice2";
#endif
    QStringList stacked;
    for (QObject* child : window.children())
        if (child->isWidgetType())
            stacked << child->objectName();
    EXPECT_EQ(stacked, expected);
}

} // namespace
} // namespace rutschbild::testing
