// The Layout Wizard end to end on the built-in catalog, with scripted dialog and prompts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "app/scripted_prompter.h"
#include "dialogs/baseboard_shape.h"
#include "document/layout_reader.h"
#include "document/layout_writer.h"
#include "document/snap_search.h"
#include "edit/elevation.h"
#include "wizards/layout_wizard.h"

namespace {

using Rect = std::vector<Vec2>;

Rect rectangle(double w, double h) {
    return parametricBaseboard(BaseboardShape::Rectangle, w, h, 0, 0);
}

Rect lTable(double a, double b, double c, double d) {
    return parametricBaseboard(BaseboardShape::LShape, a, b, c, d);
}

struct WizardRun {
    Layout layout;
    ScriptedPrompter prompter;
    bool generated = false;
    bool dialogShown = false;

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& r : prompter.records()) {
            out.push_back(r.text);
        }
        return out;
    }
    int count(const std::string& article) const {
        return static_cast<int>(
            std::count_if(layout.pieces.begin(), layout.pieces.end(),
                          [&](const PlacedPiece& p) { return p.article == article; }));
    }
};

void wizard(WizardRun& run, const Rect& table, TrackSystem system,
            LayoutWizardChoices choices = {}) {
    run.layout.baseboard.vertices = table;
    LayoutEditor editor(run.layout);
    run.generated = runLayoutWizard(editor, run.prompter, system, [&](const std::string&) {
        run.dialogShown = true;
        return std::optional<LayoutWizardChoices>(choices);
    });
}

/// Every connector of every piece is joined and the document's invariants hold; the layout
/// written, read back and written again gives the same bytes.
void expectClosedAndStable(const Layout& layout) {
    EXPECT_EQ(layout.checkInvariants(), "");
    for (const PlacedPiece& p : layout.pieces) {
        const PieceDef* def = TrackCatalog::instance().byArticle(p.article);
        ASSERT_NE(def, nullptr);
        for (size_t c = 0; c < def->connectors.size(); ++c) {
            EXPECT_FALSE(p.jointAt(static_cast<int>(c)).isOpen()) << p.article << " #" << c;
        }
    }
    const std::string text = writeLayoutText(layout, "wizard");
    Layout reread;
    std::string name;
    ASSERT_EQ(readLayoutText(text, reread, name), "");
    EXPECT_EQ(writeLayoutText(reread, "wizard"), text);
}

/// Walks the loop from its first piece and counts the curves entered at connector 1.
int curvesLaidEndForEnd(const Layout& layout) {
    int reversed = 0;
    const PlacedPiece* piece = &layout.pieces.front();
    int entry = 0;
    for (size_t step = 0; step < layout.pieces.size(); ++step) {
        const PieceDef* def = TrackCatalog::instance().byArticle(piece->article);
        if (def->kind == PieceKind::Curve && entry == 1) {
            ++reversed;
        }
        const Joint next = piece->jointAt(entry == 0 ? 1 : 0);
        piece = layout.FindPiece(static_cast<uint32_t>(next.target));
        entry = next.tconn;
    }
    return reversed;
}

}  // namespace

TEST(LayoutWizard, CTrackRectangleGetsTheLargestFittingRadiusAndACleanClosedLoop) {
    WizardRun run;
    wizard(run, rectangle(2000, 1200), Systems::CTrack);
    ASSERT_TRUE(run.generated) << ::testing::PrintToString(run.texts());
    EXPECT_TRUE(run.prompter.records().empty()) << "a clean loop closes within 5 mm";
    EXPECT_EQ(run.count("24230"), 12) << "three 30-degree R2 curves at each corner";
    for (const PlacedPiece& p : run.layout.pieces) {
        const PieceDef* def = TrackCatalog::instance().byArticle(p.article);
        EXPECT_TRUE(def->kind == PieceKind::Straight || p.article == "24230") << p.article;
    }
    EXPECT_EQ(curvesLaidEndForEnd(run.layout), 0);
    expectClosedAndStable(run.layout);
    EXPECT_EQ(run.layout.undoStack.size(), 1u) << "one undo step";
    EXPECT_EQ(run.layout.levels.size(), 1u) << "a level was made for the track";

    LoopFit fit;
    const auto curves = curveTable(TrackCatalog::instance(), Systems::CTrack);
    ASSERT_EQ(fitLoop(rectangle(2000, 1200), curves, 64.3, fit), FitOutcome::Fitted);
    EXPECT_DOUBLE_EQ(fit.curve.radius, 437.5);
    EXPECT_EQ(fit.curve.count, 3);
    EXPECT_DOUBLE_EQ(fit.margin, 60.0);
}

TEST(LayoutWizard, LTableTurnsItsConcaveCornerWithCurvesLaidEndForEnd) {
    WizardRun run;
    wizard(run, lTable(3000, 2200, 1200, 1000), Systems::CTrack);
    ASSERT_TRUE(run.generated) << ::testing::PrintToString(run.texts());
    const auto curves = curveTable(TrackCatalog::instance(), Systems::CTrack);
    LoopFit fit;
    ASSERT_EQ(fitLoop(lTable(3000, 2200, 1200, 1000), curves, 64.3, fit), FitOutcome::Fitted);
    EXPECT_EQ(std::count_if(fit.outline.begin(), fit.outline.end(),
                            [](const InsetVertex& v) { return v.corner < 0; }),
              1);
    EXPECT_EQ(curvesLaidEndForEnd(run.layout), fit.curve.count);
    expectClosedAndStable(run.layout);
}

TEST(LayoutWizard, CurveTableKeepsPerRadiusTheFirstCurveOfTheLargestAngle) {
    const auto radiusEntry = [](TrackSystem system, double radius) {
        for (const CurveSpec& c : curveTable(TrackCatalog::instance(), system)) {
            if (std::abs(c.radius - radius) < 0.01) {
                return c.def->article;
            }
        }
        return std::string("none");
    };
    EXPECT_EQ(radiusEntry(Systems::KTrack, 360.0), "2210");
    EXPECT_EQ(radiusEntry(Systems::Gauge1, 1550.0), "59076");
    const auto table = curveTable(TrackCatalog::instance(), Systems::CTrack);
    EXPECT_TRUE(
        std::is_sorted(table.begin(), table.end(),
                       [](const CurveSpec& a, const CurveSpec& b) { return a.radius > b.radius; }));
}

TEST(LayoutWizard, StopsBeforeAnyChangeWithTheStartMessages) {
    struct Case {
        Rect table;
        TrackSystem system;
        const char* text;
        bool dialog;
    };
    const Rect diagonal = {{0, 0}, {2000, 0}, {2000, 1200}, {300, 1200}, {0, 900}};
    const Rect nine = {{0, 0},    {100, 0},  {100, 10}, {200, 10}, {200, 20},
                       {300, 20}, {300, 30}, {0, 30},   {0, 15}};
    for (const Case& c :
         {Case{{}, Systems::CTrack, LayoutWizardText::kNoTable, false},
          Case{nine, Systems::CTrack, LayoutWizardText::kTooManyCorners, false},
          Case{diagonal, Systems::CTrack, LayoutWizardText::kNotRectilinear, true},
          Case{rectangle(600, 600), Systems::CTrack, LayoutWizardText::kTooSmall, true},
          Case{rectangle(2000, 1200), Systems::KatoN, LayoutWizardText::kNoPieces, true}}) {
        WizardRun run;
        run.layout.units = 1;
        wizard(run, c.table, c.system);
        EXPECT_FALSE(run.generated);
        EXPECT_EQ(run.dialogShown, c.dialog) << c.text;
        EXPECT_EQ(run.texts(), std::vector<std::string>{c.text});
        EXPECT_EQ(run.prompter.records().front().title, "Layout Wizard");
        EXPECT_TRUE(run.layout.pieces.empty() && run.layout.undoStack.empty());
    }
    Layout layout;
    layout.units = 1;
    layout.baseboard.vertices = rectangle(2000, 1200);
    EXPECT_EQ(layoutWizardSummary(layout, Systems::CTrack),
              "Table: 200.0 x 120.0 cm, 4 corners (from Layout Shape)\nTrack system: Marklin "
              "C-Track (from palette)");
}

TEST(LayoutWizard, OnlyR1FitsAsksAndNoLeavesTheLayoutUnchanged) {
    for (const int answer : {kIdNo, kIdYes}) {
        WizardRun run;
        run.prompter.queueAnswer(answer);
        wizard(run, rectangle(950, 950), Systems::CTrack);
        ASSERT_EQ(run.prompter.records().size(), 1u);
        const auto& question = run.prompter.records().front();
        EXPECT_EQ(question.title, "Layout Wizard - R1 Warning");
        EXPECT_EQ(question.text, LayoutWizardText::kR1Question);
        EXPECT_EQ(question.defaultButton, kIdNo);
        EXPECT_EQ(run.generated, answer == kIdYes);
        EXPECT_EQ(run.layout.pieces.empty(), answer == kIdNo);
        EXPECT_EQ(run.layout.undoStack.empty(), answer == kIdNo);
    }
}

TEST(LayoutWizard, StationAndBridgeInCTrackAreLaidJoinedWithTheirScenery) {
    WizardRun run;
    wizard(run, rectangle(3600, 2000), Systems::CTrack, {false, true, true});
    ASSERT_TRUE(run.generated) << ::testing::PrintToString(run.texts());
    EXPECT_EQ(run.count("24612"), 1);
    EXPECT_EQ(run.count("24611"), 1);
    EXPECT_EQ(run.count("24224"), 2);
    EXPECT_GE(run.count("74620") + run.count("74636"), 1);
    ASSERT_EQ(run.layout.scenery.size(), 2u);
    EXPECT_EQ(run.layout.scenery[0].item, "platform_island");
    EXPECT_EQ(run.layout.scenery[1].item, "station_small");
    // The bridge climbs at 3 degrees to the spans and comes down to the ground again.
    double top = 0.0;
    for (const PlacedPiece& p : run.layout.pieces) {
        top = std::max(top, p.z);
        EXPECT_GE(p.z, -1e-9);
        if (p.article == "74620" || p.article == "74636") {
            EXPECT_NEAR(p.z, std::sin(3.0 * M_PI / 180.0) * 817.5, 1e-6);
            EXPECT_EQ(p.grade, 0.0);
        }
    }
    EXPECT_GT(top, 40.0);
    // Joined ends meet at the same height.
    const TrackCatalog& catalog = TrackCatalog::instance();
    for (const PlacedPiece& p : run.layout.pieces) {
        for (int c = 0; c < static_cast<int>(p.joints.size()); ++c) {
            const PlacedPiece* q = run.layout.FindPiece(static_cast<uint32_t>(p.joints[c].target));
            EXPECT_NEAR(heightAt(p, *catalog.byArticle(p.article), c),
                        heightAt(*q, *catalog.byArticle(q->article), p.joints[c].tconn), 1e-6);
        }
    }
    expectClosedAndStable(run.layout);
    EXPECT_EQ(run.layout.undoStack.size(), 1u);
    EXPECT_TRUE(run.prompter.records().empty()) << "the station and the bridge close exactly";

    WizardRun stationOnly;
    wizard(stationOnly, rectangle(3600, 2000), Systems::CTrack, {false, true, false});
    EXPECT_TRUE(stationOnly.generated && stationOnly.prompter.records().empty())
        << ::testing::PrintToString(stationOnly.texts());
}

TEST(LayoutWizard, StationAndBridgeFallBackToAPlainLoopWithTheirMessages) {
    struct Case {
        Rect table;
        TrackSystem system;
        LayoutWizardChoices choices;
        std::vector<std::string> texts;
    };
    using namespace LayoutWizardText;
    for (const Case& c : {
             Case{rectangle(6000, 4000),
                  Systems::Gauge1,
                  {false, true, true},
                  {kStationSystem, kBridgeSystem}},
             Case{rectangle(2400, 1400),
                  Systems::CTrack,
                  {true, true, true},
                  {kStationDouble, kBridgeDouble}},
             Case{rectangle(1400, 1100),
                  Systems::CTrack,
                  {false, true, true},
                  {kStationRoom, kBridgeRoom}},
             Case{rectangle(950, 950),
                  Systems::CTrack,
                  {true, false, false},
                  {kR1Question, kNoInnerTrack}},
         }) {
        WizardRun run;
        run.prompter.queueAnswer(kIdYes);
        wizard(run, c.table, c.system, c.choices);
        EXPECT_TRUE(run.generated) << ::testing::PrintToString(run.texts());
        EXPECT_EQ(run.texts(), c.texts);
        EXPECT_TRUE(run.layout.scenery.empty());
        for (const PlacedPiece& p : run.layout.pieces) {
            EXPECT_EQ(
                TrackCatalog::instance().byArticle(p.article)->kind == PieceKind::Curve ||
                    TrackCatalog::instance().byArticle(p.article)->kind == PieceKind::Straight,
                true);
            EXPECT_EQ(p.z, 0.0);
        }
        expectClosedAndStable(run.layout);
    }
}

TEST(LayoutWizard, SweepOverSystemsAndTableSizesGeneratesOrExplainsAndNeverBreaksAJoint) {
    using namespace LayoutWizardText;
    const std::vector<std::string> known = {kNoPieces,      kNotRectilinear, kTooSmall,
                                            kR1Question,    kNoInnerTrack,   kStationDouble,
                                            kStationSystem, kStationRoom,    kBridgeDouble,
                                            kBridgeSystem,  kBridgeRoom};
    const double sizes[] = {1, 700, 950, 1333, 2000, 3170, 5555, 99000};
    std::vector<Rect> tables;
    for (const double w : sizes) {
        for (const double h : sizes) {
            tables.push_back(rectangle(w, h));
            tables.push_back(lTable(w, h, w * 0.4, h * 0.45));
        }
    }
    int generated = 0;
    for (TrackSystem system = 0; system <= Systems::MTrack; ++system) {
        for (size_t t = 0; t < 3 * tables.size(); ++t) {
            WizardRun run;
            run.prompter.queueAnswer(kIdYes);
            const int k = static_cast<int>(t % 3);
            const LayoutWizardChoices choices{k == 1, k < 2, k == 0};
            ASSERT_NO_THROW(wizard(run, tables[t / 3], system, choices)) << system << " " << t;
            bool mismatchShown = false;
            for (const std::string& text : run.texts()) {
                mismatchShown = mismatchShown || text.rfind("The loop closed with a ", 0) == 0;
                EXPECT_TRUE(std::find(known.begin(), known.end(), text) != known.end() ||
                            text.rfind("The loop closed with a ", 0) == 0)
                    << text;
            }
            EXPECT_TRUE(run.generated || !run.texts().empty());
            EXPECT_EQ(run.layout.checkInvariants(), "");
            std::unordered_map<int32_t, const PlacedPiece*> byId;
            for (const PlacedPiece& p : run.layout.pieces) {
                byId[static_cast<int32_t>(p.id)] = &p;
            }
            for (const PlacedPiece& p : run.layout.pieces) {
                const PieceDef* def = TrackCatalog::instance().byArticle(p.article);
                for (int c = 0; c < static_cast<int>(def->connectors.size()); ++c) {
                    const Joint j = p.jointAt(c);
                    ASSERT_FALSE(j.isOpen()) << system << " " << t;
                    const PlacedPiece* q = byId.at(j.target);
                    const WorldConnector a = connectorToWorld(p, *def, c);
                    const WorldConnector b = connectorToWorld(
                        *q, *TrackCatalog::instance().byArticle(q->article), j.tconn);
                    EXPECT_TRUE(std::hypot(a.x - b.x, a.y - b.y) <= 5.0 || mismatchShown)
                        << system << " t" << t << " " << p.article << "#" << c << "-" << q->article
                        << "#" << j.tconn << " " << std::hypot(a.x - b.x, a.y - b.y);
                }
            }
            generated += run.generated ? 1 : 0;
        }
    }
    EXPECT_GT(generated, 100);
}
