// Measures TAVQip.exe against the minimal dialog program under Wine, side by side:
// start to defaults shown, the Finish run to the completion message against one start of
// the join tool alone, peak working set and exe size. Prints a Markdown table.
//   bench RUNS TAVQIP.EXE MINIMAL.EXE OUTPUT.TXT
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Found {
    DWORD pid;
    const char* title; // null: any dialog
    HWND hwnd;
};

BOOL CALLBACK findDialog(HWND hwnd, LPARAM param) {
    Found* f = reinterpret_cast<Found*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[32], title[64];
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, title, sizeof title);
    if (pid == f->pid && lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(hwnd) &&
        (!f->title || lstrcmpA(title, f->title) == 0)) {
        f->hwnd = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Polls without sleeping a fixed time: yields the core between looks, until the deadline.
HWND waitForDialog(DWORD pid, const char* title, double deadlineMs) {
    double end = now() + deadlineMs;
    while (now() < end) {
        Found f{pid, title, nullptr};
        EnumWindows(findDialog, reinterpret_cast<LPARAM>(&f));
        if (f.hwnd)
            return f.hwnd;
        Sleep(0);
    }
    return nullptr;
}

bool showsDefaults(HWND dialog) {
    char text[64] = "";
    DWORD_PTR got = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, 3), WM_GETTEXT, sizeof text,
                        reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &got);
    return lstrcmpA(text, "VOSXXXX-006-03") == 0;
}

PROCESS_INFORMATION start(const std::string& commandLine) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back(0);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        std::fprintf(stderr, "cannot start %s\n", commandLine.c_str());
        std::exit(2);
    }
    return pi;
}

void end(PROCESS_INFORMATION& pi) {
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
}

struct Start {
    double ms;
    double peakKiB;
};

// Process created until the computer-name entry shows its default.
Start timeStart(const std::string& exe, PROCESS_INFORMATION* keep = nullptr) {
    double t0 = now();
    PROCESS_INFORMATION pi = start("\"" + exe + "\"");
    HWND dialog = nullptr;
    double t1 = 0;
    for (double deadline = now() + 30000; now() < deadline; Sleep(0)) {
        dialog = waitForDialog(pi.dwProcessId, nullptr, 30000);
        if (dialog && showsDefaults(dialog)) {
            t1 = now();
            break;
        }
    }
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(pi.hProcess, &counters, sizeof counters);
    Start s{t1 - t0, static_cast<double>(counters.PeakWorkingSetSize) / 1024.0};
    if (keep)
        *keep = pi;
    else
        end(pi);
    return s;
}

// The button press until the completion message; the command file never runs.
double timeFinish(const std::string& exe) {
    PROCESS_INFORMATION pi;
    timeStart(exe, &pi);
    HWND dialog = waitForDialog(pi.dwProcessId, nullptr, 30000);
    const struct {
        int control;
        const char* text;
    } typed[] = {{6, "12"}, {7, "34"}, {8, "56"}, {12, "1234"}};
    for (const auto& t : typed)
        SendDlgItemMessageA(dialog, t.control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(t.text));
    double t0 = now();
    PostMessageA(GetDlgItem(dialog, 13), BM_CLICK, 0, 0);
    HWND done = waitForDialog(pi.dwProcessId, "Gereed", 60000);
    double t1 = now();
    if (!done)
        std::fprintf(stderr, "no completion message\n");
    end(pi);
    return t1 - t0;
}

double timeJoinAlone() {
    double t0 = now();
    PROCESS_INFORMATION pi =
        start("c:\\zivuvedez\\netdom member \\\\VOSXXXX-006-03 /JOINWORKGROUP ROVAVUZADE");
    WaitForSingleObject(pi.hProcess, INFINITE);
    double t1 = now();
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return t1 - t0;
}

double fileKiB(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return static_cast<double>(data.nFileSizeLow) / 1024.0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: bench RUNS TAVQIP.EXE MINIMAL.EXE OUTPUT.TXT\n");
        return 2;
    }
    int runs = std::max(1, std::atoi(argv[1]));
    std::string program = argv[2], minimal = argv[3];
    std::vector<double> startOurs, startMinimal, finish, join, peakOurs, peakMinimal;
    timeStart(program); // the first start fills Wine's caches for both
    timeStart(minimal);
    for (int i = 0; i < runs; ++i) {
        Start m = timeStart(minimal);
        Start o = timeStart(program);
        startMinimal.push_back(m.ms);
        peakMinimal.push_back(m.peakKiB);
        startOurs.push_back(o.ms);
        peakOurs.push_back(o.peakKiB);
        join.push_back(timeJoinAlone());
        finish.push_back(timeFinish(program));
    }
    FILE* out = std::fopen(argv[4], "w");
    if (!out)
        return 2;
    auto row = [&](const char* what, double ours, double floor, const char* unit, const char* aim) {
        std::fprintf(out, "| %s | %.1f %s | %.1f %s | %.2f | %s |\n", what, ours, unit, floor, unit,
                     ours / floor, aim);
    };
    std::fprintf(out, "| median of %d runs | TAVQip | floor | ratio | aim |\n", runs);
    std::fprintf(out, "|---|---|---|---|---|\n");
    row("start to defaults shown (floor: minimal dialog)", median(startOurs),
        median(startMinimal), "ms", "<= 1.10");
    row("Finish to completion message (floor: netdom stub alone)", median(finish), median(join),
        "ms", "<= 1.20");
    row("peak working set (floor: minimal dialog)", median(peakOurs), median(peakMinimal), "KiB",
        "");
    row("exe size (floor: minimal dialog)", fileKiB(program), fileKiB(minimal), "KiB", "");
    std::fclose(out);
    return 0;
}
