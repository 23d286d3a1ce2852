#include "app/settings.h"

#include "platform/platform.h"

namespace {

const char BookkeepingSection[] = "__Dont_Touch_Me__";
const char SectorsKey[] = "Sectors";

// A default no stored value can hold, so that a missing key can be told from an empty one.
const char MissingKey[] = "\x7f<none>";

struct ProfileValue {
    char text[256];
    bool present;
};

void readEntry(const char* file, const char* section, const char* key, ProfileValue& out) {
    platform::services().getPrivateProfileString(section, key, MissingKey, out.text,
                                                 sizeof out.text, file);
    out.text[sizeof out.text - 1] = 0;
    out.present = !text::equal(out.text, MissingKey);
}

Text<16> itemKey(int n) {
    Text<16> key(SectorsKey);
    key.append('_').appendNumber(n);
    return key;
}

bool isYesOrNo(const char* value, bool* yes) {
    Text<255> clipped = clippedText<255>(value);
    if (clipped == "Yes" || clipped == "No") {
        *yes = clipped == "Yes";
        return true;
    }
    return false;
}

int32_t storedNumber(const char* value) {
    return value ? text::parseLeadingNumber(value) : PlacementNone;
}

} // namespace

Placement ParsePlacement(const PlacementEntries& e) {
    Placement p;
    if (!e.maximize || !isYesOrNo(e.maximize, &p.Maximize))
        return p;
    p.Found = true;
    p.Minimize = static_cast<uint8_t>(e.minimize ? text::parseLeadingNumber(e.minimize) : 0);
    p.XPos = storedNumber(e.xPos);
    p.YPos = storedNumber(e.yPos);
    p.Width = storedNumber(e.width);
    p.Height = storedNumber(e.height);
    return p;
}

void SettingsFileManager::init(const char* fileName) {
    fileName_ = Text<259>(fileName);
    itemCount_ = 0;
    ProfileValue v;
    readEntry(fileName_.c_str(), BookkeepingSection, SectorsKey, v);
    int32_t count = v.present ? text::parseLeadingNumber(v.text) : 0;
    if (count < 0)
        count = 0;
    if (count > maxItems)
        count = maxItems;
    for (int n = 1; n <= count; ++n) {
        char item[301];
        platform::services().getPrivateProfileString(BookkeepingSection, itemKey(n).c_str(), "",
                                                     item, sizeof item, fileName_.c_str());
        item[sizeof item - 1] = 0;
        items_[itemCount_++] = Text<300>(item);
    }
}

void SettingsFileManager::close() {
    Text<12> count;
    count.appendNumber(itemCount_);
    platform::Services& s = platform::services();
    s.writePrivateProfileString(BookkeepingSection, SectorsKey, count.c_str(), fileName_.c_str());
    for (int n = 1; n <= itemCount_; ++n)
        s.writePrivateProfileString(BookkeepingSection, itemKey(n).c_str(), items_[n - 1].c_str(),
                                    fileName_.c_str());
    itemCount_ = 0;
}

void SettingsFileManager::RestoreWindowPlacement(const char* section, frame::Window& window) {
    const char* file = fileName_.c_str();
    ProfileValue maximize, minimize, x, y, width, height;
    readEntry(file, section, "Maximize", maximize);
    readEntry(file, section, "Minimize", minimize);
    readEntry(file, section, "XPos", x);
    readEntry(file, section, "YPos", y);
    readEntry(file, section, "Width", width);
    readEntry(file, section, "Height", height);
    auto entry = [](const ProfileValue& v) { return v.present ? v.text : nullptr; };
    Placement p = ParsePlacement(PlacementEntries{entry(maximize), entry(minimize), entry(x),
                                                  entry(y), entry(width), entry(height)});
    if (!p.Found)
        return;

    if (!p.Maximize && window.isMaximized())
        window.show(frame::Show::Restore);
    int32_t baseX, baseY;
    window.dialogBaseUnits(&baseX, &baseY);
    int32_t px, py;
    window.framePosition(&px, &py);
    if (p.XPos != PlacementNone)
        px = frame::dialogToPixelsX(p.XPos, baseX);
    if (p.YPos != PlacementNone)
        py = frame::dialogToPixelsY(p.YPos, baseY);
    window.moveFrame(px, py);
    if (window.hasSizableFrame()) {
        int32_t cw, ch;
        window.clientSize(&cw, &ch);
        if (p.Width != PlacementNone)
            cw = frame::dialogToPixelsX(p.Width, baseX);
        if (p.Height != PlacementNone)
            ch = frame::dialogToPixelsY(p.Height, baseY);
        window.resizeClient(cw, ch);
    }
    // A window left on a monitor that is gone would be out of every reach.
    if (!window.isOnSomeMonitor())
        window.centre();
    if (p.Maximize && !window.isMaximized())
        window.show(frame::Show::Maximize);
    if (p.Minimize != 0)
        window.show(frame::Show::Minimize);
}

void SettingsFileManager::SaveWindowPlacement(const char* section, frame::Window& window) {
    bool maximized = window.isMaximized();
    bool minimized = window.isMinimized();
    int32_t numbers[4] = {PlacementNone, PlacementNone, PlacementNone, PlacementNone};
    if (!maximized && !minimized) {
        int32_t baseX, baseY, x, y;
        window.dialogBaseUnits(&baseX, &baseY);
        window.framePosition(&x, &y);
        numbers[0] = frame::pixelsToDialogX(x, baseX);
        numbers[1] = frame::pixelsToDialogY(y, baseY);
        if (window.hasSizableFrame()) {
            int32_t w, h;
            window.clientSize(&w, &h);
            numbers[2] = frame::pixelsToDialogX(w, baseX);
            numbers[3] = frame::pixelsToDialogY(h, baseY);
        }
    }
    const char* file = fileName_.c_str();
    platform::Services& s = platform::services();
    s.writePrivateProfileString(section, "Maximize", maximized ? "Yes" : "No", file);
    s.writePrivateProfileString(section, "Minimize", minimized ? "Yes" : "No", file);
    const char* keys[4] = {"XPos", "YPos", "Width", "Height"};
    for (int i = 0; i < 4; ++i) {
        Text<12> value;
        value.appendNumber(numbers[i]);
        s.writePrivateProfileString(section, keys[i],
                                    numbers[i] == PlacementNone ? nullptr : value.c_str(), file);
    }
}
