// The Windows services the program uses, behind one small interface: the Win32
// implementation is in platform_win32.cpp, the native tests link a recording fake.
// Everything here is a thin pass-through; deciding what to tell the user is the caller's.
#pragma once

#include <stdint.h>

namespace platform {

enum class Icon { None, Error, Warning }; // IDI_ERROR 32513, IDI_WARNING 32515

enum class RegRoot { CurrentUser, LocalMachine };
const uint32_t RegSz = 1;
const uint32_t RegDword = 4;

// CreateFileA's two uses: created empty without sharing, or opened shared for reading and writing.
enum class FileMode { CreateAlwaysExclusive, OpenExistingShared };

const uint32_t SpifSendChange = 2;

typedef void* Handle;

struct Process {
    Handle process;
    Handle thread;
};

struct Rect {
    int32_t left, top, right, bottom;
};

class Services {
  public:
    // Modal, owned by the main window, one OK button that is the default.
    virtual void messageBox(const char* title, const char* text, Icon icon) = 0;

    virtual bool getDragFullWindows(uint32_t* value) = 0;
    virtual void setDragFullWindows(uint32_t on, uint32_t flags) = 0;
    virtual bool getWorkArea(Rect* area) = 0;
    virtual uint32_t getWindowsDirectory(char* buffer, uint32_t size) = 0;

    virtual uint32_t getPrivateProfileString(const char* section, const char* key,
                                             const char* defaultValue, char* buffer, uint32_t size,
                                             const char* file) = 0;
    // A null value removes the key.
    virtual bool writePrivateProfileString(const char* section, const char* key, const char* value,
                                           const char* file) = 0;
    virtual bool writeProfileString(const char* section, const char* key, const char* value) = 0;

    // Returns the error code: 0 when the key is open.
    virtual int32_t regCreateKey(RegRoot root, const char* path, Handle* key) = 0;
    virtual int32_t regSetValue(Handle key, const char* name, uint32_t type,
                                const unsigned char* data, uint32_t size) = 0;
    virtual void regCloseKey(Handle key) = 0;

    // Null when the file cannot be created or opened.
    virtual Handle createFile(const char* name, FileMode mode) = 0;
    virtual bool writeFile(Handle file, const char* data, uint32_t size, uint32_t* written) = 0;
    virtual bool flushFile(Handle file) = 0;

    // Both in place; false when a character has no counterpart.
    virtual bool ansiToOem(char* chars, uint32_t size) = 0;
    virtual bool oemToAnsi(char* chars, uint32_t size) = 0;

    // CreateProcess with no application name, nothing inherited, flags 0, the program's own
    // environment and directory.
    virtual bool createProcess(const char* commandLine, Process* started) = 0;
    virtual void waitForProcess(Handle process) = 0;
    virtual bool getExitCode(Handle process, uint32_t* code) = 0;
    virtual void closeHandle(Handle h) = 0;

    virtual void exitProcess(uint32_t code) = 0;
    virtual uint32_t currentThreadId() = 0;

  protected:
    ~Services() {}
};

// A message dialog with the trailing blanks of title and text removed.
void message(const char* title, const char* text, Icon icon);

// The one instance the program runs with: the Win32 services, or a test's fake.
Services& services();
void setServices(Services* s);

} // namespace platform
