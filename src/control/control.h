// The tool's logic: which window is the target, whether to post to it, and the poll tick that
// does the work. Everything here runs on the UI thread, inside the main window procedure.
#pragma once
#include <windows.h>

#define POLL_TIMER_ID     32767 // the main window's one timer
#define POLL_INTERVAL_MS  200   // from the end of one tick's work to the next tick
#define TARGET_COMMAND_ID 40029 // the command the target runs for each post

extern HWND g_hwndTarget; // the target's main window; NULL until a search finds it
extern int  g_editMode;   // 0 Normal, otherwise Edit: post to the target on every tick

void SelectNormalMode(void);
void SelectEditMode(void);
void OnPollTick(HWND hwndMain);

// Search callback for EnumWindows: stores the first matching window in g_hwndTarget.
BOOL CALLBACK FindTargetEnumProc(HWND hwnd, LPARAM lParam);
// The one test of what the target's main window looks like, for the search and for checking a
// remembered window before each post.
BOOL IsTargetWindow(HWND hwnd);

// Starts (or restarts) the poll timer; tells the user when the platform refuses.
BOOL StartPollTimer(HWND hwndMain);
