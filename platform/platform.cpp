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
    Text<255> t(title);
    Text<1023> m(text);
    services().messageBox(t.clip().c_str(), m.clip().c_str(), icon);
}

} // namespace platform
