#pragma once

// What the player hears: the system's default sound, once a call.
namespace rutschbild::win32 {

void playBeep();

} // namespace rutschbild::win32
