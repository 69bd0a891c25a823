// libFuzzer target for the layout and block readers. Whatever a reader accepts must be a sound
// document that saves and reads back to the very same bytes, and must stay sound through the
// edits a user makes next: paste, block insert, delete and undo. Any breach aborts with a
// message, which libFuzzer reports as a crash and keeps as an input.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/layout.h"
#include "document/layout_file.h"
#include "document/layout_reader.h"
#include "document/layout_writer.h"
#include "edit/clipboard.h"
#include "edit/edit.h"
#include "edit/fragment.h"
#include "edit/layout_editor.h"

namespace {

[[noreturn]] void breach(const std::string& what, const std::string& detail) {
    std::fprintf(stderr, "\n*** %s\n%s\n", what.c_str(), detail.c_str());
    std::abort();
}

// The first line where two texts differ, from both, for the report.
std::string firstDifference(const std::string& a, const std::string& b) {
    size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at])
        ++at;
    const size_t begin = a.rfind('\n', at == 0 ? 0 : at - 1);
    const size_t from = begin == std::string::npos ? 0 : begin + 1;
    const auto lineOf = [from](const std::string& t) {
        return t.substr(from, t.find('\n', from) - from);
    };
    return "first:  " + lineOf(a) + "\nsecond: " + lineOf(b);
}

void requireSound(const Layout& doc, const char* after) {
    const std::string problems = doc.checkInvariants();
    if (!problems.empty())
        breach(std::string("invariants broken after ") + after, problems);
}

// Saving and reading back must give the same text; `after` names the step before the save. Save
// refuses, with a message, a layout whose text would not read back: edits can move pieces past
// the 100 km that Open accepts. That refusal, and only that one, is allowed after edits.
void requireStableSave(const Layout& doc, const std::string& name, const char* after,
                       bool mayRefuse) {
    std::string saved;
    const std::string error = checkedLayoutText(doc, name, saved);
    if (!error.empty()) {
        if (mayRefuse && error.find("(lengths are limited to 100 km)") != std::string::npos)
            return;
        breach(std::string("a saved layout cannot be read after ") + after, error);
    }
    Layout again;
    std::string name2;
    readLayoutText(saved, again, name2);
    const std::string resaved = writeLayoutText(again, name2);
    if (resaved != saved) {
        breach(std::string("save, read and save again changed the text after ") + after,
               firstDifference(saved, resaved));
    }
}

// A small deterministic choice stream taken from the input, so that the edits vary with it.
class Choices {
public:
    explicit Choices(std::string_view text) {
        for (const char c : text)
            m_state = (m_state ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    uint64_t next() {
        m_state ^= m_state >> 33;
        m_state *= 0xff51afd7ed558ccdull;
        m_state ^= m_state >> 33;
        return m_state;
    }
    bool flip() { return (next() & 1u) != 0; }

private:
    uint64_t m_state = 14695981039346656037ull;
};

// A selection as the canvas makes one: any pieces and scenery, a helix always as a whole.
void selectSome(Layout& doc, Choices& choices) {
    for (PlacedPiece& p : doc.pieces.edits())
        p.selected = choices.flip();
    for (SceneryItem& s : doc.scenery.edits())
        s.selected = choices.flip();
    doc.CompleteHelixSelection();
}

// The edits of a user who opened the file: copy and paste, the selection saved as a block and
// inserted again, a delete, and undo of some of it.
void editLayout(Layout& doc, const std::string& name, Choices& choices) {
    LayoutEditor editor(doc);
    selectSome(doc, choices);
    CanvasClipboard clipboard;
    if (copySelection(doc, clipboard)) {
        pasteClipboard(editor, clipboard, {static_cast<double>(choices.next() % 4000), 250.0});
        requireSound(doc, "paste");
    }
    selectSome(doc, choices);
    if (hasBlockSelection(doc)) {
        BlockContent block;
        const std::string error = readBlockText(writeBlockText(doc, "fuzz"), block);
        if (!error.empty())
            breach("a saved block cannot be read", error);
        insertBlock(editor, block);
        requireSound(doc, "block insert");
    }
    selectSome(doc, choices);
    {
        Edit edit(editor);
        edit.deleteSelection();
    }
    requireSound(doc, "delete");
    const int undos = static_cast<int>(choices.next() % 4);
    for (int i = 0; i < undos; ++i) {
        editor.undo();
        requireSound(doc, "undo");
    }
    requireStableSave(doc, name, "the edits", true);
}

void checkLayout(std::string_view text) {
    Layout doc;
    std::string name;
    if (!readLayoutText(text, doc, name).empty())
        return;
    requireSound(doc, "reading");
    requireStableSave(doc, name, "reading", false);
    Choices choices(text);
    editLayout(doc, name, choices);
}

void checkBlock(std::string_view text) {
    BlockContent block;
    if (!readBlockText(text, block).empty())
        return;
    Layout holder;
    holder.pieces = ChunkList<PlacedPiece>(block.pieces);
    holder.scenery = ChunkList<SceneryItem>(block.scenery);
    holder.SelectAll();
    const std::string saved = writeBlockText(holder, block.name);
    BlockContent again;
    const std::string error = readBlockText(saved, again);
    if (!error.empty())
        breach("a saved block cannot be read", error);
    holder.pieces = ChunkList<PlacedPiece>(again.pieces);
    holder.scenery = ChunkList<SceneryItem>(again.scenery);
    holder.SelectAll();
    const std::string resaved = writeBlockText(holder, again.name);
    if (resaved != saved)
        breach("block save, read and save again changed the text", firstDifference(saved, resaved));

    // Inserted twice into a fresh layout (the copies on top of each other), then undone.
    Layout doc;
    doc.EnsureDefaultLevel();
    LayoutEditor editor(doc);
    insertBlock(editor, block);
    requireSound(doc, "block insert");
    insertBlock(editor, block);
    requireSound(doc, "second block insert");
    editor.undo();
    requireSound(doc, "undo of a block insert");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkLayout(text);
    checkBlock(text);
    return 0;
}
