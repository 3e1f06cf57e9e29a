#pragma once

// Finds the controls of the main window by their names and checks, from the outside, that the
// window is in one of its two states. Used by the soak test, the window fuzzer and the window
// benchmarks.
#include "layout.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace rutschbild::testing {

class WindowProbe {
public:
    explicit WindowProbe(QWidget& window) : window_(window)
    {
        for (int i = 0; i < 12; ++i)
            tiles[i] = find<QWidget>(QStringLiteral("tile%1").arg(i));
        for (int i = 0; i < 5; ++i)
            lines[i] = find<QWidget>(QStringLiteral("gridLine%1").arg(i));
        for (int i = 0; i < 2; ++i)
            options[i] = find<QRadioButton>(
                QString::fromLatin1(layout::control(layout::kStartModeOptions[i]).name));
        start = find<QPushButton>(QStringLiteral("startButton"));
        preview = find<QPushButton>(QStringLiteral("previewButton"));
        list = find<QListWidget>(QStringLiteral("pictureList"));
        timer = find<QTimer>(QStringLiteral("playClock"));
        moves = find<QLabel>(QStringLiteral("movesValue"));
        playTime = find<QLabel>(QStringLiteral("playTimeValue"));
        startTime = find<QLabel>(QStringLiteral("startTimeValue"));
    }

    // A left click as the user makes it: press and release in the middle of the widget.
    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    // What a quick double-click delivers: press, release, double-click, release, 50 ms apart.
    // Built by hand, because QTest stamps every release as if a double-click interval had
    // passed after it.
    void doubleClick(QWidget* widget)
    {
        const QPointF centre = QRectF(widget->rect()).center();
        const QPointF global = widget->mapToGlobal(centre);
        const std::pair<QEvent::Type, Qt::MouseButtons> steps[] = {
            {QEvent::MouseButtonPress, Qt::LeftButton},
            {QEvent::MouseButtonRelease, Qt::NoButton},
            {QEvent::MouseButtonDblClick, Qt::LeftButton},
            {QEvent::MouseButtonRelease, Qt::NoButton}};
        for (const auto& [type, buttons] : steps) {
            QMouseEvent event(type, centre, global, Qt::LeftButton, buttons, Qt::NoModifier);
            mouseTime_ += 50;
            event.setTimestamp(mouseTime_);
            QCoreApplication::sendEvent(widget, &event);
        }
    }

    // Delivers one tick of the play clock the way its timer fires, so only a running timer ticks.
    bool tick()
    {
        if (!timer->isActive())
            return false;
        QTimerEvent event(timer->timerId());
        QCoreApplication::sendEvent(timer, &event);
        return true;
    }

    // Clicks the list item with this row at its place in the one-line list, as a user would
    // after scrolling to it.
    void clickListItem(int row)
    {
        QListWidgetItem* item = list->item(row);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }

    static QPoint slotPlace(int slot) { return {8 + 127 * (slot % 4), 40 + 113 * (slot / 4)}; }

    // The slot a tile stands in, or -1 when it stands anywhere else.
    int slotOf(int tile) const
    {
        for (int slot = 0; slot < 12; ++slot)
            if (tiles[tile]->pos() == slotPlace(slot))
                return slot;
        return -1;
    }

    bool gameRunning() const { return timer->isActive(); }

    // The board as the window shows it, indexed like tileSlots: the slot of each tile, the slot
    // no tile 0 to 10 covers as entry 11. Empty text when it is a valid arrangement, else why not.
    std::string readBoard(std::array<int, 12>& position) const
    {
        std::array<bool, 12> taken{};
        for (int tile = 0; tile < 11; ++tile) {
            position[tile] = slotOf(tile);
            if (position[tile] < 0)
                return "tile " + std::to_string(tile) + " stands off the slot places";
            if (taken[position[tile]])
                return "two tiles share slot " + std::to_string(position[tile]);
            taken[position[tile]] = true;
        }
        for (int slot = 0; slot < 12; ++slot)
            if (!taken[slot])
                position[11] = slot;
        return {};
    }

    // The invariants that hold after every event. Empty when they hold, else the first broken.
    std::string brokenInvariant() const
    {
        std::array<int, 12> position{};
        if (std::string why = readBoard(position); !why.empty())
            return why;
        if (slotOf(11) != 11)
            return "tile 11 left its home slot";
        const bool running = gameRunning();
        if (timer->interval() != 500)
            return "the play clock does not tick every 500 ms";
        if (tiles[11]->isHidden() != running)
            return running ? "tile 11 shows during a game" : "tile 11 hidden with no game";
        if (list->isEnabled() == running)
            return running ? "picture list enabled during a game" : "picture list disabled";
        for (QWidget* line : lines)
            if (line->isHidden() == running)
                return running ? "grid line hidden during a game" : "grid line shown with no game";
        bool solved = true;
        for (int tile = 0; tile < 11; ++tile)
            solved = solved && position[tile] == tile;
        if (running && solved)
            return "a solved board and the game goes on";
        if (!running && !solved)
            return "no game, yet the picture is not whole";
        if (!isPlainDecimal(moves->text()))
            return "moves text is not a plain decimal: " + moves->text().toStdString();
        if (!playTime->text().isEmpty() && !isPlayTime(playTime->text()))
            return "play-time text is not M : S: " + playTime->text().toStdString();
        return {};
    }

    // The move count as a number; empty text counts 0.
    double moveCount() const { return moves->text().isEmpty() ? 0 : moves->text().toDouble(); }

    static bool isPlainDecimal(const QString& text)
    {
        static const QRegularExpression decimal(QStringLiteral("^(0|[1-9][0-9]*)?$"));
        return decimal.match(text).hasMatch();
    }

    static bool isPlayTime(const QString& text)
    {
        static const QRegularExpression mmss(QStringLiteral("^([1-5]?[0-9]) : ([1-5]?[0-9])$"));
        return mmss.match(text).hasMatch();
    }

    // The play-time text for an elapsed time: "M : S", whole hours dropped.
    static QString expectedPlayTime(std::int64_t elapsedMilliseconds)
    {
        const std::int64_t seconds = elapsedMilliseconds / 1000;
        return QStringLiteral("%1 : %2").arg(seconds / 60 % 60).arg(seconds % 60);
    }

    std::array<QWidget*, 12> tiles{};
    std::array<QWidget*, 5> lines{};
    std::array<QRadioButton*, 2> options{};
    QPushButton* start = nullptr;
    QPushButton* preview = nullptr;
    QListWidget* list = nullptr;
    QTimer* timer = nullptr;
    QLabel* moves = nullptr;
    QLabel* playTime = nullptr;
    QLabel* startTime = nullptr;

private:
    template <typename Widget>
    Widget* find(const QString& name) const
    {
        auto* found = window_.findChild<Widget*>(name);
        Q_ASSERT_X(found, "WindowProbe", qPrintable(name));
        return found;
    }

    QWidget& window_;
    quint64 mouseTime_ = 1'000'000'000; // far from QTest's own mouse timestamps
};

} // namespace rutschbild::testing
