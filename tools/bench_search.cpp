// Times one search for the target over a desktop crowded with decoy top-level windows.
//
//   bench_search [DECOYS] [ROUNDS]
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include "control.h"

int main(int argc, char **argv)
{
    int decoys = argc > 1 ? atoi(argv[1]) : 1000;
    int rounds = argc > 2 ? atoi(argv[2]) : 20;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "Decoy";
    RegisterClassA(&wc);
    for (int i = 0; i < decoys; i++) {
        char title[32];
        snprintf(title, sizeof(title), "BrassKite decoy %d", i); // close, but no match
        CreateWindowExA(0, "Decoy", title, WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, wc.hInstance, NULL);
    }
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int r = 0; r < rounds; r++) {
        g_hwndTarget = NULL;
        EnumWindows(FindTargetEnumProc, 0);
    }
    QueryPerformanceCounter(&end);
    double ms = (double)(end.QuadPart - start.QuadPart) * 1000.0 / (double)frequency.QuadPart / rounds;
    printf("%.2f\n", ms);
    return 0;
}
