#include "control.h"

static const char TARGET_TITLE_PREFIX[] = "BrassKites";
static const char TARGET_CLASS_PREFIX[] = "D3D Window";

// Bounded comparison with the literal first, byte by byte as unsigned characters, first
// difference decides: a text shorter than the literal fails on its terminating NUL.
static BOOL BeginsWith(const char *text, const char *literal, int length)
{
    for (int i = 0; i < length; i++) {
        if ((unsigned char)literal[i] != (unsigned char)text[i])
            return FALSE;
        if (literal[i] == '\0')
            break;
    }
    return TRUE;
}

BOOL IsTargetWindow(HWND hwnd)
{
    char title[256];
    char className[256];

    // Owned windows (dialogs, tool windows) share the title and class but are never the target.
    if (GetWindow(hwnd, GW_OWNER) != NULL)
        return FALSE;
    // A window that no longer exists reads as an empty title, so it fails the title test.
    title[0] = '\0';
    className[0] = '\0';
    GetWindowTextA(hwnd, title, sizeof(title));
    GetClassNameA(hwnd, className, sizeof(className));
    return BeginsWith(title, TARGET_TITLE_PREFIX, sizeof(TARGET_TITLE_PREFIX) - 1)
        && BeginsWith(className, TARGET_CLASS_PREFIX, sizeof(TARGET_CLASS_PREFIX) - 1);
}

BOOL CALLBACK FindTargetEnumProc(HWND hwnd, LPARAM lParam)
{
    (void)lParam;
    if (!IsTargetWindow(hwnd))
        return TRUE;
    g_hwndTarget = hwnd;
    return FALSE; // the first match, top of the Z order first, wins
}
