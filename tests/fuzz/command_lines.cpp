// The input check followed by the command file. The input is what the user typed, a line
// each: computer name, X, Y, Z, then the connection name (the rest, line breaks and all).
// For any input the check accepts, every line of the command file is one line that holds
// the connection name exactly once, between quotation marks, and nothing the command
// interpreter would expand or act on; any other input is refused at the first bad field.
#include "app/TAVQi001.h"
#include "fake_platform.h"
#include "fuzz_check.h"
#include "reconfig/command_file.h"
#include "reconfig/finish.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Manager : frame::WindowManager {};

const char CommandFile[] = "c:\\vpnnetsh.cmd";

std::string clipped(std::string s, size_t width) {
    s = s.substr(0, s.find('\0')).substr(0, width);
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

bool isNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// A NetBIOS name: 1 to 15 letters, digits and '-', no '-' at either end, not all digits.
bool validComputerName(const std::string& n) {
    if (n.empty() || n.size() > 15 || n.front() == '-' || n.back() == '-')
        return false;
    return std::all_of(n.begin(), n.end(), isNameCharacter) &&
           !std::all_of(n.begin(), n.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string inOemCodePage(std::string s) {
    if (!s.empty())
        platform::services().ansiToOem(&s[0], static_cast<uint32_t>(s.size()));
    return s;
}

std::string inAnsiCodePage(std::string s) {
    if (!s.empty())
        platform::services().oemToAnsi(&s[0], static_cast<uint32_t>(s.size()));
    return s;
}

// Inside quotation marks the command interpreter takes & | < > ^ ( ) as they are; a
// percent sign it expands everywhere, a quotation mark would end the quoted part, and a
// control character could end the line. An exclamation mark is expanded only with delayed
// expansion, which is off unless the machine's registry turns it on.
bool validConnectionName(const std::string& n) {
    if (n.empty())
        return false;
    for (unsigned char c : n)
        if (c == '"' || c == '%' || c < 0x20 || c == 0x7f)
            return false;
    // The command file is read in the OEM code page: the name must come through unchanged.
    return inAnsiCodePage(inOemCodePage(n)) == n;
}

// Outside the quoted name only the fixed words, numbers and '=' of the netsh commands.
bool plainCommandText(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '.' || c == '=';
    });
}

void checkLine(const std::string& line, const std::string& lan, const std::string& start) {
    FUZZ_CHECK(line.size() < 1000); // never cut by the record
    for (unsigned char c : line)
        FUZZ_CHECK(c >= 0x20 && c != 0x7f);
    FUZZ_CHECK(std::count(line.begin(), line.end(), '"') == 2);
    FUZZ_CHECK(line.find('%') == std::string::npos);
    size_t open = line.find('"');
    size_t close = line.find('"', open + 1);
    FUZZ_CHECK(line.substr(0, open) == start);
    FUZZ_CHECK(line.substr(open + 1, close - open - 1) == lan);
    FUZZ_CHECK(plainCommandText(line.substr(close + 1)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    std::string input(reinterpret_cast<const char*>(bytes), size);
    std::vector<std::string> typed;
    for (int field = 0; field < 4; ++field) {
        size_t end = input.find('\n');
        typed.push_back(input.substr(0, end));
        input = end == std::string::npos ? "" : input.substr(end + 1);
    }
    typed.push_back(input);
    for (std::string& t : typed)
        t = t.substr(0, t.find('\0')); // an entry's text is a C string

    FakePlatform fake;
    FakeWindow window(fake);
    Manager manager;
    manager.attach(&window);
    MainScreenData data;
    data.LOC_CNAAM.store(typed[0].c_str());
    data.LOC_SERVERNAAM.store(typed[0].c_str());
    data.LOC_X = text::parseEntryNumber(typed[1].c_str());
    data.LOC_Y = text::parseEntryNumber(typed[2].c_str());
    data.LOC_Z = text::parseEntryNumber(typed[3].c_str());
    data.LOC_LAN.store(typed[4].c_str());
    data.LOC_JDSNR.store("1234");
    GLO_CMDBESTAND.clear();

    std::string name = clipped(typed[0], 40);
    std::string lan = clipped(typed[4], 40);
    int refusedAt = 0;
    if (!validComputerName(name))
        refusedAt = CTL_CNAAM;
    else if (data.LOC_X < 0 || data.LOC_X > 255)
        refusedAt = CTL_X;
    else if (data.LOC_Y < 0 || data.LOC_Y > 255)
        refusedAt = CTL_Y;
    else if (data.LOC_Z < 2 || data.LOC_Z > 254)
        refusedAt = CTL_Z;
    else if (!validConnectionName(lan))
        refusedAt = CTL_LAN;
    fake.log.clear();

    FinishHandler(manager, data, CTL_VOLTOOIBUTTON);

    if (refusedAt != 0) {
        FUZZ_CHECK(fake.messages.size() == 1);
        FUZZ_CHECK(fake.messages[0].title == "Ongeldige waarde");
        FUZZ_CHECK(fake.messages[0].text == "Ongeldige waarde ingevoerd.");
        FUZZ_CHECK(fake.messages[0].icon == platform::Icon::Error);
        FUZZ_CHECK(fake.log.back() == "window.focusControl(" + std::to_string(refusedAt) + ")");
        FUZZ_CHECK(fake.files.count(CommandFile) == 0 && !fake.exited);
        return 0;
    }

    FUZZ_CHECK(fake.exited);
    const std::string lines[3] = {CommandLine1(data).c_str(), CommandLine2(data).c_str(),
                                  CommandLine3(data).c_str()};
    checkLine(lines[0], lan, "netsh interface ip set address name=");
    checkLine(lines[1], lan, "netsh interface ip set dns name=");
    checkLine(lines[2], lan, "netsh interface ip add dns name=");

    // The file holds those three lines, in the interpreter's code page, and no other line end.
    FUZZ_CHECK(fake.files.count(CommandFile) == 1);
    const std::string& file = fake.files[CommandFile];
    FUZZ_CHECK(std::count(file.begin(), file.end(), '\n') == 3);
    FUZZ_CHECK(std::count(file.begin(), file.end(), '\r') == 3);
    FUZZ_CHECK(file == inOemCodePage(lines[0]) + "\r\n" + inOemCodePage(lines[1]) + "\r\n" +
                           inOemCodePage(lines[2]) + "\r\n");

    // The join is started without an interpreter, so the name must be one argument of it.
    std::vector<std::string> started = fake.callsNamed("createProcess");
    FUZZ_CHECK(!started.empty());
    FUZZ_CHECK(started[0] == "createProcess(c:\\zivuvedez\\netdom member \\\\" + name +
                                 " /JOINWORKGROUP ROVAVUZADE)");
    return 0;
}
