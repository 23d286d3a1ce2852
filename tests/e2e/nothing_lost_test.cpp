// The files the program shares with others keep what is not the program's: instell.ini all
// but the DOZ number, TAVQip.INI all but the sections the program writes.
#include "finish_run.h"
#include "harness.h"
#include "program_test.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

// instell.ini as the terminal application may leave it, line by line, and what stands there
// once 1234 has replaced the DOZ number. Wine writes a profile file anew on every change,
// dropping blank lines and the blanks around a line, a name and a value (comments are lines
// like any other); Windows would keep them. A line without an "after" is dropped.
struct Line {
    const char* before;
    const char* after;
};
const Line TerminalSettingsLines[] = {
    {"; Zelvorn kassa", "; Zelvorn kassa"},
    {"", nullptr},
    {"[Kassa]", "[Kassa]"},
    {"Poort = 3", "Poort=3"},
    {"  Snelheid=9600  ", "Snelheid=9600"},
    {";DOZNummer = commentaar", ";DOZNummer=commentaar"},
    {"DOZNummer=kassa", "DOZNummer=kassa"},
    {"", nullptr},
    {"[Global]", "[Global]"},
    {"Winkel=12", "Winkel=12"},
    {"\t; ingesprongen", "; ingesprongen"},
    {"DOZNummer=4321", "DOZNummer=1234"},
    {"Naam =  Filiaal Oost ", "Naam=Filiaal Oost"},
    {"Leeg=", "Leeg="},
    {"zonder gelijkteken", "zonder gelijkteken"},
    {"", nullptr},
    {"[Printer]", "[Printer]"},
    {"DOZNummer=printer", "DOZNummer=printer"},
};

std::string terminalSettings(bool after) {
    std::string bytes;
    for (const Line& l : TerminalSettingsLines) {
        const char* line = after ? l.after : l.before;
        if (line)
            bytes += std::string(line) + "\r\n";
    }
    return bytes;
}

// TAVQip.INI shared with another program, in the form Wine writes a profile file, so that a
// rewrite must give back each foreign line as it was. The foreign keys are named like the
// program's own, to catch a write to the wrong section.
const char SharedSettings[] = "; Gedeeld met het beheerprogramma\r\n"
                              "[Beheer]\r\n"
                              "; door het beheerprogramma gezet\r\n"
                              "Versie=3.1\r\n"
                              "XPos=1\r\n"
                              "[Main]\r\n"
                              "Maximize=No\r\n"
                              "Minimize=No\r\n"
                              "XPos=20\r\n"
                              "YPos=15\r\n"
                              "Width=416\r\n"
                              "Height=183\r\n"
                              "[Beheer.Vensters]\r\n"
                              "; niet wijzigen\r\n"
                              "Main=Beheer\r\n"
                              "Sectors=9\r\n";

// The bytes with the values of one section blanked out: all a save may change there.
std::string withoutValues(const std::string& bytes, const std::string& section) {
    std::string result;
    bool inSection = false;
    for (std::string line : lines(bytes)) {
        if (!line.empty() && line[0] == '[')
            inSection = line == "[" + section + "]";
        else if (inSection && line.find('=') != std::string::npos)
            line.erase(line.find('=') + 1);
        result += line + "\r\n";
    }
    return result;
}

class NothingLost : public FinishTest {
  protected:
    // Away from where the settings file puts the window, so that a save changes the file.
    bool moveWindow() const {
        const POINT to{300, 200};
        SetWindowPos(app.window(), nullptr, to.x, to.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return waitUntil([&] {
            RECT r{};
            GetWindowRect(app.window(), &r);
            return r.left == to.x && r.top == to.y;
        });
    }
};

TEST_F(NothingLost, AWholeRunChangesNothingButTheDozNumber) {
    struct Case {
        const char* what;
        const char* doz;
        bool changed;
    };
    // Wine leaves a file alone when the value written is the one it holds: then even the
    // blanks must still be there, as nothing else of the run may touch the file.
    const Case cases[] = {
        {"a new DOZ number", "1234", true},
        {"the stored DOZ number again", "4321", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(station.prepare());
        ASSERT_TRUE(writeFile(Workstation::TerminalSettings, terminalSettings(false)));
        ASSERT_TRUE(writeFile(station.settingsFile(), SharedSettings));
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(moveWindow());
        Values v;
        v.doz = c.doz;
        ASSERT_TRUE(enterAll(v));
        ASSERT_TRUE(completeRun());
        EXPECT_EQ(readFile(Workstation::TerminalSettings), terminalSettings(c.changed));
        EXPECT_EQ(readFile(station.settingsFile()), std::string(SharedSettings))
            << "a hand-over writes nothing to its settings file";
    }
}

TEST_F(NothingLost, ANormalCloseKeepsTheForeignSectionsOfTheSettingsFile) {
    ASSERT_TRUE(writeFile(station.settingsFile(), SharedSettings));
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(moveWindow());
    ASSERT_TRUE(app.toFront());
    pressKey(VK_ESCAPE);
    ASSERT_EQ(app.waitForExit(), 0u);

    std::optional<std::string> after = readFile(station.settingsFile());
    ASSERT_TRUE(after);
    EXPECT_NE(profileValue(station.settingsFile(), "Main", "XPos"), "20")
        << "the file was not written anew";
    // [Main] keeps its keys in their places; the bookkeeping section is new, at the end.
    EXPECT_EQ(withoutValues(*after, "Main"),
              withoutValues(SharedSettings, "Main") + "[__Dont_Touch_Me__]\r\nSectors=0\r\n");
}

} // namespace
} // namespace e2e
