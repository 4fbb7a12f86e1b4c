#include "desk.h"

#include <string.h>

#include "control.h"
#ifdef MOSSLATCH_SIM
#include "sim.h"
#endif

Desk::Desk() : main_(NULL)
{
#ifdef MOSSLATCH_SIM
    sim::Reset();
#endif
    g_hwndTarget = NULL;
    g_editMode = 0;
}

Desk::~Desk()
{
    for (HWND hwnd : windows_)
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
    }
    g_hwndTarget = NULL;
    g_editMode = 0;
}

HWND Desk::Make(const char *className, const char *title, HWND owner)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = className;
    RegisterClassA(&wc); // fails harmlessly when an earlier test registered it
    HWND hwnd = CreateWindowExA(0, className, title, WS_OVERLAPPED, 0, 0, 100, 50, owner, NULL,
                                GetModuleHandleA(NULL), NULL);
    windows_.push_back(hwnd);
    return hwnd;
}

HWND Desk::Main()
{
    if (main_ == NULL)
        main_ = Make("MossLatchTestMain", "MossLatch test");
    return main_;
}

HWND Desk::StartPosting(const char *title)
{
    HWND target = Make("D3D Window", title);
    SelectEditMode();
    OnPollTick(Main());
    TakePosted(target);
    return target;
}

void Desk::Destroy(HWND hwnd) { DestroyWindow(hwnd); }

void Desk::Raise(HWND hwnd)
{
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::vector<MSG> Desk::TakePosted(HWND hwnd)
{
    std::vector<MSG> posted;
    MSG msg;
    while (PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE))
        posted.push_back(msg);
    return posted;
}

static BOOL CALLBACK FindMainWindowProc(HWND hwnd, LPARAM lParam)
{
    char className[64] = "";
    GetClassNameA(hwnd, className, sizeof(className));
    if (strcmp(className, "MOSSLATCH") != 0)
        return TRUE;
    *(HWND *)lParam = hwnd;
    return FALSE;
}

HWND FindMainWindow()
{
    HWND found = NULL;
    EnumWindows(FindMainWindowProc, (LPARAM)&found);
    return found;
}
