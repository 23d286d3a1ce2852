// The driver's entry: GoogleTest, then the exit status into the file that the wrapper
// waits for (a program started inside a Wine virtual desktop cannot hand it back itself).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    int status = RUN_ALL_TESTS();
    std::fflush(stdout);
    std::fflush(stderr);
    if (const char* file = std::getenv("TAVQIP_E2E_STATUS")) {
        std::string text = std::to_string(status) + "\n";
        HANDLE f = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        if (f != INVALID_HANDLE_VALUE) {
            WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
            CloseHandle(f);
        }
    }
    return status;
}
