// The floor for "a Win32 dialog appears": the program's template, no logic of ours.
#include <windows.h>

static INT_PTR CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_INITDIALOG) {
        SetDlgItemTextA(hwnd, 3, "VOSXXXX-006-03");
        return TRUE;
    }
    if ((msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) || msg == WM_CLOSE) {
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    HWND hwnd = CreateDialogParamA(instance, "P1$WINDOW", nullptr, proc, 0);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        if (!IsDialogMessageA(hwnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    return 0;
}
