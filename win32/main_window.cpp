// MainWindow's messages and the window operations on its native controls.
#include "main_window.h"
#include "colours.h"
#include "dpi.h"
#include "failure.h"
#include "failure_texts.h"
#include "sound.h"
#include "text.h"
#include "window_procedure.h"

namespace rutschbild::win32 {

using layout::ControlId;

namespace {

constexpr wchar_t kClassName[] = L"RutschbildMainWindow";
// The window paints only around its controls, so the board, which paints every one of its pixels,
// does not flicker while the window is resized.
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int kIconId = 1;

HICON programIcon(int sizeMetric)
{
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconId),
                                         IMAGE_ICON, size, size, LR_SHARED));
}

} // namespace

MainWindow::MainWindow(const Clock& clock)
    : valueBackground_(CreateSolidBrush(colourRef(layout::kValueBackground))), game_(*this, clock)
{
    [[maybe_unused]] static const bool registered =
        (registerWindowClass(kClassName, &windowProcedure<MainWindow>,
                             [](WNDCLASSEXW& windowClass) {
                                 windowClass.hIcon = programIcon(SM_CXICON);
                                 windowClass.hIconSm = programIcon(SM_CXSMICON);
                                 windowClass.hbrBackground =
                                     reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
                             }),
         true);
    // A control that could not be made fails the window's creation too.
    createWindow(0, kClassName, widen(std::string(layout::kWindowTitle)).c_str(), kStyle,
                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                 GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        reportFailure(kWindowFailureText);
        return;
    }
    dpi_ = windowDpi(window_);
    const SIZE size =
        windowSizeForClient(layout::kClientWidth, layout::kClientHeight, kStyle, 0, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    applyDpi();
    show(game_.view(), kAllParts);
}

MainWindow::~MainWindow()
{
    if (window_ != nullptr)
        DestroyWindow(window_);
}

void MainWindow::show(int showCommand)
{
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return createControls() ? 0 : -1;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kPlayClockId)
            game_.tick();
        return 0;
    case WM_CTLCOLORSTATIC:
        return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0);
        return 0;
    case WM_SETFOCUS:
        if (!IsIconic(window_))
            SetFocus(focus_);
        return 0;
    case WM_DESTROY:
        setPlayClockRunning(false);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void MainWindow::onCommand(int id, int notification)
{
    using enum layout::ControlId;
    // A new selection of the list, by mouse or by the arrow keys, is its Click.
    if (id == controlId(pictureList) && notification == LBN_SELCHANGE) {
        const LRESULT chosen = SendMessageW(controlFor(pictureList), LB_GETCURSEL, 0, 0);
        if (chosen != LB_ERR)
            game_.choosePicture(static_cast<int>(chosen));
    }
    if (notification != BN_CLICKED)
        return;
    if (id == controlId(startButton))
        game_.start();
    else if (id == controlId(previewButton))
        game_.preview();
    else if (id == controlId(quitButton))
        game_.quit();
    for (int mode = 0; mode < static_cast<int>(layout::kStartModeOptions.size()); ++mode)
        if (id == controlId(layout::kStartModeOptions[mode]))
            game_.chooseStartMode(static_cast<StartMode>(mode));
}

LRESULT MainWindow::onControlColour(HDC dc, HWND control)
{
    const auto id = static_cast<layout::ControlId>(GetDlgCtrlID(control) - kFirstControlId);
    if (layout::control(id).role == layout::Role::ValueLabel) {
        SetBkColor(dc, colourRef(layout::kValueBackground));
        return reinterpret_cast<LRESULT>(valueBackground_.get());
    }
    if (id == ControlId::creditLabel)
        SetTextColor(dc, colourRef(layout::kCreditColour));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void MainWindow::onDpiChanged(UINT dpi, const RECT& suggested)
{
    dpi_ = dpi;
    // Only the place from the suggestion: its size can miss the designed client area by a pixel.
    const SIZE size =
        windowSizeForClient(layout::kClientWidth, layout::kClientHeight, kStyle, 0, dpi_);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    applyDpi();
}

// The focus goes back to the control the player had, as in a dialog; a window activated while
// minimised shows no control to focus.
void MainWindow::onActivate(bool active, bool minimised)
{
    if (active && !minimised)
        SetFocus(focus_);
}

void MainWindow::show(const WindowView& view, unsigned parts)
{
    board_->show(parts);
    if ((parts & kRunningPart) != 0) {
        EnableWindow(controlFor(ControlId::pictureList), view.pictureListEnabled);
        // A new start sets the timer anew, so its first tick comes a whole interval later.
        setPlayClockRunning(view.playClockRunning);
    }
    if ((parts & kTextsPart) != 0) {
        setText(ControlId::startTimeValue, view.startTimeText);
        setText(ControlId::playTimeValue, view.playTimeText);
        setText(ControlId::movesValue, view.movesText);
    }
}

void MainWindow::setPlayClockRunning(bool running)
{
    if (running)
        SetTimer(window_, kPlayClockId, layout::kPlayClockIntervalMilliseconds, nullptr);
    else
        KillTimer(window_, kPlayClockId);
    playClockRunning_ = running;
}

void MainWindow::setText(ControlId id, const std::string& text)
{
    // Only a text that changed: each new one is an event for screen readers.
    if (narrow(windowText(controlFor(id))) != text)
        SetWindowTextW(controlFor(id), widen(text).c_str());
}

void MainWindow::beep() { playBeep(); }

void MainWindow::announce(std::string_view sentence) { board_->announce(std::string(sentence)); }

// Posted, so the click that asked for it ends first; the title bar's close takes the same road.
void MainWindow::closeWindow() { PostMessageW(window_, WM_CLOSE, 0, 0); }

} // namespace rutschbild::win32
