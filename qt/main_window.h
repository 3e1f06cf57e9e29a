#pragma once

#include "front_end.h"
#include "game.h"
#include "layout.h"

#include <QWidget>

#include <array>
#include <memory>

class QTimer;

namespace rutschbild::qt {

class Announcer;
class Beeper;
class Board;

// The one window of the game. It owns the controls, forwards their events to the game as its
// actions and draws what the game shows.
class MainWindow final : public QWidget, private FrontEnd {
    Q_OBJECT
public:
    // With the desktop's event sound as its beep.
    explicit MainWindow(const Clock& clock, QWidget* parent = nullptr);
    MainWindow(const Clock& clock, Beeper& beeper, QWidget* parent = nullptr);
    ~MainWindow() override;

    using QWidget::show; // beside the game's show, which draws a view

    // The control made for an entry of the layout's table.
    template <typename Widget = QWidget>
    Widget* controlFor(layout::ControlId id) const
    {
        return static_cast<Widget*>(controls_[static_cast<std::size_t>(id)]);
    }

private:
    MainWindow(const Clock& clock, std::unique_ptr<Beeper> ownBeeper, Beeper* beeper,
               QWidget* parent);

    void createControls();
    QWidget* createControl(const layout::Control& control);
    void fillPictureList();
    void setFocusChain();
    void connectEvents();

    void show(const WindowView& view, unsigned parts) override;
    void beep() override;
    void announce(std::string_view sentence) override;
    void closeWindow() override;

    std::array<QWidget*, layout::kControls.size()> controls_{}; // by ControlId
    Board* board_ = nullptr;
    Announcer* announcer_ = nullptr;
    QTimer* playClock_ = nullptr;

    std::unique_ptr<Beeper> ownBeeper_;
    Beeper& beeper_; // ownBeeper_ or one given by the caller
    Game game_;
};

} // namespace rutschbild::qt
