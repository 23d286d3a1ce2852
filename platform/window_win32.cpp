// The framework's Win32 side: a modeless dialog from a template, bound to use variables.
#include "platform/text.h"
#include "platform/win32.h"
#include "platform/window.h"

#include <windows.h>

namespace frame {

namespace {

const UINT OpenedMessage = WM_APP + 1;
const int MaxBindings = 16;

class DialogWindow final : public Window {
  public:
    void describe(const char* description, const Binding* bindings, int count) {
        description_ = description;
        count_ = count < MaxBindings ? count : MaxBindings;
        for (int i = 0; i < count_; ++i)
            bindings_[i] = bindings[i];
        hwnd_ = nullptr;
        manager_ = nullptr;
        leave_ = false;
        sizeReported_ = false;
    }

    bool open() override {
        hwnd_ = CreateDialogParamA(GetModuleHandleA(nullptr), description_, nullptr, proc,
                                   reinterpret_cast<LPARAM>(this));
        if (!hwnd_)
            return false;
        platform::setMessageOwner(hwnd_);
        HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
        SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        for (int i = 0; i < count_; ++i)
            if (bindings_[i].entryLimit)
                SendDlgItemMessageA(hwnd_, bindings_[i].control, EM_LIMITTEXT,
                                    bindings_[i].entryLimit, 0);
        fitStatics();
        centre();
        // Shown at the first event, with the defaults stored after opening already in its
        // controls: no empty fields flash, and a restored placement never jumps.
        PostMessageA(hwnd_, OpenedMessage, 0, 0);
        return true;
    }

    void close() {
        if (hwnd_)
            DestroyWindow(hwnd_);
        hwnd_ = nullptr;
        platform::setMessageOwner(nullptr);
    }

    void focusControl(int control) override {
        HWND target = GetDlgItem(hwnd_, control);
        SetFocus(target);
        // Activation selects all of the first entry's text; the focus alone is wanted.
        SendMessageA(target, EM_SETSEL, 0, 0);
    }

    void refresh() override {
        for (int i = 0; i < count_; ++i)
            show(bindings_[i]);
    }

    bool isMaximized() override { return IsZoomed(hwnd_) != 0; }
    bool isMinimized() override { return IsIconic(hwnd_) != 0; }
    bool hasSizableFrame() override {
        return (GetWindowLongA(hwnd_, GWL_STYLE) & WS_THICKFRAME) != 0;
    }
    void framePosition(int32_t* x, int32_t* y) override {
        RECT r;
        GetWindowRect(hwnd_, &r);
        *x = r.left;
        *y = r.top;
    }
    void clientSize(int32_t* width, int32_t* height) override {
        RECT r;
        GetClientRect(hwnd_, &r);
        *width = r.right;
        *height = r.bottom;
    }
    void moveFrame(int32_t x, int32_t y) override {
        SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void resizeClient(int32_t width, int32_t height) override {
        RECT outer, client;
        GetWindowRect(hwnd_, &outer);
        GetClientRect(hwnd_, &client);
        int frameWidth = (outer.right - outer.left) - client.right;
        int frameHeight = (outer.bottom - outer.top) - client.bottom;
        SetWindowPos(hwnd_, nullptr, 0, 0, width + frameWidth, height + frameHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void show(Show how) override {
        ShowWindow(hwnd_, how == Show::Restore    ? SW_RESTORE
                          : how == Show::Maximize ? SW_MAXIMIZE
                                                  : SW_MINIMIZE);
    }
    void dialogBaseUnits(int32_t* x, int32_t* y) override {
        RECT r = {0, 0, 4, 8};
        MapDialogRect(hwnd_, &r);
        *x = r.right;
        *y = r.bottom;
    }
    bool isOnSomeMonitor() override {
        RECT frame, visible;
        GetWindowRect(hwnd_, &frame);
        HMONITOR monitor = MonitorFromRect(&frame, MONITOR_DEFAULTTONULL);
        if (!monitor)
            return false;
        MONITORINFO info;
        info.cbSize = sizeof info;
        if (!GetMonitorInfoA(monitor, &info))
            return true;
        return IntersectRect(&visible, &frame, &info.rcWork) != 0;
    }
    void centre() override {
        platform::Rect area;
        if (!platform::services().getWorkArea(&area))
            return;
        RECT r;
        GetWindowRect(hwnd_, &r);
        int32_t x = area.left + ((area.right - area.left) - (r.right - r.left)) / 2;
        int32_t y = area.top + ((area.bottom - area.top) - (r.bottom - r.top)) / 2;
        moveFrame(x < area.left ? area.left : x, y < area.top ? area.top : y);
    }

    void runLoop(WindowManager& manager) {
        manager_ = &manager;
        MSG msg;
        while (!leave_) {
            BOOL got = GetMessageA(&msg, nullptr, 0, 0);
            if (got == 0 || got == -1)
                break;
            if (!IsDialogMessageA(hwnd_, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        manager_ = nullptr;
    }

  private:
    const Binding* find(int control) const {
        for (int i = 0; i < count_; ++i)
            if (bindings_[i].control == control)
                return &bindings_[i];
        return nullptr;
    }

    // Characters the control may show of its variable.
    static size_t shown(const Binding& b) {
        size_t n = text::clippedLength(b.chars, b.width);
        return b.entryLimit && n > b.entryLimit ? b.entryLimit : n;
    }

    // Controls that already show their variable are left alone, so a size report never
    // moves the caret or rewrites what the user is typing.
    void show(const Binding& b) {
        HWND control = GetDlgItem(hwnd_, b.control);
        static char current[10001];
        GetWindowTextA(control, current, sizeof current);
        if (b.number) {
            if (text::parseEntryNumber(current) == *b.number)
                return;
            char digits[12];
            text::formatNumber(*b.number, digits);
            SetWindowTextA(control, digits);
            return;
        }
        size_t n = shown(b);
        size_t have = text::clippedLength(current, text::length(current));
        bool same = have == n;
        for (size_t i = 0; same && i < n; ++i)
            same = current[i] == b.chars[i];
        if (same)
            return;
        static char wanted[10001];
        for (size_t i = 0; i < n && i < sizeof wanted - 1; ++i)
            wanted[i] = b.chars[i];
        wanted[n < sizeof wanted - 1 ? n : sizeof wanted - 1] = 0;
        SetWindowTextA(control, wanted);
    }

    // The use variables follow the entries as the user edits them.
    void take(const Binding& b) {
        static char typed[10001];
        int n = GetWindowTextA(GetDlgItem(hwnd_, b.control), typed, sizeof typed);
        if (b.number)
            *b.number = text::parseEntryNumber(typed);
        else
            text::store(b.chars, b.width, typed, n < 0 ? 0 : static_cast<size_t>(n));
    }

    void accept(int control) {
        if (manager_ && manager_->takeAccepted(control) == LeaveLoop)
            leaveLoop();
    }

    void leaveLoop() {
        leave_ = true;
        PostMessageA(hwnd_, WM_NULL, 0, 0);
    }

    // Statics laid out with no size in the template take the size of their text.
    void fitStatics() {
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
        for (HWND child = GetWindow(hwnd_, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            char cls[16];
            RECT r;
            GetClassNameA(child, cls, sizeof cls);
            GetClientRect(child, &r);
            if (lstrcmpiA(cls, "Static") != 0 || r.right != 0 || r.bottom != 0)
                continue;
            char caption[256];
            GetWindowTextA(child, caption, sizeof caption);
            RECT fit = {0, 0, 0, 0};
            DrawTextA(dc, caption, -1, &fit, DT_CALCRECT | DT_SINGLELINE);
            SetWindowPos(child, nullptr, 0, 0, fit.right, fit.bottom,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
    }

    INT_PTR onCommand(int id, int code) {
        if (id == IDCANCEL) { // Escape, or a cancel command
            leaveLoop();
            return TRUE;
        }
        const Binding* b = find(id);
        if (b && b->chars != nullptr && b->entryLimit == 0)
            return FALSE; // the read-only text box; Enter there is not the Finish button
        if (b && code == EN_CHANGE)
            take(*b);
        else if (b && code == EN_KILLFOCUS)
            accept(id);
        else if (!b && code == BN_CLICKED)
            accept(id);
        return TRUE;
    }

    static INT_PTR CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_INITDIALOG) {
            SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
            reinterpret_cast<DialogWindow*>(lParam)->hwnd_ = hwnd;
            return FALSE;
        }
        DialogWindow* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
        if (!self)
            return FALSE;
        switch (msg) {
        case OpenedMessage:
            self->refresh();
            if (!IsWindowVisible(hwnd))
                ShowWindow(hwnd, SW_SHOWNORMAL);
            if (self->manager_)
                self->focusControl(self->manager_->firstFocus);
            return TRUE;
        case WM_COMMAND:
            return self->onCommand(LOWORD(wParam), HIWORD(wParam));
        case WM_SIZE:
            // The report made as the window opens is not answered.
            if (self->sizeReported_)
                self->refresh();
            self->sizeReported_ = true;
            return TRUE;
        case WM_CLOSE:
            self->leaveLoop();
            return TRUE;
        case DM_GETDEFID:
            // No default button. The dialog manager's default would be IDOK, which is the
            // text box here: Enter in it would then be sent back to it without end.
            SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
            return TRUE;
        }
        return FALSE;
    }

    const char* description_;
    Binding bindings_[MaxBindings];
    int count_;
    HWND hwnd_;
    WindowManager* manager_;
    bool leave_;
    bool sizeReported_;
};

DialogWindow theWindow; // the program runs its one window once

} // namespace

Window* createWindow(const char* description, const Binding* bindings, int count) {
    theWindow.describe(description, bindings, count);
    return &theWindow;
}

void destroyWindow(Window* window) {
    static_cast<DialogWindow*>(window)->close();
}

void runWindowManager(WindowManager& manager) {
    DialogWindow& window = static_cast<DialogWindow&>(manager.window());
    if (manager.init() == 0)
        window.runLoop(manager);
    manager.kill();
}

} // namespace frame
