// Windows made for a test through the ordinary platform calls, so that one test source runs on
// the host's simulated desktop and on a real one under Wine. Everything a Desk made is destroyed
// with it, and the control state starts each test at its process-start values.
#pragma once
#include <windows.h>
#include <vector>

class Desk {
public:
    Desk();
    ~Desk();
    Desk(const Desk &) = delete;
    Desk &operator=(const Desk &) = delete;

    // A hidden top-level window; with an owner it is an owned window, as a dialog is.
    HWND Make(const char *className, const char *title, HWND owner = NULL);
    // A window that stands in for the tool's main window and owns the poll timer.
    HWND Main();
    // A target window and the tool in Edit, one tick done and its post taken: a tool that is
    // posting to a target it knows. Returns the target.
    HWND StartPosting(const char *title = "BrassKites");
    void Destroy(HWND hwnd);
    void Raise(HWND hwnd);
    // Removes and returns what has been posted to hwnd.
    std::vector<MSG> TakePosted(HWND hwnd);

private:
    std::vector<HWND> windows_;
    HWND main_;
};

// The main window of class "MOSSLATCH" that this process made, or NULL.
HWND FindMainWindow();
