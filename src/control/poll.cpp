#include "control.h"

// One WM_TIMER of the main window. The timer is stopped while the tick works, so the period runs
// from the end of this tick and a slow search never makes ticks queue up.
void OnPollTick(HWND hwndMain)
{
    KillTimer(hwndMain, POLL_TIMER_ID);

    // Before posting, make sure the remembered window is still the target's: after the target
    // restarts its old handle names nothing, or worse, a recycled handle names some other window.
    if (g_hwndTarget != NULL && g_editMode && !IsTargetWindow(g_hwndTarget))
        g_hwndTarget = NULL;

    if (g_hwndTarget == NULL)
        EnumWindows(FindTargetEnumProc, 0);

    // A hung target would pile up posts in its queue and run them all at once when it recovers,
    // so skip the post and keep the target until it responds again.
    if (g_hwndTarget != NULL && g_editMode && !IsHungAppWindow(g_hwndTarget))
        PostMessageA(g_hwndTarget, WM_COMMAND, MAKEWPARAM(TARGET_COMMAND_ID, 0), 0);

    StartPollTimer(hwndMain);
}
