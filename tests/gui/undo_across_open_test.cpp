// Undo after opening another layout brings back the first layout under its own name and file, so
// Save never writes one layout's pieces into another's file; the piece count follows every step.
#include <wx/statusbr.h>

#include "document/layout_reader.h"
#include "edit/edit.h"
#include "files_test_fixture.h"
#include "frame/command_ids.h"

namespace {

size_t piecesInFile(const std::filesystem::path& file) {
    Layout read;
    std::string name;
    EXPECT_EQ(ReadLayout(file.string(), read, name), "") << file;
    return read.pieces.size();
}

}  // namespace

TEST_F(FilesTest, UndoAfterOpeningAnotherLayoutSavesTheFirstUnderItsOwnName) {
    // Layout B: one straight, saved.
    wxStatusBar* bar = m_frame->GetStatusBar();
    {
        PlacedPiece p;
        p.article = "24188";
        Edit edit(m_frame->editor());
        edit.addPiece(p);
    }
    EXPECT_EQ(bar->GetStatusText(1), "Pieces: 1");
    m_prompts->queueText("B");
    command(CommandId::Save);
    const std::filesystem::path fileB = userFolder() / "B.tdl";
    ASSERT_EQ(piecesInFile(fileB), 1u);

    // Layout A: New, three straights, saved, one more piece unsaved.
    command(CommandId::NewLayout);
    EXPECT_EQ(bar->GetStatusText(1), "Pieces: 0");
    for (int i = 0; i < 3; ++i) {
        PlacedPiece p;
        p.article = "24188";
        p.x = 200.0 * i;
        Edit edit(m_frame->editor());
        edit.addPiece(p);
    }
    m_prompts->queueText("A");
    command(CommandId::Save);
    const std::filesystem::path fileA = userFolder() / "A.tdl";
    ASSERT_EQ(piecesInFile(fileA), 3u);

    // Open B (discarding nothing: A is saved), then undo and save.
    ASSERT_TRUE(m_frame->LoadLayoutFile(wxString::FromUTF8(fileB.string())));
    EXPECT_EQ(m_frame->layoutName(), "B");
    EXPECT_EQ(bar->GetStatusText(1), "Pieces: 1");
    command(CommandId::Undo);
    EXPECT_EQ(m_frame->editor().layout().pieces.size(), 3u) << "A's content is back";
    EXPECT_EQ(m_frame->layoutName(), "A") << "with A's name";
    EXPECT_EQ(std::string(m_frame->filePath().utf8_str()), fileA.string());
    EXPECT_TRUE(m_frame->GetTitle().Contains("A *"));
    EXPECT_EQ(bar->GetStatusText(1), "Pieces: 3");
    command(CommandId::Save);
    EXPECT_EQ(piecesInFile(fileB), 1u) << "B's file was not touched";
    EXPECT_EQ(piecesInFile(fileA), 3u);

    // Redo goes back to B under B's name.
    command(CommandId::Redo);
    EXPECT_EQ(m_frame->layoutName(), "B");
    EXPECT_EQ(m_frame->editor().layout().pieces.size(), 1u);
    EXPECT_EQ(m_frame->editor().layout().checkInvariants(), "");
}
