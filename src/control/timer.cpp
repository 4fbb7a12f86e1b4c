#include "control.h"

BOOL StartPollTimer(HWND hwndMain)
{
    if (SetTimer(hwndMain, POLL_TIMER_ID, POLL_INTERVAL_MS, NULL) != 0)
        return TRUE;
    // Without the timer nothing is ever searched or posted again, so the user must hear of it.
    MessageBoxA(hwndMain, "タイマーがセットできませんでした", "失敗", MB_OK);
    return FALSE;
}
