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

TEST(Migration, CopiesLayoutsAndLibraryBlocksOnceAndLeavesTheSourcesInPlace) {
    OldInstall old;
    writeFile(old.user / "Yard.tdl", "the user's newer yard");
    EXPECT_EQ(migrateLegacyUserFiles(old.install, old.user), 4);
    EXPECT_EQ(readFile(old.user / "Yard.tdl"), "the user's newer yard") << "never overwritten";
    EXPECT_EQ(readFile(old.user / "Loop.TDL"), "loop");
    EXPECT_EQ(readFile(old.user / "old-layout.xml"), "xml layout");
    EXPECT_EQ(readFile(old.user / "library" / "ctrack" / "station.tdl"), "block");
    EXPECT_EQ(readFile(old.user / "library" / "ktrack" / "fan.tdl"), "fan");
    for (const fs::path& skipped :
         {fs::path("catalog.xml"), fs::path("notes.txt"), fs::path("library/ctrack/readme.txt"),
          fs::path("library/loose.tdl"), fs::path("deep.tdl"), fs::path("sub")})
        EXPECT_FALSE(fs::exists(old.user / skipped)) << skipped;
    EXPECT_TRUE(fs::exists(old.install / "library" / "ktrack" / "fan.tdl"));
    EXPECT_EQ(migrateLegacyUserFiles(old.install, old.user), 0) << "a second start copies nothing";
}

TEST(Migration, SameOrMissingFoldersAndAnyCaseOfTheCatalogCopyNothing) {
    OldInstall old;
    EXPECT_EQ(migrateLegacyUserFiles(old.install, old.install / "library" / ".."), 0);
    EXPECT_EQ(migrateLegacyUserFiles(old.tmp / "nowhere", old.user), 0);
    TempFolder tmp;
    writeFile(tmp / "install" / "CATALOG.XML", "data");
    writeFile(tmp / "install" / "mycatalog.xml", "a layout");
    fs::create_directories(tmp / "user");
    EXPECT_EQ(migrateLegacyUserFiles(tmp / "install", tmp / "user"), 1);
    EXPECT_TRUE(fs::exists(tmp / "user" / "mycatalog.xml"));
    EXPECT_FALSE(fs::exists(tmp / "user" / "library")) << "no library to copy, none created";
}
