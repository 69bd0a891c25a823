// A long seeded run of random user actions through the edit path: pieces added at open ends,
// selections deleted, moved, pasted and inserted as blocks, undo and redo runs, levels, labels,
// scenery and shapes. After every commit the document must be sound, the revision one higher with
// one notice, undo then redo must give back the same file, and the file must read back the same.
// A failure names the seed and step, so it can be replayed.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <unordered_set>

#include "catalog/scenery_catalog.h"
#include "document/layout_reader.h"
#include "document/layout_writer.h"
#include "document/snap_search.h"
#include "edit/clipboard.h"
#include "edit/edit.h"
#include "edit/fragment.h"
#include "edit/layout_editor.h"

namespace {

struct RecordingObserver : EditObserver {
    std::vector<uint64_t> revisions;
    void layoutEdited(const EditNotice& notice) override { revisions.push_back(notice.revision); }
};

/// checkInvariants plus what it cannot know without the catalog: every recorded joint uses a
/// connector the piece and its partner have.
std::string soundness(const Layout& layout, const TrackCatalog& catalog) {
    std::string problems = layout.checkInvariants();
    for (const PlacedPiece& p : layout.pieces) {
        const PieceDef* def = catalog.byArticle(p.article);
        for (size_t c = 0; c < p.joints.size(); ++c) {
            const Joint& j = p.joints[c];
            if (j.isOpen()) {
                continue;
            }
            const PlacedPiece* other = layout.FindPiece(static_cast<uint32_t>(j.target));
            const PieceDef* odef = other ? catalog.byArticle(other->article) : nullptr;
            if (def == nullptr || c >= def->connectors.size() || odef == nullptr || j.tconn < 0 ||
                static_cast<size_t>(j.tconn) >= odef->connectors.size()) {
                problems += "piece " + std::to_string(p.id) + " connector " + std::to_string(c) +
                            " names connector " + std::to_string(j.tconn) + " of " +
                            std::to_string(j.target) + "\n";
            }
        }
    }
    return problems;
}

class Soak {
public:
    explicit Soak(uint32_t seed) : m_rng(seed) {
        m_layout.EnsureDefaultLevel();
        m_editor.addObserver(&m_observer);
    }

    /// One random action; returns the number of commits it made.
    int step() {
        const int roll = pick(100);
        if (m_layout.pieces.empty() || roll < 40) {
            return extend();
        }
        if (roll < 50) {
            return deleteSome();
        }
        if (roll < 60) {
            return moveSome();
        }
        if (roll < 68) {
            return pasteSome();
        }
        if (roll < 72) {
            return insertAsBlock();
        }
        if (roll < 86) {
            return undoRedoRun();
        }
        return addDecoration();
    }

    Layout& layout() { return m_layout; }
    LayoutEditor& editor() { return m_editor; }
    const RecordingObserver& observer() const { return m_observer; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    double uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(m_rng);
    }

    /// A random element of a non-empty vector.
    template <typename Items>
    auto& anyOf(Items& items) {
        return items[static_cast<size_t>(pick(static_cast<int>(items.size())))];
    }

    void selectRandomly(int percent) {
        m_layout.DeselectAll();
        for (PlacedPiece& p : m_layout.pieces.edits()) {
            p.selected = pick(100) < percent;
        }
        for (SceneryItem& s : m_layout.scenery.edits()) {
            s.selected = pick(100) < percent;
        }
        for (LayoutLabel& l : m_layout.labels) {
            l.selected = pick(100) < percent;
        }
        for (FreeShape& s : m_layout.shapes) {
            s.selected = pick(100) < percent;
        }
    }

    bool anythingSelected() const {
        for (const PlacedPiece& p : m_layout.pieces) {
            if (p.selected) {
                return true;
            }
        }
        for (const SceneryItem& s : m_layout.scenery) {
            if (s.selected) {
                return true;
            }
        }
        return false;
    }

    // A catalog piece laid at an open end of a random piece (or free on an empty plan), joined
    // there and to every other open end it happens to meet.
    int extend() {
        const PieceDef& def = anyOf(m_catalog.pieces());
        PlacedPiece piece;
        piece.article = def.article;
        piece.level = anyOf(m_layout.levels).id;
        const PlacedPiece* target = m_layout.pieces.empty() ? nullptr : &anyOf(m_layout.pieces);
        const PieceDef* tdef = target ? m_catalog.byArticle(target->article) : nullptr;
        Edit edit(m_editor);
        if (tdef == nullptr || tdef->connectors.empty() || def.connectors.empty() ||
            pick(10) == 0) {
            piece.x = uniform(-2000, 2000);
            piece.y = uniform(-2000, 2000);
            piece.heading = uniform(0, 360);
            const uint32_t id = edit.addPiece(piece);
            edit.joinCoincidentEnds({id});
            return 1;
        }
        const int tconn = pick(static_cast<int>(tdef->connectors.size()));
        const int own = pick(static_cast<int>(def.connectors.size()));
        const uint32_t targetId = target->id;
        const Pose pose = matingPose(def, own, connectorToWorld(*target, *tdef, tconn));
        piece.x = pose.x;
        piece.y = pose.y;
        piece.heading = pose.heading;
        const uint32_t id = edit.addPiece(piece);
        if (m_layout.FindPiece(targetId)->jointAt(tconn).isOpen()) {
            edit.join(id, own, targetId, tconn);
        }
        edit.joinCoincidentEnds({id});
        return 1;
    }

    int deleteSome() {
        // Large plans lose more at a time, so the run stays small and fast.
        selectRandomly(m_layout.pieces.size() > 120 ? 40 : 15);
        if (!anythingSelected()) {
            return 0;
        }
        Edit edit(m_editor);
        edit.deleteSelection();
        return 1;
    }

    // The canvas's move: joints to pieces left behind are opened, the selection is shifted and
    // turned, and its open ends join whatever they now meet.
    int moveSome() {
        selectRandomly(20);
        std::vector<uint32_t> moved;
        for (const PlacedPiece& p : m_layout.pieces) {
            if (p.selected) {
                moved.push_back(p.id);
            }
        }
        if (moved.empty()) {
            return 0;
        }
        const double dx = uniform(-300, 300), dy = uniform(-300, 300);
        Edit edit(m_editor);
        Layout& doc = edit.change();
        for (PlacedPiece& p : doc.pieces.edits()) {
            if (!p.selected) {
                continue;
            }
            p.x += dx;
            p.y += dy;
            for (size_t c = 0; c < p.joints.size(); ++c) {
                Joint& j = p.joints[c];
                PlacedPiece* other =
                    j.isOpen() ? nullptr : doc.EditPiece(static_cast<uint32_t>(j.target));
                if (other != nullptr && !other->selected) {
                    other->joints[static_cast<size_t>(j.tconn)] = Joint{};
                    j = Joint{};
                }
            }
        }
        edit.joinCoincidentEnds(moved);
        return 1;
    }

    int pasteSome() {
        selectRandomly(10);
        if (!copySelection(m_layout, m_clipboard) && m_clipboard.empty()) {
            return 0;
        }
        return pasteClipboard(m_editor, m_clipboard, {uniform(-2000, 2000), uniform(-2000, 2000)})
                   ? 1
                   : 0;
    }

    // The selection saved as a library block and inserted again, through the block file.
    int insertAsBlock() {
        selectRandomly(10);
        if (!hasBlockSelection(m_layout)) {
            return 0;
        }
        BlockContent block;
        EXPECT_EQ(readBlockText(writeBlockText(m_layout, "Soak"), block), "");
        return insertBlock(m_editor, block) ? 1 : 0;
    }

    int undoRedoRun() {
        int commits = 0;
        for (int n = 1 + pick(6); n > 0; --n) {
            commits += m_editor.undo() ? 1 : 0;
        }
        for (int n = pick(8); n > 0; --n) {
            commits += m_editor.redo() ? 1 : 0;
        }
        return commits;
    }

    int addDecoration() {
        Edit edit(m_editor);
        const Vec2 at{uniform(-2000, 2000), uniform(-2000, 2000)};
        switch (pick(4)) {
            case 0: {
                int32_t top = 0;
                for (const LayoutLevel& l : m_layout.levels) {
                    top = std::max(top, l.id);
                }
                LayoutLevel level;
                level.id = top + 1;
                level.name = "Deck " + std::to_string(level.id);
                level.visible = pick(4) != 0;
                level.height = uniform(0, 200);
                edit.addLevel(level);
                break;
            }
            case 1:
                edit.addLabel(
                    {kNoId, "Label <" + std::to_string(pick(1000)) + "> & \"x\"", at.x, at.y});
                break;
            case 2: {
                SceneryItem item;
                item.item = anyOf(SceneryCatalog::instance().defs()).key;
                item.x = at.x;
                item.y = at.y;
                item.heading = uniform(0, 360);
                item.level = m_layout.levels.back().id;
                edit.addScenery(item);
                break;
            }
            default: {
                FreeShape shape;
                shape.vertices = {at, {at.x + 300, at.y}, {at.x + 150, at.y + uniform(50, 400)}};
                shape.label = "Hill";
                edit.addShape(shape);
                break;
            }
        }
        return 1;
    }

    std::mt19937 m_rng;
    const TrackCatalog& m_catalog = TrackCatalog::instance();
    Layout m_layout;
    LayoutEditor m_editor{m_layout};
    RecordingObserver m_observer;
    CanvasClipboard m_clipboard;
};

}  // namespace

TEST(EditSoak, RandomEditsKeepJointsIdsRevisionsUndoAndFilesSound) {
    constexpr uint32_t kSeed = 20261207;
    constexpr int kSteps = 1500;
    Soak soak(kSeed);
    Layout& layout = soak.layout();
    size_t mostPieces = 0;
    for (int i = 0; i < kSteps; ++i) {
        SCOPED_TRACE("seed " + std::to_string(kSeed) + " step " + std::to_string(i));
        const uint64_t revision = soak.editor().revision();
        const size_t notices = soak.observer().revisions.size();
        const int commits = soak.step();
        ASSERT_EQ(soak.editor().revision(), revision + static_cast<uint64_t>(commits));
        ASSERT_EQ(soak.observer().revisions.size(), notices + static_cast<size_t>(commits))
            << "one notice per commit";
        if (commits == 0) {
            continue;
        }
        EXPECT_EQ(soak.observer().revisions.back(), soak.editor().revision());
        ASSERT_EQ(soundness(layout, TrackCatalog::instance()), "");
        mostPieces = std::max(mostPieces, layout.pieces.size());

        const std::string saved = writeLayoutText(layout, "Soak");
        if (!layout.undoStack.empty()) {
            ASSERT_TRUE(soak.editor().undo());
            ASSERT_TRUE(soak.editor().redo());
            ASSERT_EQ(writeLayoutText(layout, "Soak"), saved) << "undo then redo";
        }
        Layout read;
        std::string name;
        ASSERT_EQ(readLayoutText(saved, read, name), "");
        ASSERT_EQ(writeLayoutText(read, name), saved) << "write, read and write again";
    }
    // The run must have reached plans worth the name, with every kind of action.
    EXPECT_GT(mostPieces, 60u);
    EXPECT_GT(layout.levels.size(), 3u);
}
