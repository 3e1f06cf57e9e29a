// The yardstick for start-up time and memory: a plain Qt window with the game's controls at
// their places, with their texts, fonts and icon, and the "Kinder" tile bitmaps shown by plain
// labels. No game behind it: what is left between this window and the game is the game's own.
// The grid lines are left out, as the game hides them until a game starts.
#include "form1_layout.h"
#include "pixel_rect.h"
#include "tile_pictures.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

namespace layout = rutschbild::layout;
using rutschbild::pixels;

class Outline final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(Qt::white);
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
        palette.setColor(QPalette::Window, Qt::white);
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    return label;
}

QFont creditFont()
{
    const QString lucida = QStringLiteral("Lucida Console");
    QFont font = QFontDatabase::hasFamily(lucida)
                     ? QFont(lucida)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(8.25);
    return font;
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
    window.setWindowIcon(rutschbild::programIcon());

    for (int i = 0; i < 12; ++i)
        place(new QLabel(&window), layout::tile(i))->setPixmap(rutschbild::tileBitmap(113 + i));
    place(new Outline(&window), layout::kShape1);

    label(QStringLiteral("Startzeit:"), layout::kLabel1, &window);
    label(QString(), layout::kLblStartzeit, &window, true);
    label(QStringLiteral("Spielzeit:"), layout::kLabel2, &window);
    label(QString(), layout::kLblSpielzeit, &window, true);
    label(QString(), layout::kLblBewegungen, &window, true);
    label(QStringLiteral("Bewegungen:"), layout::kLabel3, &window);
    QLabel* credit = label(QStringLiteral("Rutschbild 1.0 – © 2026 das Rutschbild-Team"),
                           layout::kLabel4, &window);
    credit->setFont(creditFont());
    QPalette blue = credit->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    credit->setPalette(blue);

    auto* pictures = place(new QGroupBox(QStringLiteral("Bildauswahl"), &window), layout::kFrame2);
    auto* list = place(new QListWidget(pictures), layout::kLstBilder);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const QString& text : {QStringLiteral("Kinder"), QStringLiteral("Garten")})
        (new QListWidgetItem(text, list))->setSizeHint(QSize(0, list->height() - 2 * list->frameWidth()));

    auto* start = place(new QGroupBox(QStringLiteral("Startposition"), &window), layout::kFrame1);
    auto* same = place(new QRadioButton(QStringLiteral("immer gleich"), start), layout::kOptSpielart[0]);
    place(new QRadioButton(QStringLiteral("immer anders"), start), layout::kOptSpielart[1]);
    same->setChecked(true);

    place(new QPushButton(QStringLiteral("Vorschau"), &window), layout::kCmdVorschau);
    place(new QPushButton(QStringLiteral("Start"), &window), layout::kCmdSpiel);
    place(new QPushButton(QStringLiteral("Tschüss"), &window), layout::kCommand1);
    same->setFocus();

    window.show();
    return app.exec();
}
