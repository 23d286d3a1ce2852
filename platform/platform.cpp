#include "platform/platform.h"

#include "platform/text.h"

namespace platform {

namespace {
Services* current = nullptr;
}

Services& services() {
    return *current;
}
void setServices(Services* s) {
    current = s;
}

void message(const char* title, const char* text, Icon icon) {
    services().messageBox(clippedText<255>(title).c_str(), clippedText<1023>(text).c_str(), icon);
}

} // namespace platform
