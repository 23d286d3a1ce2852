/* A stand-in for netdom and netsh: it records how it was started and ends when and how the
 * test wants. Files next to the exe, named after it, steer it:
 *   NAME.log    each start appends its command line and CR LF
 *   NAME.exit   the exit code in decimal (0 when the file is missing)
 *   NAME.wait   a path; the stub ends only once that file exists
 *   NAME.ended  each end appends "ended" and CR LF just before the exit
 * A tiny console program on the Win32 API alone, so that it runs wherever the program does. */
#include <windows.h>

static char base[MAX_PATH];

static void path_of(const char* suffix, char* out) {
    lstrcpynA(out, base, MAX_PATH - 8);
    lstrcatA(out, suffix);
}

static void append(const char* suffix, const char* text) {
    char path[MAX_PATH];
    DWORD written;
    HANDLE f;
    path_of(suffix, path);
    f = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL, NULL);
    if (f == INVALID_HANDLE_VALUE)
        return;
    WriteFile(f, text, lstrlenA(text), &written, NULL);
    WriteFile(f, "\r\n", 2, &written, NULL);
    CloseHandle(f);
}

/* The file's first line, without its line end; empty when there is none. */
static void read_setting(const char* suffix, char* out, DWORD size) {
    char path[MAX_PATH];
    DWORD got = 0, i;
    HANDLE f;
    path_of(suffix, path);
    out[0] = 0;
    f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, NULL);
    if (f == INVALID_HANDLE_VALUE)
        return;
    if (!ReadFile(f, out, size - 1, &got, NULL))
        got = 0;
    CloseHandle(f);
    out[got] = 0;
    for (i = 0; i < got; ++i)
        if (out[i] == '\r' || out[i] == '\n')
            out[i] = 0;
}

int main(void) {
    char setting[MAX_PATH];
    char* dot;
    DWORD code = 0;
    const char* p;

    GetModuleFileNameA(NULL, base, MAX_PATH);
    dot = base + lstrlenA(base);
    while (dot > base && *dot != '.' && *dot != '\\')
        --dot;
    if (*dot == '.')
        *dot = 0;
    append(".log", GetCommandLineA());

    read_setting(".wait", setting, sizeof setting);
    if (setting[0]) {
        /* Polled, with a deadline: a test that never releases the stub must not hang it. */
        DWORD start = GetTickCount();
        while (GetFileAttributesA(setting) == INVALID_FILE_ATTRIBUTES) {
            if (GetTickCount() - start > 120000) {
                append(".ended", "timeout");
                return 99;
            }
            Sleep(10);
        }
    }

    read_setting(".exit", setting, sizeof setting);
    for (p = setting; *p >= '0' && *p <= '9'; ++p)
        code = code * 10 + (DWORD)(*p - '0');
    append(".ended", "ended");
    return (int)code;
}
