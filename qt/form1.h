#pragma once

#include "front_end.h"
#include "game_control.h"

#include <QWidget>

#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

namespace rutschbild {

class Beeper;
class BoardLine;
class BoardOutline;
class TileImage;

// The one window of the game. It owns the controls, turns their events into the handlers of
// GameControl and carries out what those handlers and the game rules ask of the window.
class Form1 final : public QWidget, private FrontEnd {
    Q_OBJECT
public:
    // With the desktop's event sound as its beep.
    explicit Form1(const Clock& clock, QWidget* parent = nullptr);
    Form1(const Clock& clock, Beeper& beeper, QWidget* parent = nullptr);
    ~Form1() override;

private:
    Form1(const Clock& clock, std::unique_ptr<Beeper> ownBeeper, Beeper* beeper, QWidget* parent);

    void createControls();
    void createBoard();
    void setFocusChain();
    void connectEvents();
    void describeForAssistiveTools();
    void describeTilePlace(int tile);

    // WindowOperations
    void placeTile(int tile, int top, int left) override;
    void setTile11Visible(bool visible) override;
    void setPictureListEnabled(bool enabled) override;
    void setPlayClockRunning(bool running) override;
    void setGridLinesVisible(bool visible) override;
    std::string movesText() const override;
    void setMovesText(const std::string& text) override;
    void setStartTimeText(const std::string& text) override;
    void beep() override;

    // FrontEnd
    int tileTop(int tile) const override;
    int tileLeft(int tile) const override;
    void addListItem(const std::string& text) override;
    std::string selectedListItemText() const override;
    void setTilePicture(int tile, int bitmapNumber) override;
    void setPlayTimeText(const std::string& text) override;
    void closeWindow() override;

    // Created in reverse stacking order: each new child of a widget lies above the older ones.
    std::array<TileImage*, 12> imgBild_{};
    std::array<BoardLine*, 5> line1_{};
    BoardOutline* shape1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* lblStartzeit_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* lblSpielzeit_ = nullptr;
    QLabel* lblBewegungen_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QListWidget* lstBilder_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    std::array<QRadioButton*, 2> optSpielart_{};
    QPushButton* cmdVorschau_ = nullptr;
    QPushButton* cmdSpiel_ = nullptr;
    QPushButton* command1_ = nullptr;
    QTimer* timer1_ = nullptr;

    std::unique_ptr<Beeper> ownBeeper_;
    Beeper& beeper_; // ownBeeper_ or one given by the caller
    GameControl control_;
};

} // namespace rutschbild
