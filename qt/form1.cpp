// Form1's events and what the game asks of its controls.
#include "form1.h"
#include "accessibility.h"
#include "accessible_text.h"
#include "announcer.h"
#include "board_group.h"
#include "board_lines.h"
#include "convert.h"
#include "failure_texts.h"
#include "system_beep.h"
#include "tile_image.h"
#include "tile_pictures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace rutschbild::qt {

namespace {

// The program's pictures are part of it: without one it cannot go on. The message goes on screen
// where there is one (the headless platforms have nobody to close it) and to stderr, with what
// failed; then the program ends at once, as destructors run under a half-built window could fail.
[[noreturn]] void failToLoad(const QString& what)
{
    const QString text = toQString(kPictureFailureText);
    std::fprintf(stderr, "rutschbild: %s (%s)\n", qUtf8Printable(text), qUtf8Printable(what));
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        QMessageBox::critical(nullptr, toQString(layout::kWindowTitle), text);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

Form1::Form1(const Clock& clock, QWidget* parent)
    : Form1(clock, std::make_unique<CanberraBeeper>(), nullptr, parent)
{
}

Form1::Form1(const Clock& clock, Beeper& beeper, QWidget* parent)
    : Form1(clock, nullptr, &beeper, parent)
{
}

Form1::Form1(const Clock& clock, std::unique_ptr<Beeper> ownBeeper, Beeper* beeper, QWidget* parent)
    : QWidget(parent), ownBeeper_(std::move(ownBeeper)), beeper_(beeper ? *beeper : *ownBeeper_),
      control_(*this, clock)
{
    // Before any control exists: a screen reader already listening asks for each control's
    // interface as soon as it is made, and keeps the answer.
    installAccessibleInterfaces();
    createControls();
    setWindowIcon(programIcon());
    for (int i = 0; i < kTiles; ++i) {
        tiles_[i]->setAccessibleName(toQString(tileName(i)));
        tiles_[i]->setAccessibleDescription(toQString(placeDescription(i)));
    }
    connectEvents();
    control_.load();
}

Form1::~Form1() = default;

void Form1::connectEvents()
{
    using layout::ControlId;
    const auto onClick = [this](ControlId id, void (GameControl::*handler)()) {
        connect(widget<QPushButton>(id), &QPushButton::clicked, this,
                [this, handler] { (control_.*handler)(); });
    };
    onClick(ControlId::startButton, &GameControl::startClicked);
    onClick(ControlId::previewButton, &GameControl::previewClicked);
    onClick(ControlId::quitButton, &GameControl::quitClicked);
    for (int i = 0; i < static_cast<int>(layout::kStartModeOptions.size()); ++i) {
        connect(widget<QRadioButton>(layout::kStartModeOptions[i]), &QRadioButton::toggled, this,
                [this, i](bool checked) {
                    if (checked)
                        control_.startModeClicked(i);
                });
    }
    for (TileImage* tile : tiles_)
        connect(tile, &TileImage::clicked, this, [this](int i) { control_.tileClicked(i); });
    // A new selection, by mouse or by the arrow keys, is the list's click.
    auto* list = widget<QListWidget>(ControlId::pictureList);
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
        if (!list->selectedItems().isEmpty())
            control_.pictureListClicked();
    });
    connect(playClock_, &QTimer::timeout, this, [this] { control_.playClockTicked(); });
}

// The tile's new place goes to screen readers too; they hear of the change.
void Form1::placeTile(int tile, int slot, int top, int left)
{
    tiles_[tile]->setSlot(slot);
    tiles_[tile]->move(pixels(left), pixels(top));
    tiles_[tile]->setAccessibleDescription(toQString(placeDescription(slot)));
    board_->update();
}

void Form1::setHoleTileVisible(bool visible)
{
    tiles_[kHoleTile]->setVisible(visible);
    board_->update();
}

void Form1::setPictureListEnabled(bool enabled)
{
    widget(layout::ControlId::pictureList)->setEnabled(enabled);
}

void Form1::setPlayClockRunning(bool running)
{
    if (running)
        playClock_->start();
    else
        playClock_->stop();
}

void Form1::setGridLinesVisible(bool visible)
{
    for (BoardLine* line : gridLines_)
        line->setVisible(visible);
}

void Form1::setMovesText(const std::string& text)
{
    widget<QLabel>(layout::ControlId::movesValue)->setText(toQString(text));
}

void Form1::setStartTimeText(const std::string& text)
{
    widget<QLabel>(layout::ControlId::startTimeValue)->setText(toQString(text));
}

void Form1::setPlayTimeText(const std::string& text)
{
    widget<QLabel>(layout::ControlId::playTimeValue)->setText(toQString(text));
}

void Form1::beep() { beeper_.beep(); }

void Form1::pictureComplete() { announcer_->announce(toQString(kPictureCompleteText)); }

void Form1::gameStarted() { announcer_->announce(toQString(kGameStartedText)); }

void Form1::tileMoved(int tile, int slot)
{
    announcer_->announce(toQString(tileMovedText(tile, slot)));
}

void Form1::tileDidNotMove(int tile) { announcer_->announce(toQString(tileDidNotMoveText(tile))); }

void Form1::tilePressedWithoutGame(int) { announcer_->announce(toQString(kNoGameRunningText)); }

void Form1::addListItem(const std::string& text)
{
    auto* list = widget<QListWidget>(layout::ControlId::pictureList);
    auto* item = new QListWidgetItem(toQString(text), list);
    // One item fills the list's one line, so exactly one shows at a time.
    item->setSizeHint(QSize(0, list->height() - 2 * list->frameWidth()));
}

std::string Form1::selectedListItemText() const
{
    const QList<QListWidgetItem*> selected =
        widget<QListWidget>(layout::ControlId::pictureList)->selectedItems();
    return selected.isEmpty() ? std::string() : selected.front()->text().toStdString();
}

void Form1::setTilePicture(int tile, int bitmapNumber)
{
    const QPixmap picture = tileBitmap(bitmapNumber);
    if (picture.isNull())
        failToLoad(QStringLiteral("tile bitmap %1").arg(bitmapNumber));
    tiles_[tile]->setPicture(picture, [bitmapNumber] { return tilePicture2x(bitmapNumber); });
}

void Form1::closeWindow() { close(); }

} // namespace rutschbild::qt
