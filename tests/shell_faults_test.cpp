// The shell on the simulated desktop only: the whole of WinMain, failures the platform cannot
// be made to show, and the order of the platform calls on close.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "control.h"
#include "desk.h"
#include "expected_text.h"
#include "resource.h"
#include "shell.h"
#include "sim.h"

namespace {

HINSTANCE const MODULE = (HINSTANCE)0x400000;

class Shell : public ::testing::Test {
protected:
    void SetUp() override
    {
        sim::AddString(IDS_APP_TITLE, "MossLatch");
        sim::AddString(IDS_WINDOW_CLASS, "MOSSLATCH");
        sim::AddIcon(IDI_MOSSLATCH);
        sim::AddIcon(IDI_SMALL);
        g_idleTicks = 0;
        g_script.clear();
    }


    // What the user does while WinMain's loop runs, one step each time the queue runs dry. A step
    // that queues nothing lets one poll tick happen.
    static void RunScript()
    {
        int step = g_idleTicks++;
        if (step < (int)g_script.size())
            g_script[step]();
    }

    static int g_idleTicks;
    static std::vector<void (*)()> g_script;
    Desk desk_;
};

int Shell::g_idleTicks;
std::vector<void (*)()> Shell::g_script;

TEST_F(Shell, WinMainRunsUntilExitAndReturnsZero)
{
    static HWND target;
    target = desk_.Make("D3D Window", "BrassKites");
    g_script = {
        [] { PostMessageA(FindMainWindow(), WM_COMMAND, ID_EDIT_BUTTON, 0); },
        [] {},
        [] {},
        [] {},
        [] { PostMessageA(FindMainWindow(), WM_COMMAND, MAKEWPARAM(ID_EXIT_BUTTON, BN_CLICKED), 0); },
    };
    sim::OnIdle(RunScript);

    char commandLine[] = "--ignored /x 42";
    int code = WinMain(MODULE, NULL, commandLine, SW_SHOWDEFAULT);

    EXPECT_EQ(code, 0);
    EXPECT_TRUE(FindMainWindow() == NULL);
    EXPECT_EQ(sim::PostedTo(target).size(), 3u) << "one post for each of three ticks in Edit";
    EXPECT_TRUE(sim::MessageBoxes().empty());
}

TEST_F(Shell, WindowThatCannotBeCreatedFailsWithoutAMessage)
{
    sim::FailCreateWindow("MOSSLATCH");
    char commandLine[] = "";

    EXPECT_NE(WinMain(MODULE, NULL, commandLine, SW_SHOWDEFAULT), 0);
    EXPECT_TRUE(sim::MessageBoxes().empty());
    EXPECT_EQ(sim::CallCount("GetMessageA"), 0);
}

TEST_F(Shell, TimerThatWillNotStartIsReportedOnceAndExitStillWorks)
{
    sim::FailSetTimer(true);
    g_script = {
        [] { PostMessageA(FindMainWindow(), WM_COMMAND, ID_EXIT_BUTTON, 0); },
    };
    sim::OnIdle(RunScript);
    char commandLine[] = "";

    EXPECT_EQ(WinMain(MODULE, NULL, commandLine, SW_SHOWDEFAULT), 0);

    ASSERT_EQ(sim::MessageBoxes().size(), 1u);
    const sim::MessageBoxRecord &box = sim::MessageBoxes()[0];
    EXPECT_TRUE(box.owner != NULL) << "owned by the main window";
    EXPECT_EQ(box.text, TIMER_FAILED_TEXT);
    EXPECT_EQ(box.caption, TIMER_FAILED_CAPTION);
    EXPECT_EQ(box.type, (UINT)MB_OK);
    EXPECT_EQ(sim::CallCount("GetWindow"), 0) << "never polled: no window was ever examined";
}

TEST_F(Shell, MessageBoxOwnerIsTheShownMainWindow)
{
    sim::FailSetTimer(true);
    LoadStringA(MODULE, IDS_APP_TITLE, g_windowTitle, sizeof(g_windowTitle));
    LoadStringA(MODULE, IDS_WINDOW_CLASS, g_windowClassName, sizeof(g_windowClassName));
    RegisterMainWindowClass(MODULE);

    EXPECT_TRUE(CreateMainWindow(MODULE, SW_SHOWNORMAL)) << "a failed timer is no failed start";

    HWND hwnd = FindMainWindow();
    ASSERT_EQ(sim::MessageBoxes().size(), 1u);
    EXPECT_EQ(sim::MessageBoxes()[0].owner, hwnd);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    DestroyWindow(hwnd);
}

TEST_F(Shell, StartedMinimisedStillPolls)
{
    static HWND target;
    target = desk_.Make("D3D Window", "BrassKites");
    static bool iconic;
    g_script = {
        [] { iconic = IsIconic(FindMainWindow()); PostMessageA(FindMainWindow(), WM_COMMAND, ID_EDIT_BUTTON, 0); },
        [] {},
        [] {},
        [] { PostMessageA(FindMainWindow(), WM_CLOSE, 0, 0); },
    };
    sim::OnIdle(RunScript);
    char commandLine[] = "";

    EXPECT_EQ(WinMain(MODULE, NULL, commandLine, SW_SHOWMINNOACTIVE), 0);

    EXPECT_TRUE(iconic);
    EXPECT_EQ(sim::PostedTo(target).size(), 2u);
}

// The poll timer is stopped by WM_CLOSE before the window goes, and again by WM_DESTROY before
// the quit message.
TEST_F(Shell, CloseAndDestroyStopThePollTimerFirst)
{
    LoadStringA(MODULE, IDS_WINDOW_CLASS, g_windowClassName, sizeof(g_windowClassName));
    RegisterMainWindowClass(MODULE);
    ASSERT_TRUE(CreateMainWindow(MODULE, SW_SHOWNORMAL));
    HWND hwnd = FindMainWindow();

    sim::ClearCalls();
    SendMessageA(hwnd, WM_CLOSE, 0, 0);

    std::vector<std::string> calls = sim::Calls();
    calls.erase(std::remove_if(calls.begin(), calls.end(),
                               [](const std::string &c) { return c == "SendMessageA" || c == "DefWindowProcA"; }),
                calls.end());
    EXPECT_EQ(calls, (std::vector<std::string>{"KillTimer", "DestroyWindow", "KillTimer",
                                               "PostQuitMessage", "DestroyWindow", "DestroyWindow",
                                               "DestroyWindow"}));
    EXPECT_TRUE(sim::FindTimer(hwnd, POLL_TIMER_ID) == NULL);
}

} // namespace
