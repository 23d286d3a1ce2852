// The framework's error-reporting object: it knows which procedure runs on each thread,
// so that a report can say where it came from.
#pragma once

#include <stdint.h>

namespace frame {

class ErrorReporter {
  public:
    void init();
    void enterProcedure(const char* name);
    void leaveProcedure();
    // Null when no procedure is registered for the calling thread.
    const char* procedure() const;

  private:
    struct Slot {
        uint32_t thread;
        const char* name;
    };
    static const int slots = 8;
    Slot slot_[slots];
};

} // namespace frame
