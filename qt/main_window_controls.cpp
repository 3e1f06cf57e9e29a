// Builds the controls of the main window from the layout's table, in their stacking and tab order.
#include "accessibility.h"
#include "board.h"
#include "convert.h"
#include "keyboard.h"
#include "main_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace rutschbild::qt {

namespace {

// The labels the program writes into: white behind their text.
QLabel* makeValueLabel()
{
    // Marked before it has a parent or a text: with a screen reader already listening, the first
    // of those would fix its accessible interface as a plain label's for good.
    auto* label = new QLabel;
    markLabel(label, QAccessible::StaticText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, toQColor(layout::kValueBackground));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

QPushButton* makeButton(const QString& text)
{
    auto* button = new QPushButton(text);
    // No default button: Enter in the window presses nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    pressOnEnter(button);
    return button;
}

QListWidget* makeList()
{
    auto* list = new QListWidget;
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    return list;
}

QFont creditFont()
{
    QFont font = toQFont(layout::kCreditFont);
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

void MainWindow::createControls()
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(toQString(layout::kWindowTitle));
    resize(pixels(layout::kClientWidth), pixels(layout::kClientHeight));
    setFont(windowFont());

    board_ = new Board(game_.view(), this);
    for (const layout::Control& control : layout::kControls)
        controls_[static_cast<std::size_t>(control.id)] = createControl(control);
    for (const layout::Control& control : layout::kControls)
        if (control.role == layout::Role::ValueLabel)
            controlFor<QLabel>(control.caption)->setBuddy(controlFor(control.id));
    controlFor<QRadioButton>(layout::kInitiallyChosenOption)->setChecked(true);
    fillPictureList();

    announcer_ = new Announcer(this);

    playClock_ = new QTimer(this);
    playClock_->setObjectName(QStringLiteral("playClock"));
    playClock_->setInterval(layout::kPlayClockIntervalMilliseconds);

    setFocusChain();
}

// A control is created without a parent and given its frame, or the window, after the frame.
QWidget* MainWindow::createControl(const layout::Control& control)
{
    QWidget* made = nullptr;
    switch (control.role) {
    case layout::Role::Label:
        made = new QLabel(toQString(control.text));
        break;
    case layout::Role::ValueLabel:
        made = makeValueLabel();
        break;
    case layout::Role::Frame:
        made = new QGroupBox(toQString(control.text));
        break;
    case layout::Role::OptionButton:
        made = new QRadioButton(toQString(control.text));
        arrowsSidewaysMoveVertically(static_cast<QRadioButton*>(made));
        break;
    case layout::Role::ListBox:
        made = makeList();
        made->setAccessibleName(toQString(layout::control(control.frame).text));
        break;
    case layout::Role::Button:
        made = makeButton(toQString(control.text));
        break;
    }
    made->setParent(layout::inFrame(control) ? controlFor(control.frame) : this);
    made->setObjectName(toQString(control.name));
    made->setGeometry(pixels(control.box));
    if (auto* label = qobject_cast<QLabel*>(made))
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (control.id == layout::ControlId::creditLabel) {
        made->setFont(creditFont());
        QPalette palette = made->palette();
        palette.setColor(QPalette::WindowText, toQColor(layout::kCreditColour));
        made->setPalette(palette);
    }
    return made;
}

// The controls that take the focus, in the order of their tab index.
void MainWindow::setFocusChain()
{
    QWidget* previous = nullptr;
    for (int tab = 0; tab < static_cast<int>(layout::kControls.size()); ++tab) {
        for (const layout::Control& control : layout::kControls) {
            QWidget* next = controlFor(control.id);
            if (control.tabIndex != tab || next->focusPolicy() == Qt::NoFocus)
                continue;
            if (previous)
                QWidget::setTabOrder(previous, next);
            else
                next->setFocus();
            previous = next;
        }
    }
}

} // namespace rutschbild::qt
