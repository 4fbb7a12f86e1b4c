// MossLatch.exe as a process of its own under Wine: started with a command line and a show
// state, closed in each of the ways a user or another program can close it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "resource.h"

namespace {

// Wine starts processes slowly where it runs under emulation; these are limits, not expectations.
const DWORD START_LIMIT_MS = 300000;
const DWORD EXIT_LIMIT_MS = 120000;

struct Instance {
    PROCESS_INFORMATION pi;
    HWND hwnd;
};

struct FindArgs {
    DWORD pid;
    HWND hwnd;
};

BOOL CALLBACK FindInstanceWindow(HWND hwnd, LPARAM lParam)
{
    FindArgs *args = (FindArgs *)lParam;
    DWORD pid = 0;
    char className[64] = "";
    GetWindowThreadProcessId(hwnd, &pid);
    GetClassNameA(hwnd, className, sizeof(className));
    if (pid != args->pid || strcmp(className, "MOSSLATCH") != 0)
        return TRUE;
    args->hwnd = hwnd;
    return FALSE;
}

// Starts the exe; its window is looked for later, so that several can start at once.
bool Start(const char *arguments, int show, Instance *out)
{
    std::string commandLine = std::string("\"") + MOSSLATCH_EXE + "\" " + arguments;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    if (show >= 0) {
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = (WORD)show;
    }
    *out = Instance{};
    return CreateProcessA(NULL, &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &out->pi);
}

// Pumps this thread's messages while waiting, since the test's own windows receive posts.
bool WaitForWindow(Instance *instance)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < START_LIMIT_MS) {
        FindArgs args = {instance->pi.dwProcessId, NULL};
        EnumWindows(FindInstanceWindow, (LPARAM)&args);
        if (args.hwnd != NULL && IsWindowVisible(args.hwnd)) {
            instance->hwnd = args.hwnd;
            return true;
        }
        if (WaitForSingleObject(instance->pi.hProcess, 100) == WAIT_OBJECT_0)
            return false;
    }
    return false;
}

DWORD WaitForExitCode(const Instance &instance)
{
    DWORD code = 0xDEAD;
    if (WaitForSingleObject(instance.pi.hProcess, EXIT_LIMIT_MS) == WAIT_OBJECT_0)
        GetExitCodeProcess(instance.pi.hProcess, &code);
    else
        TerminateProcess(instance.pi.hProcess, 99);
    CloseHandle(instance.pi.hThread);
    CloseHandle(instance.pi.hProcess);
    return code;
}

LRESULT CALLBACK TargetProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND MakeTarget()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TargetProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "D3D Window";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "D3D Window", "BrassKites", WS_OVERLAPPED, 0, 0, 100, 50, NULL, NULL,
                           GetModuleHandleA(NULL), NULL);
}

// Waits for the first command to reach the target; true when it is command 40029.
bool WaitForCommand(HWND target)
{
    DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < START_LIMIT_MS) {
        while (PeekMessageA(&msg, target, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_COMMAND)
                return msg.wParam == 40029 && msg.lParam == 0;
        }
        MsgWaitForMultipleObjects(0, NULL, FALSE, 100, QS_ALLINPUT);
    }
    return false;
}

struct CloseCase {
    const char *name;
    const char *arguments; // ignored by the tool
    int show;              // -1: no show state given
    HWND (*to)(HWND main); // the window that receives the message
    UINT msg;
    WPARAM wParam;
};

HWND Main(HWND main) { return main; }
HWND ExitButton(HWND main) { return GetDlgItem(main, ID_EXIT_BUTTON); }

const CloseCase kCloseCases[] = {
    {"Exit button clicked", "--config x.ini /silent", -1, ExitButton, BM_CLICK, 0},
    {"close box (system Close)", "", SW_SHOWNORMAL, Main, WM_SYSCOMMAND, SC_CLOSE},
    {"close message from another program", "extra words", -1, Main, WM_CLOSE, 0},
    {"menu Exit command from another program", "", -1, Main, WM_COMMAND, ID_EXIT_MENU_ITEM},
};

// The captions and the message are CP932 bytes: they read right only where that is the ANSI code page.
TEST(Process, RunsWithTheJapaneseAnsiCodePage)
{
    EXPECT_EQ(GetACP(), 932u);
}

TEST(Process, EveryWayOfClosingExitsWithZero)
{
    std::vector<Instance> instances(sizeof(kCloseCases) / sizeof(kCloseCases[0]));
    for (size_t i = 0; i < instances.size(); i++)
        ASSERT_TRUE(Start(kCloseCases[i].arguments, kCloseCases[i].show, &instances[i]));

    for (size_t i = 0; i < instances.size(); i++) {
        const CloseCase &c = kCloseCases[i];
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WaitForWindow(&instances[i]));
        PostMessageA(c.to(instances[i].hwnd), c.msg, c.wParam, 0);
    }
    for (size_t i = 0; i < instances.size(); i++) {
        SCOPED_TRACE(kCloseCases[i].name);
        EXPECT_EQ(WaitForExitCode(instances[i]), 0u);
    }
}

TEST(Process, StartedMinimisedStillPolls)
{
    HWND target = MakeTarget();
    ASSERT_TRUE(target != NULL);
    Instance instance;
    ASSERT_TRUE(Start("", SW_SHOWMINNOACTIVE, &instance));
    ASSERT_TRUE(WaitForWindow(&instance));
    EXPECT_TRUE(IsIconic(instance.hwnd));

    PostMessageA(instance.hwnd, WM_COMMAND, ID_EDIT_BUTTON, 0);
    EXPECT_TRUE(WaitForCommand(target)) << "command 40029 arrives while the tool is minimised";

    PostMessageA(instance.hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExitCode(instance), 0u);
    DestroyWindow(target);
}

} // namespace
