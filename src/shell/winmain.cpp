#include "shell.h"
#include "resource.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    (void)hPrevInstance;
    (void)lpCmdLine; // the tool takes no arguments

    LoadStringA(hInstance, IDS_APP_TITLE, g_windowTitle, sizeof(g_windowTitle));
    LoadStringA(hInstance, IDS_WINDOW_CLASS, g_windowClassName, sizeof(g_windowClassName));
    RegisterMainWindowClass(hInstance);
    // Exit code 0 means a normal close, so a window that never came up must not report it.
    if (!CreateMainWindow(hInstance, nCmdShow))
        return 1;

    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
