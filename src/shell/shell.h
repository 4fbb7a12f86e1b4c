// The process entry, the main window class and window, and its window procedure.
#pragma once
#include <windows.h>

extern char g_windowTitle[100];     // "MossLatch", from the string resources
extern char g_windowClassName[100]; // "MOSSLATCH", from the string resources

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

void RegisterMainWindowClass(HINSTANCE hInstance);
// Creates, shows and paints the main window and starts the poll timer. FALSE only when the
// window cannot be created; a timer that will not start has already been reported to the user.
BOOL CreateMainWindow(HINSTANCE hInstance, int nCmdShow);
