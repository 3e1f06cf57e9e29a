// MainWindow's native controls from the window's control table, in tab order, and their fonts at
// the window's resolution.
#include "dpi.h"
#include "failure.h"
#include "main_window.h"
#include "picture_sets.h"
#include "text.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <array>
#include <string>
#include <utility>

namespace rutschbild::win32 {

namespace {

using layout::Control;
using layout::Role;

struct NativeControl {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// Creation order is the tab order and the order of the arrow-key groups: each WS_GROUP opens a
// group. Only the checked option carries WS_TABSTOP; the buttons move it along when clicked. A
// frame draws only its line and title; transparent, it lets the window, which paints only around
// its controls, paint the background inside it too.
NativeControl nativeControl(const Control& control)
{
    if (control.role == Role::Frame)
        return {L"BUTTON", BS_GROUPBOX | WS_GROUP, WS_EX_TRANSPARENT};
    if (control.role == Role::OptionButton) {
        const bool first = control.id == layout::kStartModeOptions.front();
        const bool chosen = control.id == layout::kInitiallyChosenOption;
        return {L"BUTTON",
                BS_AUTORADIOBUTTON | (first ? WS_GROUP : 0u) | (chosen ? WS_TABSTOP : 0u), 0};
    }
    if (control.role == Role::ListBox)
        return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                WS_EX_CLIENTEDGE};
    if (control.role == Role::Button)
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0};
    return {L"STATIC", SS_LEFT | SS_NOPREFIX | WS_GROUP, 0}; // a label
}

// The table in tab order.
std::array<const Control*, layout::kControls.size()> inTabOrder()
{
    std::array<const Control*, layout::kControls.size()> order{};
    for (const Control& control : layout::kControls)
        order[static_cast<std::size_t>(control.tabIndex)] = &control;
    return order;
}

int CALLBACK noteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one is enough
}

bool fontInstalled(const wchar_t* face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    HDC screen = GetDC(nullptr);
    bool found = false;
    EnumFontFamiliesExW(screen, &wanted, noteFontFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

Font createFont(double points, int width, UINT dpi, BYTE pitchAndFamily, const wchar_t* face)
{
    return Font(CreateFontW(fontHeight(points, dpi), width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, pitchAndFamily, face));
}

// Room a control's own drawing takes beside its text: the radio circle, a button's edges, the
// gap before a frame's title.
int textRoom(Role role, const RECT& place, UINT dpi)
{
    const int width = place.right - place.left;
    const int scale = static_cast<int>(dpi);
    if (role == Role::OptionButton)
        return width - MulDiv(16, scale, kDesignDpi);
    // A frame's title starts up to 10 pixels in, and its line has to show right of the title too.
    if (role == Role::Frame)
        return width - 2 * MulDiv(10, scale, kDesignDpi);
    return role == Role::Button ? width - 2 * MulDiv(6, scale, kDesignDpi) : width;
}

// Whether every text of the layout fits its designed box in this font, the widest texts the
// value labels will ever show included.
bool fitsEveryBox(HFONT font, UINT dpi)
{
    HDC screen = GetDC(nullptr);
    bool fits = true;
    {
        const Selection selection(screen, font); // given back before the DC is
        TEXTMETRICW metrics{};
        GetTextMetricsW(screen, &metrics);
        for (const Control& control : layout::kControls) {
            if (control.id == layout::ControlId::creditLabel || control.role == Role::ListBox)
                continue;
            const RECT place = pixelRect(layout::windowBox(control), dpi);
            const std::wstring text = widen(std::string(
                control.role == Role::ValueLabel ? layout::kWidestValueText : control.text));
            SIZE size{};
            GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
            fits = fits && size.cx <= textRoom(control.role, place, dpi) &&
                   metrics.tmHeight <= place.bottom - place.top;
        }
    }
    ReleaseDC(nullptr, screen);
    return fits;
}

// Tahoma 8 pt, the dialog face of Windows since 2000 and of Wine, fits every box. Where it is
// missing, the font mapper's sans serif a little smaller, and narrowed if it must be.
Font windowFont(UINT dpi)
{
    static const bool tahoma = fontInstalled(L"Tahoma");
    const wchar_t* face = tahoma ? L"Tahoma" : L"";
    constexpr BYTE family = VARIABLE_PITCH | FF_SWISS;
    constexpr double kSizes[] = {8, 7.5, 7};
    Font font;
    for (const double points : kSizes) {
        font = createFont(points, 0, dpi, family, face);
        if (fitsEveryBox(font.get(), dpi))
            return font;
    }
    HDC screen = GetDC(nullptr);
    TEXTMETRICW metrics{};
    {
        const Selection selection(screen, font.get());
        GetTextMetricsW(screen, &metrics);
    }
    ReleaseDC(nullptr, screen);
    for (int width = metrics.tmAveCharWidth - 1; width > metrics.tmAveCharWidth / 2; --width) {
        font = createFont(kSizes[2], width, dpi, family, face);
        if (fitsEveryBox(font.get(), dpi))
            break;
    }
    return font;
}

// The credit label's own font; where its face is missing, the system's fixed-pitch one.
Font creditFont(UINT dpi)
{
    static const std::wstring face = widen(std::string(layout::kCreditFont.family));
    static const bool installed = fontInstalled(face.c_str());
    return createFont(layout::kCreditFont.points, 0, dpi, FIXED_PITCH | FF_MODERN,
                      installed ? face.c_str() : L"");
}

} // namespace

bool MainWindow::createControls()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const Control* control : inTabOrder()) {
        const NativeControl native = nativeControl(*control);
        HWND child = createWindow(
            native.exStyle, native.className, widen(std::string(control->text)).c_str(),
            WS_CHILD | WS_VISIBLE | native.style, 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(control->id))), instance,
            nullptr);
        if (child == nullptr)
            return false;
        SetWindowSubclass(child, &controlProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    focus_ = controlFor(layout::kInitiallyChosenOption);
    SendMessageW(focus_, BM_SETCHECK, BST_CHECKED, 0);
    HWND list = controlFor(layout::ControlId::pictureList);
    for (const PictureSet& set : kPictureSets)
        SendMessageW(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(widen(std::string(set.name)).c_str()));
    board_ = std::make_unique<Board>(window_, kBoardId, game_.view(),
                                     [this](int tile) { game_.pressTile(tile); });
    return board_->handle() != nullptr;
}

// Every control tells the window when it takes the focus, which the window gives back to it after
// the window was in the background or minimised. And no button takes the default style, which
// the dialog manager gives a button that Tab reaches: the window has no default button.
LRESULT CALLBACK MainWindow::controlProcedure(HWND control, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR id, DWORD_PTR window)
{
    switch (message) {
    case WM_SETFOCUS:
        reinterpret_cast<MainWindow*>(window)->focus_ = control;
        break;
    case BM_SETSTYLE:
        if ((wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            wParam = (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_PUSHBUTTON;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, &controlProcedure, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

void MainWindow::applyDpi()
{
    // The old fonts are released only once no control uses them any more.
    Font newWindowFont = windowFont(dpi_);
    Font newCreditFont = creditFont(dpi_);
    for (const Control& design : layout::kControls) {
        HWND child = controlFor(design.id);
        const RECT place = pixelRect(layout::windowBox(design), dpi_);
        SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        HFONT font =
            design.id == layout::ControlId::creditLabel ? newCreditFont.get() : newWindowFont.get();
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    windowFont_ = std::move(newWindowFont);
    creditFont_ = std::move(newCreditFont);
    // One item fills the list's one line, so exactly one shows at a time.
    RECT listClient;
    HWND list = controlFor(layout::ControlId::pictureList);
    GetClientRect(list, &listClient);
    SendMessageW(list, LB_SETITEMHEIGHT, 0, listClient.bottom);
    board_->setDpi(dpi_);
}

} // namespace rutschbild::win32
