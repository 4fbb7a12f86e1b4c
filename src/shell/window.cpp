#include "shell.h"
#include "control.h"
#include "resource.h"

struct ButtonSpec {
    const char *caption;
    int x;
    int id;
};

// One row of push buttons, 100 x 30, 4 pixels apart. No font is set: they show the system font.
static const ButtonSpec BUTTONS[] = {
    {"通常", 4, ID_NORMAL_BUTTON},
    {"編集", 108, ID_EDIT_BUTTON},
    {"終了", 212, ID_EXIT_BUTTON},
};

static void OnCreate(HWND hwnd)
{
    HINSTANCE hInstance = (HINSTANCE)(LONG_PTR)GetWindowLongA(hwnd, GWL_HINSTANCE);
    for (const ButtonSpec &b : BUTTONS) {
        CreateWindowExA(0, "BUTTON", b.caption, WS_CHILD | WS_VISIBLE, b.x, 4, 100, 30, hwnd,
                        (HMENU)(UINT_PTR)b.id, hInstance, NULL);
    }
}

// Nothing of the mode is drawn; the class background and the buttons are the whole picture.
static void OnPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
}

// Commands are taken from anyone: the notification code and the sending control are not looked at.
static LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case ID_EXIT_MENU_ITEM:
        DestroyWindow(hwnd);
        return 0;
    case ID_NORMAL_BUTTON:
        SelectNormalMode();
        InvalidateRect(hwnd, NULL, TRUE);
        return 0;
    case ID_EDIT_BUTTON:
        SelectEditMode();
        InvalidateRect(hwnd, NULL, TRUE);
        return 0;
    case ID_EXIT_BUTTON:
        SendMessageA(hwnd, WM_CLOSE, 0, 0);
        return 0;
    }
    return DefWindowProcA(hwnd, WM_COMMAND, wParam, lParam);
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        OnCreate(hwnd);
        return 0;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_COMMAND:
        return OnCommand(hwnd, wParam, lParam);
    case WM_TIMER: // whatever its id: the poll timer is the window's only one
        OnPollTick(hwnd);
        return 0;
    case WM_CLOSE:
        KillTimer(hwnd, POLL_TIMER_ID);
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd, POLL_TIMER_ID);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
