// The command table's handlers without a window: a recording context stands in for the main
// frame, with a real canvas controller on a fake host.

#include "frame/command_handlers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../canvas/fake_host.h"
#include "frame/command_ids.h"

namespace {

namespace Id = CommandId;

class RecordingContext : public CommandContext {
public:
    RecordingContext() { layout.EnsureDefaultLevel(); }

    LayoutEditor& editor() override { return m_editor; }
    Prompter& prompter() override { return host.prompts; }
    CanvasController& canvas() override { return ctrl; }
    Vec2 viewCentre() override { return {400.0, 300.0}; }
    void showStatus(int, const std::string&) override {}
    void labelPointChosen(Vec2) override {}

    void newLayout() override { calls.push_back("new"); }
    void openLayout() override { calls.push_back("open"); }
    bool saveLayout(bool saveAs) override {
        calls.push_back(saveAs ? "save as" : "save");
        return true;
    }
    void importLayout() override { calls.push_back("import"); }
    void exportLayout() override { calls.push_back("export"); }
    void saveLibraryBlock() override { calls.push_back("block"); }
    void pageSetup() override { calls.push_back("page setup"); }
    void print() override { calls.push_back("print"); }
    void printPreview() override { calls.push_back("preview"); }
    void exportPdf() override { calls.push_back("pdf"); }
    void exportImage() override { calls.push_back("image"); }
    void exportPartsList() override { calls.push_back("parts list"); }
    void editLayoutShape() override { calls.push_back("shape"); }
    void manageLevels() override { calls.push_back("levels"); }
    void startElevationWizard() override { calls.push_back("elevation"); }
    void startBridgeWizard() override { calls.push_back("bridge"); }
    void startLayoutWizard() override { calls.push_back("layout wizard"); }
    void checkLayout() override { calls.push_back("check"); }
    void showView3D() override { calls.push_back("3d"); }
    void exitProgram() override { calls.push_back("exit"); }
    std::optional<RectangleSize> askRectangleSize() override { return rectangle; }
    void setViewSwitch(int id, bool checked) override {
        calls.push_back("switch " + std::to_string(id) + (checked ? " on" : " off"));
    }
    void setUnits(int units) override { calls.push_back("units " + std::to_string(units)); }
    void showHelp() override { calls.push_back("help"); }
    void showLayoutWizardHelp() override { calls.push_back("wizard help"); }
    void chooseExperience() override { calls.push_back("experience"); }

    Layout layout;
    FakeHost host;
    std::vector<std::string> calls;
    std::optional<RectangleSize> rectangle;

private:
    LayoutEditor m_editor{layout};

public:
    CanvasController ctrl{m_editor, watching(host, m_editor)};
};

void addSelectedStraight(RecordingContext& c, double x) {
    PlacedPiece piece;
    piece.article = "24188";
    piece.x = x;
    Edit edit(c.editor());
    const uint32_t id = edit.addPiece(piece);
    edit.change().EditPiece(id)->selected = true;
}

}  // namespace

TEST(CommandHandlers, WindowCommandsReachTheContextWithTheirCheckStateAndUnit) {
    RecordingContext c;
    for (const CommandCall call :
         {CommandCall{Id::SaveAs}, CommandCall{Id::CloseLayout}, CommandCall{Id::ShowGrid, false},
          CommandCall{Id::HideLabels, true}, CommandCall{Id::UnitsCentimetres},
          CommandCall{Id::Options}, CommandCall{Id::ExportImage}, CommandCall{Id::ExportPartsList},
          CommandCall{Id::Elevation}, CommandCall{Id::BridgeWizard},
          CommandCall{Id::LayoutWizard}, CommandCall{Id::CheckLayout}}) {
        EXPECT_TRUE(runCommand(c, call)) << call.id;
    }
    EXPECT_EQ(c.calls, (std::vector<std::string>{"save as", "new", "switch 2009 off",
                                                 "switch 2011 on", "units 1", "experience", "image",
                                                 "parts list", "elevation", "bridge",
                                                 "layout wizard", "check"}));
}

TEST(CommandHandlers, EditCommandsRunOnlyWhileTheirRuleHolds) {
    RecordingContext c;
    EXPECT_FALSE(runCommand(c, {Id::Paste})) << "empty clipboard";
    EXPECT_FALSE(runCommand(c, {Id::Rotate})) << "nothing selected";
    addSelectedStraight(c, 0.0);
    EXPECT_FALSE(commandStateOf(c).clipboardFilled);
    EXPECT_TRUE(runCommand(c, {Id::Copy}));
    EXPECT_TRUE(commandStateOf(c).clipboardFilled);
    EXPECT_TRUE(runCommand(c, {Id::Paste}));
    ASSERT_EQ(c.layout.pieces.size(), 2u);
    EXPECT_TRUE(c.layout.pieces[1].selected) << "the copy is the selection";
    EXPECT_FALSE(c.layout.pieces[0].selected);
    EXPECT_TRUE(runCommand(c, {Id::Rotate}));
    EXPECT_DOUBLE_EQ(c.layout.pieces[1].heading, 15.0);
    EXPECT_TRUE(runCommand(c, {Id::Undo}));
    EXPECT_DOUBLE_EQ(c.layout.pieces[1].heading, 0.0);
    EXPECT_TRUE(runCommand(c, {Id::Delete}));
    EXPECT_EQ(c.layout.pieces.size(), 1u);
    EXPECT_EQ(c.host.status[1], "Pieces: 1") << "observers heard the delete";
    EXPECT_FALSE(runCommand(c, {Id::Delete})) << "nothing selected any more";
}

TEST(CommandHandlers, RectangleIsCentredInTheViewAndCancelAddsNothing) {
    RecordingContext c;
    EXPECT_TRUE(runCommand(c, {Id::Rectangle}));
    EXPECT_TRUE(c.layout.shapes.empty()) << "cancelled";
    c.rectangle = RectangleSize{200.0, 100.0};
    runCommand(c, {Id::Rectangle});
    ASSERT_EQ(c.layout.shapes.size(), 1u);
    const Vec2 corner = c.layout.shapes[0].vertices.front();
    EXPECT_DOUBLE_EQ(corner.x, 300.0);
    EXPECT_DOUBLE_EQ(corner.y, 250.0);
}
