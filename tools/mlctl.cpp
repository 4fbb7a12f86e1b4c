// Drives running copies of MossLatch from scripts, as another program on the same desktop would.
//
//   mlctl count                 how many MossLatch windows there are
//   mlctl wait N SECONDS        waits until there are N (exit 1 on time-out)
//   mlctl where ID|close|caption [K]  screen point to click: a button, the close box, the caption
//   mlctl post ID [K|all]       posts WM_COMMAND ID (lParam 0) to window K (0 first) or to all
//   mlctl close-target          posts WM_CLOSE to every stand-in target window
//   mlctl iconic [K]            prints 1 when window K is minimised
//   mlctl times [K]             CPU time used so far by the process of window K, in ms
//   mlctl memory [K]            working set of that process, in KB
//   mlctl launch EXE            starts EXE, prints ms from start to its window shown, closes it
#include <windows.h>
#include <psapi.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static HWND g_found[16];
static int g_count;

static BOOL CALLBACK Collect(HWND hwnd, LPARAM lParam)
{
    char className[64] = "";
    GetClassNameA(hwnd, className, sizeof(className));
    if (strcmp(className, (const char *)lParam) == 0 && g_count < 16)
        g_found[g_count++] = hwnd;
    return TRUE;
}

static DWORD ProcessOf(HWND hwnd)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

// In the order their processes started (Wine hands out rising process ids), so that K stays the
// same copy whichever window is on top.
static int Find(const char *className)
{
    g_count = 0;
    EnumWindows(Collect, (LPARAM)className);
    for (int i = 1; i < g_count; i++)
        for (int j = i; j > 0 && ProcessOf(g_found[j]) < ProcessOf(g_found[j - 1]); j--) {
            HWND t = g_found[j];
            g_found[j] = g_found[j - 1];
            g_found[j - 1] = t;
        }
    return g_count;
}

static HWND Nth(int argc, char **argv, int at)
{
    int k = argc > at ? atoi(argv[at]) : 0;
    if (Find("MOSSLATCH") <= k) {
        fprintf(stderr, "mlctl: no MossLatch window %d\n", k);
        exit(2);
    }
    return g_found[k];
}

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const char *verb = argv[1];
    if (strcmp(verb, "count") == 0) {
        printf("%d\n", Find("MOSSLATCH"));
    } else if (strcmp(verb, "wait") == 0 && argc > 3) {
        DWORD limit = (DWORD)(atof(argv[3]) * 1000);
        DWORD start = GetTickCount();
        while (Find("MOSSLATCH") < atoi(argv[2])) {
            if (GetTickCount() - start > limit)
                return 1;
            Sleep(50);
        }
        Sleep(200); // let it finish showing and painting
    } else if (strcmp(verb, "where") == 0 && argc > 2) {
        HWND hwnd = Nth(argc, argv, 3);
        RECT rc;
        if (strcmp(argv[2], "close") == 0 || strcmp(argv[2], "caption") == 0) {
            GetWindowRect(hwnd, &rc);
            int frame = GetSystemMetrics(SM_CXFRAME);
            int y = rc.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
            int x = strcmp(argv[2], "close") == 0 ? rc.right - frame - GetSystemMetrics(SM_CXSIZE) / 2
                                                    : (rc.left + rc.right) / 2;
            printf("%d %d\n", x, y);
        } else {
            HWND button = GetDlgItem(hwnd, atoi(argv[2]));
            if (button == NULL)
                return 2;
            GetWindowRect(button, &rc);
            printf("%ld %ld\n", (long)(rc.left + rc.right) / 2, (long)(rc.top + rc.bottom) / 2);
        }
    } else if (strcmp(verb, "post") == 0 && argc > 2) {
        WPARAM id = (WPARAM)atoi(argv[2]);
        if (argc > 3 && strcmp(argv[3], "all") == 0) {
            Find("MOSSLATCH");
            for (int i = 0; i < g_count; i++)
                PostMessageA(g_found[i], WM_COMMAND, id, 0);
        } else {
            PostMessageA(Nth(argc, argv, 3), WM_COMMAND, id, 0);
        }
    } else if (strcmp(verb, "close-target") == 0) {
        Find("D3D Window (stand-in)");
        for (int i = 0; i < g_count; i++)
            PostMessageA(g_found[i], WM_CLOSE, 0, 0);
    } else if (strcmp(verb, "times") == 0 || strcmp(verb, "memory") == 0) {
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE,
                                     ProcessOf(Nth(argc, argv, 2)));
        if (process == NULL)
            return 2;
        if (verb[0] == 't') {
            FILETIME created, exited, kernel, user;
            GetProcessTimes(process, &created, &exited, &kernel, &user);
            ULONGLONG k = ((ULONGLONG)kernel.dwHighDateTime << 32) | kernel.dwLowDateTime;
            ULONGLONG u = ((ULONGLONG)user.dwHighDateTime << 32) | user.dwLowDateTime;
            printf("%.1f\n", (double)(k + u) / 10000.0);
        } else {
            PROCESS_MEMORY_COUNTERS pmc = {};
            pmc.cb = sizeof(pmc);
            GetProcessMemoryInfo(process, &pmc, sizeof(pmc));
            printf("%lu\n", (unsigned long)(pmc.WorkingSetSize / 1024));
        }
        CloseHandle(process);
    } else if (strcmp(verb, "launch") == 0 && argc > 2) {
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi;
        LARGE_INTEGER frequency, started, now;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&started);
        if (!CreateProcessA(argv[2], NULL, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
            return 2;
        HWND shown = NULL;
        while (shown == NULL && WaitForSingleObject(pi.hProcess, 1) == WAIT_TIMEOUT) {
            Find("MOSSLATCH");
            for (int i = 0; i < g_count; i++)
                if (ProcessOf(g_found[i]) == pi.dwProcessId && IsWindowVisible(g_found[i]))
                    shown = g_found[i];
        }
        QueryPerformanceCounter(&now);
        if (shown == NULL)
            return 1;
        printf("%.1f\n", (double)(now.QuadPart - started.QuadPart) * 1000.0 / (double)frequency.QuadPart);
        PostMessageA(shown, WM_CLOSE, 0, 0);
        WaitForSingleObject(pi.hProcess, 10000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    } else if (strcmp(verb, "iconic") == 0) {
        printf("%d\n", IsIconic(Nth(argc, argv, 2)) ? 1 : 0);
    } else {
        fprintf(stderr, "mlctl: unknown command %s\n", verb);
        return 2;
    }
    return 0;
}
