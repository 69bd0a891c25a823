// Pieces whose article the catalog does not know: which are listed after opening, how the notice
// reads, and that such pieces survive a save and a second open unchanged.

#include <gtest/gtest.h>

#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "document/layout_reader.h"
#include "document/layout_writer.h"
#include "frame/opened_layout.h"

namespace {

void addPiece(Layout& layout, const std::string& article) {
    PlacedPiece p;
    p.id = layout.AllocateId();
    p.article = article;
    layout.pieces.push_back(p);
}

}  // namespace

TEST(UnknownPieces, AreCountedPerArticleInByteOrder) {
    Layout layout;
    for (const char* article : {"24188", "99999", "12345", "99999", "8500", "", "12345", "99999"}) {
        addPiece(layout, article);
    }
    const std::vector<UnknownArticle> expected = {{"", 1}, {"12345", 2}, {"99999", 3}};
    EXPECT_EQ(unknownArticles(layout, TrackCatalog::instance()), expected);
    EXPECT_EQ(unknownPiecesMessage(expected),
              "This layout uses pieces this program does not know:\n"
              "  (no article number) \u00d7 1\n"
              "  12345 \u00d7 2\n"
              "  99999 \u00d7 3\n"
              "\n"
              "They are not drawn, but they stay in the layout and are saved with it.");

    Layout known;
    addPiece(known, "24188");
    EXPECT_TRUE(unknownArticles(known, TrackCatalog::instance()).empty());
}

TEST(UnknownPieces, ALongListAndLongArticlesStayReadable) {
    std::vector<UnknownArticle> many;
    for (int i = 0; i < 25; ++i) {
        many.push_back({"A" + std::to_string(100 + i), i + 1});
    }
    const std::string text = unknownPiecesMessage(many);
    EXPECT_NE(text.find("  A119 \u00d7 20\n"), std::string::npos);
    EXPECT_EQ(text.find("A120"), std::string::npos);
    // Five more articles with 21 + 22 + 23 + 24 + 25 pieces.
    EXPECT_NE(text.find("  ... and 5 more articles (115 pieces)\n"), std::string::npos) << text;

    // 39 ASCII bytes and then two-byte letters: the cut falls before a letter, not inside it.
    const std::string longArticle = std::string(39, 'x') + "\u00e4\u00e4\u00e4";
    EXPECT_EQ(unknownPiecesMessage({{longArticle, 2}}),
              "This layout uses pieces this program does not know:\n"
              "  " +
                  std::string(39, 'x') +
                  "... \u00d7 2\n"
                  "\n"
                  "They are not drawn, but they stay in the layout and are saved with it.");
}

TEST(UnknownPieces, StayInTheFileThroughASaveAndASecondOpen) {
    const std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<layout name=\"Club\" version=\"1\" units=\"0\">\n"
        "  <pieces>\n"
        "    <piece id=\"1\" cat=\"24188\" x=\"0.0000\" y=\"0.0000\" heading=\"0.0000\">\n"
        "      <joint conn=\"1\" target=\"2\" tconn=\"0\"/>\n"
        "    </piece>\n"
        "    <piece id=\"2\" cat=\"X-7 &amp; co\" x=\"188.3000\" y=\"0.0000\" heading=\"0.0000\" "
        "z=\"12.0000\" grade=\"1.5000\" level=\"1\" sel=\"1\" color=\"255\">\n"
        "      <joint conn=\"0\" target=\"1\" tconn=\"1\"/>\n"
        "      <joint conn=\"3\" target=\"2\" tconn=\"3\"/>\n"
        "    </piece>\n"
        "  </pieces>\n"
        "</layout>\n";
    Layout first;
    std::string name;
    ASSERT_EQ(readLayoutText(text, first, name), "");
    const std::vector<UnknownArticle> expected = {{"X-7 & co", 1}};
    EXPECT_EQ(unknownArticles(first, TrackCatalog::instance()), expected);

    const std::string saved = writeLayoutText(first, name);
    EXPECT_NE(saved.find("cat=\"X-7 &amp; co\" x=\"188.3000\""), std::string::npos) << saved;
    Layout second;
    ASSERT_EQ(readLayoutText(saved, second, name), "");
    ASSERT_EQ(second.pieces.size(), 2u);
    const PlacedPiece& unknown = second.pieces[1];
    EXPECT_EQ(unknown.article, "X-7 & co");
    EXPECT_EQ(unknown.z, 12.0);
    EXPECT_EQ(unknown.grade, 1.5);
    EXPECT_TRUE(unknown.selected);
    EXPECT_TRUE(unknown.hasColor);
    EXPECT_EQ(unknown.jointAt(0).target, 1);
    EXPECT_EQ(unknown.jointAt(3).target, 2);
    EXPECT_EQ(unknown.jointAt(3).tconn, 3);
    EXPECT_EQ(writeLayoutText(second, name), saved) << "a second round changes nothing";
}
