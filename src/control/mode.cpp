#include "control.h"

HWND g_hwndTarget;
int  g_editMode;

// Normal also forgets the target, so the next tick looks for its window afresh.
void SelectNormalMode(void)
{
    g_editMode = 0;
    g_hwndTarget = NULL;
}

void SelectEditMode(void)
{
    g_editMode = 1;
}
