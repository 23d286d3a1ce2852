#include "fake_platform.h"

#include <cstring>

namespace {

const char* iconName(platform::Icon icon) {
    switch (icon) {
    case platform::Icon::Error:
        return "error";
    case platform::Icon::Warning:
        return "warning";
    default:
        return "none";
    }
}

std::string orNull(const char* s) {
    return s ? s : "(null)";
}

// A few letters of the Western code pages, and '?' for what has no counterpart, as
// Windows' own conversion does for ANSI 1252 and OEM 850.
unsigned char toOem(unsigned char c) {
    switch (c) {
    case 0xE9:
        return 0x82; // é
    case 0xEB:
        return 0x89; // ë
    default:
        return c < 0x80 ? c : '?';
    }
}

unsigned char toAnsi(unsigned char c) {
    switch (c) {
    case 0x82:
        return 0xE9;
    case 0x89:
        return 0xEB;
    default:
        return c < 0x80 ? c : '?';
    }
}

} // namespace

std::function<void(frame::WindowManager&)> fakeEventLoop;
FakeWindow* fakeCreatedWindow = nullptr;
std::vector<frame::Binding> fakeBindings;

FakePlatform::FakePlatform() {
    platform::setServices(this);
}
FakePlatform::~FakePlatform() {
    platform::setServices(nullptr);
}

bool FakePlatform::record(const std::string& line) {
    log.push_back(line);
    for (const std::string& prefix : failing)
        if (line.compare(0, prefix.size(), prefix) == 0)
            return true;
    return failAtCall == log.size();
}

std::vector<std::string> FakePlatform::calls(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& line : log)
        if (line.compare(0, prefix.size(), prefix) == 0)
            out.push_back(line);
    return out;
}

std::vector<std::string> FakePlatform::logFrom(const std::string& name) const {
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i].compare(0, name.size() + 1, name + "(") == 0)
            return std::vector<std::string>(log.begin() + static_cast<long>(i), log.end());
    return {};
}

void* FakePlatform::newHandle(const std::string& what) {
    void* h = reinterpret_cast<void*>(static_cast<uintptr_t>(nextHandle_++ * 16));
    handles_[h] = what;
    return h;
}

void FakePlatform::messageBox(const char* title, const char* text, platform::Icon icon) {
    record(std::string("messageBox(") + title + "|" + text + "|" + iconName(icon) + ")");
    messages.push_back(Message{title, text, icon});
}

bool FakePlatform::getDragFullWindows(uint32_t* value) {
    if (record("getDragFullWindows()"))
        return false;
    *value = dragFullWindows;
    return true;
}

void FakePlatform::setDragFullWindows(uint32_t on, uint32_t flags) {
    if (!record("setDragFullWindows(" + std::to_string(on) + "|" + std::to_string(flags) + ")"))
        dragFullWindows = on;
}

bool FakePlatform::getWorkArea(platform::Rect* area) {
    if (record("getWorkArea()"))
        return false;
    *area = workArea;
    return true;
}

uint32_t FakePlatform::getWindowsDirectory(char* buffer, uint32_t size) {
    if (record("getWindowsDirectory(" + std::to_string(size) + ")"))
        return 0;
    std::strncpy(buffer, "C:\\windows", size);
    return 10;
}

uint32_t FakePlatform::getPrivateProfileString(const char* section, const char* key,
                                               const char* defaultValue, char* buffer,
                                               uint32_t size, const char* file) {
    std::string value = defaultValue;
    if (!record(std::string("getPrivateProfileString(") + section + "|" + key + "|" + file + ")")) {
        auto f = profiles.find(file);
        if (f != profiles.end() && f->second.count(section) && f->second[section].count(key))
            value = f->second[section][key];
    }
    value = value.substr(0, size - 1);
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    return static_cast<uint32_t>(value.size());
}

bool FakePlatform::writePrivateProfileString(const char* section, const char* key,
                                             const char* value, const char* file) {
    if (record(std::string("writePrivateProfileString(") + section + "|" + key + "|" +
               orNull(value) + "|" + file + ")"))
        return false;
    if (value)
        profiles[file][section][key] = value;
    else
        profiles[file][section].erase(key);
    return true;
}

bool FakePlatform::writeProfileString(const char* section, const char* key, const char* value) {
    if (record(std::string("writeProfileString(") + section + "|" + key + "|" + orNull(value) +
               ")"))
        return false;
    profiles[""][section][key] = value;
    return true;
}

int32_t FakePlatform::regCreateKey(platform::RegRoot root, const char* path,
                                   platform::Handle* key) {
    std::string full =
        std::string(root == platform::RegRoot::CurrentUser ? "HKCU\\" : "HKLM\\") + path;
    if (record("regCreateKey(" + full + ")")) {
        *key = nullptr;
        return 5; // ERROR_ACCESS_DENIED
    }
    *key = newHandle(full);
    return 0;
}

int32_t FakePlatform::regSetValue(platform::Handle key, const char* name, uint32_t type,
                                  const unsigned char* data, uint32_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (record(std::string("regSetValue(") + name + "|" + std::to_string(type) + "|" +
               std::to_string(size) + ")"))
        return 5;
    registry[handles_[key]][name] = Value{type, bytes};
    return 0;
}

void FakePlatform::regCloseKey(platform::Handle key) {
    record("regCloseKey(" + handles_[key] + ")");
    handles_.erase(key);
}

platform::Handle FakePlatform::createFile(const char* name, platform::FileMode mode) {
    bool create = mode == platform::FileMode::CreateAlwaysExclusive;
    if (record(std::string("createFile(") + name + "|" + (create ? "create" : "open") + ")"))
        return nullptr;
    if (create)
        files[name] = "";
    else if (!files.count(name))
        return nullptr;
    return newHandle(std::string("file:") + name);
}

bool FakePlatform::writeFile(platform::Handle file, const char* data, uint32_t size,
                             uint32_t* written) {
    std::string bytes(data, size);
    *written = 0;
    if (record("writeFile(" + bytes + ")"))
        return false;
    const std::string& what = handles_[file];
    if (what.compare(0, 5, "file:") != 0)
        return false;
    files[what.substr(5)] += bytes;
    *written = size;
    return true;
}

bool FakePlatform::flushFile(platform::Handle file) {
    return !record("flushFile(" + handles_[file] + ")");
}

bool FakePlatform::ansiToOem(char* chars, uint32_t size) {
    if (record("ansiToOem()"))
        return false;
    for (uint32_t i = 0; i < size; ++i)
        chars[i] = static_cast<char>(toOem(static_cast<unsigned char>(chars[i])));
    return true;
}

bool FakePlatform::oemToAnsi(char* chars, uint32_t size) {
    if (record("oemToAnsi()"))
        return false;
    for (uint32_t i = 0; i < size; ++i)
        chars[i] = static_cast<char>(toAnsi(static_cast<unsigned char>(chars[i])));
    return true;
}

bool FakePlatform::createProcess(const char* commandLine, platform::Process* started) {
    if (record(std::string("createProcess(") + commandLine + ")"))
        return false;
    started->process = newHandle(std::string("process:") + commandLine);
    started->thread = newHandle(std::string("thread:") + commandLine);
    return true;
}

void FakePlatform::waitForProcess(platform::Handle process) {
    record("waitForProcess(" + handles_[process] + ")");
}

bool FakePlatform::getExitCode(platform::Handle process, uint32_t* code) {
    if (record("getExitCode(" + handles_[process] + ")"))
        return false;
    *code = exitCodeOfStartedProcess;
    return true;
}

void FakePlatform::closeHandle(platform::Handle h) {
    record("closeHandle(" + handles_[h] + ")");
    handles_.erase(h);
}

void FakePlatform::exitProcess(uint32_t code) {
    record("exitProcess(" + std::to_string(code) + ")");
    exited = true;
}

void FakeWindow::focusControl(int control) {
    p_.record("window.focusControl(" + std::to_string(control) + ")");
}

void FakeWindow::moveFrame(int32_t nx, int32_t ny) {
    p_.record("window.moveFrame(" + std::to_string(nx) + "|" + std::to_string(ny) + ")");
    x = nx;
    y = ny;
}

void FakeWindow::resizeClient(int32_t w, int32_t h) {
    p_.record("window.resizeClient(" + std::to_string(w) + "|" + std::to_string(h) + ")");
    width = w;
    height = h;
}

void FakeWindow::show(frame::Show how) {
    const char* names[] = {"restore", "maximize", "minimize"};
    p_.record(std::string("window.show(") + names[static_cast<int>(how)] + ")");
    maximized = how == frame::Show::Maximize;
    minimized = how == frame::Show::Minimize;
}

void FakeWindow::centre() {
    p_.record("window.centre()");
}

// The fake framework: the window is a FakeWindow on the current FakePlatform.
namespace frame {

Window* createWindow(const char* description, const Binding* bindings, int count) {
    FakePlatform& p = static_cast<FakePlatform&>(platform::services());
    p.record(std::string("createWindow(") + description + ")");
    fakeBindings.assign(bindings, bindings + count);
    fakeCreatedWindow = new FakeWindow(p);
    return fakeCreatedWindow;
}

void destroyWindow(Window* window) {
    static_cast<FakePlatform&>(platform::services()).record("destroyWindow()");
    delete static_cast<FakeWindow*>(window);
    fakeCreatedWindow = nullptr;
}

void runWindowManager(WindowManager& manager) {
    if (manager.init() == 0 && fakeEventLoop)
        fakeEventLoop(manager);
    manager.kill();
}

} // namespace frame
