// Undo steps share unchanged pieces with each other, and still bring back exactly what a full
// copy of the document at each step would: the written file and the selection.
#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdio>
#include <deque>
#include <random>
#include <string>

#include "../../../bench/large_layout.h"
#include "document/layout_reader.h"
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
        doc.pieces.edit(pick(doc.pieces.size())).x += 1.0;
        break;
    case 1:
        doc.pieces.edit(pick(doc.pieces.size())).y = random() % 2 ? -0.0 : 0.0;
        doc.scenery.edit(pick(doc.scenery.size())).heading = static_cast<double>(random() % 360);
        break;
    case 2:
        doc.pieces.edit(pick(doc.pieces.size())).selected = true;
        doc.scenery.edit(pick(doc.scenery.size())).selected = true;
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
            layout.pieces.edit(random() % layout.pieces.size()).selected ^= true;
        }
    }
}

TEST(UndoSharing, FiftyOnePieceEditsOfAnOpenedLargeLayoutAddLessThanATenthOfIt) {
    // Bytes in use, counting the large blocks the allocator maps on their own.
    const auto heap = [] {
        const struct mallinfo2 info = mallinfo2();
        return static_cast<double>(info.uordblks + info.hblkhd);
    };
    const double empty = heap();
    LargeLayout large(50000);
    Layout& layout = large.layout;
    {
        // As opened from a file.
        std::string name;
        ASSERT_EQ(readLayoutText(writeLayoutText(layout, "big"), layout, name), "");
    }
    layout.undoStack.clear();
    const double own = heap() - empty;
    if (own <= 0.0) {
        // The sanitizers' allocator keeps its own books and reports nothing here.
        GTEST_SKIP() << "the allocator gives no heap statistics";
    }
    LayoutEditor& editor = large.editor;
    for (int i = 0; i < 50; ++i) {
        Edit(editor).change().pieces.edit(static_cast<size_t>(i) * 997).x += 1.0;
    }
    EXPECT_EQ(layout.undoStack.size(), 50u);
    std::printf("layout %.0f kB, 50 one-piece steps %.0f kB\n", own / 1024,
                (heap() - empty - own) / 1024);
    EXPECT_LT(heap() - empty - own, 0.10 * own);
    // Every step still holds the piece as it was.
    for (int i = 49; i >= 0; --i) {
        const double moved = layout.pieces[static_cast<size_t>(i) * 997].x;
        editor.undo();
        EXPECT_EQ(layout.pieces[static_cast<size_t>(i) * 997].x, moved - 1.0);
    }
}

}  // namespace
