#include "app/migration.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

/// An install folder as an earlier release left it.
struct OldInstall {
    TempFolder tmp;
    fs::path install = tmp / "install";
    fs::path user = tmp / "home" / "Documents" / "Railvane";

    OldInstall() {
        writeFile(install / "Yard.tdl", "yard");
        writeFile(install / "Loop.TDL", "loop");
        writeFile(install / "old-layout.xml", "xml layout");
        writeFile(install / "catalog.xml", "program data");
        writeFile(install / "notes.txt", "not a layout");
        writeFile(install / "library" / "ctrack" / "station.tdl", "block");
        writeFile(install / "library" / "ctrack" / "readme.txt", "not a block");
        writeFile(install / "library" / "ktrack" / "fan.tdl", "fan");
        writeFile(install / "library" / "loose.tdl", "directly in library");
        writeFile(install / "sub" / "deep.tdl", "not recursive");
        fs::create_directories(user);
    }
};

}  // namespace

TEST(Migration, CopiesLayoutsAndLibraryBlocksAndLeavesTheSourcesInPlace) {
    OldInstall old;
    EXPECT_EQ(migrateLegacyUserFiles(old.install, old.user), 5);
    EXPECT_EQ(readFile(old.user / "Yard.tdl"), "yard");
    EXPECT_EQ(readFile(old.user / "Loop.TDL"), "loop");
    EXPECT_EQ(readFile(old.user / "old-layout.xml"), "xml layout");
    EXPECT_EQ(readFile(old.user / "library" / "ctrack" / "station.tdl"), "block");
    EXPECT_EQ(readFile(old.user / "library" / "ktrack" / "fan.tdl"), "fan");

    EXPECT_FALSE(fs::exists(old.user / "catalog.xml"));
    EXPECT_FALSE(fs::exists(old.user / "notes.txt"));
    EXPECT_FALSE(fs::exists(old.user / "library" / "ctrack" / "readme.txt"));
    EXPECT_FALSE(fs::exists(old.user / "library" / "loose.tdl"));
    EXPECT_FALSE(fs::exists(old.user / "deep.tdl"));
    EXPECT_FALSE(fs::exists(old.user / "sub"));

    EXPECT_TRUE(fs::exists(old.install / "Yard.tdl"));
    EXPECT_TRUE(fs::exists(old.install / "library" / "ktrack" / "fan.tdl"));
}

TEST(Migration, NeverOverwritesAFileTheUserAlreadyHas) {
    OldInstall old;
    writeFile(old.user / "Yard.tdl", "the user's newer yard");
    writeFile(old.user / "library" / "ctrack" / "station.tdl", "the user's station");
    EXPECT_EQ(migrateLegacyUserFiles(old.install, old.user), 3);
    EXPECT_EQ(readFile(old.user / "Yard.tdl"), "the user's newer yard");
    EXPECT_EQ(readFile(old.user / "library" / "ctrack" / "station.tdl"), "the user's station");
}

TEST(Migration, ASecondStartCopiesNothing) {
    OldInstall old;
    ASSERT_EQ(migrateLegacyUserFiles(old.install, old.user), 5);
    EXPECT_EQ(migrateLegacyUserFiles(old.install, old.user), 0);
}

TEST(Migration, TheCatalogFileIsSkippedWhateverItsCase) {
    TempFolder tmp;
    writeFile(tmp / "install" / "CATALOG.XML", "data");
    writeFile(tmp / "install" / "Catalog.Xml", "data");
    writeFile(tmp / "install" / "mycatalog.xml", "a layout");
    fs::create_directories(tmp / "user");
    EXPECT_EQ(migrateLegacyUserFiles(tmp / "install", tmp / "user"), 1);
    EXPECT_FALSE(fs::exists(tmp / "user" / "CATALOG.XML"));
    EXPECT_FALSE(fs::exists(tmp / "user" / "Catalog.Xml"));
    EXPECT_TRUE(fs::exists(tmp / "user" / "mycatalog.xml"));
}

TEST(Migration, SameFolderCopiesNothing) {
    OldInstall old;
    EXPECT_EQ(migrateLegacyUserFiles(old.install, old.install), 0);
    // The same folder spelled differently is still the same folder.
    EXPECT_EQ(migrateLegacyUserFiles(old.install, old.install / "library" / ".."), 0);
    EXPECT_FALSE(fs::exists(old.install / "library" / "ctrack" / "ctrack"));
}

TEST(Migration, NoLibraryInTheInstallFolderCreatesNoLibrary) {
    TempFolder tmp;
    writeFile(tmp / "install" / "a.tdl", "a");
    fs::create_directories(tmp / "user");
    EXPECT_EQ(migrateLegacyUserFiles(tmp / "install", tmp / "user"), 1);
    EXPECT_FALSE(fs::exists(tmp / "user" / "library"));
}

TEST(Migration, AnEmptyOrMissingInstallFolderCopiesNothing) {
    TempFolder tmp;
    fs::create_directories(tmp / "user");
    EXPECT_EQ(migrateLegacyUserFiles(tmp / "nowhere", tmp / "user"), 0);
}
