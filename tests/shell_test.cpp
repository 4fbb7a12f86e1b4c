// The main window, its class and its procedure, made through the product's own functions:
// runs on the simulated desktop and under Wine.
#include <gtest/gtest.h>

#include <string.h>
#include <strings.h>
#include <string>
#include <vector>

#include "control.h"
#include "desk.h"
#include "resource.h"
#include "shell.h"
#ifdef MOSSLATCH_SIM
#include "sim.h"
#endif

namespace {

// The captions as CP932 bytes, spelled out so that a wrong source or execution charset shows.
const char NORMAL_CAPTION[] = "\x92\xca\x8f\xed"; // 通常
const char EDIT_CAPTION[] = "\x95\xd2\x8f\x57";   // 編集
const char EXIT_CAPTION[] = "\x8f\x49\x97\xb9";   // 終了

// A shown main window, built as WinMain builds it, and taken down again if a test left it up.
class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef MOSSLATCH_SIM
        sim::AddString(IDS_APP_TITLE, "MossLatch");
        sim::AddString(IDS_WINDOW_CLASS, "MOSSLATCH");
        sim::AddIcon(IDI_MOSSLATCH);
        sim::AddIcon(IDI_SMALL);
#endif
        hInstance_ = GetModuleHandleA(NULL);
        LoadStringA(hInstance_, IDS_APP_TITLE, g_windowTitle, sizeof(g_windowTitle));
        LoadStringA(hInstance_, IDS_WINDOW_CLASS, g_windowClassName, sizeof(g_windowClassName));
        RegisterMainWindowClass(hInstance_);
    }

    void TearDown() override
    {
        HWND hwnd = FindMainWindow();
        if (hwnd != NULL)
            DestroyWindow(hwnd);
        TakeQuitCode();
    }

    HWND Create()
    {
        EXPECT_TRUE(CreateMainWindow(hInstance_, SW_SHOWNORMAL));
        HWND hwnd = FindMainWindow();
        EXPECT_TRUE(hwnd != NULL);
        return hwnd;
    }


    // Dispatches what is queued for hwnd (posted commands, timers) as the message loop would.
    static void Pump(HWND hwnd)
    {
        MSG msg;
        while (PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

    // The quit code, or -1 when no quit message is queued.
    static int TakeQuitCode()
    {
        MSG msg;
        if (PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE))
            return (int)msg.wParam;
        return -1;
    }

    Desk desk_;
    HINSTANCE hInstance_ = NULL;
};

TEST_F(MainWindow, ClassAsRegistered)
{
    EXPECT_STREQ(g_windowTitle, "MossLatch");
    EXPECT_STREQ(g_windowClassName, "MOSSLATCH");

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    ASSERT_TRUE(GetClassInfoExA(hInstance_, "MOSSLATCH", &wc));
    EXPECT_EQ(wc.style, (UINT)(CS_HREDRAW | CS_VREDRAW));
    EXPECT_TRUE(wc.lpfnWndProc == MainWindowProc);
    EXPECT_EQ(wc.cbClsExtra, 0);
    EXPECT_EQ(wc.cbWndExtra, 0);
    EXPECT_EQ((void *)wc.hbrBackground, GetStockObject(LTGRAY_BRUSH));
    EXPECT_EQ(wc.hCursor, LoadCursorA(NULL, IDC_ARROW));
    EXPECT_TRUE(wc.hIcon != NULL);
    EXPECT_TRUE(wc.hIconSm != NULL);
    EXPECT_TRUE(wc.lpszMenuName == NULL);
}

TEST_F(MainWindow, TitleSizeNoMenuAndRunningTimer)
{
    HWND hwnd = Create();

    char title[256] = "";
    GetWindowTextA(hwnd, title, sizeof(title));
    EXPECT_STREQ(title, "MossLatch");
    RECT rc;
    ASSERT_TRUE(GetWindowRect(hwnd, &rc));
    EXPECT_EQ(rc.right - rc.left, 324);
    EXPECT_EQ(rc.bottom - rc.top, 64);
    EXPECT_TRUE(GetMenu(hwnd) == NULL) << "the menu resource is never attached";
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_TRUE(KillTimer(hwnd, POLL_TIMER_ID)) << "polling starts with the window";
}

struct ButtonCase {
    int id;
    const char *caption;
    int x;
};

const ButtonCase kButtons[] = {
    {ID_NORMAL_BUTTON, NORMAL_CAPTION, 4},
    {ID_EDIT_BUTTON, EDIT_CAPTION, 108},
    {ID_EXIT_BUTTON, EXIT_CAPTION, 212},
};

TEST_F(MainWindow, ThreePushButtonsWithJapaneseCaptions)
{
    HWND hwnd = Create();

    for (const ButtonCase &b : kButtons) {
        SCOPED_TRACE(b.id);
        HWND button = GetDlgItem(hwnd, b.id);
        ASSERT_TRUE(button != NULL);
        char className[64] = "";
        GetClassNameA(button, className, sizeof(className));
        EXPECT_EQ(strcasecmp(className, "BUTTON"), 0) << className;
        char caption[64] = "";
        GetWindowTextA(button, caption, sizeof(caption));
        EXPECT_STREQ(caption, b.caption);
        RECT rc;
        GetWindowRect(button, &rc);
        MapWindowPoints(NULL, hwnd, (POINT *)&rc, 2);
        EXPECT_EQ(rc.left, b.x);
        EXPECT_EQ(rc.top, 4);
        EXPECT_EQ(rc.right - rc.left, 100);
        EXPECT_EQ(rc.bottom - rc.top, 30);
        DWORD style = (DWORD)GetWindowLongA(button, GWL_STYLE);
        EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), (DWORD)(WS_CHILD | WS_VISIBLE));
        EXPECT_EQ(style & BS_TYPEMASK, (DWORD)BS_PUSHBUTTON);
    }
}

// A command from anywhere does what its button or menu item does, whatever the notification
// code and whoever the sender.
struct CommandCase {
    const char *name;
    int id;
    WORD code;
    bool fromForeignControl;
    bool posted;
    int modeAfter;     // -1: the window is gone
    bool targetKept;
};

const CommandCase kCommands[] = {
    {"Edit button clicked", ID_EDIT_BUTTON, BN_CLICKED, false, false, 1, true},
    {"Edit posted by another program", ID_EDIT_BUTTON, 1, true, true, 1, true},
    {"Normal button clicked", ID_NORMAL_BUTTON, BN_CLICKED, false, false, 0, false},
    {"Normal posted by another program", ID_NORMAL_BUTTON, 7, true, true, 0, false},
    {"unknown command goes to the default procedure", 4242, 0, true, false, 1, true},
    {"Exit button clicked", ID_EXIT_BUTTON, BN_CLICKED, false, false, -1, true},
    {"Exit posted by another program", ID_EXIT_BUTTON, 0, true, true, -1, true},
    {"menu Exit item", ID_EXIT_MENU_ITEM, 0, false, false, -1, true},
    {"menu Exit item posted by another program", ID_EXIT_MENU_ITEM, 1, true, true, -1, true},
};

TEST_F(MainWindow, CommandsFromAnySender)
{
    HWND stranger = desk_.Make("MossLatchTestSender", "another program");
    HWND target = desk_.Make("D3D Window", "BrassKites");
    for (const CommandCase &c : kCommands) {
        SCOPED_TRACE(c.name);
        HWND hwnd = FindMainWindow();
        if (hwnd == NULL)
            hwnd = Create();
        TakeQuitCode();
        g_editMode = 1;
        g_hwndTarget = target;
        HWND sender = c.fromForeignControl ? stranger : GetDlgItem(hwnd, c.id);
        WPARAM wParam = MAKEWPARAM(c.id, c.code);

        if (c.posted) {
            PostMessageA(hwnd, WM_COMMAND, wParam, (LPARAM)sender);
            Pump(hwnd);
        } else {
            EXPECT_EQ(SendMessageA(hwnd, WM_COMMAND, wParam, (LPARAM)sender), (LRESULT)0);
        }

        if (c.modeAfter < 0) {
            EXPECT_FALSE(IsWindow(hwnd));
            EXPECT_EQ(TakeQuitCode(), 0);
        } else {
            EXPECT_TRUE(IsWindow(hwnd));
            EXPECT_EQ(g_editMode, c.modeAfter);
            EXPECT_EQ(TakeQuitCode(), -1);
        }
        EXPECT_EQ(g_hwndTarget, c.targetKept ? target : (HWND)NULL);
    }
}

TEST_F(MainWindow, EveryTimerMessageRunsOneTick)
{
    HWND hwnd = Create();
    HWND target = desk_.Make("D3D Window", "BrassKites");
    SendMessageA(hwnd, WM_COMMAND, ID_EDIT_BUTTON, 0);

    for (UINT_PTR id : {(UINT_PTR)POLL_TIMER_ID, (UINT_PTR)1, (UINT_PTR)0xBEEF}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(SendMessageA(hwnd, WM_TIMER, id, 0), (LRESULT)0);
        std::vector<MSG> posted = desk_.TakePosted(target);
        ASSERT_EQ(posted.size(), 1u);
        EXPECT_EQ(posted[0].wParam, (WPARAM)TARGET_COMMAND_ID);
        EXPECT_TRUE(KillTimer(hwnd, POLL_TIMER_ID)) << "the tick restarted the poll timer";
    }
}

TEST_F(MainWindow, CloseMessageEndsWithQuitCodeZero)
{
    HWND hwnd = Create();

    EXPECT_EQ(SendMessageA(hwnd, WM_CLOSE, 0, 0), (LRESULT)0);

    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(TakeQuitCode(), 0);
}

} // namespace
