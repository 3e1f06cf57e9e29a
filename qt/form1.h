#pragma once

#include "front_end.h"
#include "game_control.h"
#include "layout.h"

#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QTimer;

namespace rutschbild::qt {

class Announcer;
class Beeper;
class BoardGroup;
class BoardLine;
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
    QWidget* createControl(const layout::Control& control);
    void createBoard();
    void setFocusChain();
    void connectEvents();
    void describeForAssistiveTools();
    template <typename Widget = QWidget>
    Widget* widget(layout::ControlId id) const
    {
        return static_cast<Widget*>(controls_[static_cast<std::size_t>(id)]);
    }

    void placeTile(int tile, int slot, int top, int left) override;
    void setHoleTileVisible(bool visible) override;
    void setPictureListEnabled(bool enabled) override;
    void setPlayClockRunning(bool running) override;
    void setGridLinesVisible(bool visible) override;
    void setMovesText(const std::string& text) override;
    void setStartTimeText(const std::string& text) override;
    void setPlayTimeText(const std::string& text) override;
    void beep() override;
    void pictureComplete() override;
    void gameStarted() override;
    void tileMoved(int tile, int slot) override;
    void tileDidNotMove(int tile) override;
    void tilePressedWithoutGame(int tile) override;
    void addListItem(const std::string& text) override;
    std::string selectedListItemText() const override;
    void setTilePicture(int tile, int bitmapNumber) override;
    void closeWindow() override;

    // Created in reverse stacking order: each new child of a widget lies above the older ones.
    std::array<TileImage*, kTiles> tiles_{};
    std::array<BoardLine*, layout::kGridLineCount> gridLines_{};
    std::array<QWidget*, layout::kControls.size()> controls_{}; // by ControlId
    BoardGroup* board_ = nullptr;
    Announcer* announcer_ = nullptr;
    QTimer* playClock_ = nullptr;

    std::unique_ptr<Beeper> ownBeeper_;
    Beeper& beeper_; // ownBeeper_ or one given by the caller
    GameControl control_;
};

} // namespace rutschbild::qt
