// What a screen reader in another process meets: the board's object across processes, and the
// alerts that tell Start, every press and the win, each read when its event arrives there, after
// the press has returned.
#include "form1_fixture.h"
#include "msaa_client.h"
#include "solver.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace rutschbild::win32 {
namespace {

constexpr Arrangement kFixedArrangement{5, 0, 3, 4, 2, 8, 7, 6, 9, 10, 1, 11};
constexpr char kNoGame[] = "Kein Spiel läuft, bitte erst Start drücken.";

std::string moved(int tile, int slot)
{
    return "Bildteil " + std::to_string(tile + 1) + " nach Reihe " + std::to_string(slot / 4 + 1) +
           ", Spalte " + std::to_string(slot % 4 + 1) + ".";
}

// Where the hook below writes the child ids of the alerts the window raises while it records.
std::vector<LONG>* raisedAlerts = nullptr;

void CALLBACK recordAlert(HWINEVENTHOOK, DWORD, HWND, LONG, LONG child, DWORD, DWORD)
{
    if (raisedAlerts != nullptr)
        raisedAlerts->push_back(child);
}

class Form1Announcements : public Form1Test {
protected:
    // No checker's words outlive the test: neither read by the next one nor left in the prefix.
    Form1Announcements() { DeleteFileW(heardFile().c_str()); }
    ~Form1Announcements() override { DeleteFileW(heardFile().c_str()); }

    // The checker's exit code, 0 for success; with listening, what it heard goes to heard().
    DWORD runChecker(const std::wstring& arguments);
    DWORD runListeningChecker(const std::wstring& presses)
    {
        return runChecker(L"listen \"" + heardFile() + L"\" " + presses);
    }
    std::vector<std::string> heard() const
    {
        std::vector<std::string> lines;
        std::ifstream file{std::filesystem::path(heardFile())};
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
        return lines;
    }
    static std::wstring heardFile()
    {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        return std::wstring(folder) + L"rutschbild-heard.txt";
    }
};

// A screen reader runs in a process of its own: the object must reach it and take its calls
// while the window's thread goes on delivering messages.
DWORD Form1Announcements::runChecker(const std::wstring& arguments)
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring command(path, length);
    command = L"\"" + command.substr(0, command.find_last_of(L"\\/") + 1) +
              L"accessibility_checker.exe\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 1; // no checker
    const std::unique_ptr<void, decltype(&CloseHandle)> thread(process.hThread, &CloseHandle);
    const std::unique_ptr<void, decltype(&CloseHandle)> owned(process.hProcess, &CloseHandle);
    const ULONGLONG deadline = GetTickCount64() + 60'000;
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) !=
               WAIT_OBJECT_0 &&
           GetTickCount64() < deadline)
        pump();
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    if (exitCode == STILL_ACTIVE)
        TerminateProcess(process.hProcess, 1);
    pump();
    return exitCode;
}

TEST_F(Form1Announcements, AnotherProcessSeesTheTilesAndPressesOne)
{
    click(startButton);
    EXPECT_EQ(runChecker(L"10"), 0u);
    EXPECT_EQ(slotOf(9), 11);
    EXPECT_EQ(text(movesValue), L"1");
}

// Every sentence of a game from a press before Start to the win, heard in another process one
// press at a time, each once and in order; the last move's and the win's, raised by one press,
// read as two.
TEST_F(Form1Announcements, AnotherProcessHearsEverySentenceInOrder)
{
    EXPECT_EQ(runListeningChecker(L"10"), 0u);
    EXPECT_EQ(heard(), std::vector<std::string>{kNoGame});

    click(startButton);
    const auto solution = testing::solve(kFixedArrangement);
    ASSERT_TRUE(solution.has_value());
    std::wstring presses = L"1"; // in slot 5, not beside the hole
    std::vector<std::string> expected{"Bildteil 1 liegt nicht neben der Lücke."};
    Arrangement places = kFixedArrangement;
    for (const int tile : *solution) {
        presses += L" " + std::to_wstring(tile + 1);
        std::swap(places[tile], places[kHoleTile]);
        expected.push_back(moved(tile, places[tile]));
    }
    expected.push_back("Das Bild ist vollständig.");
    EXPECT_EQ(runListeningChecker(presses), 0u);
    EXPECT_EQ(heard(), expected);
    expectNoGame();
}

// Start's sentence, as listeners in the window's own process hear it, and the alert's text
// asked for only after the click has returned.
TEST_F(Form1Announcements, StartSaysThatANewGameBegan)
{
    std::vector<LONG> alerts;
    raisedAlerts = &alerts;
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, recordAlert,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    click(startButton);
    click(startButton);
    UnhookWinEvent(hook);
    raisedAlerts = nullptr;
    const ComPointer<IAccessible> pane = clientObject(board());
    ASSERT_EQ(alerts.size(), 2u);
    EXPECT_NE(alerts[0], alerts[1]); // each sentence an alert of its own
    for (const LONG alert : alerts) {
        EXPECT_EQ(nameOf(*pane, alert), L"Neues Spiel.");
        EXPECT_EQ(roleOf(*pane, alert), ROLE_SYSTEM_ALERT);
    }
}

} // namespace
} // namespace rutschbild::win32
