// The end-to-end driver's view of TAVQip: the program as a child process with its window,
// the Wine prefix as a shop workstation (files, registry, the stub tools), and input as a
// person gives it. Every wait polls with a deadline.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using Duration = std::chrono::milliseconds;
// Long enough for a Wine process start on a busy machine, short enough to fail well
// before ctest's time-out.
constexpr Duration Patience{20000};

// Polls pred until it holds or the time is up; returns whether it held.
bool waitUntil(const std::function<bool()>& pred, Duration timeout = Patience);

// The program under test, as the wrapper found it in build/win32.
std::string programPath();
// The directory of the driver exe; the stubs are built next to it.
std::string driverDirectory();

// Files of the prefix; texts are byte strings.
bool exists(const std::string& path);
bool isDirectory(const std::string& path);
std::optional<std::string> readFile(const std::string& path);
bool writeFile(const std::string& path, const std::string& bytes);
bool makeDirectories(const std::string& path);
void removeTree(const std::string& path); // a file, or a directory with all it holds
bool copyFile(const std::string& from, const std::string& to);
std::vector<std::string> lines(const std::string& bytes); // split at CR LF
std::string windowsDirectory();

// Profile files read with the same calls the program writes them with.
std::optional<std::string> profileValue(const std::string& file, const std::string& section,
                                        const std::string& key);

struct RegValue {
    DWORD type = 0;
    std::string data;
};
std::optional<RegValue> readRegistry(HKEY root, const std::string& key, const std::string& name);
bool writeRegistry(HKEY root, const std::string& key, const std::string& name, DWORD type,
                   const std::string& data);
void deleteRegistryValue(HKEY root, const std::string& key, const std::string& name);
std::string dword(DWORD value);          // the four little-endian bytes of a REG_DWORD
std::string sz(const std::string& text); // the bytes of a REG_SZ: text and one NUL

// The system-wide full-window-drag setting: set from the driver, queried in a fresh process
// (a process keeps the value it read first).
bool setDragFullWindows(bool on);
int dragFullWindows(); // 0 off, 1 on, -1 when it cannot be queried

// A stand-in for netdom or netsh, copied from the driver's directory (see stub.c).
class Stub {
  public:
    Stub(const std::string& name, const std::string& directory);
    bool install();
    void uninstall();
    void setExitCode(int code);
    // The stub does not end until releaseFile exists.
    void holdUntil(const std::string& releaseFile);
    std::vector<std::string> commandLines() const;
    int ends() const;
    const std::string& path() const { return exe_; }

  private:
    std::string file(const char* suffix) const;
    std::string name_, directory_, exe_;
};

// The shop workstation as a fresh copy of the prefix leaves it for each test, with the stubs
// and the terminal application's directory in place.
struct Workstation {
    static const char WorkDirectory[];
    static const char CommandFile[];
    static const char ZelvornDirectory[];
    static const char TerminalSettings[];
    static const char NetdomDirectory[];

    Stub netdom{"netdom", NetdomDirectory};
    Stub netsh{"netsh", WorkDirectory}; // the command file finds it in its current directory
    bool prepare();
    std::string settingsFile() const; // TAVQip.INI in the Windows directory
};

struct MessageBoxInfo {
    HWND hwnd = nullptr;
    HWND owner = nullptr;
    std::string title;
    std::string text; // the static 0xFFFF
    bool hasIcon = false;
    std::vector<std::string> buttons;
};

// Keyboard and mouse input as a person gives it, through SendInput.
void pressKey(WORD vk, std::initializer_list<WORD> modifiers = {});
void typeText(const std::string& ansi); // characters of the ANSI code page
void clickAt(POINT screen);

// Window helpers that work on another process's windows.
std::string windowText(HWND hwnd); // WM_GETTEXT, with a time-out
std::string className(HWND hwnd);
RECT rectInClient(HWND parent, HWND child);

// Converts dialog units of the main window's font ("MS Sans Serif" 8) to pixels with a
// dialog of the driver's own built from the same font: Windows does not map dialog units
// for another process's dialog.
class DialogUnits {
  public:
    DialogUnits();
    ~DialogUnits();
    RECT toPixels(int x, int y, int width, int height) const;
    int baseX() const { return baseX_; }            // pixels of 4 horizontal units
    int baseY() const { return baseY_; }            // pixels of 8 vertical units
    SIZE textExtent(const std::string& text) const; // a single line in that font
  private:
    HWND dialog_ = nullptr;
    int baseX_ = 0, baseY_ = 0;
};

class Program {
  public:
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program(); // a program still running is ended, so no test leaves one behind

    // Starts TAVQip.exe in the given current directory and waits for its window, ready
    // for input: visible, the defaults shown.
    bool start(const std::string& currentDirectory = Workstation::WorkDirectory);
    HWND window() const { return window_; }
    HWND control(int id) const { return GetDlgItem(window_, id); }
    std::string text(int id) const { return windowText(control(id)); }
    bool running() const;
    DWORD processId() const { return processId_; }

    // Control number that has the focus in the program's thread, 0 for none or another window.
    int focusedControl() const;
    bool waitForFocus(int id, Duration timeout = Patience) const;
    bool toFront() const;

    // Presses Tab until the control has the focus.
    bool tabTo(int id) const;
    // Tabs to the entry (it then selects all), types the text over it and leaves with Tab.
    bool enter(int id, const std::string& ansi);
    bool pressFinishButton() const; // posted BM_CLICK: the modal box that follows must not block us
    bool clickCloseButton() const;  // the mouse on the title bar's close button

    std::vector<HWND> ownedDialogs() const;
    std::optional<MessageBoxInfo> waitForMessageBox(Duration timeout = Patience) const;
    static MessageBoxInfo describeMessageBox(HWND box);
    // Presses OK and waits until the box has gone.
    bool answer(const MessageBoxInfo& box) const;

    std::optional<DWORD> waitForExit(Duration timeout = Patience);
    void kill();

  private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
};

} // namespace e2e
