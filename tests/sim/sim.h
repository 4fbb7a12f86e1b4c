// Controls of the simulated desktop that tests use to set the scene, inject faults and read
// back what the code under test asked of the platform. Host tier only.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace sim {

// Back to an empty desktop: no windows but the system classes, no timers, no queued messages,
// no faults, empty records.
void Reset();

// Every platform call the code made, by function name, in order.
const std::vector<std::string> &Calls();
void ClearCalls();
int CallCount(const char *function);

// Faults the real platform cannot be made to show on demand.
void SetHung(HWND hwnd, bool hung);       // IsHungAppWindow answers TRUE until cleared
void FailSetTimer(bool fail);             // every SetTimer returns 0 while set
void ReuseHandleForNextWindow(HWND hwnd); // the next window created gets this (dead) handle

void FailCreateWindow(const char *className); // windows of this class cannot be created
// Called by GetMessageA whenever the queue is empty, before it delivers a timer's WM_TIMER:
// a test's way to act as the user while a message loop runs.
void OnIdle(void (*idle)());

// The resources of the simulated executable module.
void AddString(UINT id, const char *text);
void AddIcon(UINT id);

// Every message ever posted to hwnd, whether or not a message loop has taken it since.
std::vector<MSG> PostedTo(HWND hwnd);

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT elapse;
    bool hasProc;
};
// The running timer with this window and id, or null.
const Timer *FindTimer(HWND hwnd, UINT_PTR id);

struct MessageBoxRecord {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};
const std::vector<MessageBoxRecord> &MessageBoxes();

} // namespace sim
