// Form1's messages and the window operations on its native controls.
#include "form1.h"
#include "control_ids.h"
#include "dpi.h"
#include "form1_layout.h"
#include "text.h"
#include "window_procedure.h"

#include <cassert>

namespace rutschbild::win32 {

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
    CreateWindowExW(0, kClassName, L"Rutschbild", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr),
                    this);
    assert(window_ != nullptr);
    dpi_ = windowDpi(window_);
    const SIZE size = windowSizeForClient(layout::kClientWidth, layout::kClientHeight, kStyle, 0, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    applyDpi();
    control_.Form_Load();
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
        createControls();
        return 0;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kTimer1Id)
            control_.timer1Tick();
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
    if (id == kLstBilder) {
        // A new selection, by mouse or by the arrow keys, is the list's Click.
        if (notification == LBN_SELCHANGE)
            control_.lstBilderClick();
        return;
    }
    if (notification != BN_CLICKED)
        return;
    switch (id) {
    case kCmdSpiel:
        control_.cmdSpielClick();
        break;
    case kCmdVorschau:
        control_.cmdVorschauClick();
        break;
    case kCommand1:
        control_.command1Click();
        break;
    case kOptSpielart0:
    case kOptSpielart1:
        control_.optSpielartClick(id - kOptSpielart0);
        break;
    default:
        break;
    }
}

LRESULT Form1::onControlColour(HDC dc, HWND control)
{
    switch (GetDlgCtrlID(control)) {
    case kLblStartzeit:
    case kLblSpielzeit:
    case kLblBewegungen:
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case kLabel4:
        SetTextColor(dc, RGB(0, 0, 255));
        break;
    default:
        break;
    }
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

void Form1::placeTile(int tile, int top, int left) { board_->placeTile(tile, top, left); }

void Form1::setTile11Visible(bool visible) { board_->setTileVisible(11, visible); }

void Form1::setPictureListEnabled(bool enabled) { EnableWindow(control(kLstBilder), enabled); }

void Form1::setPlayClockRunning(bool running)
{
    if (running)
        SetTimer(window_, kTimer1Id, layout::kTimer1IntervalMilliseconds, nullptr);
    else
        KillTimer(window_, kTimer1Id);
    playClockRunning_ = running;
}

void Form1::setGridLinesVisible(bool visible) { board_->setLinesVisible(visible); }

std::string Form1::movesText() const { return narrow(windowText(control(kLblBewegungen))); }

void Form1::setMovesText(const std::string& text)
{
    SetWindowTextW(control(kLblBewegungen), widen(text).c_str());
}

void Form1::setStartTimeText(const std::string& text)
{
    SetWindowTextW(control(kLblStartzeit), widen(text).c_str());
}

void Form1::beep() { MessageBeep(MB_OK); }

int Form1::tileTop(int tile) const { return board_->tileTop(tile); }

int Form1::tileLeft(int tile) const { return board_->tileLeft(tile); }

void Form1::addListItem(const std::string& text)
{
    SendMessageW(control(kLstBilder), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(widen(text).c_str()));
}

std::string Form1::selectedListItemText() const
{
    HWND list = control(kLstBilder);
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return {};
    std::wstring text(SendMessageW(list, LB_GETTEXTLEN, selected, 0) + 1, L'\0');
    text.resize(SendMessageW(list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(text.data())));
    return narrow(text);
}

void Form1::setTilePicture(int tile, int bitmapNumber) { board_->setPicture(tile, bitmapNumber); }

void Form1::setPlayTimeText(const std::string& text)
{
    SetWindowTextW(control(kLblSpielzeit), widen(text).c_str());
}

// Posted, so the click that asked for it ends first; the title bar's close takes the same road.
void Form1::closeWindow() { PostMessageW(window_, WM_CLOSE, 0, 0); }

} // namespace rutschbild::win32
