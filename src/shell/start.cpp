// The process start-up of MossLatch.exe, in place of the C runtime's: the tool has no heap, no
// files and no console, so all the start-up has to do is hand WinMain the instance handle and the
// show state, and turn its result into the exit code.
#include "shell.h"

// The arguments after the program name; the tool ignores them, but WinMain is owed them.
static LPSTR SkipProgramName(LPSTR commandLine)
{
    BOOL quoted = FALSE;
    while (*commandLine != '\0' && (quoted || (*commandLine != ' ' && *commandLine != '\t'))) {
        if (*commandLine == '"')
            quoted = !quoted;
        commandLine++;
    }
    while (*commandLine == ' ' || *commandLine == '\t')
        commandLine++;
    return commandLine;
}

extern "C" void WINAPI MossLatchStart(void)
{
    STARTUPINFOA si;
    si.cb = sizeof(si);
    GetStartupInfoA(&si);
    int nCmdShow = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : SW_SHOWDEFAULT;
    ExitProcess((UINT)WinMain(GetModuleHandleA(NULL), NULL, SkipProgramName(GetCommandLineA()), nCmdShow));
}
