// Looks at a running Rutschbild from another process, as a screen reader does: finds the window,
// asks the board for its accessible object and checks its twelve places, tile buttons and at
// most one gap. Then it presses the tiles its arguments number ("10" is "Bildteil 10"), found by
// their names, one after the other. With "listen FILE" first it listens for alerts as a screen
// reader does, reads each alert's text when the event reaches it, waits for the alerts of each
// press before the next one, and writes what it heard to FILE, one UTF-8 line per alert. Exit
// code 0 when all is as expected.
#include "msaa_client.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

using namespace rutschbild::win32;

struct Alert {
    HWND window;
    LONG object;
    LONG child;
};
// Raised, not yet read: like a screen reader, the checker takes up events one after the other
// in the order they came, never inside the callback, where the next one could overtake it.
std::vector<Alert> pending;
std::vector<std::wstring> heard;

void CALLBACK onAlert(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    pending.push_back({window, object, child});
}

void readPending()
{
    for (std::size_t i = 0; i < pending.size(); ++i) {
        IAccessible* raw = nullptr;
        VARIANT child;
        if (FAILED(AccessibleObjectFromEvent(pending[i].window, pending[i].object, pending[i].child,
                                             &raw, &child)))
            continue;
        const ComPointer<IAccessible> alert(raw);
        if (roleOf(*alert, child.lVal) == ROLE_SYSTEM_ALERT &&
            (stateOf(*alert, child.lVal) & STATE_SYSTEM_INVISIBLE) == 0)
            heard.push_back(nameOf(*alert, child.lVal));
    }
    pending.clear();
}

// Out-of-context events arrive as messages of this thread.
void pumpFor(DWORD milliseconds)
{
    for (const ULONGLONG end = GetTickCount64() + milliseconds; GetTickCount64() < end;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
}

// The first alert of a press within five seconds and the others that came with it, read.
bool awaitAlerts(std::size_t before)
{
    for (const ULONGLONG end = GetTickCount64() + 5000; pending.empty() && GetTickCount64() < end;)
        pumpFor(20);
    pumpFor(100);
    readPending();
    return heard.size() > before;
}

// The place whose name is this, or 0.
LONG placeNamed(IAccessible& board, const std::wstring& name)
{
    for (LONG id = 1; id <= 12; ++id)
        if (nameOf(board, id) == name)
            return id;
    return 0;
}

int checkBoard(IAccessible& board)
{
    LONG count = 0;
    board.get_accChildCount(&count);
    bool right = nameOf(board) == L"Bild" && count == 12;
    int gaps = 0;
    std::wstring rows;
    for (LONG id = 1; id <= 12; ++id) {
        const std::wstring name = nameOf(board, id);
        const LONG role = roleOf(board, id);
        gaps += name == L"Lücke";
        right = right && (name == L"Lücke"
                              ? role == ROLE_SYSTEM_STATICTEXT
                              : role == ROLE_SYSTEM_PUSHBUTTON && name.starts_with(L"Bildteil ") &&
                                    placeNamed(board, name) == id);
        rows += name + (id % 4 == 0 ? L" /" : L",") + (id < 12 ? L" " : L"");
    }
    right = right && gaps <= 1;
    std::printf("board \"%ls\" with %ld places: %ls, %s\n", nameOf(board).c_str(), count,
                rows.c_str(), right ? "as expected" : "wrong");
    return right ? 0 : 4;
}

int check(HWND board, bool listen, int pressCount, wchar_t** presses)
{
    const ComPointer<IAccessible> object = clientObject(board);
    if (!object) {
        std::puts("no accessible object for the board");
        return 3;
    }
    if (const int wrong = checkBoard(*object); wrong != 0)
        return wrong;
    for (int i = 0; i < pressCount; ++i) {
        const LONG place = placeNamed(*object, L"Bildteil " + std::wstring(presses[i]));
        const std::size_t before = heard.size();
        if (place == 0 || FAILED(object->accDoDefaultAction(child(place)))) {
            std::printf("pressing Bildteil %ls failed\n", presses[i]);
            return 5;
        }
        if (listen && !awaitAlerts(before)) {
            std::printf("no alert after pressing Bildteil %ls\n", presses[i]);
            return 6;
        }
    }
    return 0;
}

bool write(const wchar_t* path)
{
    FILE* file = _wfopen(path, L"wb");
    if (file == nullptr)
        return false;
    for (const std::wstring& sentence : heard) {
        std::string line(
            WideCharToMultiByte(CP_UTF8, 0, sentence.c_str(), -1, nullptr, 0, nullptr, nullptr),
            '\0');
        WideCharToMultiByte(CP_UTF8, 0, sentence.c_str(), -1, line.data(),
                            static_cast<int>(line.size()), nullptr, nullptr);
        line.back() = '\n';
        std::fputs(line.c_str(), file);
    }
    return std::fclose(file) == 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    HWND window = FindWindowW(L"RutschbildMainWindow", L"Rutschbild");
    HWND board = window ? FindWindowExW(window, nullptr, L"RutschbildBoard", nullptr) : nullptr;
    if (board == nullptr) {
        std::puts("no Rutschbild window");
        return 2;
    }
    const ComApartment apartment;
    const bool listen = argc > 2 && std::wcscmp(argv[1], L"listen") == 0;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const HWINEVENTHOOK hook =
        listen ? SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, onAlert, process,
                                 0, WINEVENT_OUTOFCONTEXT)
               : nullptr;
    const int skipped = listen ? 3 : 1;
    const int result = check(board, listen, argc - skipped, argv + skipped);
    if (hook != nullptr)
        UnhookWinEvent(hook);
    for (const std::wstring& sentence : heard)
        std::printf("heard: %ls\n", sentence.c_str());
    if (listen && !write(argv[2])) {
        std::puts("could not write what was heard");
        return 7;
    }
    return result;
}
