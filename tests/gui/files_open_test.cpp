// Open Layout as the user meets it: the list of the user folder, ".tdl" before ".xml", deleting
// from the list, and a layout built, saved, closed and opened again.

#include <wx/menu.h>
#include <wx/statusbr.h>

#include "dialogs/ui/open_layout_dialog.h"
#include "document/layout_writer.h"
#include "app/ui/railvane_app.h"
#include "files_test_fixture.h"
#include "frame/command_ids.h"

namespace fs = std::filesystem;
namespace Id = CommandId;

TEST_F(FilesTest, OpenListsEveryNameAndATdlWinsOverAnXmlOfTheSameName) {
    command(Id::OpenLayout);
    EXPECT_EQ(lastPrompt().title, "Open Layout");
    EXPECT_EQ(lastPrompt().text, "No layouts found in\n" + userFolder().string());

    writeLayoutFile(userFolder() / "Depot.xml", "Depot from xml", 3);
    writeLayoutFile(userFolder() / "Depot.tdl", "Depot from tdl", 2);
    writeLayoutFile(userFolder() / "Alpha.xml", "Alpha", 1);

    // Open starts disabled; the second "Depot" line opens the ".tdl" file.
    duringModal<OpenLayoutDialog>([](OpenLayoutDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle(), "Open Layout");
        EXPECT_EQ(lines(dialog->nameList()), (std::vector<std::string>{"Alpha", "Depot", "Depot"}));
        EXPECT_EQ(dialog->nameList()->GetSelection(), wxNOT_FOUND);
        EXPECT_FALSE(dialog->openButton()->IsEnabled());
        EXPECT_FALSE(dialog->deleteButton()->IsEnabled());
        select(dialog->nameList(), 2);
        EXPECT_TRUE(dialog->openButton()->IsEnabled());
        EXPECT_TRUE(dialog->deleteButton()->IsEnabled());
        click(dialog->openButton());
    });
    command(Id::OpenLayout);
    EXPECT_EQ(m_frame->layoutName(), "Depot from tdl");
    EXPECT_EQ(m_frame->filePath(), (userFolder() / "Depot.tdl").string());
    EXPECT_EQ(m_frame->editor().layout().pieces.size(), 2u);

    // A double click opens too, and the first "Depot" line is the same ".tdl" file.
    command(Id::NewLayout);
    duringModal<OpenLayoutDialog>(
        [](OpenLayoutDialog* dialog) { doubleClick(dialog->nameList(), 1); });
    command(Id::OpenLayout);
    EXPECT_EQ(m_frame->layoutName(), "Depot from tdl");
}

TEST_F(FilesTest, DeletingTheOpenLayoutEmptiesItsPathSoTheNextSaveAsks) {
    writeLayoutFile(userFolder() / "Yard.tdl", "Yard");
    writeLayoutFile(userFolder() / "Other.tdl", "Other");
    ASSERT_TRUE(m_frame->LoadLayoutFile(wxString::FromUTF8((userFolder() / "Yard.tdl").string())));

    duringModal<OpenLayoutDialog>([this](OpenLayoutDialog* dialog) {
        select(dialog->nameList(), 1);
        m_prompts->queueAnswer(kIdNo);
        click(dialog->deleteButton());
        EXPECT_EQ(lastPrompt().title, "Delete Layout");
        EXPECT_EQ(lastPrompt().text, "Delete layout \"Yard\"?\n\nThis cannot be undone.");
        EXPECT_EQ(lastPrompt().defaultButton, kIdNo);
        EXPECT_EQ(lastPrompt().icon, PromptIcon::Exclamation);
        EXPECT_TRUE(fs::exists(userFolder() / "Yard.tdl")) << "No keeps the file";

        m_prompts->queueAnswer(kIdYes);
        click(dialog->deleteButton());
        EXPECT_FALSE(fs::exists(userFolder() / "Yard.tdl"));
        EXPECT_EQ(lines(dialog->nameList()), (std::vector<std::string>{"Other"}));
        EXPECT_FALSE(dialog->openButton()->IsEnabled());
        EXPECT_FALSE(dialog->deleteButton()->IsEnabled());
        EXPECT_TRUE(dialog->IsModal()) << "the list stays open";
    });
    command(Id::OpenLayout);
    EXPECT_TRUE(m_frame->filePath().empty());
    EXPECT_EQ(m_frame->layoutName(), "Yard");
    EXPECT_EQ(m_frame->editor().layout().pieces.size(), 1u) << "the document itself stays";

    m_prompts->queueText(std::nullopt);
    command(Id::Save);
    EXPECT_EQ(lastPrompt().title, "Save Layout");
    EXPECT_EQ(lastPrompt().defaultValue, "Yard");
}

TEST_F(FilesTest, AFileNamedOnTheCommandLineIsSavedBackWhereItLies) {
    // A file manager starts "railvane FILE" in some folder with a path relative to it.
    const std::filesystem::path folder = testRoot() / "club plans";
    writeLayoutFile(folder / "Harbour.tdl", "Harbour");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    const wxString path = AbsoluteLayoutPath("Harbour.tdl");
    std::filesystem::current_path(before);
    ASSERT_TRUE(m_frame->LoadLayoutFile(path));

    m_frame->editor().layout().pieces.edit(0).x = 42.0;
    m_frame->MarkModified();
    command(Id::Save);
    EXPECT_TRUE(m_prompts->records().empty()) << "Save asks nothing for a file it came from";
    Layout saved;
    std::string name;
    ASSERT_EQ(ReadLayout((folder / "Harbour.tdl").string(), saved, name), "");
    EXPECT_EQ(name, "Harbour");
    EXPECT_EQ(saved.pieces.front().x, 42.0);
    EXPECT_FALSE(std::filesystem::exists(userFolder() / "Harbour.tdl"));
}

TEST_F(FilesTest, ALayoutSavedClosedAndOpenedAgainIsUnchanged) {
    Layout& layout = m_frame->editor().layout();
    layout.EnsureDefaultLevel();
    LayoutLevel upper;
    upper.id = 2;
    upper.name = "Upper deck";
    upper.height = 80.0;
    upper.outline = {{0, 0}, {900, 0}, {900, 400}};
    layout.levels.push_back(upper);
    layout.units = 1;

    const auto addPiece = [&](const char* article, double x, int32_t level) -> PlacedPiece& {
        PlacedPiece piece;
        piece.id = layout.AllocateId();
        piece.article = article;
        piece.x = x;
        piece.level = level;
        layout.pieces.push_back(piece);
        return layout.pieces.editBack();
    };
    addPiece("24188", 0, 1);
    addPiece("24188", 188.3, 1);
    PlacedPiece& raised = addPiece("24172", 400, 2);
    raised.z = 80.0;
    raised.grade = 2.5;
    layout.pieces.edit(0).joints = {{-1, -1}, {static_cast<int32_t>(layout.pieces.edit(1).id), 0}};
    layout.pieces.edit(1).joints = {{static_cast<int32_t>(layout.pieces.edit(0).id), 1}, {-1, -1}};

    SceneryItem portal;
    portal.id = layout.AllocateId();
    portal.item = "tunnel_portal_single";
    portal.heading = 90.0;
    layout.scenery.push_back(portal);
    layout.tunnels.push_back({layout.AllocateId(),
                              static_cast<int32_t>(portal.id),
                              -1,
                              static_cast<int32_t>(layout.pieces[0].id),
                              -1,
                              {layout.pieces[1].id}});
    layout.labels.push_back({layout.AllocateId(), "Main station", 120.0, -40.0, false});
    FreeShape lake;
    lake.id = layout.AllocateId();
    lake.vertices = {{10, 10}, {200, 20}, {90, 150}};
    lake.label = "Lake";
    layout.shapes.push_back(lake);
    Helix helix;
    helix.id = layout.AllocateId();
    helix.cx = 600.0;
    helix.variant = "proses_3_5_r1r2";
    layout.helices.push_back(helix);
    layout.gradeRuns.push_back({2.5, static_cast<int32_t>(raised.id), 1});
    layout.SyncGradeState();
    const std::string before = writeLayoutText(layout, "Round Trip");

    m_prompts->queueText("Round Trip");
    command(Id::Save);
    command(Id::NewLayout);
    ASSERT_TRUE(m_frame->editor().layout().pieces.empty());

    duringModal<OpenLayoutDialog>(
        [](OpenLayoutDialog* dialog) { doubleClick(dialog->nameList(), 0); });
    command(Id::OpenLayout);
    EXPECT_EQ(writeLayoutText(m_frame->editor().layout(), "Round Trip"), before);
    EXPECT_FALSE(m_frame->isModified());
    EXPECT_EQ(m_frame->layoutName(), "Round Trip");
    EXPECT_TRUE(m_frame->GetMenuBar()->IsChecked(Id::UnitsCentimetres));
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(0),
              "[ELEV] 2.5 deg  (right-click piece to stop)");
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(1), "Pieces: 3");
}
