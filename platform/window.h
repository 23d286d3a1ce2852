// Our small window framework: one dialog-template window, its use variables, and a
// window manager whose three steps the program replaces.
#pragma once

#include <stddef.h>
#include <stdint.h>

namespace frame {

// What the handling of an accepted control tells the event loop.
enum Acceptance : int { GoOn = 0, LeaveLoop = 3, EndEvent = 5 };

enum class Show { Restore, Maximize, Minimize };

// What the program's logic asks of its open window. Positions and sizes in pixels.
class Window {
  public:
    // Creates and shows the window with its controls; false when it cannot be made.
    virtual bool open() = 0;
    virtual void focusControl(int control) = 0;
    // Every control redrawn from its use variable.
    virtual void refresh() = 0;

    virtual bool isMaximized() = 0;
    virtual bool isMinimized() = 0;
    virtual bool hasSizableFrame() = 0;
    virtual void framePosition(int32_t* x, int32_t* y) = 0;
    virtual void clientSize(int32_t* width, int32_t* height) = 0;
    virtual void moveFrame(int32_t x, int32_t y) = 0;
    virtual void resizeClient(int32_t width, int32_t height) = 0;
    virtual void show(Show how) = 0;
    // Pixels of 4 horizontal and 8 vertical dialog units of the window's font.
    virtual void dialogBaseUnits(int32_t* x, int32_t* y) = 0;
    // Whether the outer frame overlaps the work area of any monitor.
    virtual bool isOnSomeMonitor() = 0;
    // Centred in the work area, never left of or above it.
    virtual void centre() = 0;

  protected:
    ~Window() {}
};

// The framework's window manager; the program derives from it and replaces three steps.
class WindowManager {
  public:
    WindowManager() : window_(nullptr) {}

    // Returns 0 on success; anything else skips the event loop.
    virtual int init() { return standardInit(); }
    virtual int kill() { return standardKill(); }
    virtual int takeAccepted(int control) { return standardAccepted(control); }

    int standardInit() { return 0; }
    int standardKill() { return 0; }
    // No lists, views or toolbars are registered, so there is nothing to do.
    int standardAccepted(int) { return GoOn; }

    // Which control gets the focus when the window opens.
    int firstFocus = 1;

    Window& window() { return *window_; }
    void attach(Window* w) { window_ = w; }

  protected:
    ~WindowManager() {}

  private:
    Window* window_;
};

// Rounds to the nearest unit, halves away from zero, as MulDiv does.
int32_t scale(int32_t value, int32_t multiplier, int32_t divisor);
inline int32_t pixelsToDialogX(int32_t px, int32_t baseX) {
    return scale(px, 4, baseX);
}
inline int32_t pixelsToDialogY(int32_t px, int32_t baseY) {
    return scale(px, 8, baseY);
}
inline int32_t dialogToPixelsX(int32_t du, int32_t baseX) {
    return scale(du, baseX, 4);
}
inline int32_t dialogToPixelsY(int32_t du, int32_t baseY) {
    return scale(du, baseY, 8);
}

} // namespace frame

namespace frame {

// Ties a control to its use variable: a blank-padded text field or a signed 16-bit number.
struct Binding {
    int control;
    char* chars;
    size_t width;
    size_t entryLimit; // characters the user may type; 0 for no limit of ours
    int16_t* number;
};

inline Binding textBinding(int control, char* chars, size_t width, size_t entryLimit) {
    return Binding{control, chars, width, entryLimit, nullptr};
}
inline Binding numberBinding(int control, int16_t* number) {
    return Binding{control, nullptr, 0, 0, number};
}

// Makes the window from its description; it opens when the manager's init step asks.
Window* createWindow(const char* description, const Binding* bindings, int count);
void destroyWindow(Window* window);

// Runs the manager: its init step, the event loop when that succeeded, then its closing step.
void runWindowManager(WindowManager& manager);

} // namespace frame
