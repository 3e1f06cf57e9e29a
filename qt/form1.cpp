// Form1's events and the window operations on its controls.
#include "form1.h"
#include "accessibility.h"
#include "board_lines.h"
#include "form1_layout.h"
#include "keyboard.h"
#include "system_beep.h"
#include "tile_image.h"
#include "tile_pictures.h"
#include "twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cassert>

namespace rutschbild {

Form1::Form1(const Clock& clock, QWidget* parent)
    : Form1(clock, std::make_unique<CanberraBeeper>(), nullptr, parent)
{
}

Form1::Form1(const Clock& clock, Beeper& beeper, QWidget* parent)
    : Form1(clock, nullptr, &beeper, parent)
{
}

Form1::Form1(const Clock& clock, std::unique_ptr<Beeper> ownBeeper, Beeper* beeper,
             QWidget* parent)
    : QWidget(parent), ownBeeper_(std::move(ownBeeper)), beeper_(beeper ? *beeper : *ownBeeper_),
      control_(*this, clock)
{
    // Before any control exists: a screen reader already listening asks for each control's
    // interface as soon as it is made, and keeps the answer.
    installAccessibleInterfaces();
    createControls();
    setWindowIcon(programIcon());
    installKeyboardHandling(optSpielart_, {cmdVorschau_, cmdSpiel_, command1_});
    describeForAssistiveTools();
    connectEvents();
    control_.Form_Load();
}

Form1::~Form1() = default;

void Form1::connectEvents()
{
    connect(cmdSpiel_, &QPushButton::clicked, this, [this] { control_.cmdSpielClick(); });
    connect(cmdVorschau_, &QPushButton::clicked, this, [this] { control_.cmdVorschauClick(); });
    connect(command1_, &QPushButton::clicked, this, [this] { control_.command1Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(optSpielart_[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                control_.optSpielartClick(i);
        });
    }
    for (TileImage* tile : imgBild_)
        connect(tile, &TileImage::clicked, this, [this](int i) { control_.imgBildClick(i); });
    // A new selection, by mouse or by the arrow keys, is the list's Click.
    connect(lstBilder_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!lstBilder_->selectedItems().isEmpty())
            control_.lstBilderClick();
    });
    connect(timer1_, &QTimer::timeout, this, [this] { control_.timer1Tick(); });
}

void Form1::describeForAssistiveTools()
{
    for (int i = 0; i < 12; ++i) {
        imgBild_[i]->setAccessibleName(QStringLiteral("Bildteil %1").arg(i + 1));
        describeTilePlace(i);
    }
    // No accessible name of their own for the value labels (they were marked as such when made):
    // it would hide their text, and QLabel would no longer report a new text. The caption beside
    // each is its label.
    label1_->setBuddy(lblStartzeit_);
    label2_->setBuddy(lblSpielzeit_);
    label3_->setBuddy(lblBewegungen_);
    lstBilder_->setAccessibleName(QStringLiteral("Bildauswahl"));
    frame1_->setAccessibleName(QStringLiteral("Startposition"));
}

// Where a tile stands now, for screen readers; they hear of the change.
void Form1::describeTilePlace(int tile)
{
    const QPoint place = imgBild_[tile]->pos();
    const int column = (place.x() - pixels(layout::kBoardLeft)) / pixels(layout::kTileWidth);
    const int row = (place.y() - pixels(layout::kBoardTop)) / pixels(layout::kTileHeight);
    imgBild_[tile]->setAccessibleDescription(slotDescription(4 * row + column));
}

void Form1::placeTile(int tile, int top, int left)
{
    imgBild_[tile]->move(pixels(left), pixels(top));
    describeTilePlace(tile);
}

void Form1::setTile11Visible(bool visible) { imgBild_[11]->setVisible(visible); }

void Form1::setPictureListEnabled(bool enabled) { lstBilder_->setEnabled(enabled); }

void Form1::setPlayClockRunning(bool running)
{
    if (running)
        timer1_->start();
    else
        timer1_->stop();
}

void Form1::setGridLinesVisible(bool visible)
{
    for (BoardLine* line : line1_)
        line->setVisible(visible);
}

std::string Form1::movesText() const { return lblBewegungen_->text().toStdString(); }

void Form1::setMovesText(const std::string& text)
{
    lblBewegungen_->setText(QString::fromStdString(text));
}

void Form1::setStartTimeText(const std::string& text)
{
    lblStartzeit_->setText(QString::fromStdString(text));
}

void Form1::beep() { beeper_.beep(); }

int Form1::tileTop(int tile) const { return twips(imgBild_[tile]->y()); }

int Form1::tileLeft(int tile) const { return twips(imgBild_[tile]->x()); }

void Form1::addListItem(const std::string& text)
{
    auto* item = new QListWidgetItem(QString::fromStdString(text), lstBilder_);
    // One item fills the list's one line, so exactly one shows at a time.
    item->setSizeHint(QSize(0, lstBilder_->height() - 2 * lstBilder_->frameWidth()));
}

std::string Form1::selectedListItemText() const
{
    const QList<QListWidgetItem*> selected = lstBilder_->selectedItems();
    return selected.isEmpty() ? std::string() : selected.front()->text().toStdString();
}

void Form1::setTilePicture(int tile, int bitmapNumber)
{
    const QPixmap picture = tileBitmap(bitmapNumber);
    assert(!picture.isNull());
    imgBild_[tile]->setPicture(picture, [bitmapNumber] { return tilePicture2x(bitmapNumber); });
}

void Form1::setPlayTimeText(const std::string& text)
{
    lblSpielzeit_->setText(QString::fromStdString(text));
}

void Form1::closeWindow() { close(); }

} // namespace rutschbild
