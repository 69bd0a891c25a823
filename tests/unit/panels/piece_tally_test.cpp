// The Pieces Used tally: deck track of ramps and bridges, sets, accessories, rows.
#include "panels/piece_tally.h"

#include <gtest/gtest.h>

#include "panel_test_support.h"

using panel_test::addPiece;

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

Rows rowTexts(const PieceTally& tally) {
    Rows out;
    for (const TallyRow& row : tallyRows(tally)) {
        out.emplace_back(row.piece, row.count);
    }
    return out;
}

TEST(PieceTally, RampsAndBridgesAddTheirDeckTrackFreePiecesCountNothing) {
    Layout ramps;
    addPiece(ramps, "74618", false, 5);
    addPiece(ramps, "24188");
    ramps.pieces.editBack().free = true;
    addPiece(ramps, "74620");
    ramps.pieces.editBack().free = true;  // a free bridge brings no deck either
    EXPECT_EQ(countLayoutPieces(ramps), (PieceTally{{"24172", 2}, {"24188", 3}, {"74618", 5}}));

    Layout bridges;
    addPiece(bridges, "7263");
    addPiece(bridges, "74636");
    EXPECT_EQ(countLayoutPieces(bridges),
              (PieceTally{{"2200", 2}, {"24360", 1}, {"7263", 1}, {"74636", 1}}));
}

TEST(PieceTally, SpokeExtensionsComeInSetsOfThree) {
    for (const auto& [placed, sets] : {std::pair{3, 1}, {4, 2}, {7, 3}}) {
        Layout layout;
        addPiece(layout, "74871", false, placed);
        EXPECT_EQ(countLayoutPieces(layout).at("74871"), sets) << placed << " placed";
        EXPECT_EQ(countCartPieces(layout).at("74871"), sets) << placed << " placed";
    }
}

TEST(PieceTally, ThreeWayTurnoutNeedsTwoMotorsButOneDecoder) {
    Layout layout;
    addPiece(layout, "24630");
    const AccessoryTotals totals = countAccessories(countLayoutPieces(layout));
    EXPECT_EQ(totals.turnoutMotors, 2);
    EXPECT_EQ(totals.decoders74462, 1);
    const Rows rows = rowTexts(countLayoutPieces(layout));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1].first, "We Recommend");
    EXPECT_EQ(rows[2], (std::pair<std::string, std::string>{"74491 Turnout Motor", "2"}));
    EXPECT_EQ(rows[3], (std::pair<std::string, std::string>{"74462 Decoder", "1"}));
}

TEST(PieceTally, RowsFollowByteOrderAndRecommendOnlyForTurnouts) {
    Layout layout;
    addPiece(layout, "2263");
    addPiece(layout, "24720");
    panel_test::addScenery(layout, "72886");
    panel_test::addScenery(layout, "tree_conifer");  // not sold: not listed
    EXPECT_EQ(rowTexts(countLayoutPieces(layout)),
              (Rows{{"2263 Right Turnout Length 168.9 mm / 6-5/8\"", "1"},
                    {"24720 Double Slip Switch slim 12.1°", "1"},
                    {"Roundhouse 72886 (3-stall)", "1"},
                    {"We Recommend", ""},
                    {"74491 Turnout Motor", "1"},
                    {"75491 K-Track Motor", "1"},
                    {"74467 Decoder (24720)", "1"}}));
    EXPECT_EQ(rowTexts(PieceTally{{"99999", 4}}), (Rows{{"99999", "4"}}));

    Layout plain;
    addPiece(plain, "24188", false, 4);
    addPiece(plain, "24130", false, 12);
    for (const TallyRow& row : tallyRows(countLayoutPieces(plain))) {
        EXPECT_NE(row.piece, "We Recommend");
    }
}

TEST(PieceTally, PartsListCsvQuotesNamesWithCommasQuotesAndLineBreaks) {
    // Keys the catalogs do not know are listed under their own text, which may hold anything.
    const PieceTally tally{{"24630", 1}, {"Tunnel \"Nord\", 2 m", 3}, {"two\nlines", 1}};
    EXPECT_EQ(partsListCsv(tally),
              "Article,Name,Count\r\n"
              "24630,24630 Three-Way Turnout 2x24.3°,1\r\n"
              "\"Tunnel \"\"Nord\"\", 2 m\",\"Tunnel \"\"Nord\"\", 2 m\",3\r\n"
              "\"two\nlines\",\"two\nlines\",1\r\n"
              ",We Recommend,\r\n"
              "74491,74491 Turnout Motor,2\r\n"
              "74462,74462 Decoder,1\r\n");
}

}  // namespace
