#include "platform/win32.h"

#include <windows.h>

namespace platform {

namespace {

HWND owner = nullptr;

HKEY rootKey(RegRoot root) {
    return root == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

class Win32Services final : public Services {
  public:
    void messageBox(const char* title, const char* text, Icon icon) override {
        UINT style = MB_OK;
        if (icon == Icon::Error)
            style |= MB_ICONHAND;
        else if (icon == Icon::Warning)
            style |= MB_ICONEXCLAMATION;
        MessageBoxA(owner, text, title, style);
    }

    bool getDragFullWindows(uint32_t* value) override {
        BOOL on = FALSE;
        if (!SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &on, 0))
            return false;
        *value = static_cast<uint32_t>(on);
        return true;
    }
    void setDragFullWindows(uint32_t on, uint32_t flags) override {
        SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on, nullptr, flags);
    }
    bool getWorkArea(Rect* area) override {
        RECT r;
        if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0))
            return false;
        *area = Rect{r.left, r.top, r.right, r.bottom};
        return true;
    }
    uint32_t getWindowsDirectory(char* buffer, uint32_t size) override {
        return GetWindowsDirectoryA(buffer, size);
    }

    uint32_t getPrivateProfileString(const char* section, const char* key, const char* defaultValue,
                                     char* buffer, uint32_t size, const char* file) override {
        return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, file);
    }
    bool writePrivateProfileString(const char* section, const char* key, const char* value,
                                   const char* file) override {
        return WritePrivateProfileStringA(section, key, value, file) != 0;
    }
    bool writeProfileString(const char* section, const char* key, const char* value) override {
        return WriteProfileStringA(section, key, value) != 0;
    }

    int32_t regCreateKey(RegRoot root, const char* path, Handle* key) override {
        HKEY opened = nullptr;
        char emptyClass[] = "";
        LONG result = RegCreateKeyExA(rootKey(root), path, 0, emptyClass, REG_OPTION_NON_VOLATILE,
                                      KEY_WRITE, nullptr, &opened, nullptr);
        *key = opened;
        return result;
    }
    int32_t regSetValue(Handle key, const char* name, uint32_t type, const unsigned char* data,
                        uint32_t size) override {
        return RegSetValueExA(static_cast<HKEY>(key), name, 0, type, data, size);
    }
    void regCloseKey(Handle key) override { RegCloseKey(static_cast<HKEY>(key)); }

    Handle createFile(const char* name, FileMode mode) override {
        bool create = mode == FileMode::CreateAlwaysExclusive;
        HANDLE h = CreateFileA(name, GENERIC_READ | GENERIC_WRITE,
                               create ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               create ? CREATE_ALWAYS : OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL | FILE_FLAG_RANDOM_ACCESS, nullptr);
        return h == INVALID_HANDLE_VALUE ? nullptr : h;
    }
    bool writeFile(Handle file, const char* data, uint32_t size, uint32_t* written) override {
        DWORD done = 0;
        BOOL ok = file && SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                  WriteFile(file, data, size, &done, nullptr);
        *written = done;
        return ok != 0;
    }
    bool flushFile(Handle file) override { return file && FlushFileBuffers(file) != 0; }

    bool ansiToOem(char* chars, uint32_t size) override {
        return CharToOemBuffA(chars, chars, size) != 0;
    }
    bool oemToAnsi(char* chars, uint32_t size) override {
        return OemToCharBuffA(chars, chars, size) != 0;
    }

    bool createProcess(const char* commandLine, Process* started) override {
        // CreateProcessA may write into the command line, so it gets a copy of its own.
        char line[32768];
        lstrcpynA(line, commandLine, sizeof line);
        STARTUPINFOA startup;
        ZeroMemory(&startup, sizeof startup);
        startup.cb = sizeof startup;
        startup.wShowWindow = SW_SHOW;
        PROCESS_INFORMATION info;
        if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &info))
            return false;
        started->process = info.hProcess;
        started->thread = info.hThread;
        return true;
    }
    void waitForProcess(Handle process) override { WaitForSingleObject(process, INFINITE); }
    bool getExitCode(Handle process, uint32_t* code) override {
        DWORD c = 0;
        if (!GetExitCodeProcess(process, &c))
            return false;
        *code = c;
        return true;
    }
    void closeHandle(Handle h) override {
        if (h)
            CloseHandle(h);
    }

    void exitProcess(uint32_t code) override { ExitProcess(code); }
    uint32_t currentThreadId() override { return GetCurrentThreadId(); }
};

Win32Services instance;

} // namespace

static_assert(sizeof(STARTUPINFOA) == 68, "STARTUPINFO is 68 bytes on 32-bit Windows");

Services& win32Services() {
    return instance;
}
void setMessageOwner(void* hwnd) {
    owner = static_cast<HWND>(hwnd);
}

} // namespace platform
