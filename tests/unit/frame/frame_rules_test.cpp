// Rules behind the main window's commands: layout names for Save, the Delete locks, the
// Rectangle shape, the status after opening, and the command line.

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "canvas/edit_guards.h"
#include "catalog/track_catalog.h"
#include "dialogs/rectangle_shape.h"
#include "document/layout.h"
#include "document/layout_name.h"
#include "frame/opened_layout.h"

namespace fs = std::filesystem;

namespace {

uint32_t addPiece(Layout& layout, const std::string& article = "24188") {
    PlacedPiece p;
    p.id = layout.AllocateId();
    p.article = article;
    layout.pieces.push_back(p);
    return p.id;
}

}  // namespace

TEST(LayoutName, BlanksAreTrimmedAndAnEmptyAnswerIsMyLayout) {
    EXPECT_EQ(layoutNameFromAnswer("  Yard  "), "Yard");
    EXPECT_EQ(layoutNameFromAnswer(" \t "), "My Layout");
    EXPECT_EQ(layoutNameFromAnswer(""), "My Layout");
    EXPECT_EQ(layoutNameFromAnswer("Bf. Süd (v2)"), "Bf. Süd (v2)");
}

TEST(LayoutName, NamesLeadingOutOfTheUserFolderAreRefused) {
    const fs::path folder = "/home/u/Documents/Railvane";
    for (const std::string bad : {"../x", "a/b", "..", ".", "/etc/passwd", "a\\b", "two\nlines"}) {
        SCOPED_TRACE(bad);
        const std::string problem = layoutNameProblem(bad);
        EXPECT_NE(problem.find("cannot be used as a layout name"), std::string::npos) << problem;
        EXPECT_NE(problem.find("letters, digits, blanks"), std::string::npos) << problem;
        EXPECT_TRUE(layoutFileInFolder(folder, bad).empty());
    }
    for (const std::string good : {"My Layout", "..Yard", "v1.2", "Bf. Süd"}) {
        EXPECT_EQ(layoutNameProblem(good), "") << good;
        EXPECT_EQ(layoutFileInFolder(folder, good), folder / (good + ".tdl"));
        EXPECT_EQ(layoutFileInFolder(folder, good).parent_path(), folder);
    }
}

TEST(SelectionLock, LocksGradesAndWhatCountsAsDeletable) {
    Layout layout;
    const uint32_t plain = addPiece(layout);
    const uint32_t helixPiece = addPiece(layout);
    const uint32_t inTunnel = addPiece(layout);
    layout.FindPiece(helixPiece)->helix = 77;
    layout.labels.push_back({layout.AllocateId(), "Station", 0, 0, true});
    EXPECT_FALSE(menuDeletableSelected(layout)) << "a label alone does not enable Delete";
    Tunnel tunnel;
    tunnel.covers = {inTunnel};
    layout.tunnels.push_back(tunnel);

    layout.FindPiece(plain)->selected = true;
    EXPECT_TRUE(menuDeletableSelected(layout));
    EXPECT_EQ(findSelectionLock(layout, false), SelectionLock::None);
    layout.FindPiece(inTunnel)->selected = true;
    EXPECT_EQ(findSelectionLock(layout, false), SelectionLock::Tunnel);
    layout.FindPiece(helixPiece)->selected = true;
    EXPECT_EQ(findSelectionLock(layout, false), SelectionLock::Helix)
        << "the first locked piece decides";

    layout.FindPiece(plain)->grade = -0.001;
    EXPECT_FALSE(gradedPieceSelected(layout)) << "0.001 degrees still counts as level";
    layout.FindPiece(plain)->grade = -0.0011;
    EXPECT_TRUE(gradedPieceSelected(layout));
    layout.DeselectAll();
    EXPECT_FALSE(gradedPieceSelected(layout));
    layout.shapes.push_back(FreeShape{});
    layout.shapes[0].selected = true;
    EXPECT_TRUE(menuDeletableSelected(layout));
}

TEST(RectangleShape, CornersInOrderAroundTheCentreOnTheHighestVisibleLevel) {
    Layout layout;
    layout.EnsureDefaultLevel();
    const auto addLevel = [&](int32_t id, bool visible, double height) {
        LayoutLevel level;
        level.id = id;
        level.visible = visible;
        level.height = height;
        layout.levels.push_back(level);
    };
    addLevel(2, true, 120.0);
    addLevel(3, true, 120.0);  // same height, later: loses
    addLevel(4, false, 500.0);
    layout.activeLevel = 1;

    ASSERT_TRUE(addRectangleShape(layout, {100.0, 50.0}, 1000.0, 600.0));
    ASSERT_EQ(layout.shapes.size(), 1u);
    const FreeShape& s = layout.shapes[0];
    ASSERT_EQ(s.vertices.size(), 4u);
    const Vec2 expected[] = {{-400, -250}, {600, -250}, {600, 350}, {-400, 350}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(s.vertices[i].x, expected[i].x) << i;
        EXPECT_DOUBLE_EQ(s.vertices[i].y, expected[i].y) << i;
    }
    EXPECT_EQ(s.level, 2) << "highest visible level, first of equal heights";
    EXPECT_EQ(s.id, 1u);
    EXPECT_EQ((std::array{s.r, s.g, s.b, s.a}), (std::array<uint8_t, 4>{120, 170, 110, 255}));
    EXPECT_TRUE(s.outline);
    EXPECT_EQ(layout.undoStack.size(), 1u);

    for (LayoutLevel& level : layout.levels) {
        level.visible = false;
    }
    layout.activeLevel = 3;
    EXPECT_EQ(rectangleLevel(layout), 3) << "no visible level: the active one";

    EXPECT_FALSE(addRectangleShape(layout, {}, 0.0, 600.0));
    EXPECT_EQ(layout.shapes.size(), 1u);
    EXPECT_EQ(layout.undoStack.size(), 1u) << "a refused size takes no undo step";
}

TEST(RectangleShape, FieldRangesFollowTheUnit) {
    const auto in = rectangleFieldRange(Units::Inches);
    EXPECT_EQ(rectangleFieldRange(Units::Millimetres).minimum, 10.0);
    EXPECT_EQ(rectangleFieldRange(Units::Centimetres).maximum, 2000.0);
    EXPECT_EQ((std::tuple{in.minimum, in.decimals}), (std::tuple{0.5, 2})) << "half-inch steps";
    EXPECT_DOUBLE_EQ(in.maximum, 20000.0 / 25.4);
}

TEST(OpenedLayout, StatusNamesEachGradeRunAndZTrackIsDetected) {
    Layout layout;
    EXPECT_EQ(openedLayoutStatus(layout), "Ready");
    layout.gradeRuns = {{2.04, 1, 0}, {-1.5, 2, 1}};
    EXPECT_EQ(openedLayoutStatus(layout), "[ELEV] 2.0 deg -1.5 deg  (right-click piece to stop)");

    const TrackCatalog& catalog = TrackCatalog::instance();
    addPiece(layout, "24188");
    addPiece(layout, "unknown");
    EXPECT_FALSE(hasZTrackPiece(layout, catalog));
    addPiece(layout, "8500");
    EXPECT_TRUE(hasZTrackPiece(layout, catalog));
}

TEST(CommandLine, FileHelpVersionAndMistakes) {
    using A = CommandLine::Action;
    EXPECT_EQ(parseCommandLine({}).action, A::Run);
    EXPECT_EQ(parseCommandLine({}).file, "");
    const CommandLine open = parseCommandLine({"Yard.tdl"});
    EXPECT_EQ(open.action, A::Run);
    EXPECT_EQ(open.file, "Yard.tdl");
    EXPECT_EQ(parseCommandLine({"--", "-odd name.tdl"}).file, "-odd name.tdl");

    EXPECT_EQ(parseCommandLine({"--help"}).action, A::Help);
    EXPECT_EQ(parseCommandLine({"Yard.tdl", "-h"}).action, A::Help);
    EXPECT_EQ(parseCommandLine({"--bogus", "--version"}).action, A::Version);
    EXPECT_EQ(parseCommandLine({"--", "--help"}).file, "--help");

    const CommandLine unknown = parseCommandLine({"--bogus"});
    EXPECT_EQ(unknown.action, A::Error);
    EXPECT_EQ(unknown.error, "unknown option \"--bogus\"");
    const CommandLine two = parseCommandLine({"a.tdl", "b.tdl"});
    EXPECT_EQ(two.action, A::Error);
    EXPECT_EQ(two.error, "only one layout file can be opened at a time");

    EXPECT_EQ(helpText().rfind("Usage: railvane [FILE]\n", 0), 0u);
    EXPECT_NE(helpText().find("--version"), std::string::npos);
    EXPECT_EQ(versionText(), "Railvane v1.7 by Vennomar\n");
}
