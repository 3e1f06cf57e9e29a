// The yardstick for start-up time and memory: a plain Qt window with the game's controls at
// their places, with their texts, fonts and icon, and the first picture set's pieces shown by plain
// labels. No game behind it: what is left between this window and the game is the game's own.
// The grid lines are left out, as the game hides them until a game starts.
#include "convert.h"
#include "layout.h"
#include "picture_sets.h"
#include "tile_pictures.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <map>

namespace {

namespace layout = rutschbild::layout;
using rutschbild::qt::pixels;
using rutschbild::qt::toQColor;
using rutschbild::qt::toQString;

class Outline final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(toQColor(layout::kBoardLineColour));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

template <typename Widget>
Widget* place(Widget* widget, const rutschbild::TwipRect& where)
{
    widget->setGeometry(pixels(where));
    return widget;
}

QLabel* label(const QString& text, const rutschbild::TwipRect& where, QWidget* parent,
              bool value = false)
{
    auto* label = place(new QLabel(text, parent), where);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (value) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, toQColor(layout::kValueBackground));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    return label;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Rutschbild (Steuerelemente)"));
    window.resize(pixels(layout::kClientWidth), pixels(layout::kClientHeight));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setStretch(94);
    window.setFont(font);
    window.setWindowIcon(rutschbild::qt::programIcon());

    for (int i = 0; i < rutschbild::kTiles; ++i)
        place(new QLabel(&window), layout::slotBox(i))
            ->setPixmap(rutschbild::qt::piecePicture(0, i));
    place(new Outline(&window), layout::kBoardOutline);

    std::map<layout::ControlId, QWidget*> made;
    for (const layout::Control& control : layout::kControls) {
        QWidget* parent = layout::inFrame(control) ? made.at(control.frame) : &window;
        const QString text = QString::fromUtf8(control.text.data(), qsizetype(control.text.size()));
        QWidget* widget = nullptr;
        switch (control.role) {
        case layout::Role::Label:
        case layout::Role::ValueLabel:
            widget = label(text, control.box, parent, control.role == layout::Role::ValueLabel);
            break;
        case layout::Role::Frame:
            widget = place(new QGroupBox(text, parent), control.box);
            break;
        case layout::Role::OptionButton:
            widget = place(new QRadioButton(text, parent), control.box);
            break;
        case layout::Role::ListBox: {
            auto* list = place(new QListWidget(parent), control.box);
            list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            for (const rutschbild::PictureSet& set : rutschbild::kPictureSets)
                (new QListWidgetItem(toQString(set.name), list))
                    ->setSizeHint(QSize(0, list->height() - 2 * list->frameWidth()));
            widget = list;
            break;
        }
        case layout::Role::Button:
            widget = place(new QPushButton(text, parent), control.box);
            break;
        }
        made[control.id] = widget;
    }
    QWidget* credit = made.at(layout::ControlId::creditLabel);
    credit->setFont(rutschbild::qt::toQFont(layout::kCreditFont));
    QPalette palette = credit->palette();
    palette.setColor(QPalette::WindowText, toQColor(layout::kCreditColour));
    credit->setPalette(palette);
    auto* same = static_cast<QRadioButton*>(made.at(layout::kInitiallyChosenOption));
    same->setChecked(true);
    same->setFocus();

    window.show();
    return app.exec();
}
