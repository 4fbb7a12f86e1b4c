// Host-tier stand-in for the platform header: only the types, constants and functions that
// MossLatch and its tests use, with the platform's documented values. The functions are
// implemented by the simulated desktop in sim.cpp.
#pragma once
#include <stddef.h>
#include <stdint.h>

#define WINAPI
#define CALLBACK

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef unsigned int UINT;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef char *LPSTR;
typedef const char *LPCSTR;
typedef void *LPVOID;
typedef unsigned short ATOM;

#define TRUE 1
#define FALSE 0

struct HWND__;     typedef HWND__ *HWND;
struct HINSTANCE__; typedef HINSTANCE__ *HINSTANCE;
typedef HINSTANCE HMODULE;
struct HMENU__;    typedef HMENU__ *HMENU;
struct HICON__;    typedef HICON__ *HICON;
typedef HICON HCURSOR;
struct HBRUSH__;   typedef HBRUSH__ *HBRUSH;
struct HDC__;      typedef HDC__ *HDC;
typedef void *HGDIOBJ;

typedef LRESULT (CALLBACK *WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef BOOL (CALLBACK *WNDENUMPROC)(HWND, LPARAM);
typedef void (CALLBACK *TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

#define LOWORD(l) ((WORD)(((UINT_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((UINT_PTR)(l)) >> 16) & 0xffff))
#define MAKELONG(a, b) ((LONG)(((WORD)(((UINT_PTR)(a)) & 0xffff)) | ((DWORD)((WORD)(((UINT_PTR)(b)) & 0xffff))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKEINTRESOURCEA(i) ((LPSTR)((UINT_PTR)((WORD)(i))))
#define IS_INTRESOURCE(r) ((((UINT_PTR)(r)) >> 16) == 0)

typedef struct tagPOINT { LONG x, y; } POINT;
typedef struct tagRECT { LONG left, top, right, bottom; } RECT;

typedef struct tagMSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
} MSG, *LPMSG;

typedef struct tagWNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
} WNDCLASSA;

typedef struct tagWNDCLASSEXA {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
} WNDCLASSEXA;

typedef struct tagCREATESTRUCTA {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy, cx, y, x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
} CREATESTRUCTA;

typedef struct tagPAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT;

// Messages
#define WM_CREATE     0x0001
#define WM_DESTROY    0x0002
#define WM_SETTEXT    0x000C
#define WM_PAINT      0x000F
#define WM_CLOSE      0x0010
#define WM_QUIT       0x0012
#define WM_COMMAND    0x0111
#define WM_TIMER      0x0113

// Window styles
#define WS_OVERLAPPED   0x00000000L
#define WS_CHILD        0x40000000L
#define WS_MINIMIZE     0x20000000L
#define WS_VISIBLE      0x10000000L
#define WS_CAPTION      0x00C00000L
#define WS_SYSMENU      0x00080000L
#define WS_THICKFRAME   0x00040000L
#define WS_MINIMIZEBOX  0x00020000L
#define WS_MAXIMIZEBOX  0x00010000L
#define WS_OVERLAPPEDWINDOW (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define BS_PUSHBUTTON   0x00000000L
#define BS_TYPEMASK     0x0000000FL

#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CW_USEDEFAULT ((int)0x80000000)

#define GW_OWNER 4
#define GWL_STYLE     (-16)
#define GWL_HINSTANCE (-6)
#define GWL_ID        (-12)

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWDEFAULT 10

#define BN_CLICKED 0

#define HWND_TOP ((HWND)0)
#define SWP_NOSIZE     0x0001
#define SWP_NOMOVE     0x0002
#define SWP_NOACTIVATE 0x0010

#define PM_NOREMOVE 0x0000
#define PM_REMOVE   0x0001

#define MB_OK 0x00000000L
#define IDOK 1

#define LTGRAY_BRUSH 1
#define IDC_ARROW MAKEINTRESOURCEA(32512)

// USER
ATOM WINAPI RegisterClassA(const WNDCLASSA *wc);
ATOM WINAPI RegisterClassExA(const WNDCLASSEXA *wc);
BOOL WINAPI GetClassInfoExA(HINSTANCE hInstance, LPCSTR className, WNDCLASSEXA *wc);
HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                            int x, int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param);
BOOL WINAPI DestroyWindow(HWND hwnd);
BOOL WINAPI IsWindow(HWND hwnd);
BOOL WINAPI IsHungAppWindow(HWND hwnd);
HWND WINAPI GetWindow(HWND hwnd, UINT cmd);
int WINAPI GetWindowTextA(HWND hwnd, LPSTR text, int max);
BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text);
int WINAPI GetClassNameA(HWND hwnd, LPSTR name, int max);
BOOL WINAPI EnumWindows(WNDENUMPROC proc, LPARAM lParam);
BOOL WINAPI SetWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags);
BOOL WINAPI PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI PeekMessageA(LPMSG msg, HWND hwnd, UINT min, UINT max, UINT remove);
LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id);
int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

BOOL WINAPI GetWindowRect(HWND hwnd, RECT *rect);
int WINAPI MapWindowPoints(HWND from, HWND to, POINT *points, UINT count);
HWND WINAPI GetDlgItem(HWND parent, int id);
LONG WINAPI GetWindowLongA(HWND hwnd, int index);
BOOL WINAPI ShowWindow(HWND hwnd, int cmdShow);
BOOL WINAPI UpdateWindow(HWND hwnd);
BOOL WINAPI IsIconic(HWND hwnd);
BOOL WINAPI IsWindowVisible(HWND hwnd);
BOOL WINAPI InvalidateRect(HWND hwnd, const RECT *rect, BOOL erase);
HDC WINAPI BeginPaint(HWND hwnd, PAINTSTRUCT *ps);
BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT *ps);
BOOL WINAPI GetMessageA(LPMSG msg, HWND hwnd, UINT min, UINT max);
BOOL WINAPI TranslateMessage(const MSG *msg);
LRESULT WINAPI DispatchMessageA(const MSG *msg);
void WINAPI PostQuitMessage(int exitCode);
int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int max);
HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name);
HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name);
HMENU WINAPI GetMenu(HWND hwnd);

// GDI
HGDIOBJ WINAPI GetStockObject(int object);

// KERNEL
HMODULE WINAPI GetModuleHandleA(LPCSTR name);

// The program's own entry, which the platform's start-up calls.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
