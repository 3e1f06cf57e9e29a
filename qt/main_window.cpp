// The main window's events and how it draws what the game shows.
#include "main_window.h"
#include "accessibility.h"
#include "board.h"
#include "convert.h"
#include "picture_sets.h"
#include "sound.h"
#include "tile_pictures.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace rutschbild::qt {

MainWindow::MainWindow(const Clock& clock, QWidget* parent)
    : MainWindow(clock, std::make_unique<CanberraBeeper>(), nullptr, parent)
{
}

MainWindow::MainWindow(const Clock& clock, Beeper& beeper, QWidget* parent)
    : MainWindow(clock, nullptr, &beeper, parent)
{
}

MainWindow::MainWindow(const Clock& clock, std::unique_ptr<Beeper> ownBeeper, Beeper* beeper,
                       QWidget* parent)
    : QWidget(parent), ownBeeper_(std::move(ownBeeper)), beeper_(beeper ? *beeper : *ownBeeper_),
      game_(*this, clock)
{
    // Before any control exists: a screen reader already listening asks for each control's
    // interface as soon as it is made, and keeps the answer.
    installAccessibleInterfaces();
    createControls();
    setWindowIcon(programIcon());
    connectEvents();
    show(game_.view(), kAllParts);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectEvents()
{
    using layout::ControlId;
    const auto onClick = [this](ControlId id, void (Game::*action)()) {
        connect(controlFor<QPushButton>(id), &QPushButton::clicked, this,
                [this, action] { (game_.*action)(); });
    };
    onClick(ControlId::startButton, &Game::start);
    onClick(ControlId::previewButton, &Game::preview);
    onClick(ControlId::quitButton, &Game::quit);
    for (std::size_t i = 0; i < layout::kStartModeOptions.size(); ++i) {
        const auto mode = static_cast<StartMode>(i);
        connect(controlFor<QRadioButton>(layout::kStartModeOptions[i]), &QRadioButton::toggled,
                this, [this, mode](bool checked) {
                    if (checked)
                        game_.chooseStartMode(mode);
                });
    }
    connect(board_, &Board::tilePressed, this, [this](int tile) { game_.pressTile(tile); });
    // A new selection, by mouse or by the arrow keys, is the list's click.
    auto* list = controlFor<QListWidget>(ControlId::pictureList);
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
        if (!list->selectedItems().isEmpty())
            game_.choosePicture(list->row(list->selectedItems().front()));
    });
    connect(playClock_, &QTimer::timeout, this, [this] { game_.tick(); });
}

// The list's items are the picture sets, in their order: an item's row is its set.
void MainWindow::fillPictureList()
{
    auto* list = controlFor<QListWidget>(layout::ControlId::pictureList);
    for (const PictureSet& set : kPictureSets) {
        auto* item = new QListWidgetItem(toQString(set.name), list);
        // One item fills the list's one line, so exactly one shows at a time.
        item->setSizeHint(QSize(0, list->height() - 2 * list->frameWidth()));
    }
}

void MainWindow::show(const WindowView& view, unsigned parts)
{
    using layout::ControlId;
    board_->show(parts);
    if (parts & kRunningPart) {
        controlFor(ControlId::pictureList)->setEnabled(view.pictureListEnabled);
        // Start while a game runs begins the clock's half seconds anew.
        if (view.playClockRunning)
            playClock_->start();
        else
            playClock_->stop();
    }
    if (parts & kTextsPart) {
        // Only a text that changed: screen readers hear of every new one.
        const auto write = [this](ControlId id, const std::string& text) {
            auto* label = controlFor<QLabel>(id);
            if (const QString now = toQString(text); label->text() != now)
                label->setText(now);
        };
        write(ControlId::startTimeValue, view.startTimeText);
        write(ControlId::playTimeValue, view.playTimeText);
        write(ControlId::movesValue, view.movesText);
    }
}

void MainWindow::beep() { beeper_.beep(); }

void MainWindow::announce(std::string_view sentence) { announcer_->announce(toQString(sentence)); }

void MainWindow::closeWindow() { close(); }

} // namespace rutschbild::qt
