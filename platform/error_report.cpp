#include "platform/error_report.h"

#include "platform/platform.h"

namespace frame {

void ErrorReporter::init() {
    for (int i = 0; i < slots; ++i)
        slot_[i] = Slot{0, nullptr};
}

void ErrorReporter::enterProcedure(const char* name) {
    uint32_t me = platform::services().currentThreadId();
    Slot* free = nullptr;
    for (int i = 0; i < slots; ++i) {
        if (slot_[i].name && slot_[i].thread == me) {
            slot_[i].name = name;
            return;
        }
        if (!slot_[i].name && !free)
            free = &slot_[i];
    }
    if (free)
        *free = Slot{me, name};
}

void ErrorReporter::leaveProcedure() {
    uint32_t me = platform::services().currentThreadId();
    for (int i = 0; i < slots; ++i)
        if (slot_[i].name && slot_[i].thread == me)
            slot_[i] = Slot{0, nullptr};
}

const char* ErrorReporter::procedure() const {
    uint32_t me = platform::services().currentThreadId();
    for (int i = 0; i < slots; ++i)
        if (slot_[i].name && slot_[i].thread == me)
            return slot_[i].name;
    return nullptr;
}

} // namespace frame
