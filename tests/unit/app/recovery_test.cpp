// Recovery copies: when one is due, what it records, and the question that offers it back.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/recovery.h"
#include "temp_folder.h"

TEST(Autosave, ACopyIsDueEveryTwentyEditsAndOnTheTimerOnlyAfterEdits) {
    AutosavePolicy policy;
    EXPECT_FALSE(policy.timerDue());
    for (int i = 1; i < AutosavePolicy::kEditsPerCopy; ++i) {
        EXPECT_FALSE(policy.edited()) << i;
    }
    EXPECT_TRUE(policy.timerDue());
    EXPECT_TRUE(policy.edited());
    policy.reset();
    EXPECT_FALSE(policy.timerDue());
}

TEST(Autosave, ACopyKeepsTheLayoutItsNameFileAndTimeUntilItIsRemoved) {
    TempFolder folder;
    const std::string dir = (folder.path() / "data" / "railvane").string();
    EXPECT_FALSE(findRecovery(dir).has_value());
    Layout layout;
    layout.EnsureDefaultLevel();
    PlacedPiece p;
    p.id = layout.AllocateId();
    p.article = "24188";
    layout.pieces.push_back(p);
    ASSERT_EQ(writeRecovery(dir, layout, {"Harbour", "/home/me/Harbour.tdl", "2026-12-07 14:03"}),
              "");
    const std::optional<RecoveryNote> note = findRecovery(dir);
    ASSERT_TRUE(note.has_value());
    EXPECT_EQ(note->layoutName, "Harbour");
    EXPECT_EQ(note->filePath, "/home/me/Harbour.tdl");
    EXPECT_EQ(recoveryQuestion(*note),
              "Railvane was not closed properly last time. A copy of the layout \"Harbour\" with "
              "its unsaved changes was kept at 2026-12-07 14:03.\n\nRestore it? (No discards the "
              "copy.)");
    std::filesystem::remove(recoveryLayoutPath(dir));
    EXPECT_FALSE(findRecovery(dir).has_value()) << "a note without its layout is not offered";
    removeRecovery(dir);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(dir) / "recovery.info"));
}
