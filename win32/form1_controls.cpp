// Form1's native controls at their designed places, in tab order, and their fonts at the
// window's resolution.
#include "control_ids.h"
#include "dpi.h"
#include "form1.h"
#include "form1_layout.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <optional>
#include <string_view>
#include <utility>

namespace rutschbild::win32 {

namespace {

struct ControlDesign {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    TwipRect place;
    std::optional<TwipRect> frame; // the frame the place is relative to
};

constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX | WS_GROUP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP;

// Creation order is the tab order and the order of the arrow-key groups: each WS_GROUP opens a
// group. Only the checked option carries WS_TABSTOP; the buttons move it along when clicked.
const ControlDesign kControls[] = {
    {kFrame1, L"BUTTON", L"Startposition", BS_GROUPBOX | WS_GROUP, layout::kFrame1, {}},
    {kOptSpielart0, L"BUTTON", L"immer gleich", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
     layout::kOptSpielart[0], layout::kFrame1},
    {kOptSpielart1, L"BUTTON", L"immer anders", BS_AUTORADIOBUTTON, layout::kOptSpielart[1],
     layout::kFrame1},
    {kCmdVorschau, L"BUTTON", L"Vorschau", kButton, layout::kCmdVorschau, {}},
    {kCmdSpiel, L"BUTTON", L"Start", kButton, layout::kCmdSpiel, {}},
    {kFrame2, L"BUTTON", L"Bildauswahl", BS_GROUPBOX | WS_GROUP, layout::kFrame2, {}},
    {kLstBilder, L"LISTBOX", L"",
     LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_GROUP, layout::kLstBilder,
     layout::kFrame2},
    {kCommand1, L"BUTTON", L"Tschüss", kButton, layout::kCommand1, {}},
    {kLabel4, L"STATIC", L"Rutschbild 1.0 – © 2026 das Rutschbild-Team", kLabel, layout::kLabel4,
     {}},
    {kLabel3, L"STATIC", L"Bewegungen:", kLabel, layout::kLabel3, {}},
    {kLblBewegungen, L"STATIC", L"", kLabel, layout::kLblBewegungen, {}},
    {kLblSpielzeit, L"STATIC", L"", kLabel, layout::kLblSpielzeit, {}},
    {kLabel2, L"STATIC", L"Spielzeit:", kLabel, layout::kLabel2, {}},
    {kLblStartzeit, L"STATIC", L"", kLabel, layout::kLblStartzeit, {}},
    {kLabel1, L"STATIC", L"Startzeit:", kLabel, layout::kLabel1, {}},
};

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

RECT designedPixels(const ControlDesign& design, UINT dpi)
{
    return design.frame ? pixelRectIn(*design.frame, design.place, dpi)
                        : pixelRect(design.place, dpi);
}

// Room a control's own drawing takes beside its text: the radio circle, a button's edges, the
// gap before a frame's title.
int textRoom(const ControlDesign& design, const RECT& place, UINT dpi)
{
    const int width = place.right - place.left;
    if (std::wstring_view(design.className) == L"STATIC")
        return width;
    const int scale = static_cast<int>(dpi);
    if ((design.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
        return width - MulDiv(16, scale, kDesignDpi);
    // A frame's title starts up to 10 pixels in, and its line has to show right of the title too.
    if ((design.style & BS_TYPEMASK) == BS_GROUPBOX)
        return width - 2 * MulDiv(10, scale, kDesignDpi);
    return width - 2 * MulDiv(6, scale, kDesignDpi);
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
        for (const ControlDesign& design : kControls) {
            if (design.id == kLabel4 || design.id == kLstBilder)
                continue;
            const RECT place = designedPixels(design, dpi);
            const bool valueLabel = design.id == kLblStartzeit || design.id == kLblSpielzeit ||
                                    design.id == kLblBewegungen;
            const std::wstring_view text = valueLabel ? L"23 : 59 : 59" : design.text;
            SIZE size{};
            GetTextExtentPoint32W(screen, text.data(), static_cast<int>(text.size()), &size);
            fits = fits && size.cx <= textRoom(design, place, dpi) &&
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

// Label4's own font; where Lucida Console is missing, the system's fixed-pitch face.
Font creditFont(UINT dpi)
{
    static const bool lucida = fontInstalled(L"Lucida Console");
    return createFont(8.25, 0, dpi, FIXED_PITCH | FF_MODERN, lucida ? L"Lucida Console" : L"");
}

} // namespace

void Form1::createControls()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const ControlDesign& design : kControls) {
        // A frame draws only its line and title; transparent, it lets the form, which paints only
        // around its controls, paint the background inside it too.
        const bool frame = design.id == kFrame1 || design.id == kFrame2;
        const DWORD exStyle =
            design.id == kLstBilder ? WS_EX_CLIENTEDGE : frame ? WS_EX_TRANSPARENT : 0;
        HWND child = CreateWindowExW(exStyle, design.className, design.text,
                                     WS_CHILD | WS_VISIBLE | design.style, 0, 0, 0, 0, window_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)),
                                     instance, nullptr);
        SetWindowSubclass(child, &controlProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    SendMessageW(control(kOptSpielart0), BM_SETCHECK, BST_CHECKED, 0);
    board_ = std::make_unique<Board>(window_, kBoard,
                                     [this](int tile) { control_.imgBildClick(tile); });
    focus_ = control(kOptSpielart0);
}

// Every control tells the form when it takes the focus, which the form gives back to it after
// the window was in the background or minimised. And no button takes the default style, which
// the dialog manager gives a button that Tab reaches: the form has no default button.
LRESULT CALLBACK Form1::controlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR form)
{
    switch (message) {
    case WM_SETFOCUS:
        reinterpret_cast<Form1*>(form)->focus_ = control;
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

void Form1::applyDpi()
{
    // The old fonts are released only once no control uses them any more.
    Font newWindowFont = windowFont(dpi_);
    Font newCreditFont = creditFont(dpi_);
    for (const ControlDesign& design : kControls) {
        HWND child = control(design.id);
        const RECT place = designedPixels(design, dpi_);
        SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        HFONT font = design.id == kLabel4 ? newCreditFont.get() : newWindowFont.get();
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    windowFont_ = std::move(newWindowFont);
    creditFont_ = std::move(newCreditFont);
    // One item fills the list's one line, so exactly one shows at a time.
    RECT listClient;
    GetClientRect(control(kLstBilder), &listClient);
    SendMessageW(control(kLstBilder), LB_SETITEMHEIGHT, 0, listClient.bottom);
    board_->setDpi(dpi_);
}

} // namespace rutschbild::win32
