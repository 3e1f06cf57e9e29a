// Form1's messages and the window operations on its native controls.
#include "form1.h"
#include "accessible_text.h"
#include "dpi.h"
#include "failure.h"
#include "failure_texts.h"
#include "text.h"
#include "window_procedure.h"

namespace rutschbild::win32 {

using layout::ControlId;

namespace {

constexpr wchar_t kClassName[] = L"RutschbildForm1";
// The form paints only around its controls, so the board, which paints every one of its pixels,
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

Form1::Form1(const Clock& clock) : control_(*this, clock)
{
    [[maybe_unused]] static const bool registered =
        (registerWindowClass(kClassName, &windowProcedure<Form1>,
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
    control_.load();
}

Form1::~Form1()
{
    if (window_ != nullptr)
        DestroyWindow(window_);
}

void Form1::show(int showCommand)
{
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

LRESULT Form1::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return createControls() ? 0 : -1;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kPlayClockId)
            control_.playClockTicked();
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

void Form1::onCommand(int id, int notification)
{
    using enum layout::ControlId;
    // A new selection of the list, by mouse or by the arrow keys, is its Click.
    if (id == controlId(pictureList) && notification == LBN_SELCHANGE)
        control_.pictureListClicked();
    if (notification != BN_CLICKED)
        return;
    if (id == controlId(startButton))
        control_.startClicked();
    else if (id == controlId(previewButton))
        control_.previewClicked();
    else if (id == controlId(quitButton))
        control_.quitClicked();
    for (int mode = 0; mode < static_cast<int>(layout::kStartModeOptions.size()); ++mode)
        if (id == controlId(layout::kStartModeOptions[mode]))
            control_.startModeClicked(mode);
}

LRESULT Form1::onControlColour(HDC dc, HWND control)
{
    const auto id = static_cast<layout::ControlId>(GetDlgCtrlID(control) - kFirstControlId);
    if (layout::control(id).role == layout::Role::ValueLabel) {
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    if (id == ControlId::creditLabel)
        SetTextColor(dc, RGB(0, 0, 255));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void Form1::onDpiChanged(UINT dpi, const RECT& suggested)
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
void Form1::onActivate(bool active, bool minimised)
{
    if (active && !minimised)
        SetFocus(focus_);
}

void Form1::placeTile(int tile, int slot, int top, int left)
{
    board_->placeTile(tile, slot, top, left);
}

void Form1::setHoleTileVisible(bool visible) { board_->setTileVisible(kHoleTile, visible); }

void Form1::setPictureListEnabled(bool enabled)
{
    EnableWindow(control(ControlId::pictureList), enabled);
}

void Form1::setPlayClockRunning(bool running)
{
    if (running)
        SetTimer(window_, kPlayClockId, layout::kPlayClockIntervalMilliseconds, nullptr);
    else
        KillTimer(window_, kPlayClockId);
    playClockRunning_ = running;
}

void Form1::setGridLinesVisible(bool visible) { board_->setLinesVisible(visible); }

void Form1::setText(ControlId id, const std::string& text)
{
    SetWindowTextW(control(id), widen(text).c_str());
}

void Form1::setMovesText(const std::string& text) { setText(ControlId::movesValue, text); }

void Form1::setStartTimeText(const std::string& text) { setText(ControlId::startTimeValue, text); }

void Form1::setPlayTimeText(const std::string& text) { setText(ControlId::playTimeValue, text); }

void Form1::beep() { MessageBeep(MB_OK); }

void Form1::pictureComplete() { board_->announce(std::string(kPictureCompleteText)); }

void Form1::gameStarted() { board_->announce(std::string(kGameStartedText)); }

void Form1::tileMoved(int tile, int slot) { board_->announce(tileMovedText(tile, slot)); }

void Form1::tileDidNotMove(int tile) { board_->announce(tileDidNotMoveText(tile)); }

void Form1::tilePressedWithoutGame(int) { board_->announce(std::string(kNoGameRunningText)); }

void Form1::addListItem(const std::string& text)
{
    SendMessageW(control(ControlId::pictureList), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(widen(text).c_str()));
}

std::string Form1::selectedListItemText() const
{
    HWND list = control(ControlId::pictureList);
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return {};
    std::wstring text(SendMessageW(list, LB_GETTEXTLEN, selected, 0) + 1, L'\0');
    text.resize(SendMessageW(list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(text.data())));
    return narrow(text);
}

void Form1::setTilePicture(int tile, int bitmapNumber) { board_->setPicture(tile, bitmapNumber); }

// Posted, so the click that asked for it ends first; the title bar's close takes the same road.
void Form1::closeWindow() { PostMessageW(window_, WM_CLOSE, 0, 0); }

} // namespace rutschbild::win32
