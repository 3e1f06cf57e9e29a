// Builds the controls of Form1 at their designed places, in their stacking and tab order.
#include "accessibility.h"
#include "board_lines.h"
#include "form1.h"
#include "form1_layout.h"
#include "pixel_rect.h"
#include "tile_image.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace rutschbild {

namespace {

QLabel* makeLabel(const char* name, const QString& text, const TwipRect& place, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(pixels(place));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The three labels the program writes into: white behind their text.
QLabel* makeValueLabel(const char* name, const TwipRect& place, QWidget* parent)
{
    // Marked before it has a parent or a text: with a screen reader already listening, the first
    // of those would fix its accessible interface as a plain label's for good.
    auto* label = new QLabel;
    markAsValueLabel(label);
    label->setParent(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(pixels(place));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

QPushButton* makeButton(const char* name, const QString& text, const TwipRect& place,
                        QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(pixels(place));
    // No default button: Enter in the window presses nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QGroupBox* makeFrame(const char* name, const QString& title, const TwipRect& place,
                     QWidget* parent)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(pixels(place));
    return frame;
}

QRect linePixels(const layout::TwipLine& line)
{
    // The end point is not drawn, so a line covers exactly the board's 508 or 339 pixels.
    if (line.y1 == line.y2)
        return {pixels(line.x1), pixels(line.y1), pixels(line.x2 - line.x1), 1};
    return {pixels(line.x1), pixels(line.y1), 1, pixels(line.y2 - line.y1)};
}

QFont creditFont()
{
    // Where Lucida Console is missing, the system's fixed-pitch face takes its place.
    const QString lucida = QStringLiteral("Lucida Console");
    QFont font = QFontDatabase::hasFamily(lucida)
                     ? QFont(lucida)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

// The layout's boxes were measured for a small, narrow face. DejaVu Sans (which the build
// installs) at ten pixels, a little narrowed, fits every text into its box on every system.
QFont windowFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(10);
    font.setStretch(94);
    return font;
}

} // namespace

void Form1::createControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Rutschbild"));
    resize(pixels(layout::kClientWidth), pixels(layout::kClientHeight));
    setFont(windowFont());

    createBoard();

    label1_ = makeLabel("Label1", QStringLiteral("Startzeit:"), layout::kLabel1, this);
    lblStartzeit_ = makeValueLabel("lblStartzeit", layout::kLblStartzeit, this);
    label2_ = makeLabel("Label2", QStringLiteral("Spielzeit:"), layout::kLabel2, this);
    lblSpielzeit_ = makeValueLabel("lblSpielzeit", layout::kLblSpielzeit, this);
    lblBewegungen_ = makeValueLabel("lblBewegungen", layout::kLblBewegungen, this);
    label3_ = makeLabel("Label3", QStringLiteral("Bewegungen:"), layout::kLabel3, this);
    label4_ = makeLabel("Label4", QStringLiteral("Rutschbild 1.0 – © 2026 das Rutschbild-Team"),
                        layout::kLabel4, this);
    label4_->setFont(creditFont());
    QPalette blue = label4_->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label4_->setPalette(blue);

    frame2_ = makeFrame("Frame2", QStringLiteral("Bildauswahl"), layout::kFrame2, this);
    lstBilder_ = new QListWidget(frame2_);
    lstBilder_->setObjectName(QStringLiteral("lstBilder"));
    lstBilder_->setGeometry(pixels(layout::kLstBilder));
    lstBilder_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstBilder_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    lstBilder_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstBilder_->setUniformItemSizes(true);

    frame1_ = makeFrame("Frame1", QStringLiteral("Startposition"), layout::kFrame1, this);
    const QString options[] = {QStringLiteral("immer gleich"), QStringLiteral("immer anders")};
    for (int i = 0; i < 2; ++i) {
        optSpielart_[i] = new QRadioButton(options[i], frame1_);
        optSpielart_[i]->setObjectName(QStringLiteral("optSpielart%1").arg(i));
        optSpielart_[i]->setGeometry(pixels(layout::kOptSpielart[i]));
    }
    optSpielart_[0]->setChecked(true);

    cmdVorschau_ = makeButton("cmdVorschau", QStringLiteral("Vorschau"), layout::kCmdVorschau, this);
    cmdSpiel_ = makeButton("cmdSpiel", QStringLiteral("Start"), layout::kCmdSpiel, this);
    command1_ = makeButton("Command1", QStringLiteral("Tschüss"), layout::kCommand1, this);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(layout::kTimer1IntervalMilliseconds);

    setFocusChain();
}

void Form1::createBoard()
{
    for (int i = 0; i < 12; ++i) {
        imgBild_[i] = new TileImage(i, this);
        imgBild_[i]->setGeometry(pixels(layout::tile(i)));
    }
    for (int i = 0; i < 5; ++i) {
        line1_[i] = new BoardLine(linePixels(layout::kLine1[i]), this);
        line1_[i]->setObjectName(QStringLiteral("Line1_%1").arg(i));
    }
    shape1_ = new BoardOutline(pixels(layout::kShape1), this);
    shape1_->setObjectName(QStringLiteral("Shape1"));
}

void Form1::setFocusChain()
{
    for (QWidget* widget : std::initializer_list<QWidget*>{label1_, lblStartzeit_, label2_,
                                                           lblSpielzeit_, lblBewegungen_, label3_,
                                                           label4_, frame1_, frame2_})
        widget->setFocusPolicy(Qt::NoFocus);
    QWidget::setTabOrder(optSpielart_[0], optSpielart_[1]);
    QWidget::setTabOrder(optSpielart_[1], cmdVorschau_);
    QWidget::setTabOrder(cmdVorschau_, cmdSpiel_);
    QWidget::setTabOrder(cmdSpiel_, lstBilder_);
    QWidget::setTabOrder(lstBilder_, command1_);
    optSpielart_[0]->setFocus();
}

} // namespace rutschbild
