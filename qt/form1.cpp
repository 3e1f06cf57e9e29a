// Form1's events and the window operations on its controls.
#include "form1.h"
#include "board_lines.h"
#include "tile_image.h"
#include "tile_pictures.h"
#include "twips.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cassert>

namespace rutschbild {

Form1::Form1(const Clock& clock, QWidget* parent) : QWidget(parent), control_(*this, clock)
{
    createControls();
    setWindowIcon(programIcon());
    connectEvents();
    control_.Form_Load();
}

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

void Form1::placeTile(int tile, int top, int left)
{
    imgBild_[tile]->move(pixels(left), pixels(top));
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

void Form1::beep() { QApplication::beep(); }

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
    imgBild_[tile]->setPicture(picture);
}

void Form1::setPlayTimeText(const std::string& text)
{
    lblSpielzeit_->setText(QString::fromStdString(text));
}

void Form1::closeWindow() { close(); }

} // namespace rutschbild
