// Form1 right after it opens: places, texts, focus, stacking and the state after loading.
#include "form1_fixture.h"
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QStyle>

namespace rutschbild::testing {
namespace {

using Form1Layout = Form1Test;

TEST_F(Form1Layout, WindowHasItsCaptionClientSizeAndIcon)
{
    EXPECT_EQ(form.windowTitle(), "Rutschbild");
    EXPECT_EQ(form.size(), QSize(650, 502));
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_EQ(form.layout(), nullptr);
}

TEST_F(Form1Layout, ControlsStandAtTheirDesignedPixels)
{
    const std::pair<const char*, QRect> places[] = {
        {"Label4", {8, 8, 329, 17}},          {"Frame1", {520, 40, 113, 73}},
        {"optSpielart0", {8, 24, 89, 17}},    {"optSpielart1", {8, 48, 89, 17}},
        {"Frame2", {520, 120, 113, 57}},      {"lstBilder", {24, 24, 73, 17}},
        {"cmdVorschau", {544, 200, 65, 25}},  {"cmdSpiel", {544, 232, 65, 25}},
        {"Command1", {544, 264, 65, 25}},     {"Label1", {16, 384, 49, 17}},
        {"lblStartzeit", {88, 384, 57, 17}},  {"Label2", {176, 384, 49, 17}},
        {"lblSpielzeit", {248, 384, 57, 17}}, {"Label3", {360, 384, 65, 17}},
        {"lblBewegungen", {432, 384, 57, 17}}, {"Shape1", {8, 40, 508, 339}},
        {"Line1_0", {8, 153, 508, 1}},        {"Line1_1", {8, 266, 508, 1}},
        {"Line1_2", {135, 40, 1, 339}},       {"Line1_3", {262, 40, 1, 339}},
        {"Line1_4", {389, 40, 1, 339}},
    };
    for (const auto& [name, place] : places)
        EXPECT_EQ(control(name)->geometry(), place) << name;
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(tile(i)->geometry(), QRect(8 + 127 * (i % 4), 40 + 113 * (i / 4), 127, 113));
    // The bottom-right tile meets the board's edges exactly.
    EXPECT_EQ(tile(11)->geometry().bottomRight(), control("Shape1")->geometry().bottomRight());
    EXPECT_EQ(control("optSpielart0")->parent(), control("Frame1"));
    EXPECT_EQ(control("lstBilder")->parent(), control("Frame2"));
}

TEST_F(Form1Layout, EnlargingTheWindowMovesNothing)
{
    const QRect before = control("Command1")->geometry();
    form.resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(control("Command1")->geometry(), before);
    EXPECT_EQ(tile(11)->geometry(), QRect(389, 266, 127, 113));
}

TEST_F(Form1Layout, TextsColoursAndFonts)
{
    EXPECT_EQ(control<QGroupBox>("Frame1")->title(), "Startposition");
    EXPECT_EQ(control<QGroupBox>("Frame2")->title(), "Bildauswahl");
    EXPECT_EQ(control<QRadioButton>("optSpielart0")->text(), "immer gleich");
    EXPECT_EQ(control<QRadioButton>("optSpielart1")->text(), "immer anders");
    EXPECT_TRUE(control<QRadioButton>("optSpielart0")->isChecked());
    EXPECT_EQ(control<QPushButton>("cmdVorschau")->text(), "Vorschau");
    EXPECT_EQ(control<QPushButton>("cmdSpiel")->text(), "Start");
    EXPECT_EQ(control<QPushButton>("Command1")->text(), "Tschüss");
    EXPECT_EQ(text("Label1"), "Startzeit:");
    EXPECT_EQ(text("Label2"), "Spielzeit:");
    EXPECT_EQ(text("Label3"), "Bewegungen:");
    EXPECT_FALSE(text("Label4").isEmpty());
    for (const char* name : {"lblStartzeit", "lblSpielzeit", "lblBewegungen"}) {
        EXPECT_EQ(text(name), "") << name;
        EXPECT_TRUE(control(name)->autoFillBackground()) << name;
        EXPECT_EQ(control(name)->palette().color(QPalette::Window), QColor(Qt::white)) << name;
    }

    auto* label4 = control<QLabel>("Label4");
    EXPECT_EQ(label4->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_DOUBLE_EQ(label4->font().pointSizeF(), 8.25);
    const QString family = QFontInfo(label4->font()).family();
    EXPECT_TRUE(family == "Lucida Console" ||
                family == QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family())
        << family.toStdString();

    for (const char* name : {"cmdVorschau", "cmdSpiel", "Command1"}) {
        EXPECT_FALSE(control<QPushButton>(name)->autoDefault()) << name;
        EXPECT_FALSE(control<QPushButton>(name)->isDefault()) << name;
    }
}

TEST_F(Form1Layout, EveryTextFitsItsBox)
{
    // The longest texts each value label can get: 23 : 59 : 59, 59 : 59 and five-digit counts.
    control<QLabel>("lblStartzeit")->setText("23 : 58 : 58");
    control<QLabel>("lblSpielzeit")->setText("58 : 58");
    control<QLabel>("lblBewegungen")->setText("88888");
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "lblStartzeit",
                             "lblSpielzeit", "lblBewegungen"}) {
        const auto* label = control<QLabel>(name);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
        EXPECT_LE(label->fontMetrics().height(), label->height()) << name;
    }
    for (const char* name : {"optSpielart0", "optSpielart1"}) {
        const auto* option = control<QRadioButton>(name);
        const QStyle* style = option->style();
        EXPECT_LE(style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                      style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) +
                      option->fontMetrics().horizontalAdvance(option->text()),
                  option->width())
            << name;
    }
    for (const char* name : {"cmdVorschau", "cmdSpiel", "Command1"}) {
        const auto* button = control<QPushButton>(name);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8)
            << name;
    }
}

TEST_F(Form1Layout, AfterLoadingTheListHoldsBothSetsWithNothingSelected)
{
    auto* list = control<QListWidget>("lstBilder");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Kinder");
    EXPECT_EQ(list->item(1)->text(), "Garten");
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_TRUE(list->isEnabled());
    // One line high: the first item fills the view, the second lies outside it.
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(0))));
    EXPECT_FALSE(list->viewport()->rect().intersects(list->visualItemRect(list->item(1))));
}

TEST_F(Form1Layout, AfterLoadingTheBoardShowsTheKinderPictureWithoutLinesOrClock)
{
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(tile(i)->isVisible()) << i;
    expectPictureSet(113);
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(line(i)->isVisible()) << i;
    EXPECT_TRUE(control("Shape1")->isVisible());
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 500);
}

TEST_F(Form1Layout, FocusStartsOnTheSelectedOptionAndTabFollowsTheDesignedOrder)
{
    EXPECT_EQ(QApplication::focusWidget(), control("optSpielart0"));
    for (const char* next : {"cmdVorschau", "cmdSpiel", "lstBilder", "Command1", "optSpielart0"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control(next)) << next;
    }
    // After choosing the other option, the chain enters the options there.
    QTest::mouseClick(control("optSpielart1"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), control("optSpielart1"));
    control("Command1")->setFocus();
    QTest::keyClick(control("Command1"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control("optSpielart1"));
}

TEST_F(Form1Layout, LabelsFramesAndTilesTakeNoFocus)
{
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "lblStartzeit",
                             "lblSpielzeit", "lblBewegungen", "Frame1", "Frame2"})
        EXPECT_EQ(control(name)->focusPolicy(), Qt::NoFocus) << name;
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(tile(i)->focusPolicy(), Qt::NoFocus) << i;
}

TEST_F(Form1Layout, StackingOrderFromBottomToTop)
{
    QStringList expected;
    for (int i = 0; i < 12; ++i)
        expected << QStringLiteral("imgBild%1").arg(i);
    for (int i = 0; i < 5; ++i)
        expected << QStringLiteral("Line1_%1").arg(i);
    expected << "Shape1" << "Label1" << "lblStartzeit" << "Label2" << "lblSpielzeit"
             << "lblBewegungen" << "Label3" << "Label4" << "Frame2" << "Frame1" << "cmdVorschau"
             << "cmdSpiel" << "Command1";
    QStringList stacked;
    for (QObject* child : form.children())
        if (child->isWidgetType())
            stacked << child->objectName();
    EXPECT_EQ(stacked, expected);
}

} // namespace
} // namespace rutschbild::testing
