#include "harness.h"

#include <cstdlib>
#include <cstring>

namespace e2e {

namespace {

const DWORD MessageTimeoutMs = 2000;

std::string directoryOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool isMainWindowOf(HWND hwnd, DWORD pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    return owner == pid && IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == nullptr &&
           className(hwnd) == "#32770";
}

struct Search {
    DWORD pid;
    HWND main;
    std::vector<HWND> found;
};

BOOL CALLBACK findMainWindow(HWND hwnd, LPARAM p) {
    Search* s = reinterpret_cast<Search*>(p);
    if (isMainWindowOf(hwnd, s->pid))
        s->main = hwnd;
    return s->main == nullptr;
}

BOOL CALLBACK findOtherDialogs(HWND hwnd, LPARAM p) {
    Search* s = reinterpret_cast<Search*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s->pid && hwnd != s->main && IsWindowVisible(hwnd) && className(hwnd) == "#32770")
        s->found.push_back(hwnd);
    return TRUE;
}

void sendInputs(std::vector<INPUT>& inputs) {
    if (!inputs.empty())
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT keyInput(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

} // namespace

bool waitUntil(const std::function<bool()>& pred, Duration timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (pred())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        Sleep(10); // the polling interval, not a wait for anything in particular
    }
}

std::string programPath() {
    const char* path = std::getenv("TAVQIP_E2E_PROGRAM");
    return path ? path : "";
}

std::string driverDirectory() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    return directoryOf(std::string(path, n));
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool isDirectory(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> readFile(const std::string& path) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(f);
    return bytes;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return ok && written == bytes.size();
}

bool makeDirectories(const std::string& path) {
    if (isDirectory(path))
        return true;
    std::string parent = directoryOf(path);
    if (!parent.empty() && parent.back() != ':' && !makeDirectories(parent))
        return false;
    return CreateDirectoryA(path.c_str(), nullptr) || isDirectory(path);
}

void removeTree(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES)
        return;
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name != "." && name != "..")
                removeTree(path + "\\" + name);
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

bool copyFile(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

std::vector<std::string> lines(const std::string& bytes) {
    std::vector<std::string> result;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        result.push_back(bytes.substr(start, end - start));
    if (start < bytes.size())
        result.push_back(bytes.substr(start));
    return result;
}

std::string windowsDirectory() {
    char dir[MAX_PATH];
    UINT n = GetWindowsDirectoryA(dir, sizeof dir);
    return std::string(dir, n);
}

std::optional<std::string> profileValue(const std::string& file, const std::string& section,
                                        const std::string& key) {
    const char missing[] = "\x7f<missing>";
    char value[1024];
    GetPrivateProfileStringA(section.c_str(), key.c_str(), missing, value, sizeof value,
                             file.c_str());
    if (std::strcmp(value, missing) == 0)
        return std::nullopt;
    return std::string(value);
}

std::optional<RegValue> readRegistry(HKEY root, const std::string& key, const std::string& name) {
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    RegValue v;
    char data[2048];
    DWORD size = sizeof data;
    LONG result = RegQueryValueExA(opened, name.c_str(), nullptr, &v.type,
                                   reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    v.data.assign(data, size);
    return v;
}

bool writeRegistry(HKEY root, const std::string& key, const std::string& name, DWORD type,
                   const std::string& data) {
    HKEY opened;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG result =
        RegSetValueExA(opened, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size()));
    RegCloseKey(opened);
    return result == ERROR_SUCCESS;
}

void deleteRegistryValue(HKEY root, const std::string& key, const std::string& name) {
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(opened, name.c_str());
    RegCloseKey(opened);
}

std::string dword(DWORD value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xff);
    return bytes;
}

std::string sz(const std::string& text) {
    return text + std::string(1, '\0');
}

bool setDragFullWindows(bool on) {
    return SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on ? 1 : 0, nullptr,
                                 SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != 0;
}

int dragFullWindows() {
    std::string command = "\"" + driverDirectory() + "\\drag_query.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info;
    std::vector<char> line(command.begin(), command.end());
    line.push_back(0);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &info))
        return -1;
    DWORD code = 2;
    if (WaitForSingleObject(info.hProcess, static_cast<DWORD>(Patience.count())) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(info.hProcess, &code))
        code = 2;
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return code <= 1 ? static_cast<int>(code) : -1;
}

Stub::Stub(const std::string& name, const std::string& directory)
    : name_(name), directory_(directory), exe_(directory + "\\" + name + ".exe") {}

std::string Stub::file(const char* suffix) const {
    return directory_ + "\\" + name_ + suffix;
}

bool Stub::install() {
    uninstall();
    return makeDirectories(directory_) &&
           copyFile(driverDirectory() + "\\" + name_ + "_stub.exe", exe_);
}

void Stub::uninstall() {
    for (const char* suffix : {".exe", ".log", ".exit", ".wait", ".ended"})
        removeTree(file(suffix));
}

void Stub::setExitCode(int code) {
    writeFile(file(".exit"), std::to_string(code));
}

void Stub::holdUntil(const std::string& releaseFile) {
    writeFile(file(".wait"), releaseFile);
}

std::vector<std::string> Stub::commandLines() const {
    return lines(readFile(file(".log")).value_or(""));
}

int Stub::ends() const {
    return static_cast<int>(lines(readFile(file(".ended")).value_or("")).size());
}

const char Workstation::WorkDirectory[] = "c:\\e2e\\work";
const char Workstation::CommandFile[] = "c:\\vpnnetsh.cmd";
const char Workstation::ZelvornDirectory[] = "c:\\program files\\zelvorn";
const char Workstation::TerminalSettings[] = "c:\\program files\\zelvorn\\instell.ini";
const char Workstation::NetdomDirectory[] = "c:\\zivuvedez";

bool Workstation::prepare() {
    removeTree(CommandFile);
    removeTree(settingsFile());
    removeTree(ZelvornDirectory);
    removeTree(WorkDirectory);
    return makeDirectories(WorkDirectory) && makeDirectories(ZelvornDirectory) &&
           netdom.install() && netsh.install();
}

std::string Workstation::settingsFile() const {
    return windowsDirectory() + "\\TAVQip.INI";
}

void pressKey(WORD vk, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (WORD m : modifiers)
        inputs.push_back(keyInput(m, false));
    inputs.push_back(keyInput(vk, false));
    inputs.push_back(keyInput(vk, true));
    for (auto m = modifiers.end(); m != modifiers.begin();)
        inputs.push_back(keyInput(*--m, true));
    sendInputs(inputs);
}

void typeText(const std::string& ansi) {
    if (ansi.empty())
        return;
    std::wstring wide(ansi.size(), L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0],
                                static_cast<int>(wide.size()));
    std::vector<INPUT> inputs;
    for (int i = 0; i < n; ++i) {
        for (bool up : {false, true}) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wScan = wide[i];
            in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(in);
        }
    }
    sendInputs(inputs);
}

void clickAt(POINT p) {
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    auto mouse = [&](DWORD flags) {
        std::vector<INPUT> inputs(1);
        inputs[0].type = INPUT_MOUSE;
        inputs[0].mi.dx = static_cast<LONG>((p.x * 65535LL + (w - 1) / 2) / (w - 1));
        inputs[0].mi.dy = static_cast<LONG>((p.y * 65535LL + (h - 1) / 2) / (h - 1));
        inputs[0].mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
        sendInputs(inputs);
    };
    // Every event carries the position: the X server may still report the pointer where it
    // was when the desktop opened, and a bare press would land there.
    mouse(MOUSEEVENTF_MOVE);
    mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN);
    mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP);
}

std::string windowText(HWND hwnd) {
    static char buffer[20000];
    DWORD_PTR copied = 0;
    if (!hwnd ||
        !SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, MessageTimeoutMs, &copied))
        return std::string();
    return std::string(buffer, copied);
}

std::string className(HWND hwnd) {
    char name[256];
    int n = GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, n > 0 ? n : 0);
}

RECT rectInClient(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

namespace {

INT_PTR CALLBACK referenceProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

// An empty DLGTEMPLATE with the main window's font, built in memory.
std::vector<WORD> referenceTemplate() {
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    DLGTEMPLATE* d = reinterpret_cast<DLGTEMPLATE*>(t.data());
    d->style = DS_SETFONT | WS_POPUP;
    d->cx = 100;
    d->cy = 100;
    t.push_back(0); // no menu
    t.push_back(0); // standard class
    t.push_back(0); // no title
    t.push_back(8); // points
    for (const wchar_t* c = L"MS Sans Serif"; *c; ++c)
        t.push_back(static_cast<WORD>(*c));
    t.push_back(0);
    return t;
}

} // namespace

DialogUnits::DialogUnits() {
    std::vector<WORD> t = referenceTemplate();
    dialog_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                         reinterpret_cast<DLGTEMPLATE*>(t.data()), nullptr,
                                         referenceProc, 0);
    RECT r{0, 0, 4, 8};
    if (dialog_ && MapDialogRect(dialog_, &r)) {
        baseX_ = r.right;
        baseY_ = r.bottom;
    }
}

DialogUnits::~DialogUnits() {
    if (dialog_)
        DestroyWindow(dialog_);
}

RECT DialogUnits::toPixels(int x, int y, int width, int height) const {
    RECT r{x, y, x + width, y + height};
    MapDialogRect(dialog_, &r);
    return r;
}

SIZE DialogUnits::textExtent(const std::string& text) const {
    HDC dc = GetDC(dialog_);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(dialog_, WM_GETFONT, 0, 0)));
    RECT fit{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), -1, &fit, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(dialog_, dc);
    return SIZE{fit.right, fit.bottom};
}

Program::~Program() {
    kill();
}

bool Program::start(const std::string& currentDirectory) {
    kill();
    std::string exe = programPath();
    std::string command = "\"" + exe + "\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back(0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info;
    if (exe.empty() || !CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                                       nullptr, currentDirectory.c_str(), &startup, &info))
        return false;
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    CloseHandle(info.hThread);
    window_ = nullptr;
    bool shown = waitUntil([this] {
        Search s{processId_, nullptr, {}};
        EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&s));
        window_ = s.main;
        return window_ != nullptr;
    });
    if (!shown)
        return false;
    threadId_ = GetWindowThreadProcessId(window_, nullptr);
    // Ready once the first event has shown the defaults and placed the focus; a sent
    // message comes back only after the handler of that event has finished.
    DWORD_PTR result = 0;
    return waitUntil([this] { return !text(3).empty() && focusedControl() != 0; }) &&
           SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL,
                               static_cast<UINT>(Patience.count()), &result);
}

bool Program::running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

int Program::focusedControl() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!threadId_ || !GetGUIThreadInfo(threadId_, &info) || !info.hwndFocus ||
        GetParent(info.hwndFocus) != window_)
        return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

bool Program::waitForFocus(int id, Duration timeout) const {
    return waitUntil([&] { return focusedControl() == id; }, timeout);
}

bool Program::toFront() const {
    if (GetForegroundWindow() == window_)
        return true;
    SetForegroundWindow(window_);
    return waitUntil([this] { return GetForegroundWindow() == window_; });
}

bool Program::tabTo(int id) const {
    if (!toFront())
        return false;
    for (int presses = 0; focusedControl() != id && presses < 16; ++presses) {
        int before = focusedControl();
        pressKey(VK_TAB);
        if (!waitUntil([&] { return focusedControl() != before; }))
            return false;
    }
    return focusedControl() == id;
}

bool Program::enter(int id, const std::string& ansi) {
    if (!tabTo(id))
        return false;
    // Tab selected the whole entry; Home, Shift+End does too when it had the focus already.
    pressKey(VK_HOME);
    pressKey(VK_END, {VK_SHIFT});
    if (ansi.empty())
        pressKey(VK_DELETE);
    else
        typeText(ansi);
    // Leaving with Tab, as a person does: once the focus has moved on, every key before it
    // has been handled, even when the text looked right already.
    pressKey(VK_TAB);
    if (!waitUntil([&] { return focusedControl() != id; }))
        return false;
    return text(id) == ansi;
}

bool Program::pressFinishButton() const {
    return PostMessageA(control(13), BM_CLICK, 0, 0) != 0;
}

bool Program::clickCloseButton() const {
    RECT frame;
    if (!GetWindowRect(window_, &frame) || !toFront())
        return false;
    // Find the close button with the window's own hit test along the title bar.
    for (LONG y = frame.top + 1; y < frame.top + 40; ++y) {
        for (LONG x = frame.right - 2; x > frame.right - 80; --x) {
            DWORD_PTR hit = 0;
            if (SendMessageTimeoutA(window_, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG,
                                    MessageTimeoutMs, &hit) &&
                hit == HTCLOSE) {
                // The middle of the button, not its edge.
                LONG left = x, top = y, bottom = y;
                while (left > frame.left) {
                    SendMessageTimeoutA(window_, WM_NCHITTEST, 0, MAKELPARAM(left - 1, y),
                                        SMTO_ABORTIFHUNG, MessageTimeoutMs, &hit);
                    if (hit != HTCLOSE)
                        break;
                    --left;
                }
                for (;; ++bottom) {
                    SendMessageTimeoutA(window_, WM_NCHITTEST, 0, MAKELPARAM(x, bottom + 1),
                                        SMTO_ABORTIFHUNG, MessageTimeoutMs, &hit);
                    if (hit != HTCLOSE)
                        break;
                }
                clickAt(POINT{(left + x) / 2, (top + bottom) / 2});
                return true;
            }
        }
    }
    return false;
}

std::vector<HWND> Program::ownedDialogs() const {
    Search s{processId_, window_, {}};
    EnumWindows(findOtherDialogs, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

MessageBoxInfo Program::describeMessageBox(HWND box) {
    MessageBoxInfo info;
    info.hwnd = box;
    info.owner = GetWindow(box, GW_OWNER);
    info.title = windowText(box);
    info.text = windowText(GetDlgItem(box, 0xFFFF));
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        std::string cls = className(child);
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if (cls == "Button")
            info.buttons.push_back(windowText(child));
        // Another process's icon handle cannot be drawn or compared here, only seen.
        DWORD_PTR icon = 0;
        if (cls == "Static" && (style & SS_TYPEMASK) == SS_ICON &&
            SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, MessageTimeoutMs,
                                &icon) &&
            icon != 0)
            info.hasIcon = true;
    }
    return info;
}

std::optional<MessageBoxInfo> Program::waitForMessageBox(Duration timeout) const {
    HWND box = nullptr;
    bool found = waitUntil(
        [&] {
            std::vector<HWND> dialogs = ownedDialogs();
            // The box is complete once its text is in place.
            if (dialogs.empty() || windowText(GetDlgItem(dialogs.front(), 0xFFFF)).empty())
                return false;
            box = dialogs.front();
            return true;
        },
        timeout);
    if (!found)
        return std::nullopt;
    return describeMessageBox(box);
}

bool Program::answer(const MessageBoxInfo& box) const {
    PostMessageA(GetDlgItem(box.hwnd, IDOK), BM_CLICK, 0, 0);
    return waitUntil([&] { return !IsWindow(box.hwnd) || !IsWindowVisible(box.hwnd); });
}

std::optional<DWORD> Program::waitForExit(Duration timeout) {
    if (!process_ ||
        WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

void Program::kill() {
    if (!process_)
        return;
    if (running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, static_cast<DWORD>(Patience.count()));
    }
    CloseHandle(process_);
    process_ = nullptr;
    window_ = nullptr;
}

} // namespace e2e
