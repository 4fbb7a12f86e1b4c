// The simulated desktop: top-level and child windows with class, title, owner and Z order,
// window procedures, one message queue, timers without a clock (tests deliver ticks), message
// boxes that are recorded and answered at once, and a record of every call.
#include "sim.h"

#include <algorithm>
#include <map>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>

namespace {

struct Window {
    HWND hwnd;
    std::string className;
    std::string title;
    HWND owner;
    HWND parent;
    DWORD style;
    WNDPROC proc;
    HINSTANCE instance;
    UINT_PTR id;
    bool hung;
    int x, y, width, height;
    bool visible;
    bool minimized;
};

struct Class {
    WNDCLASSEXA wc;
    std::string name;
    std::string menuName;
};

std::vector<std::string> g_calls;
std::vector<Window> g_windows;   // every live window
std::vector<HWND> g_zOrder;      // top-level windows, topmost first
std::vector<Class> g_classes;
std::vector<MSG> g_queue;
std::vector<MSG> g_posted;
std::vector<sim::Timer> g_timers;
std::vector<sim::MessageBoxRecord> g_boxes;
uintptr_t g_nextHandle;
HWND g_reuseHandle;
bool g_failSetTimer;
std::string g_failClass;
void (*g_idle)();
std::map<UINT, std::string> g_strings;
std::vector<UINT> g_icons;

void Note(const char *function) { g_calls.push_back(function); }

Window *Find(HWND hwnd)
{
    for (Window &w : g_windows)
        if (w.hwnd == hwnd && hwnd != NULL)
            return &w;
    return NULL;
}

Class *FindClass(LPCSTR name)
{
    for (Class &c : g_classes)
        if (strcasecmp(c.name.c_str(), name) == 0)
            return &c;
    return NULL;
}

int CopyText(const std::string &from, LPSTR to, int max)
{
    if (to == NULL || max <= 0)
        return 0;
    int n = std::min((int)from.size(), max - 1);
    memcpy(to, from.data(), n);
    to[n] = '\0';
    return n;
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void AddSystemClasses()
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = ButtonProc;
    wc.lpszClassName = "BUTTON";
    RegisterClassExA(&wc);
}

} // namespace

namespace sim {

void Reset()
{
    g_windows.clear();
    g_zOrder.clear();
    g_classes.clear();
    g_queue.clear();
    g_posted.clear();
    g_timers.clear();
    g_boxes.clear();
    g_nextHandle = 0x10000;
    g_reuseHandle = NULL;
    g_failSetTimer = false;
    g_failClass.clear();
    g_idle = NULL;
    g_strings.clear();
    g_icons.clear();
    AddSystemClasses();
    g_calls.clear();
}

const std::vector<std::string> &Calls() { return g_calls; }
void ClearCalls() { g_calls.clear(); }
int CallCount(const char *function) { return (int)std::count(g_calls.begin(), g_calls.end(), function); }

void SetHung(HWND hwnd, bool hung)
{
    if (Window *w = Find(hwnd))
        w->hung = hung;
}

void FailSetTimer(bool fail) { g_failSetTimer = fail; }
void ReuseHandleForNextWindow(HWND hwnd) { g_reuseHandle = hwnd; }
void FailCreateWindow(const char *className) { g_failClass = className; }
void OnIdle(void (*idle)()) { g_idle = idle; }
void AddString(UINT id, const char *text) { g_strings[id] = text; }
void AddIcon(UINT id) { g_icons.push_back(id); }

const Timer *FindTimer(HWND hwnd, UINT_PTR id)
{
    for (const Timer &t : g_timers)
        if (t.hwnd == hwnd && t.id == id)
            return &t;
    return NULL;
}

const std::vector<MessageBoxRecord> &MessageBoxes() { return g_boxes; }

std::vector<MSG> PostedTo(HWND hwnd)
{
    std::vector<MSG> posted;
    for (const MSG &m : g_posted)
        if (m.hwnd == hwnd)
            posted.push_back(m);
    return posted;
}

} // namespace sim

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA *wc)
{
    Note("RegisterClassExA");
    if (wc == NULL || wc->lpszClassName == NULL || FindClass(wc->lpszClassName) != NULL)
        return 0;
    Class c;
    c.wc = *wc;
    c.name = wc->lpszClassName;
    c.menuName = IS_INTRESOURCE(wc->lpszMenuName) ? "" : wc->lpszMenuName;
    c.wc.lpszClassName = NULL; // the copies above own the text
    c.wc.lpszMenuName = IS_INTRESOURCE(wc->lpszMenuName) ? wc->lpszMenuName : NULL;
    g_classes.push_back(c);
    return (ATOM)(0xC000 + g_classes.size());
}

ATOM WINAPI RegisterClassA(const WNDCLASSA *wc)
{
    WNDCLASSEXA ex = {};
    ex.cbSize = sizeof(ex);
    ex.style = wc->style;
    ex.lpfnWndProc = wc->lpfnWndProc;
    ex.cbClsExtra = wc->cbClsExtra;
    ex.cbWndExtra = wc->cbWndExtra;
    ex.hInstance = wc->hInstance;
    ex.hIcon = wc->hIcon;
    ex.hCursor = wc->hCursor;
    ex.hbrBackground = wc->hbrBackground;
    ex.lpszMenuName = wc->lpszMenuName;
    ex.lpszClassName = wc->lpszClassName;
    return RegisterClassExA(&ex);
}

BOOL WINAPI GetClassInfoExA(HINSTANCE, LPCSTR className, WNDCLASSEXA *wc)
{
    Note("GetClassInfoExA");
    Class *c = FindClass(className);
    if (c == NULL)
        return FALSE;
    *wc = c->wc;
    wc->lpszClassName = c->name.c_str();
    if (!c->menuName.empty())
        wc->lpszMenuName = c->menuName.c_str();
    return TRUE;
}

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                            int x, int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param)
{
    Note("CreateWindowExA");
    Class *c = className ? FindClass(className) : NULL;
    if (c == NULL || (parent != NULL && Find(parent) == NULL))
        return NULL;
    if ((style & WS_CHILD) && parent == NULL)
        return NULL;
    if (strcasecmp(g_failClass.c_str(), className) == 0)
        return NULL;

    Window w = {};
    if (g_reuseHandle != NULL) {
        w.hwnd = g_reuseHandle;
        g_reuseHandle = NULL;
    } else {
        g_nextHandle += 4;
        w.hwnd = (HWND)g_nextHandle;
    }
    w.className = c->name;
    w.title = windowName ? windowName : "";
    w.style = style;
    w.proc = c->wc.lpfnWndProc;
    w.instance = instance;
    w.x = x == CW_USEDEFAULT ? 100 : x;
    w.y = x == CW_USEDEFAULT ? 100 : y;
    w.width = width;
    w.height = height;
    w.visible = (style & WS_VISIBLE) != 0;
    if (style & WS_CHILD) {
        w.parent = parent;
        w.id = (UINT_PTR)menu;
    } else {
        w.owner = parent;
    }
    HWND hwnd = w.hwnd;
    g_windows.push_back(w);
    if (!(style & WS_CHILD))
        g_zOrder.insert(g_zOrder.begin(), hwnd); // new windows come in on top

    CREATESTRUCTA cs = {};
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.cx = width;
    cs.cy = height;
    cs.x = x;
    cs.y = y;
    cs.style = (LONG)style;
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    if (SendMessageA(hwnd, WM_CREATE, 0, (LPARAM)&cs) == -1) {
        DestroyWindow(hwnd);
        return NULL;
    }
    return hwnd;
}

BOOL WINAPI DestroyWindow(HWND hwnd)
{
    Note("DestroyWindow");
    if (Find(hwnd) == NULL)
        return FALSE;
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    // Children and owned windows go with their parent or owner.
    std::vector<HWND> dependants;
    for (const Window &w : g_windows)
        if (w.parent == hwnd || w.owner == hwnd)
            dependants.push_back(w.hwnd);
    for (HWND d : dependants)
        DestroyWindow(d);
    g_windows.erase(std::remove_if(g_windows.begin(), g_windows.end(),
                                   [hwnd](const Window &w) { return w.hwnd == hwnd; }),
                    g_windows.end());
    g_zOrder.erase(std::remove(g_zOrder.begin(), g_zOrder.end(), hwnd), g_zOrder.end());
    g_timers.erase(std::remove_if(g_timers.begin(), g_timers.end(),
                                  [hwnd](const sim::Timer &t) { return t.hwnd == hwnd; }),
                   g_timers.end());
    g_queue.erase(std::remove_if(g_queue.begin(), g_queue.end(),
                                 [hwnd](const MSG &m) { return m.hwnd == hwnd; }),
                  g_queue.end());
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hwnd)
{
    Note("IsWindow");
    return Find(hwnd) != NULL;
}

BOOL WINAPI IsHungAppWindow(HWND hwnd)
{
    Note("IsHungAppWindow");
    Window *w = Find(hwnd);
    return w != NULL && w->hung;
}

HWND WINAPI GetWindow(HWND hwnd, UINT cmd)
{
    Note("GetWindow");
    Window *w = Find(hwnd);
    if (w == NULL || cmd != GW_OWNER)
        return NULL;
    return w->owner;
}

// A text query of a window that does not exist reads as empty, as on the platform.
static int WindowText(HWND hwnd, std::string Window::*field, LPSTR to, int max)
{
    Window *w = Find(hwnd);
    return CopyText(w != NULL ? w->*field : std::string(), to, max);
}

int WINAPI GetWindowTextA(HWND hwnd, LPSTR text, int max)
{
    Note("GetWindowTextA");
    return WindowText(hwnd, &Window::title, text, max);
}

BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text)
{
    Note("SetWindowTextA");
    Window *w = Find(hwnd);
    if (w == NULL)
        return FALSE;
    w->title = text ? text : "";
    return TRUE;
}

int WINAPI GetClassNameA(HWND hwnd, LPSTR name, int max)
{
    Note("GetClassNameA");
    return WindowText(hwnd, &Window::className, name, max);
}

BOOL WINAPI EnumWindows(WNDENUMPROC proc, LPARAM lParam)
{
    Note("EnumWindows");
    // The callback may destroy windows, so walk a snapshot and skip the ones that went.
    std::vector<HWND> snapshot = g_zOrder;
    for (HWND hwnd : snapshot) {
        if (Find(hwnd) == NULL)
            continue;
        if (!proc(hwnd, lParam))
            return FALSE;
    }
    return TRUE;
}

BOOL WINAPI SetWindowPos(HWND hwnd, HWND after, int, int, int, int, UINT)
{
    Note("SetWindowPos");
    Window *w = Find(hwnd);
    if (w == NULL)
        return FALSE;
    if (after == HWND_TOP && w->parent == NULL) {
        g_zOrder.erase(std::remove(g_zOrder.begin(), g_zOrder.end(), hwnd), g_zOrder.end());
        g_zOrder.insert(g_zOrder.begin(), hwnd);
    }
    return TRUE;
}

BOOL WINAPI PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Note("PostMessageA");
    if (Find(hwnd) == NULL)
        return FALSE;
    MSG m = {};
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    g_queue.push_back(m);
    g_posted.push_back(m);
    return TRUE;
}

LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Note("SendMessageA");
    Window *w = Find(hwnd);
    if (w == NULL)
        return 0;
    return w->proc(hwnd, msg, wParam, lParam);
}

static bool TakeMessage(LPMSG msg, HWND hwnd, UINT min, UINT max, bool remove)
{
    for (size_t i = 0; i < g_queue.size(); i++) {
        const MSG &m = g_queue[i];
        if (hwnd != NULL && m.hwnd != hwnd)
            continue;
        if ((min != 0 || max != 0) && (m.message < min || m.message > max))
            continue;
        *msg = m;
        if (remove)
            g_queue.erase(g_queue.begin() + i);
        return true;
    }
    return false;
}

BOOL WINAPI PeekMessageA(LPMSG msg, HWND hwnd, UINT min, UINT max, UINT remove)
{
    Note("PeekMessageA");
    return TakeMessage(msg, hwnd, min, max, (remove & PM_REMOVE) != 0);
}

// Never blocks: with nothing queued it lets the test act, then delivers the first running
// timer's WM_TIMER as if its period had passed.
BOOL WINAPI GetMessageA(LPMSG msg, HWND hwnd, UINT min, UINT max)
{
    Note("GetMessageA");
    for (int round = 0; round < 2; round++) {
        if (TakeMessage(msg, hwnd, min, max, true))
            return msg->message != WM_QUIT;
        if (round == 0 && g_idle != NULL)
            g_idle();
    }
    if (!g_timers.empty()) {
        *msg = MSG{};
        msg->hwnd = g_timers[0].hwnd;
        msg->message = WM_TIMER;
        msg->wParam = g_timers[0].id;
        return TRUE;
    }
    fprintf(stderr, "sim: GetMessageA would wait forever: nothing queued and no timer\n");
    abort();
}

BOOL WINAPI TranslateMessage(const MSG *)
{
    Note("TranslateMessage");
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG *msg)
{
    Note("DispatchMessageA");
    Window *w = Find(msg->hwnd);
    if (w == NULL)
        return 0;
    return w->proc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void WINAPI PostQuitMessage(int exitCode)
{
    Note("PostQuitMessage");
    MSG m = {};
    m.message = WM_QUIT;
    m.wParam = (WPARAM)exitCode;
    g_queue.push_back(m);
}

BOOL WINAPI GetWindowRect(HWND hwnd, RECT *rect)
{
    Note("GetWindowRect");
    Window *w = Find(hwnd);
    if (w == NULL)
        return FALSE;
    int x = w->x, y = w->y;
    for (Window *p = Find(w->parent); p != NULL; p = Find(p->parent)) {
        x += p->x;
        y += p->y;
    }
    *rect = RECT{x, y, x + w->width, y + w->height};
    return TRUE;
}

// Windows here have no frame: a window's client area starts at its own corner.
int WINAPI MapWindowPoints(HWND from, HWND to, POINT *points, UINT count)
{
    Note("MapWindowPoints");
    RECT origin = {};
    LONG dx = 0, dy = 0;
    if (from != NULL && GetWindowRect(from, &origin)) {
        dx += origin.left;
        dy += origin.top;
    }
    if (to != NULL && GetWindowRect(to, &origin)) {
        dx -= origin.left;
        dy -= origin.top;
    }
    for (UINT i = 0; i < count; i++) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(dx, dy);
}

HWND WINAPI GetDlgItem(HWND parent, int id)
{
    Note("GetDlgItem");
    for (const Window &w : g_windows)
        if (w.parent == parent && parent != NULL && w.id == (UINT_PTR)id)
            return w.hwnd;
    return NULL;
}

LONG WINAPI GetWindowLongA(HWND hwnd, int index)
{
    Note("GetWindowLongA");
    Window *w = Find(hwnd);
    if (w == NULL)
        return 0;
    switch (index) {
    case GWL_STYLE:
        return (LONG)(w->style | (w->visible ? WS_VISIBLE : 0) | (w->minimized ? WS_MINIMIZE : 0));
    case GWL_HINSTANCE:
        return (LONG)(uintptr_t)w->instance;
    case GWL_ID:
        return (LONG)w->id;
    }
    return 0;
}

BOOL WINAPI ShowWindow(HWND hwnd, int cmdShow)
{
    Note("ShowWindow");
    Window *w = Find(hwnd);
    if (w == NULL)
        return FALSE;
    BOOL wasVisible = w->visible;
    w->visible = cmdShow != SW_HIDE;
    if (cmdShow == SW_SHOWMINIMIZED || cmdShow == SW_MINIMIZE || cmdShow == SW_SHOWMINNOACTIVE)
        w->minimized = true;
    else if (cmdShow != SW_HIDE && cmdShow != SW_SHOW)
        w->minimized = false;
    return wasVisible;
}

BOOL WINAPI UpdateWindow(HWND hwnd)
{
    Note("UpdateWindow");
    return Find(hwnd) != NULL;
}

BOOL WINAPI IsIconic(HWND hwnd)
{
    Note("IsIconic");
    Window *w = Find(hwnd);
    return w != NULL && w->minimized;
}

BOOL WINAPI IsWindowVisible(HWND hwnd)
{
    Note("IsWindowVisible");
    Window *w = Find(hwnd);
    return w != NULL && w->visible;
}

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT *, BOOL)
{
    Note("InvalidateRect");
    return Find(hwnd) != NULL;
}

HDC WINAPI BeginPaint(HWND hwnd, PAINTSTRUCT *ps)
{
    Note("BeginPaint");
    *ps = PAINTSTRUCT{};
    ps->hdc = (HDC)0x2000;
    return Find(hwnd) != NULL ? ps->hdc : NULL;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT *)
{
    Note("EndPaint");
    return TRUE;
}

int WINAPI LoadStringA(HINSTANCE, UINT id, LPSTR buffer, int max)
{
    Note("LoadStringA");
    auto it = g_strings.find(id);
    if (it == g_strings.end()) {
        if (buffer != NULL && max > 0)
            buffer[0] = '\0';
        return 0;
    }
    return CopyText(it->second, buffer, max);
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name)
{
    Note("LoadIconA");
    UINT id = (UINT)(UINT_PTR)name;
    if (instance == NULL || !IS_INTRESOURCE(name))
        return NULL;
    if (std::find(g_icons.begin(), g_icons.end(), id) == g_icons.end())
        return NULL;
    return (HICON)(UINT_PTR)(0x3000 + id);
}

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name)
{
    Note("LoadCursorA");
    if (instance == NULL && name == IDC_ARROW)
        return (HCURSOR)0x4000;
    return NULL;
}

HMENU WINAPI GetMenu(HWND)
{
    Note("GetMenu");
    return NULL; // no window here ever gets a menu bar
}

HGDIOBJ WINAPI GetStockObject(int object)
{
    Note("GetStockObject");
    return object >= 0 && object <= 8 ? (HGDIOBJ)(UINT_PTR)(0x5000 + object) : NULL;
}

LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT msg, WPARAM, LPARAM lParam)
{
    Note("DefWindowProcA");
    switch (msg) {
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SETTEXT:
        SetWindowTextA(hwnd, (LPCSTR)lParam);
        return TRUE;
    default:
        return 0;
    }
}

UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    Note("SetTimer");
    if (g_failSetTimer || Find(hwnd) == NULL)
        return 0;
    for (sim::Timer &t : g_timers) {
        if (t.hwnd == hwnd && t.id == id) {
            t.elapse = elapse;
            t.hasProc = proc != NULL;
            return id;
        }
    }
    g_timers.push_back(sim::Timer{hwnd, id, elapse, proc != NULL});
    return id;
}

BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id)
{
    Note("KillTimer");
    for (size_t i = 0; i < g_timers.size(); i++) {
        if (g_timers[i].hwnd == hwnd && g_timers[i].id == id) {
            g_timers.erase(g_timers.begin() + i);
            return TRUE;
        }
    }
    return FALSE;
}

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    Note("MessageBoxA");
    g_boxes.push_back(sim::MessageBoxRecord{owner, text ? text : "", caption ? caption : "", type});
    return IDOK;
}

HMODULE WINAPI GetModuleHandleA(LPCSTR)
{
    Note("GetModuleHandleA");
    return (HMODULE)0x400000;
}
