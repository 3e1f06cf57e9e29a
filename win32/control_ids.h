#pragma once

// Child window identifiers of Form1. None is IDOK (1) or IDCANCEL (2): Enter and Escape, which
// the dialog manager turns into those, must press no button.
#include <windows.h>

namespace rutschbild::win32 {

enum ControlId : int {
    kFrame1 = 1000,
    kOptSpielart0,
    kOptSpielart1,
    kCmdVorschau,
    kCmdSpiel,
    kFrame2,
    kLstBilder,
    kCommand1,
    kLabel4,
    kLabel3,
    kLblBewegungen,
    kLblSpielzeit,
    kLabel2,
    kLblStartzeit,
    kLabel1,
    kBoard,
};

constexpr UINT_PTR kTimer1Id = 1;

} // namespace rutschbild::win32
