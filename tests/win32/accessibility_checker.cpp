// Looks at a running Rutschbild from another process, as a screen reader does: finds the window,
// asks the board for its accessible object and checks the twelve tile buttons. With a child id
// as its argument it then presses that tile. Exit code 0 when all is as expected.
#include "msaa_client.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

using namespace rutschbild::win32;

int check(HWND board, LONG press)
{
    const ComPointer<IAccessible> object = clientObject(board);
    if (!object) {
        std::puts("no accessible object for the board");
        return 3;
    }
    LONG count = 0;
    object->get_accChildCount(&count);
    bool right = nameOf(*object) == L"Bild" && count == 12;
    for (LONG id = 1; id <= 12; ++id)
        right = right && nameOf(*object, id) == L"Bildteil " + std::to_wstring(id) &&
                roleOf(*object, id) == ROLE_SYSTEM_PUSHBUTTON;
    std::printf("board \"%ls\" with %ld children, named %s\n", nameOf(*object).c_str(), count,
                right ? "as expected" : "wrongly");
    if (!right)
        return 4;
    if (press != CHILDID_SELF && FAILED(object->accDoDefaultAction(child(press)))) {
        std::printf("pressing child %ld failed\n", press);
        return 5;
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    HWND form = FindWindowW(L"RutschbildForm1", L"Rutschbild");
    HWND board = form ? FindWindowExW(form, nullptr, L"RutschbildBoard", nullptr) : nullptr;
    if (board == nullptr) {
        std::puts("no Rutschbild window");
        return 2;
    }
    const ComApartment apartment;
    return check(board, argc > 1 ? std::wcstol(argv[1], nullptr, 10) : CHILDID_SELF);
}
