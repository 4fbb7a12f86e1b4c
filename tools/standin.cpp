// A stand-in for the target application: an unowned main window titled "BrassKites - stand-in"
// of class "D3D Window", which counts the commands it receives and shows the count, the rate
// over the last five seconds and the time of the last one. For tests it can log every command
// with a timestamp, stop pumping messages for a while, and open an owned window that looks like
// it.
//
//   standin.exe [--log FILE] [--hang-after S --hang-for S] [--owned] [--title TEXT]
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const int TARGET_COMMAND = 40029;
static const UINT_PTR REFRESH_TIMER = 1;
static const UINT_PTR HANG_TIMER = 2;
static const int RECENT = 64; // enough for five seconds at the tool's rate

static FILE *g_log;
static DWORD g_started;
static long g_targetCommands;
static long g_otherCommands;
static DWORD g_lastCommandAt;
static DWORD g_recent[RECENT]; // arrival times of the latest target commands, a ring
static int g_hangFor;

static const char *Option(int argc, char **argv, const char *name)
{
    for (int i = 1; i + 1 < argc; i++)
        if (strcmp(argv[i], name) == 0)
            return argv[i + 1];
    return NULL;
}

static bool Flag(int argc, char **argv, const char *name)
{
    for (int i = 1; i < argc; i++)
        if (strcmp(argv[i], name) == 0)
            return true;
    return false;
}

static double RecentRate(DWORD now)
{
    int count = 0;
    for (int i = 0; i < RECENT; i++)
        if (g_recent[i] != 0 && now - g_recent[i] <= 5000)
            count++;
    return count / 5.0;
}

static void OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    DWORD now = GetTickCount();
    if (wParam == (WPARAM)TARGET_COMMAND) {
        g_recent[g_targetCommands % RECENT] = now;
        g_targetCommands++;
        g_lastCommandAt = now;
    } else {
        g_otherCommands++;
    }
    if (g_log != NULL) {
        fprintf(g_log, "%lu %lu %ld\n", (unsigned long)(now - g_started), (unsigned long)wParam,
                (long)lParam);
        fflush(g_log);
    }
    InvalidateRect(hwnd, NULL, TRUE);
}

static void OnPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    DWORD now = GetTickCount();
    char line[128];
    int y = 8;
    snprintf(line, sizeof(line), "command 40029 received: %ld", g_targetCommands);
    TextOutA(hdc, 8, y, line, (int)strlen(line));
    y += 20;
    snprintf(line, sizeof(line), "rate over the last 5 s: %.1f /s", RecentRate(now));
    TextOutA(hdc, 8, y, line, (int)strlen(line));
    y += 20;
    if (g_targetCommands > 0)
        snprintf(line, sizeof(line), "last one: %.1f s after start", (g_lastCommandAt - g_started) / 1000.0);
    else
        snprintf(line, sizeof(line), "last one: none yet");
    TextOutA(hdc, 8, y, line, (int)strlen(line));
    y += 20;
    snprintf(line, sizeof(line), "other commands: %ld", g_otherCommands);
    TextOutA(hdc, 8, y, line, (int)strlen(line));
    EndPaint(hwnd, &ps);
}

static LRESULT CALLBACK StandinProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        OnCommand(hwnd, wParam, lParam);
        return 0;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_TIMER:
        if (wParam == HANG_TIMER) {
            KillTimer(hwnd, HANG_TIMER);
            Sleep(g_hangFor * 1000); // not pumping: the platform sees the window hung
        } else {
            InvalidateRect(hwnd, NULL, TRUE);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int main(int argc, char **argv)
{
    HINSTANCE hInstance = GetModuleHandleA(NULL);
    g_started = GetTickCount();
    const char *logPath = Option(argc, argv, "--log");
    if (logPath != NULL)
        g_log = fopen(logPath, "wb"); // plain \n line ends for the scripts that read it
    const char *title = Option(argc, argv, "--title");
    if (title == NULL)
        title = "BrassKites - stand-in";

    WNDCLASSA wc = {};
    wc.lpfnWndProc = StandinProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = "D3D Window (stand-in)";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW, 340, 0, 320, 140,
                                NULL, NULL, hInstance, NULL);
    if (hwnd == NULL)
        return 1;
    ShowWindow(hwnd, SW_SHOWDEFAULT);
    UpdateWindow(hwnd);
    if (g_log != NULL) {
        fprintf(g_log, "# window %lu\n", (unsigned long)(GetTickCount() - g_started));
        fflush(g_log);
    }
    if (Flag(argc, argv, "--owned")) {
        // Same title and class, but owned: a dialog-like window the tool must never pick.
        HWND owned = CreateWindowExA(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW, 340, 150, 320,
                                     100, hwnd, NULL, hInstance, NULL);
        ShowWindow(owned, SW_SHOWNOACTIVATE);
    }
    SetTimer(hwnd, REFRESH_TIMER, 250, NULL);
    const char *hangAfter = Option(argc, argv, "--hang-after");
    const char *hangFor = Option(argc, argv, "--hang-for");
    if (hangAfter != NULL && hangFor != NULL) {
        g_hangFor = atoi(hangFor);
        SetTimer(hwnd, HANG_TIMER, (UINT)(atof(hangAfter) * 1000), NULL);
    }

    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (g_log != NULL)
        fclose(g_log);
    return 0;
}
