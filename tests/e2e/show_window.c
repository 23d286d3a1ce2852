/* For the screenshot: starts the program, waits until its window shows the defaults, writes
 * the window's frame as WIDTHxHEIGHT+X+Y into the report file and stays until the program
 * ends, so that the desktop stays up while the picture is taken.
 *   show_window PROGRAM REPORTFILE */
#include <windows.h>

static DWORD pid;
static HWND found;

static BOOL CALLBACK find_main_window(HWND hwnd, LPARAM unused) {
    DWORD owner = 0;
    char cls[16];
    (void)unused;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == pid && IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER) &&
        GetClassNameA(hwnd, cls, sizeof cls) && lstrcmpA(cls, "#32770") == 0) {
        found = hwnd;
        return FALSE;
    }
    return TRUE;
}

static int ready(void) {
    char text[64];
    DWORD_PTR copied = 0;
    found = NULL;
    EnumWindows(find_main_window, 0);
    return found &&
           SendMessageTimeoutA(GetDlgItem(found, 3), WM_GETTEXT, sizeof text, (LPARAM)text,
                               SMTO_ABORTIFHUNG, 2000, &copied) &&
           copied > 0;
}

int main(int argc, char** argv) {
    STARTUPINFOA startup;
    PROCESS_INFORMATION info;
    DWORD start = GetTickCount(), written;
    RECT r;
    char report[64];
    HANDLE f;

    if (argc != 3)
        return 2;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    if (!CreateProcessA(argv[1], NULL, NULL, NULL, FALSE, 0, NULL, "c:\\", &startup, &info))
        return 1;
    pid = info.dwProcessId;
    while (!ready()) {
        if (GetTickCount() - start > 30000)
            return 1;
        Sleep(20); /* polling interval */
    }
    UpdateWindow(found);
    GetWindowRect(found, &r);
    wsprintfA(report, "%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    f = CreateFileA(argv[2], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (f == INVALID_HANDLE_VALUE)
        return 1;
    WriteFile(f, report, lstrlenA(report), &written, NULL);
    CloseHandle(f);
    WaitForSingleObject(info.hProcess, INFINITE);
    return 0;
}
