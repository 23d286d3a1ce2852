// A recording fake of the platform layer and of the window framework. Every call lands in
// one log, in order, so tests can check sequences; any call can be made to fail.
#pragma once

#include "platform/platform.h"
#include "platform/window.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class FakePlatform : public platform::Services {
  public:
    FakePlatform();
    ~FakePlatform();

    std::vector<std::string> log;

    // Failing calls: every call whose log line starts with one of these ("writeFile(" fails
    // every write), or the n-th logged call (1-based).
    std::vector<std::string> failing;
    size_t failAtCall = 0;

    struct Message {
        std::string title, text;
        platform::Icon icon;
    };
    std::vector<Message> messages;

    // Profile files: file -> section -> key -> value; "" is the Windows profile.
    std::map<std::string, std::map<std::string, std::map<std::string, std::string>>> profiles;
    // Registry: "HKCU\\path" -> value name -> (type, bytes)
    struct Value {
        uint32_t type;
        std::string data;
    };
    std::map<std::string, std::map<std::string, Value>> registry;
    std::map<std::string, std::string> files;

    uint32_t dragFullWindows = 0;
    platform::Rect workArea{0, 0, 1024, 768};
    uint32_t exitCodeOfStartedProcess = 0;
    bool exited = false;

    std::vector<std::string> callsNamed(const std::string& name) const { return calls(name + "("); }
    std::vector<std::string> calls(const std::string& prefix) const;
    // The log from the first call of that name on.
    std::vector<std::string> logFrom(const std::string& name) const;
    // Records a line in the log; true when this call is to fail.
    bool record(const std::string& line);

    void messageBox(const char* title, const char* text, platform::Icon icon) override;
    bool getDragFullWindows(uint32_t* value) override;
    void setDragFullWindows(uint32_t on, uint32_t flags) override;
    bool getWorkArea(platform::Rect* area) override;
    uint32_t getWindowsDirectory(char* buffer, uint32_t size) override;
    uint32_t getPrivateProfileString(const char* section, const char* key, const char* defaultValue,
                                     char* buffer, uint32_t size, const char* file) override;
    bool writePrivateProfileString(const char* section, const char* key, const char* value,
                                   const char* file) override;
    bool writeProfileString(const char* section, const char* key, const char* value) override;
    int32_t regCreateKey(platform::RegRoot root, const char* path, platform::Handle* key) override;
    int32_t regSetValue(platform::Handle key, const char* name, uint32_t type,
                        const unsigned char* data, uint32_t size) override;
    void regCloseKey(platform::Handle key) override;
    platform::Handle createFile(const char* name, platform::FileMode mode) override;
    bool writeFile(platform::Handle file, const char* data, uint32_t size,
                   uint32_t* written) override;
    bool flushFile(platform::Handle file) override;
    bool ansiToOem(char* chars, uint32_t size) override;
    bool oemToAnsi(char* chars, uint32_t size) override;
    bool createProcess(const char* commandLine, platform::Process* started) override;
    void waitForProcess(platform::Handle process) override;
    bool getExitCode(platform::Handle process, uint32_t* code) override;
    void closeHandle(platform::Handle h) override;
    void exitProcess(uint32_t code) override;
    uint32_t currentThreadId() override { return 1; }

  private:
    std::map<void*, std::string> handles_;
    int nextHandle_ = 1;
    void* newHandle(const std::string& what);
};

// A window that logs what is asked of it into the platform's log.
class FakeWindow final : public frame::Window {
  public:
    explicit FakeWindow(FakePlatform& p) : p_(p) {}

    bool maximized = false, minimized = false, sizable = true, onMonitor = true;
    int32_t x = 100, y = 50, width = 624, height = 297; // 416 x 183 units at 6 x 13
    int32_t baseX = 6, baseY = 13;

    bool open() override { return !p_.record("window.open()"); }
    void focusControl(int control) override;
    void refresh() override { p_.record("window.refresh()"); }
    bool isMaximized() override { return maximized; }
    bool isMinimized() override { return minimized; }
    bool hasSizableFrame() override { return sizable; }
    void framePosition(int32_t* px, int32_t* py) override {
        *px = x;
        *py = y;
    }
    void clientSize(int32_t* w, int32_t* h) override {
        *w = width;
        *h = height;
    }
    void moveFrame(int32_t nx, int32_t ny) override;
    void resizeClient(int32_t w, int32_t h) override;
    void show(frame::Show how) override;
    void dialogBaseUnits(int32_t* bx, int32_t* by) override {
        *bx = baseX;
        *by = baseY;
    }
    bool isOnSomeMonitor() override { return onMonitor; }
    void centre() override;

  private:
    FakePlatform& p_;
};

// What the fake framework does between a manager's init and kill steps.
extern std::function<void(frame::WindowManager&)> fakeEventLoop;
extern FakeWindow* fakeCreatedWindow;
extern std::vector<frame::Binding> fakeBindings;
