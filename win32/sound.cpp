#include "sound.h"

#include <windows.h>

namespace rutschbild::win32 {

void playBeep() { MessageBeep(MB_OK); }

} // namespace rutschbild::win32
