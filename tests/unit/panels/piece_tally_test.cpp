#include "panels/piece_tally.h"

#include <gtest/gtest.h>

#include "catalog/helix_catalog.h"
#include "document/layout.h"
#include "panel_test_support.h"

using panel_test::addPiece;
using panel_test::addPieces;
using panel_test::addScenery;

namespace {

std::vector<std::pair<std::string, std::string>> rowTexts(const PieceTally& tally) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const TallyRow& row : tallyRows(tally)) {
        out.emplace_back(row.piece, row.count);
    }
    return out;
}

}  // namespace

TEST(PieceTally, RampsCarryLongAndShortDecksInTurn) {
    Layout layout;
    addPieces(layout, "74618", 5);
    addPiece(layout, "74618T");
    EXPECT_EQ(countLayoutPieces(layout),
              (PieceTally{{"24172", 2}, {"24188", 3}, {"62188", 1}, {"74618", 5}, {"74618T", 1}}));
}

TEST(PieceTally, BridgesAddTheirDeckTrack) {
    Layout layout;
    addPiece(layout, "7263");
    addPiece(layout, "74636");
    addPiece(layout, "74620T");
    addPiece(layout, "24360");
    EXPECT_EQ(
        countLayoutPieces(layout),
        (PieceTally{
            {"2200", 2}, {"24360", 2}, {"62188", 1}, {"7263", 1}, {"74620T", 1}, {"74636", 1}}));
}

TEST(PieceTally, SpokeExtensionsComeInSetsOfThree) {
    for (const auto& [placed, sets] : {std::pair{1, 1}, {3, 1}, {4, 2}, {6, 2}, {7, 3}}) {
        Layout layout;
        addPieces(layout, "74871", placed);
        EXPECT_EQ(countLayoutPieces(layout).at("74871"), sets) << placed << " placed";
        EXPECT_EQ(countCartPieces(layout).at("74871"), sets) << placed << " placed";
    }
}

TEST(PieceTally, FreePiecesAndUnsoldSceneryAreLeftOut) {
    Layout layout;
    addPiece(layout, "24188");
    addPiece(layout, "24188");
    layout.pieces.back().free = true;
    addPiece(layout, "74620");
    layout.pieces.back().free = true;  // a free bridge brings no deck either
    addScenery(layout, "74861");
    addScenery(layout, "tree_conifer");
    EXPECT_EQ(countLayoutPieces(layout), (PieceTally{{"24188", 1}, {"74861", 1}}));
}

TEST(PieceTally, HelixAddsItsCurvesToBothRadii) {
    Layout layout;
    layout.helices.push_back(Helix{});
    layout.helices.back().variant = "no_such_variant";  // falls back to the default model
    const HelixVariant* variant = findHelixVariant(kDefaultHelixVariant);
    ASSERT_NE(variant, nullptr);
    const PieceTally tally = countLayoutPieces(layout);
    EXPECT_EQ(tally.at(variant->innerCurveArticle), 30);
    EXPECT_EQ(tally.at(variant->outerCurveArticle), 30);
    EXPECT_EQ(tally.size(), 2u);
}

TEST(PieceTally, ThreeWayTurnoutNeedsTwoMotorsButOneDecoder) {
    Layout layout;
    addPiece(layout, "24630");
    const AccessoryTotals totals = countAccessories(countLayoutPieces(layout));
    EXPECT_EQ(totals.turnoutMotors, 2);
    EXPECT_EQ(totals.decoders74462, 1);
    EXPECT_EQ(totals.kTrackMotors, 0);
    EXPECT_EQ(totals.decoders74467, 0);

    const std::vector<TallyRow> rows = tallyRows(countLayoutPieces(layout));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_TRUE(rows[1].heading);
    EXPECT_EQ(rows[1].piece, "We Recommend");
    EXPECT_EQ(rows[2].piece + " " + rows[2].count, "74491 Turnout Motor 2");
    EXPECT_EQ(rows[3].piece + " " + rows[3].count, "74462 Decoder 1");
}

TEST(PieceTally, RowsFollowByteOrderAndNameEveryArticle) {
    Layout layout;
    addPiece(layout, "74618");
    addPiece(layout, "2263");   // K-Track turnout
    addPiece(layout, "24720");  // slim double slip
    addScenery(layout, "72886");
    EXPECT_EQ(rowTexts(countLayoutPieces(layout)),
              (std::vector<std::pair<std::string, std::string>>{
                  {"2263 Right Turnout Length 168.9 mm / 6-5/8\"", "1"},
                  {"24188 - 188.3mm", "1"},
                  {"24720 Double Slip Switch slim 12.1°", "1"},
                  {"Roundhouse 72886 (3-stall)", "1"},
                  {"74618 Straight Ramp 180mm", "1"},
                  {"We Recommend", ""},
                  {"74491 Turnout Motor", "1"},
                  {"75491 K-Track Motor", "1"},
                  {"74467 Decoder (24720)", "1"},
              }));
    // A key that no catalog knows is shown as it is.
    EXPECT_EQ(rowTexts(PieceTally{{"99999", 4}}),
              (std::vector<std::pair<std::string, std::string>>{{"99999", "4"}}));
}

TEST(PieceTally, PlainTrackNeedsNoRecommendation) {
    Layout layout;
    addPieces(layout, "24188", 4);
    addPieces(layout, "24130", 12);
    for (const TallyRow& row : tallyRows(countLayoutPieces(layout))) {
        EXPECT_NE(row.piece, "We Recommend");
        EXPECT_FALSE(row.heading);
    }
}
