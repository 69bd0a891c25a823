#include "app/prefs.h"

#include <gtest/gtest.h>

#include "app/prompter.h"
#include "temp_folder.h"

namespace {

Prefs parsed(const std::string& text) {
    Prefs p;
    parsePrefs(text, p);
    return p;
}

}  // namespace

TEST(PrefsParsing, ValuesDefaultsRepeatsAndIgnoredLines) {
    struct Case {
        const char* text;
        int units;
        bool playful, asked;
    };
    const Case cases[] = {
        // A units line alone keeps the other defaults.
        {"units=2\n", 2, true, false},
        // Units outside 0..2 or missing fall back to millimetres; only the first digit counts.
        {"units=7\n", 0, true, false},
        {"units=", 0, true, false},
        {"units=12\n", 1, true, false},
        // Flags are true only for a leading "1".
        {"playful=yes\n", 0, false, false},
        {"playful=10\nasked=1\n", 0, true, true},
        // The last of a repeated key wins; Windows line ends still read.
        {"units=2\nplayful=0\nunits=1\nplayful=1\nasked=1\nasked=0\n", 1, true, false},
        {"playful=0\r\nasked=1\r\nunits=2\r\n", 2, false, true},
    };
    for (const Case& c : cases) {
        const Prefs p = parsed(c.text);
        EXPECT_EQ(p.units, c.units) << c.text;
        EXPECT_EQ(p.playful, c.playful) << c.text;
        EXPECT_EQ(p.asked, c.asked) << c.text;
    }
    // Other lines and indented or differently written keys leave the values alone.
    const Prefs p = parsed("units=2\n# comment\n playful=0\nUNITS=1\nasked =1\n\n");
    EXPECT_TRUE(p.units == 2 && p.playful && !p.asked);
}

TEST(PrefsFormat, WritesThreeLinesThatReadBackAndTheExperienceAnswer) {
    Prefs p;
    p.units = 1;
    applyExperienceResult(kIdNo, p);
    EXPECT_EQ(formatPrefs(p), "playful=0\nasked=1\nunits=1\n");
    EXPECT_EQ(formatPrefs(parsed(formatPrefs(p))), formatPrefs(p));
    applyExperienceResult(kIdYes, p);
    EXPECT_EQ(formatPrefs(p), "playful=1\nasked=1\nunits=1\n");
    EXPECT_EQ(formatPrefs(parsed(formatPrefs(p))), formatPrefs(p));
    // The close box ends the dialog with Cancel, which means "Down to Business".
    applyExperienceResult(kIdCancel, p);
    EXPECT_FALSE(p.playful);
}

TEST(PrefsFile, SavesBesideTheProgramWhenThatFolderIsWritable) {
    TempFolder tmp;
    std::filesystem::create_directories(tmp / "exe");
    const PrefsLocations where{tmp / "exe" / "prefs.cfg", tmp / "user" / "prefs.cfg"};
    Prefs p;
    p.units = 1;
    EXPECT_TRUE(loadPrefs(where, p).empty()) << "no file yet";
    EXPECT_EQ(p.units, 1) << "a missing file keeps the current values";
    EXPECT_EQ(savePrefs(where, p), where.besideProgram);
    EXPECT_EQ(readFile(where.besideProgram), "playful=1\nasked=0\nunits=1\n");
    EXPECT_FALSE(std::filesystem::exists(where.perUser));
    Prefs loaded;
    EXPECT_EQ(loadPrefs(where, loaded), where.besideProgram);
    EXPECT_EQ(loaded.units, 1);
}

TEST(PrefsFile, FallsBackToThePerUserFolderWhenTheProgramFolderCannotBeWritten) {
    TempFolder tmp;
    // A plain file where the program's folder should be: no file can be created inside it, not
    // even by an administrator.
    writeFile(tmp / "exe", "not a folder");
    const PrefsLocations where{tmp / "exe" / "prefs.cfg", tmp / "data" / "railvane" / "prefs.cfg"};

    Prefs answered;
    answered.playful = false;
    answered.asked = true;
    answered.units = 1;
    EXPECT_EQ(savePrefs(where, answered), where.perUser);
    EXPECT_EQ(readFile(where.perUser), "playful=0\nasked=1\nunits=1\n");

    // The next start finds the answer, so the experience question does not come back.
    Prefs next;
    EXPECT_EQ(loadPrefs(where, next), where.perUser);
    EXPECT_TRUE(next.asked);
}

TEST(PrefsFile, AnExistingPerUserFileIsReadFirstAndKeepsBeingWritten) {
    TempFolder tmp;
    const PrefsLocations where{tmp / "exe" / "prefs.cfg", tmp / "user" / "prefs.cfg"};
    writeFile(where.besideProgram, "playful=1\nasked=0\nunits=0\n");
    writeFile(where.perUser, "playful=0\nasked=1\nunits=2\n");

    Prefs p;
    EXPECT_EQ(loadPrefs(where, p), where.perUser);
    EXPECT_EQ(p.units, 2);

    // Even though the program's folder is writable now, a save beside it would be shadowed by
    // the per-user file on the next start.
    p.units = 1;
    EXPECT_EQ(savePrefs(where, p), where.perUser);
    EXPECT_EQ(readFile(where.perUser), "playful=0\nasked=1\nunits=1\n");
    EXPECT_EQ(readFile(where.besideProgram), "playful=1\nasked=0\nunits=0\n");
}
