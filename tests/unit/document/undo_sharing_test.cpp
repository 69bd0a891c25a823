// Undo steps share unchanged pieces with each other, and still bring back exactly what a full
// copy of the document at each step would: the written file and the selection.
#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdio>
#include <deque>
#include <random>
#include <string>

#include "../../../bench/large_layout.h"
#include "document/layout_writer.h"

namespace {

/// The written file and the selection marks.
std::string state(const Layout& layout) {
    std::string out = writeLayoutText(layout, "n");
    for (const PlacedPiece& p : layout.pieces) {
        out += p.selected ? '1' : '0';
    }
    for (const SceneryItem& s : layout.scenery) {
        out += s.selected ? '1' : '0';
    }
    return out;
}

/// One random edit of a few pieces or items: moves (sometimes onto -0), a selection and delete,
/// additions at the end.
void randomEdit(LayoutEditor& editor, std::mt19937& random) {
    Edit edit(editor);
    Layout& doc = edit.change();
    const auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
    switch (random() % 4) {
    case 0:
        doc.pieces[pick(doc.pieces.size())].x += 1.0;
        break;
    case 1:
        doc.pieces[pick(doc.pieces.size())].y = random() % 2 ? -0.0 : 0.0;
        doc.scenery[pick(doc.scenery.size())].heading = static_cast<double>(random() % 360);
        break;
    case 2:
        doc.pieces[pick(doc.pieces.size())].selected = true;
        doc.scenery[pick(doc.scenery.size())].selected = true;
        edit.deleteSelection();
        break;
    default:
        edit.addPiece({.article = "24172", .x = static_cast<double>(random() % 9000)});
        edit.addScenery({.item = "tree_group"});
    }
}

TEST(UndoSharing, RandomEditsUndoneAndRedoneRestoreWhatFullCopiesWould) {
    LargeLayout large(3000);  // more than one page of chunks
    Layout& layout = large.layout;
    LayoutEditor& editor = large.editor;
    std::mt19937 random(16);
    std::deque<std::string> undone, redone;  // the reference: full states
    for (int step = 0; step < 400; ++step) {
        const unsigned what = random() % 10;
        if (what < 5) {
            undone.push_back(state(layout));
            if (undone.size() > kUndoLimit) {
                undone.pop_front();
            }
            redone.clear();
            randomEdit(editor, random);
        } else if (what < 8 && !undone.empty()) {
            redone.push_back(state(layout));
            ASSERT_TRUE(editor.undo());
            ASSERT_EQ(state(layout), undone.back()) << "undo at step " << step;
            undone.pop_back();
        } else if (!redone.empty()) {
            undone.push_back(state(layout));
            ASSERT_TRUE(editor.redo());
            ASSERT_EQ(state(layout), redone.back()) << "redo at step " << step;
            redone.pop_back();
        }
        if (random() % 7 == 0) {  // a selection change between edits belongs to the next step
            layout.pieces[random() % layout.pieces.size()].selected ^= true;
        }
    }
}

TEST(UndoSharing, FiftyOnePieceEditsOfALargeLayoutCostLittleBesideOneCopy) {
    // Bytes in use, counting the large blocks the allocator maps on their own.
    const auto heap = [] {
        const struct mallinfo2 info = mallinfo2();
        return static_cast<double>(info.uordblks + info.hblkhd);
    };
    const double empty = heap();
    LargeLayout large(50000);
    const double own = heap() - empty;
    if (own <= 0.0) {
        // The sanitizers' allocator keeps its own books and reports nothing here.
        GTEST_SKIP() << "the allocator gives no heap statistics";
    }
    Layout& layout = large.layout;
    LayoutEditor& editor = large.editor;
    Edit(editor).change().pieces[0].x += 1.0;  // the first step holds the whole layout once
    const double first = heap();
    EXPECT_LT(first - empty, 2.2 * own);
    for (int i = 1; i < 50; ++i) {
        Edit(editor).change().pieces[static_cast<size_t>(i) * 997].x += 1.0;
    }
    EXPECT_EQ(layout.undoStack.size(), 50u);
    std::printf("layout %.0f kB, first step %.0f kB, 49 more steps %.0f kB\n", own / 1024,
                (first - empty - own) / 1024, (heap() - first) / 1024);
    EXPECT_LT(heap() - first, 0.10 * own);
}

}  // namespace
