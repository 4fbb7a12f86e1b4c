#include "shell.h"
#include "control.h"
#include "resource.h"

char g_windowTitle[100];
char g_windowClassName[100];

void RegisterMainWindowClass(HINSTANCE hInstance)
{
    WNDCLASSEXA wc;
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWindowProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(hInstance, MAKEINTRESOURCEA(IDI_MOSSLATCH));
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(LTGRAY_BRUSH);
    wc.lpszMenuName = NULL; // the menu resource exists but the window has no menu bar
    wc.lpszClassName = g_windowClassName;
    wc.hIconSm = LoadIconA(hInstance, MAKEINTRESOURCEA(IDI_SMALL));
    RegisterClassExA(&wc);
}

BOOL CreateMainWindow(HINSTANCE hInstance, int nCmdShow)
{
    // 324 x 64 is the outer size: frame and caption included.
    HWND hwnd = CreateWindowExA(0, g_windowClassName, g_windowTitle, WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, 0, 324, 64, NULL, NULL, hInstance, NULL);
    if (hwnd == NULL)
        return FALSE;
    ShowWindow(hwnd, nCmdShow);
    UpdateWindow(hwnd);
    StartPollTimer(hwnd);
    return TRUE;
}
