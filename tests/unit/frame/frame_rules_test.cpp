// Rules behind the main window's commands: layout names for Save, the Delete locks, the
// Rectangle shape, the status after opening, and the command line.

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "catalog/track_catalog.h"
#include "dialogs/rectangle_shape.h"
#include "document/layout.h"
#include "document/layout_name.h"
#include "edit/edit_guards.h"
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

TEST(LayoutName, EmptyIsMyLayoutAndNamesLeadingOutOfTheFolderAreRefused) {
    EXPECT_EQ(layoutNameFromAnswer("  Yard  "), "Yard");
    EXPECT_EQ(layoutNameFromAnswer(" \t "), "My Layout");
    const fs::path folder = "/home/u/Documents/Railvane";
    for (const std::string bad : {"../x", "a/b", "..", "/etc/passwd", "a\\b", "two\nlines"}) {
        const std::string problem = layoutNameProblem(bad);
        EXPECT_NE(problem.find("cannot be used as a layout name"), std::string::npos) << bad;
        EXPECT_TRUE(layoutFileInFolder(folder, bad).empty()) << bad;
    }
    for (const std::string good : {"..Yard", "v1.2", "Bf. Süd"}) {
        EXPECT_EQ(layoutNameProblem(good), "") << good;
        EXPECT_EQ(layoutFileInFolder(folder, good), folder / (good + ".tdl"));
    }
}

TEST(SelectionLock, HelixAndTunnelLockGradesAndWhatIsDeletable) {
    Layout layout;
    const uint32_t plain = addPiece(layout);
    const uint32_t helixPiece = addPiece(layout);
    const uint32_t inTunnel = addPiece(layout);
    layout.EditPiece(helixPiece)->helix = 77;
    layout.labels.push_back({layout.AllocateId(), "Station", 0, 0, true});
    EXPECT_FALSE(menuDeletableSelected(layout)) << "a label alone does not enable Delete";
    layout.tunnels.emplace_back();
    layout.tunnels[0].covers = {inTunnel};

    layout.EditPiece(plain)->selected = true;
    EXPECT_TRUE(menuDeletableSelected(layout));
    EXPECT_EQ(findSelectionLock(layout, false), SelectionLock::None);
    layout.EditPiece(inTunnel)->selected = true;
    EXPECT_EQ(findSelectionLock(layout, false), SelectionLock::Tunnel);
    layout.EditPiece(helixPiece)->selected = true;
    EXPECT_EQ(findSelectionLock(layout, false), SelectionLock::Helix) << "the first one decides";
    layout.EditPiece(plain)->grade = -0.001;
    EXPECT_FALSE(gradedPieceSelected(layout)) << "0.001 degrees still counts as level";
    layout.EditPiece(plain)->grade = -0.0011;
    EXPECT_TRUE(gradedPieceSelected(layout));
}

TEST(RectangleShape, CornersAroundTheCentreOnTheHighestVisibleLevel) {
    Layout layout;
    LayoutEditor editor(layout);
    layout.EnsureDefaultLevel();
    for (const auto& [id, visible, height] :
         {std::tuple{2, true, 120.0}, {3, true, 120.0}, {4, false, 500.0}}) {
        layout.levels.emplace_back();
        layout.levels.back().id = id;
        layout.levels.back().visible = visible;
        layout.levels.back().height = height;
    }
    ASSERT_TRUE(addRectangleShape(editor, {100.0, 50.0}, 1000.0, 600.0));
    const FreeShape& s = layout.shapes.at(0);
    ASSERT_EQ(s.vertices.size(), 4u);
    const Vec2 expected[] = {{-400, -250}, {600, -250}, {600, 350}, {-400, 350}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(s.vertices[i].x, expected[i].x) << i;
        EXPECT_DOUBLE_EQ(s.vertices[i].y, expected[i].y) << i;
    }
    EXPECT_EQ(s.level, 2) << "highest visible level, first of equal heights";
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_FALSE(addRectangleShape(editor, {}, 0.0, 600.0));
    EXPECT_EQ(layout.undoStack.size(), 1u) << "a refused size takes no undo step";
}

TEST(OpenedLayout, StatusNamesEachGradeRunAndZTrackIsDetected) {
    Layout layout;
    EXPECT_EQ(openedLayoutStatus(layout), "Ready");
    layout.gradeRuns = {{2.04, 1, 0}, {-1.5, 2, 1}};
    EXPECT_EQ(openedLayoutStatus(layout), "[ELEV] 2.0 deg -1.5 deg  (right-click piece to stop)");
    addPiece(layout, "24188");
    EXPECT_FALSE(hasZTrackPiece(layout, TrackCatalog::instance()));
    addPiece(layout, "8500");
    EXPECT_TRUE(hasZTrackPiece(layout, TrackCatalog::instance()));
}

TEST(CommandLine, FileHelpVersionAndMistakes) {
    using A = CommandLine::Action;
    EXPECT_EQ(parseCommandLine({"Yard.tdl"}).file, "Yard.tdl");
    EXPECT_EQ(parseCommandLine({"--", "--help"}).file, "--help");
    EXPECT_EQ(parseCommandLine({"Yard.tdl", "-h"}).action, A::Help);
    EXPECT_EQ(parseCommandLine({"--bogus", "--version"}).action, A::Version);
    EXPECT_EQ(parseCommandLine({"--bogus"}).error, "unknown option \"--bogus\"");
    EXPECT_EQ(parseCommandLine({"a.tdl", "b.tdl"}).error,
              "only one layout file can be opened at a time");
    EXPECT_EQ(versionText(), "Railvane v1.7 by Vennomar\n");
}

TEST(CommandLine, WindowlessCommandsTakeTheirFilesAndRefuseWhatDoesNotFit) {
    using A = CommandLine::Action;
    const CommandLine parts = parseCommandLine({"--parts", "Yard.tdl"});
    EXPECT_EQ(parts.action, A::Parts);
    EXPECT_EQ(parts.file, "Yard.tdl");
    EXPECT_EQ(parseCommandLine({"Yard.tdl", "--check"}).action, A::Check);
    const CommandLine png =
        parseCommandLine({"--export-png", "Yard.tdl", "out.png", "--width", "640"});
    EXPECT_EQ(png.action, A::ExportPng);
    EXPECT_EQ(png.output, "out.png");
    EXPECT_EQ(png.width, 640);
    EXPECT_EQ(parseCommandLine({"--export-svg", "Yard.tdl", "out.svg"}).width, kDefaultExportWidth);
    EXPECT_EQ(parseCommandLine({"--parts", "--", "-odd.tdl"}).file, "-odd.tdl");

    EXPECT_EQ(parseCommandLine({"--parts"}).error, "--parts needs one layout file");
    EXPECT_EQ(parseCommandLine({"--export-png", "Yard.tdl"}).error,
              "--export-png needs a layout file and a picture file");
    EXPECT_EQ(parseCommandLine({"--parts", "a.tdl", "--check"}).error,
              "only one of --parts, --check, --export-png, --export-svg and --export-pdf can be "
              "given");
    EXPECT_EQ(parseCommandLine({"--parts", "a.tdl", "--width", "640"}).error,
              "--width goes with --export-png or --export-svg");
    for (const char* bad : {"99", "16001", "12px", ""}) {
        EXPECT_EQ(parseCommandLine({"--export-png", "a.tdl", "b.png", "--width", bad}).action,
                  A::Error)
            << bad;
    }
    EXPECT_EQ(parseCommandLine({"--export-png", "a.tdl", "b.png", "--width"}).error,
              "--width needs a number of pixels");
}

TEST(CommandLine, PdfExportTakesScaleOrPercentPaperAndLandscape) {
    using Scale = CommandLine::PdfPages::Scale;
    const CommandLine fitted = parseCommandLine({"--export-pdf", "a.tdl", "a.pdf"});
    EXPECT_EQ(fitted.action, CommandLine::Action::ExportPdf);
    EXPECT_EQ(fitted.pdf.scale, Scale::Fit);
    EXPECT_EQ(fitted.pdf.paper, "a4");
    const CommandLine scaled = parseCommandLine(
        {"--export-pdf", "a.tdl", "a.pdf", "--landscape", "--paper", "A3", "--scale", "87"});
    EXPECT_EQ(scaled.pdf.scale, Scale::OneTo);
    EXPECT_EQ(scaled.pdf.factor, 87);
    EXPECT_EQ(scaled.pdf.paper, "a3");
    EXPECT_TRUE(scaled.pdf.landscape);
    EXPECT_EQ(parseCommandLine({"--export-pdf", "a.tdl", "a.pdf", "--percent", "250"}).pdf.factor,
              250);
    EXPECT_EQ(parseCommandLine({"--export-pdf", "a.tdl", "a.pdf", "--scale", "0"}).error,
              "--scale needs a whole number from 1 to 1000");
    EXPECT_EQ(parseCommandLine({"--export-pdf", "a.tdl", "a.pdf", "--paper", "a5"}).error,
              "--paper must be a4, a3 or letter, not \"a5\"");
    EXPECT_EQ(parseCommandLine({"--export-png", "a.tdl", "a.png", "--scale", "10"}).error,
              "--scale, --percent, --fit, --paper and --landscape go with --export-pdf");
}

}  // namespace
