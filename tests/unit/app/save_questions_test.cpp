// The questions before a layout file is written: replacing, read-only files and folders in the way.

#include "app/save_questions.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/scripted_prompter.h"
#include "document/layout_file.h"
#include "document/user_files.h"
#include "temp_folder.h"

namespace {

Layout onePiece() {
    Layout layout;
    PlacedPiece p;
    p.id = layout.AllocateId();
    p.article = "24188";
    layout.pieces.push_back(p);
    return layout;
}

}  // namespace

TEST(SaveQuestions, ANewFileAsksNothingAndAnExistingOneOnlyWhereTheCommandAsks) {
    TempFolder folder;
    const std::string path = (folder / "Yard.tdl").string();
    ScriptedPrompter prompts;
    EXPECT_TRUE(confirmSaveTarget(prompts, path, "Yard", ExistingLayout::Ask, "Save Failed"));
    writeFile(path, "x");
    EXPECT_TRUE(confirmSaveTarget(prompts, path, "Yard", ExistingLayout::Replace, "Save Failed"));
    EXPECT_TRUE(prompts.records().empty());
    prompts.queueAnswer(kIdNo);
    EXPECT_FALSE(confirmSaveTarget(prompts, path, "Yard", ExistingLayout::Ask, "Save Failed"));
    ASSERT_EQ(prompts.records().size(), 1u);
    EXPECT_EQ(prompts.records()[0].text, "A layout named \"Yard\" already exists.\n\nReplace it?");
}

TEST(SaveQuestions, AReadOnlyLayoutIsReplacedOnlyWhenTheUserAgreesAndStaysReadOnly) {
    TempFolder folder;
    const std::string path = (folder / "Yard.tdl").string();
    writeFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(examineSaveTarget(path), SaveTarget::ReadOnlyLayout);

    ScriptedPrompter prompts;
    prompts.queueAnswer(kIdNo);
    // Even a plain Save to the open layout's own file asks.
    EXPECT_FALSE(confirmSaveTarget(prompts, path, "Yard", ExistingLayout::Replace, "Save Failed"));
    ASSERT_EQ(prompts.records().size(), 1u);
    EXPECT_EQ(prompts.records()[0].title, "Confirm Replace");
    EXPECT_EQ(prompts.records()[0].text,
              "The layout \"Yard\" is read-only.\n\nReplace it anyway? It stays read-only.");
    EXPECT_EQ(prompts.records()[0].defaultButton, kIdNo);
    EXPECT_EQ(readFile(path), "old");

    prompts.queueAnswer(kIdYes);
    ASSERT_TRUE(confirmSaveTarget(prompts, path, "Yard", ExistingLayout::Ask, "Save Failed"));
    EXPECT_EQ(prompts.records().size(), 2u) << "one question, not two";
    ASSERT_EQ(WriteLayout(path, onePiece(), "Yard"), "");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
}

TEST(SaveQuestions, AFolderWithTheLayoutsFileNameIsNotCalledALayout) {
    TempFolder folder;
    const std::string path = (folder / "X.tdl").string();
    std::filesystem::create_directory(path);
    ScriptedPrompter prompts;
    EXPECT_FALSE(confirmSaveTarget(prompts, path, "X", ExistingLayout::Ask, "Import Failed"));
    ASSERT_EQ(prompts.records().size(), 1u);
    EXPECT_EQ(prompts.records()[0].kind, ScriptedPrompter::Kind::Message);
    EXPECT_EQ(prompts.records()[0].title, "Import Failed");
    EXPECT_EQ(prompts.records()[0].icon, PromptIcon::Error);
    EXPECT_EQ(prompts.records()[0].text,
              "The layout \"X\" cannot be saved: \"X.tdl\" in that folder is a folder or another "
              "kind of entry, not a layout file.\n\nChoose another name.");
}

TEST(SaveQuestions, ExportNamesTheFileAndAsksAgainForAReadOnlyOneWhichStaysReadOnly) {
    TempFolder folder;
    const std::string path = (folder / "Yard.tdl").string();
    ScriptedPrompter prompts;
    EXPECT_TRUE(confirmExportTarget(prompts, path));
    writeFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    prompts.queueAnswer(kIdYes);
    ASSERT_TRUE(confirmExportTarget(prompts, path));
    ASSERT_EQ(prompts.records().size(), 1u);
    EXPECT_EQ(prompts.records()[0].text,
              "\"Yard.tdl\" in that folder is read-only.\n\nReplace it anyway? It stays read-only.");
    writeFile((folder / "new.tdl").string(), "new");
    EXPECT_EQ(copyLayoutFile((folder / "new.tdl").string(), path), "");
    EXPECT_EQ(readFile(path), "new");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);

    std::filesystem::create_directory(folder / "Box.tdl");
    EXPECT_FALSE(confirmExportTarget(prompts, (folder / "Box.tdl").string()));
    EXPECT_EQ(prompts.records().back().title, "Export Failed");
    EXPECT_EQ(prompts.records().back().text,
              "\"Box.tdl\" in that folder is a folder or another kind of entry, not a layout "
              "file.\n\nChoose another name.");
}
