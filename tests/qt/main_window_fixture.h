#pragma once

#include "fake_front_end.h"
#include "main_window.h"
#include "sound.h"
#include "tile_image.h"
#include "tile_pictures.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace rutschbild::testing {

using qt::Beeper;
using qt::MainWindow;
using qt::tileBitmap;
using qt::TileImage;
using qt::tilePicture2x;

// Counts the beeps instead of sounding them.
class RecordingBeeper final : public Beeper {
public:
    void beep() override { ++count; }
    int count = 0;
};

// A shown MainWindow on a fake clock and a counting beeper. Controls are looked up by their object
// names, as a user of the window would see them, without any hooks in the window itself.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename Widget = QWidget>
    Widget* control(const char* name) const
    {
        auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QWidget* tile(int i) const { return control(QStringLiteral("tile%1").arg(i).toLatin1()); }
    QWidget* line(int i) const { return control(QStringLiteral("gridLine%1").arg(i).toLatin1()); }
    QString text(const char* label) const { return control<QLabel>(label)->text(); }
    QTimer* timer() const { return control<QTimer>("playClock"); }

    void click(const char* button) { QTest::mouseClick(control(button), Qt::LeftButton); }
    void clickTile(int i) { QTest::mouseClick(tile(i), Qt::LeftButton); }

    // One tick of the play clock, delivered the way the running timer delivers it; nothing while
    // the timer is off.
    void tick()
    {
        if (timer()->isActive()) {
            QTimerEvent event(timer()->timerId());
            QCoreApplication::sendEvent(timer(), &event);
        }
    }

    // The slot a tile widget stands in, from its place on the window.
    int slotOf(int i) const
    {
        const QPoint place = tile(i)->pos();
        return (place.y() - 40) / 113 * 4 + (place.x() - 8) / 127;
    }

    // The no-game state: clock off, tile 11 shown, list enabled, grid lines hidden.
    void expectNoGame() const
    {
        EXPECT_FALSE(timer()->isActive());
        EXPECT_TRUE(tile(11)->isVisible());
        EXPECT_TRUE(control("pictureList")->isEnabled());
        for (int i = 0; i < 5; ++i)
            EXPECT_FALSE(line(i)->isVisible()) << i;
    }

    // Every tile shows bitmap first + i, pixel for pixel.
    void expectPictureSet(int first) const
    {
        for (int i = 0; i < 12; ++i)
            EXPECT_TRUE(showsBitmap(tile(i), first + i)) << "tile " << i;
    }

    static bool showsBitmap(QWidget* widget, int bitmapNumber)
    {
        const QImage expected = tileBitmap(bitmapNumber).toImage();
        return !expected.isNull() &&
               widget->grab().toImage().convertToFormat(QImage::Format_RGB32) ==
                   expected.convertToFormat(QImage::Format_RGB32);
    }

    FakeClock clock;
    RecordingBeeper beeper;
    MainWindow window{clock, beeper};
};

} // namespace rutschbild::testing
