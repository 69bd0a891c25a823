// Broken and hostile files: the reader must stop with a clear message or repair what it safely
// can, and never crash, hang or leave the caller's document half replaced.

#include <gtest/gtest.h>

#include <algorithm>

#include "document/layout_reader.h"
#include "document/layout_writer.h"
#include "edit/fragment.h"
#include "file_test_util.h"

namespace {

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<layout name=\"bad\">\n";

std::string withPieces(const std::string& pieces) {
    return kHead + "  <pieces>\n" + pieces + "  </pieces>\n</layout>\n";
}

std::string pieceLine(const std::string& attrs) {
    return "    <piece " + attrs + ">\n";
}

std::string joint(int conn, int target, int tconn) {
    return "      <joint conn=\"" + std::to_string(conn) + "\" target=\"" + std::to_string(target) +
           "\" tconn=\"" + std::to_string(tconn) + "\"/>\n";
}

// Reads `text` into a busy document and returns the error; checks that nothing changed.
std::string failingRead(const std::string& text) {
    Layout doc;
    std::string name;
    EXPECT_EQ(readLayoutText(file_test::fixture("full_layout.tdl"), doc, name), "");
    doc.PushUndo();
    const std::string before = writeLayoutText(doc, "same");
    name = "unchanged";
    const std::string error = readLayoutText(text, doc, name);
    EXPECT_NE(error, "") << "expected the read to fail:\n" << text;
    EXPECT_EQ(name, "unchanged");
    EXPECT_EQ(writeLayoutText(doc, "same"), before);
    EXPECT_EQ(doc.undoStack.size(), 1u);
    return error;
}

Layout readOk(const std::string& text) {
    Layout doc;
    std::string name;
    EXPECT_EQ(readLayoutText(text, doc, name), "") << text;
    EXPECT_EQ(doc.checkInvariants(), "");
    return doc;
}

}  // namespace

TEST(BadLayoutFiles, MissingAttributesAndUnreadableNumbersNameTheLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {withPieces(pieceLine(R"(id="1" cat="24188" y="0" heading="0")") + "    </piece>\n"),
         "Line 4: <piece> lacks the required attribute \"x\""},
        {withPieces(pieceLine(R"(id="1" cat="a" x="0" y="0" heading="0")") +
                    "      <joint conn=\"0\" tconn=\"1\"/>\n    </piece>\n"),
         "Line 5: <joint> lacks the required attribute \"target\""},
        {withPieces(pieceLine(R"(id="one" cat="a" x="0" y="0" heading="0")")),
         "Line 4: \"id\" of <piece> is not a number: \"one\""},
        {withPieces(pieceLine(R"(id="1" cat="a" x="nan" y="0" heading="0")")),
         "Line 4: \"x\" of <piece> is not a finite number: \"nan\""},
        {withPieces(pieceLine(R"(id="1" cat="a" x="0" y="0" heading="1e400")")),
         "Line 4: \"heading\" of <piece> is out of range: \"1e400\""},
        {kHead +
             "  <levels active=\"1\">\n    <level id=\"1\" r=\"256\"/>\n  </levels>\n</layout>\n",
         "Line 4: \"r\" of <level> is out of range: \"256\""},
    };
    for (const auto& [text, message] : cases)
        EXPECT_EQ(failingRead(text), message);
    const std::string error =
        failingRead(withPieces(pieceLine("id=\"" + std::string(500, '9') + "\"")));
    EXPECT_LT(error.size(), 120u) << "a hostile value is cut short in the message";
}

TEST(BadLayoutFiles, TruncatedFilesAreRefused) {
    const std::string full = file_test::fixture("full_layout.tdl");
    const size_t mid = full.find("heading=\"30");
    ASSERT_NE(mid, std::string::npos);
    EXPECT_EQ(failingRead(full.substr(0, mid + 10)),
              "Line 15: the value of \"heading\" in <piece> has no closing quote");
    // Cut at a line end: the rest of the layout would silently be lost.
    EXPECT_EQ(failingRead(full.substr(0, full.find("  <labels>"))),
              "Line 53: the file is incomplete: it ends before </layout>.");
    EXPECT_EQ(failingRead("hello\n"), "This is not a layout file: it has no <layout> element.");
}

TEST(BadLayoutFiles, ImpossibleConnectorsAndDanglingJointsAreNotStored) {
    // 24188 is a straight with two connectors; "x" is unknown and bounded by a fixed limit.
    Layout doc = readOk(
        withPieces(pieceLine(R"(id="1" cat="24188" x="0" y="0" heading="0")") +
                   joint(2000000000, 2, 0) + joint(-1, 2, 0) + joint(2, 2, 0) + "    </piece>\n" +
                   pieceLine(R"(id="2" cat="x" x="0" y="0" heading="0")") + joint(64, 1, 1) +
                   joint(63, 2, 62) + joint(62, 2, 63) + "    </piece>\n"));
    EXPECT_TRUE(doc.pieces[0].joints.empty());
    ASSERT_EQ(doc.pieces[1].joints.size(), 64u);
    EXPECT_EQ(doc.pieces[1].joints[63].target, 2) << "a piece may be joined to itself";

    doc = readOk(withPieces(pieceLine(R"(id="1" cat="24188" x="0" y="0" heading="0")") +
                            joint(0, 77, 0) +  // no such piece
                            joint(1, 2, 0) + "    </piece>\n" +
                            pieceLine(R"(id="2" cat="24188" x="0" y="0" heading="0")") +
                            joint(0, 1, 1) + joint(1, 3, 1) +  // 3 points elsewhere
                            "    </piece>\n" +
                            pieceLine(R"(id="3" cat="24188" x="0" y="0" heading="0")") +
                            joint(0, 2, 1) + joint(1, 1, 5) +  // beyond piece 1's joints
                            "    </piece>\n"));
    EXPECT_TRUE(doc.pieces[0].jointAt(0).isOpen());
    EXPECT_EQ(doc.pieces[0].jointAt(1).target, 2);
    EXPECT_EQ(doc.pieces[1].jointAt(0).target, 1);
    EXPECT_TRUE(doc.pieces[1].jointAt(1).isOpen());
    EXPECT_TRUE(doc.pieces[2].jointAt(0).isOpen());
    EXPECT_EQ(doc.pieces[2].jointAt(1).tconn, -1);
}

TEST(BadLayoutFiles, RepeatedIdentifiersAreRenumbered) {
    const Layout doc = readOk(
        withPieces(pieceLine(R"(id="1" cat="24188" x="0" y="0" heading="0")") + joint(1, 2, 0) +
                   "    </piece>\n" + pieceLine(R"(id="2" cat="24188" x="0" y="0" heading="0")") +
                   joint(0, 1, 1) + "    </piece>\n" +
                   // A second piece 2 claiming the same joint.
                   pieceLine(R"(id="2" cat="24188" x="5" y="0" heading="0")") + joint(0, 1, 1) +
                   "    </piece>\n"));
    ASSERT_EQ(doc.pieces.size(), 3u);
    EXPECT_EQ(doc.pieces[1].jointAt(0).target, 1);
    EXPECT_EQ(doc.pieces[2].id, 3u);
    EXPECT_TRUE(doc.pieces[2].jointAt(0).isOpen());
    EXPECT_EQ(doc.nextId, 4u);
}

TEST(BadLayoutFiles, IdentifiersOutsideTheCounterRangeAreRenumberedAndPasteStaysSound) {
    // 2^31 and "-2" (0xFFFFFFFE) cannot be joint targets, and a counter after them would wrap.
    Layout doc = readOk(
        withPieces(pieceLine(R"(id="2147483648" cat="24188" x="0" y="0" heading="0")") +
                   "    </piece>\n" + pieceLine(R"(id="-2" cat="24188" x="188" y="0" heading="0")") +
                   "    </piece>\n" + pieceLine(R"(id="0" cat="24188" x="376" y="0" heading="0")") +
                   "    </piece>\n" + pieceLine(R"(id="7" cat="24188" x="564" y="0" heading="0")") +
                   "    </piece>\n"));
    std::vector<uint32_t> ids;
    for (const PlacedPiece& p : doc.pieces)
        ids.push_back(p.id);
    EXPECT_EQ(ids, (std::vector<uint32_t>{8, 9, 10, 7}));
    EXPECT_EQ(doc.nextId, 11u);

    // A copy of the three renumbered pieces, joined in a row, keeps its joints when pasted.
    LayoutEditor editor(doc);
    LayoutFragment row;
    row.pieces = {doc.pieces[0], doc.pieces[1], doc.pieces[2]};
    for (size_t i = 0; i + 1 < row.pieces.size(); ++i) {
        row.pieces[i].joints.resize(2);
        row.pieces[i].joints[1] = Joint{static_cast<int32_t>(row.pieces[i + 1].id), 0};
        row.pieces[i + 1].joints = {Joint{static_cast<int32_t>(row.pieces[i].id), 1}};
    }
    {
        Edit edit(editor);
        insertFragment(edit, row, {0.0, 500.0}, true);
    }
    EXPECT_EQ(doc.checkInvariants(), "");
    ASSERT_EQ(doc.pieces.size(), 7u);
    EXPECT_EQ(doc.pieces[4].jointAt(1).target, static_cast<int32_t>(doc.pieces[5].id));
    EXPECT_EQ(doc.pieces[6].jointAt(0).target, static_cast<int32_t>(doc.pieces[5].id));
}

TEST(LayoutIds, TheCounterRefusesToWrapAndTheCheckCatchesUnusableIds) {
    Layout doc;
    doc.nextId = kMaxObjectId;
    EXPECT_EQ(doc.AllocateId(), kMaxObjectId);
    EXPECT_THROW(doc.AllocateId(), std::length_error);
    doc.nextId = 0;
    EXPECT_THROW(doc.AllocateId(), std::length_error);

    doc.pieces.push_back(PlacedPiece{});
    doc.pieces.edit(0).id = kNoId;
    EXPECT_EQ(doc.checkInvariants(), "piece with unusable id 4294967295\n");
    doc.pieces.edit(0).id = 1;
    doc.labels.resize(1);
    doc.labels[0].id = 0;
    EXPECT_EQ(doc.checkInvariants(), "label with unusable id 0\n");
}

TEST(BadBlockFiles, AreRefusedWithTheLineAndLeaveTheBlockAlone) {
    BlockContent block;
    block.name = "kept";
    EXPECT_EQ(
        readBlockText("<block name=\"b\">\n  <piece id=\"1\" x=\"0\" y=\"0\">\n</block>\n", block),
        "Line 2: <piece> lacks the required attribute \"heading\"");
    EXPECT_EQ(readBlockText("<block name=\"b\">\n", block),
              "Line 1: the file is incomplete: it ends before </block>.");
    EXPECT_EQ(readBlockText(file_test::fixture("full_layout.tdl"), block),
              "This is not a library block: it has no <block> element.");
    EXPECT_EQ(block.name, "kept");
}

namespace {

// `text` with the value of `attr` on the first line holding `marker` replaced by `value`; `line`
// receives that line's number.
std::string withValue(const std::string& text, const std::string& marker, const std::string& attr,
                      const std::string& value, size_t& line) {
    const size_t at = text.find(marker);
    EXPECT_NE(at, std::string::npos) << marker;
    if (at == std::string::npos)
        return text;
    line = 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + at, '\n'));
    const size_t begin = text.find(" " + attr + "=\"", text.rfind('\n', at) + 1) + attr.size() + 3;
    const size_t end = text.find('"', begin);
    return text.substr(0, begin) + value + text.substr(end);
}

}  // namespace

TEST(BadLayoutFiles, FarPositionsAndHugeSizesAreRefusedWithTheLine) {
    // Every position, length and height of a layout: a value beyond 100 km stops the read.
    struct Far {
        const char* marker;
        const char* element;
        const char* attr;
        const char* value;
    };
    const Far cases[] = {
        {"<piece id=\"2\"", "piece", "x", "1e20"},
        {"<piece id=\"2\"", "piece", "y", "-1e9"},
        {"<piece id=\"3\"", "piece", "z", "100000000.5"},
        {"<sceneryitem id=\"12\"", "sceneryitem", "x", "-1e20"},
        {"<sceneryitem id=\"12\"", "sceneryitem", "y", "2e8"},
        {"<level id=\"2\"", "level", "height", "1e12"},
        {"<pt x=\"600.0000\" y=\"-400", "pt", "y", "-1e20"},
        {"<vertex x=\"2900.0000\" y=\"1200", "vertex", "x", "1e20"},
        {"<lastshape", "lastshape", "w_mm", "1e20"},
        {"<lastshape", "lastshape", "h_mm", "1e20"},
        {"<lastshape", "lastshape", "w2_mm", "-1e20"},
        {"<lastshape", "lastshape", "h2_mm", "1e20"},
        {"<label id=\"13\"", "label", "x", "1e20"},
        {"<label id=\"14\"", "label", "y", "-1e20"},
        {"<shape id=\"15\"", "shape", "height", "1e20"},
        {"<v x=\"100.0000\" y=\"50", "v", "x", "1e20"},
        {"<v x=\"0.0000\" y=\"50", "v", "y", "1e20"},
        {"<helix ", "helix", "cx", "1e20"},
        {"<helix ", "helix", "cy", "-1e20"},
    };
    const std::string full = file_test::fixture("full_layout.tdl");
    for (const Far& c : cases) {
        size_t line = 0;
        const std::string text = withValue(full, c.marker, c.attr, c.value, line);
        EXPECT_EQ(failingRead(text), "Line " + std::to_string(line) + ": \"" + c.attr + "\" of <" +
                                         c.element + "> is out of range: \"" + c.value +
                                         "\" (lengths are limited to 100 km)");
    }
}

TEST(BadLayoutFiles, PositionsUpTo100KilometresAreRead) {
    size_t line = 0;
    std::string text = file_test::fixture("full_layout.tdl");
    text = withValue(text, "<piece id=\"2\"", "x", "100000000", line);
    text = withValue(text, "<piece id=\"2\"", "y", "-1e8", line);
    text = withValue(text, "<helix ", "cy", "-100000000.0000", line);
    text = withValue(text, "<level id=\"2\"", "height", "99999999.9999", line);
    const Layout doc = readOk(text);
    EXPECT_EQ(doc.pieces[1].x, 1e8);
    EXPECT_EQ(doc.pieces[1].y, -1e8);
    EXPECT_EQ(doc.helices[0].cy, -1e8);
    EXPECT_EQ(doc.levels[1].height, 99999999.9999);
}

TEST(BadBlockFiles, FarPositionsAreRefusedWithTheLine) {
    const std::string full = file_test::fixture("full_block.tdl");
    BlockContent block;
    block.name = "kept";
    size_t line = 0;
    std::string text = withValue(full, "<piece id=\"4\"", "y", "1e20", line);
    EXPECT_EQ(readBlockText(text, block),
              "Line " + std::to_string(line) +
                  ": \"y\" of <piece> is out of range: \"1e20\" (lengths are limited to 100 km)");
    text = withValue(full, "<sceneryitem id=\"13\"", "x", "-3e8", line);
    EXPECT_EQ(readBlockText(text, block),
              "Line " + std::to_string(line) +
                  ": \"x\" of <sceneryitem> is out of range: \"-3e8\" (lengths are limited to "
                  "100 km)");
    EXPECT_EQ(block.name, "kept");
}

TEST(BadLayoutFiles, WhatTheReaderLetsPassIsNotedWithItsLine) {
    const std::string text =
        withPieces(pieceLine(R"(id="1" cat="24188" x="0" y="0" heading="0")") +
                   joint(0, 77, 0) + joint(9, 2, 0) + "    </piece>\n" +
                   pieceLine(R"(id="1" cat="nope" x="0" y="0" heading="0")") + "    </piece>\n");
    const std::string withShape =
        text.substr(0, text.size() - 10) +
        "  <shapes>\n    <shape id=\"5\">\n      <v x=\"1\"/>\n    </shape>\n  </shapes>\n</layout>\n";
    Layout doc;
    std::string name;
    std::vector<ReadNote> notes;
    ASSERT_EQ(readLayoutText(withShape, doc, name, &notes), "");
    std::vector<std::pair<size_t, std::string>> got;
    for (const ReadNote& note : notes) {
        got.emplace_back(note.line, note.text);
    }
    EXPECT_EQ(got, (std::vector<std::pair<size_t, std::string>>{
                       {5, "the joint on connector 0 of piece 1 names piece 77, which does not "
                           "join back to it: the joint is opened"},
                       {6, "the <joint> names connector 9, which piece 1 does not have: it is "
                           "left out"},
                       {8, "the article \"nope\" is not in the track catalog: the piece is kept "
                           "but not drawn"},
                       {8, "<piece> repeats the identifier 1: it gets the identifier 6 and its "
                           "joints are opened"},
                       {13, "<v> lacks \"x\" or \"y\": the vertex is left out"}}));

    // A sound file with two pieces of other catalogs: those alone are noted.
    notes.clear();
    ASSERT_EQ(readLayoutText(file_test::fixture("full_layout.tdl"), doc, name, &notes), "");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].line, 28u);
    EXPECT_EQ(notes[1].text, "the article \"\" is not in the track catalog: the piece is kept but "
                             "not drawn");
}
