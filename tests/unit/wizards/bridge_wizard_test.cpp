// The Bridge Wizard's plan, report and placing without a window.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "../canvas/fake_host.h"
#include "document/snap_search.h"
#include "edit/elevation.h"
#include "wizards/bridge_place_tool.h"

namespace {

BridgeKit kitOf(TrackSystem system) {
    BridgeKitResult resolved = resolveBridgeKit(system);
    EXPECT_TRUE(resolved.kit.has_value()) << resolved.message;
    return *resolved.kit;
}

BridgePlan defaultPlan(const BridgeKit& kit, ClearanceChoice choice = {}) {
    return recomputeBridgePlan(kit, choice, BridgeComposition(kit).spans());
}

}  // namespace

TEST(BridgePlan, CatalogProfileGivesTheTableHeightsCountsAndReport) {
    const BridgeKit kit = kitOf(Systems::CTrack);
    ASSERT_EQ(kit.profiles.size(), 2u);
    EXPECT_EQ(kit.profiles[0].name, "Steam && diesel run underneath");
    BridgePlan plan = defaultPlan(kit);
    EXPECT_EQ(plan.heights.size(), 13u);
    EXPECT_EQ(plan.rampPiecesPerSide, 9);
    const BridgeCounts counts = bridgeCounts(plan, kit);
    EXPECT_EQ(counts.rampPieces, 18);
    EXPECT_EQ(counts.plainStraights, 6) << "3 plain straights per side";
    EXPECT_NEAR(counts.footprint, 2 * 12 * 180.0 + 2 * 188.3 + 2 * 360.0, 1e-9);
    const std::string report = bridgeReport(plan, kit, Units::Millimetres);
    for (const char* line :
         {"PILLARS per side (Marklin stacks)\n   1 2.5 mm   1x7250\n",
          "  11 74.5 mm   1x7250 + 2x7252 + 2x7253\n",
          "  + 3 bridge joint(s) at 74.5 mm   1x7250 + 2x7252 + 2x7253\n",
          "\nPIECE TALLY (both sides)\n  74618      ramp structures        x 18\n"
          "  24188      plain straights (lead) x 6\n"
          "  74620      truss/girder           x 2\n"
          "  74636      arch                   x 2\n"
          "  7250       Base Plate  2.5 mm    x 25\n"}) {
        EXPECT_NE(report.find(line), std::string::npos) << line << "\nin\n" << report;
    }
    plan.composition = {"74636"};
    EXPECT_EQ(bridgeReport(plan, kit, Units::Inches).find("bridge joint"), std::string::npos);
    EXPECT_NE(bridgeReport(plan, kit, Units::Inches).find("   1 0.10\"   1x7250\n"),
              std::string::npos);
    EXPECT_EQ(elevationSummary(plan, bridgeCounts(plan, kit), Units::Centimetres),
              "ascent 216.0 cm  +  bridge 36.0 cm  +  descent 216.0 cm      clearance 7.5 cm"
              "  (Marklin catalog table)");
}

TEST(BridgePlan, PillarStacksAddUpTheirParts) {
    EXPECT_EQ(pillarStackText(pillarStack(74.5)), "1x7250 + 2x7252 + 2x7253");
    EXPECT_EQ(pillarStackText(pillarStack(20.5)), "1x7250 + 3x7252");
    EXPECT_EQ(pillarStackText(pillarStack(5.5)), "1x7250 + 1x7251");
    EXPECT_EQ(pillarStackText(pillarStack(2.5)), "1x7250");
    EXPECT_EQ(pillarStackText(pillarStack(4.0)), "1x7250  (~)");
}

TEST(BridgePlan, CustomClearanceSynthesizesEasedHeights) {
    const BridgeKit kit = kitOf(Systems::CTrack);
    const BridgePlan low = defaultPlan(kit, {-1, 10.0, 5.0});
    EXPECT_EQ(low.heights, (std::vector<double>{0, 0, 2.5, 5.5, 10}));
    EXPECT_EQ(low.rampPiecesPerSide, 1);
    EXPECT_EQ(bridgeCounts(low, kit).plainStraights, 6);
    EXPECT_NE(bridgeReport(low, kit, Units::Millimetres)
                  .find("PILLARS per side (Marklin stacks)  [synthesized, 5.0% grade]\n"),
              std::string::npos);
    // At 5 % over 180 mm the synthesized ramp repeats the printed one.
    const std::vector<double> steam = synthesizedHeights(74.5, 180.0, 5.0);
    std::vector<double> printed = {0, 0};
    for (double h : kit.profiles[0].jointHeights)
        printed.push_back(h);
    ASSERT_EQ(steam.size(), printed.size());
    for (size_t i = 0; i < steam.size(); ++i)
        EXPECT_NEAR(steam[i], printed[i], 1e-9) << i;
    // Z-Track: custom clearance only, no pier stacks.
    const BridgeKit z = kitOf(Systems::ZTrack);
    EXPECT_TRUE(z.profiles.empty());
    const BridgePlan zPlan = defaultPlan(z, {0, 45.0, 5.0});
    EXPECT_TRUE(zPlan.synthesized);
    const std::string zReport = bridgeReport(zPlan, z, Units::Millimetres);
    EXPECT_EQ(zReport.find("7250"), std::string::npos) << zReport;
    EXPECT_EQ(zReport.rfind("PIECE TALLY (both sides)\n  8976 ", 0), 0u) << zReport;
}

TEST(BridgeKit, UnsupportedSystemsAndMissingPiecesAreExplained) {
    EXPECT_EQ(resolveBridgeKit(Systems::Gauge1).message,
              "The Bridge Wizard supports C, Trix, K, M and Z track.");
    TrackCatalog partial;
    for (const char* article : {"7268", "7263"}) {
        partial.add(*TrackCatalog::instance().byArticle(article));
    }
    EXPECT_EQ(resolveBridgeKit(Systems::KTrack, partial).message,
              "The catalog is missing bridge pieces for this system:\n2200 7262 ");
    const BridgeKit m = kitOf(Systems::MTrack);
    EXPECT_EQ(m.profiles[1].clearance, 98.5);
    EXPECT_EQ(addGirderLabel(m), "Add Truss\n(7262M, 180 mm)");
    EXPECT_EQ(addGirderLabel(kitOf(Systems::ZTrack)), "Add Girder\n(89759, 110 mm)");
}

TEST(BridgeComposition, EditsInsertAfterTheSelectionAndMoveWithIt) {
    const BridgeKit kit = kitOf(Systems::CTrack);
    BridgeComposition c(kit);
    c.select(0);
    c.add("74636");  // after the first line, and selected
    EXPECT_EQ(c.spans(), (std::vector<std::string>{"74620", "74636", "74636", "74636", "74620"}));
    EXPECT_EQ(c.selected(), 1);
    c.moveUp();
    c.moveUp();  // no neighbour to the west any more
    EXPECT_EQ(c.spans()[0], "74636");
    EXPECT_EQ(c.selected(), 0);
    c.select(4);
    c.moveDown();
    c.removeSelected();
    EXPECT_EQ(c.spans().size(), 4u);
    EXPECT_EQ(c.lines()[0], "1 (W->E)  74636 Arch Bridge 360mm");
    c.clear();
    c.add("74620");
    EXPECT_EQ(c.spans(), (std::vector<std::string>{"74620"}));
}

TEST(BridgePlacing, LaysAJoinedChainCentredOnTheClickInOneUndoStep) {
    Layout layout;
    FakeHost host;
    LayoutEditor editor(layout);
    CanvasController ctrl(editor, watching(host, editor));
    unitView(ctrl);
    const BridgeKit kit = kitOf(Systems::CTrack);
    const BridgePlan plan = defaultPlan(kit);
    const BridgeDialogRunner empty = [&](const BridgeKit& k) {
        BridgePlan p = defaultPlan(k);
        p.composition.clear();
        return std::optional<BridgePlan>(p);
    };
    EXPECT_FALSE(startBridgeWizard(ctrl, Systems::Gauge1, empty));
    EXPECT_FALSE(startBridgeWizard(ctrl, Systems::CTrack, empty));
    ASSERT_EQ(host.prompts.records().size(), 2u);
    EXPECT_EQ(host.prompts.records()[1].title, "Bridge Wizard");
    EXPECT_EQ(host.prompts.records()[1].text,
              "The bridge needs at least one span (truss or arch).");
    EXPECT_EQ(ctrl.toolAs<BridgePlaceTool>(), nullptr) << "nothing pending";

    ASSERT_TRUE(startBridgeWizard(ctrl, Systems::CTrack, [&](const BridgeKit&) { return plan; }));
    EXPECT_EQ(host.status[0], kBridgePendingStatus);
    ctrl.leftDown({3000, 500}, {});
    EXPECT_EQ(ctrl.toolAs<BridgePlaceTool>(), nullptr) << "the click spends the plan";
    EXPECT_EQ(host.status[0], kBridgePlacedStatus);
    ASSERT_EQ(layout.pieces.size(), 28u);
    EXPECT_EQ(layout.undoStack.size(), 1u);
    EXPECT_EQ(layout.checkInvariants(), "");
    EXPECT_EQ(layout.levels.size(), 1u) << "a level was made for the bridge";
    const TrackCatalog& catalog = TrackCatalog::instance();
    const auto end = [&](size_t i, int c) {
        const PlacedPiece& p = layout.pieces[i];
        const PieceDef& def = *catalog.byArticle(p.article);
        const WorldConnector w = connectorToWorld(p, def, c);
        return std::array<double, 3>{w.x, w.y, heightAt(p, def, c)};
    };
    const auto first = end(0, 0), last = end(27, 1);
    EXPECT_NEAR((first[0] + last[0]) / 2.0, 3000.0, 1e-6);
    EXPECT_NEAR(first[1], 500.0, 1e-9);
    EXPECT_NEAR(last[1], 500.0, 1e-9);
    for (size_t i = 0; i < 28; ++i) {
        const PlacedPiece& p = layout.pieces[i];
        EXPECT_TRUE(p.selected);
        const double west = i < 12 ? plan.heights[i] : i < 16 ? 74.5 : plan.heights[28 - i];
        const double east = i < 12 ? plan.heights[i + 1] : i < 16 ? 74.5 : plan.heights[27 - i];
        EXPECT_NEAR(end(i, 0)[2], west, 1e-9) << i;
        EXPECT_NEAR(end(i, 1)[2], east, 1e-9) << i;
        EXPECT_EQ(p.article, i < 3 || i > 24    ? "24188"
                             : i < 12 || i > 15 ? "74618"
                                                : plan.composition[i - 12]);
        if (i > 0) {
            EXPECT_EQ(p.jointAt(0).target, static_cast<int32_t>(layout.pieces[i - 1].id)) << i;
            EXPECT_NEAR(end(i, 0)[0], end(i - 1, 1)[0], 1e-6) << i;
        }
    }
    ctrl.undo();
    EXPECT_TRUE(layout.pieces.empty());
}
