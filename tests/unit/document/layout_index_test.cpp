// Look-ups by identifier answer what a search of the lists would, whatever changed the lists
// since the last look-up: edits, deletion, undo and redo, a read, a paste, or a reordering.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "document/layout_reader.h"
#include "document/layout_writer.h"
#include "edit/clipboard.h"
#include "edit/edit.h"

namespace {

/// Every id from 0 to past the counter, looked up in each list, against a search of that list.
template <typename List, typename Find>
std::string mismatches(const List& items, uint32_t top, Find find, const char* kind) {
    using T = typename List::value_type;
    std::string out;
    for (uint32_t id = 0; id <= top + 2; ++id) {
        auto it = std::find_if(items.begin(), items.end(), [id](const T& t) { return t.id == id; });
        const T* expected = it == items.end() ? nullptr : &*it;
        if (find(id) != expected) {
            out += std::string(kind) + " " + std::to_string(id) + "\n";
        }
    }
    return out;
}

std::string mismatches(Layout& l) {
    const uint32_t top = l.nextId;
    const Layout& reading = l;
    return mismatches(l.pieces, top, [&](uint32_t id) { return reading.FindPiece(id); }, "piece") +
           mismatches(l.scenery, top, [&](uint32_t id) { return reading.FindScenery(id); }, "item") +
           mismatches(l.labels, top, [&](uint32_t id) { return l.FindLabel(id); }, "label") +
           mismatches(l.shapes, top, [&](uint32_t id) { return l.FindShape(id); }, "shape") +
           mismatches(l.helices, top, [&](uint32_t id) { return l.FindHelix(id); }, "helix");
}

TEST(LayoutIndex, LookUpsFollowEveryKindOfChangeToTheLists) {
    Layout layout;
    layout.EnsureDefaultLevel();
    LayoutEditor editor(layout);
    std::mt19937 random(16);
    CanvasClipboard clipboard;
    for (int step = 0; step < 300; ++step) {
        const int what = static_cast<int>(random() % 8);
        if (what <= 2) {
            Edit edit(editor);
            for (int i = 0; i < 5; ++i) {
                edit.addPiece({.article = "24188", .x = static_cast<double>(random() % 5000)});
                edit.addScenery(SceneryItem{.item = "tree_group"});
                edit.addLabel(LayoutLabel{.text = "x"});
                edit.addShape(FreeShape{.vertices = {{0, 0}, {1, 0}, {0, 1}}});
                edit.addHelix(Helix{});
            }
        } else if (what == 3) {
            for (auto& p : layout.pieces.edits()) {
                p.selected = random() % 3 == 0;
            }
            for (auto& s : layout.scenery.edits()) {
                s.selected = random() % 3 == 0;
            }
            Edit(editor).deleteSelection();
        } else if (what == 4) {
            random() % 2 ? editor.undo() : editor.redo();
        } else if (what == 5) {
            std::string name;
            ASSERT_EQ(readLayoutText(writeLayoutText(layout, "n"), layout, name), "");
        } else if (what == 6 && !layout.pieces.empty()) {
            layout.pieces.edit(0).selected = true;
            copySelection(layout, clipboard);
            pasteClipboard(editor, clipboard, {100, 100});
        } else if (what == 7) {
            // Reordered in place after the look-ups of the same edit built the indices.
            Edit edit(editor);
            Layout& doc = edit.change();
            doc.FindPiece(1);
            doc.FindScenery(1);
            // The ends stay where they are, so only the slots tell of the change.
            if (doc.pieces.size() > 4 && doc.scenery.size() > 4) {
                for (size_t i = doc.pieces.size() - 2; i > 1; --i) {
                    std::swap(doc.pieces.edit(i), doc.pieces.edit(1 + random() % i));
                }
                for (size_t i = 1, j = doc.scenery.size() - 2; i < j; ++i, --j) {
                    std::swap(doc.scenery.edit(i), doc.scenery.edit(j));
                }
            }
        }
        ASSERT_EQ(mismatches(layout), "") << "after step " << step << " (kind " << what << ")";
    }
    EXPECT_GT(layout.pieces.size(), 30u);
}

}  // namespace
