// A long seeded run of random gestures and commands as a user makes them: palette drops that snap,
// turntables and helices, clicks, chains, rubber bands, moves, Alt and wheel turns, the Delete key
// with its questions answered at random, copy and paste, library blocks, context menus, levels,
// grades, autofill, tunnels, both wizards, undo and redo. After every step the document must be
// sound; after every fourth step that took one undo step, undo must bring back the pieces and
// items exactly as they were and redo the step; every 1,000 steps a save must read back to the
// same bytes and undo then redo must give back the same file. A failure names the seed and step, so it can be replayed:
// RAILVANE_SOAK_SEED and RAILVANE_SOAK_STEPS set them.
#include <cstdlib>
#include <random>
#include <set>

#include "edit/fragment.h"
#include "edit/setup_edits.h"
#include "edit/tunnel_edit.h"
#include "document/layout_reader.h"
#include "document/layout_writer.h"
#include "gesture_fixture.h"
#include "tools/autofill.h"
#include "tools/grade_edits.h"
#include "wizards/bridge_plan.h"
#include "wizards/layout_wizard.h"

namespace {

/// Answers every question at random and keeps nothing, so a long run stays small.
class RandomPrompter : public Prompter {
public:
    explicit RandomPrompter(std::mt19937& rng) : m_rng(rng) {}
    void showMessage(const std::string&, const std::string& text, PromptIcon) override {
        EXPECT_FALSE(text.empty()) << "a message box without text";
    }
    int ask(const std::string&, const std::string&, PromptButtons buttons, int,
            PromptIcon) override {
        const bool yes = m_rng() % 2 == 0;
        if (buttons == PromptButtons::Ok || buttons == PromptButtons::OkCancel) {
            return yes ? kIdOk : kIdCancel;
        }
        return yes ? kIdYes : kIdNo;
    }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string& preset) override {
        if (m_rng() % 3 == 0) {
            return std::nullopt;
        }
        return preset + std::to_string(m_rng() % 100);
    }

private:
    std::mt19937& m_rng;
};

struct RandomHost : FakeHost {
    RandomPrompter random;
    explicit RandomHost(std::mt19937& rng) : random(rng) {}
    Prompter& prompter() override { return random; }
};

class CanvasSoak {
public:
    explicit CanvasSoak(uint32_t seed) : m_rng(seed) {
        m_layout.EnsureDefaultLevel();
        unitView(m_ctrl);
        const TrackSystem cTrack = m_ctrl.catalog().byArticle("24188")->system;
        for (const PieceDef& def : m_ctrl.catalog().pieces()) {
            if (def.system == cTrack) {
                m_articles.push_back(def.article);
            }
        }
    }

    void step() {
        if (m_ctrl.gestureActive() && pick(4) != 0) {
            m_ctrl.keyDown(CanvasKey::Escape, kNone);  // a tool left running ends now and then
        }
        using Action = void (CanvasSoak::*)();
        static constexpr Action kActions[] = {
            &CanvasSoak::dropAtEnd, &CanvasSoak::dropAtEnd,  &CanvasSoak::dropAtEnd,
            &CanvasSoak::dropFree,  &CanvasSoak::turntable,  &CanvasSoak::helix,
            &CanvasSoak::clicks,    &CanvasSoak::clicks,     &CanvasSoak::rubberBand,
            &CanvasSoak::move,      &CanvasSoak::turn,       &CanvasSoak::deleteKey,
            &CanvasSoak::copyPaste, &CanvasSoak::block,      &CanvasSoak::contextMenu,
            &CanvasSoak::levels,    &CanvasSoak::grades,     &CanvasSoak::autofill,
            &CanvasSoak::undoRedo,  &CanvasSoak::undoRedo,   &CanvasSoak::tunnel,
            &CanvasSoak::bridge,    &CanvasSoak::layoutWizard,
        };
        if (m_layout.pieces.size() > 160) {
            clearPlan();  // big plans are cleared, so the run stays quick
            return;
        }
        (this->*kActions[pick(static_cast<int>(std::size(kActions)))])();
    }

    Layout& layout() { return m_layout; }
    LayoutEditor& editor() { return m_editor; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    ScreenPoint anywhere() { return {20 + pick(760), 20 + pick(560)}; }
    Modifiers anyMods() { return {pick(4) == 0, pick(4) == 0, pick(6) == 0}; }
    /// On a random piece's position (its first connector), or anywhere on an empty plan.
    ScreenPoint onAPiece() {
        if (m_layout.pieces.empty()) {
            return anywhere();
        }
        const PlacedPiece& p = m_layout.pieces[static_cast<size_t>(pick(
            static_cast<int>(m_layout.pieces.size())))];
        return m_ctrl.view().worldToScreen(p.x, p.y);
    }
    const std::string& anyArticle() {
        return m_articles[static_cast<size_t>(pick(static_cast<int>(m_articles.size())))];
    }
    void dropAt(const std::string& article, ScreenPoint at) {
        startPaletteDrag(m_ctrl, article);
        if (pick(5) == 0) {
            m_ctrl.keyDown(CanvasKey::R, kNone);
        }
        m_ctrl.motion(at, kNone, false);
        m_ctrl.leftDown(at, kNone);
    }
    void dropAtEnd() { dropAt(anyArticle(), {onAPiece().x + pick(30), onAPiece().y + pick(30)}); }
    void dropFree() { dropAt(anyArticle(), anywhere()); }
    void turntable() { dropAt("74861", onAPiece()); }
    void helix() {
        startHelixPlacement(m_ctrl, "");
        const ScreenPoint at = anywhere();
        m_ctrl.motion(at, kNone, false);
        m_ctrl.leftDown(at, kNone);
    }
    void clicks() {
        for (int n = 1 + pick(3); n > 0; --n) {
            const ScreenPoint at = onAPiece();
            const Modifiers mods = anyMods();
            m_ctrl.leftDown(at, mods);
            m_ctrl.leftUp(at, mods);
        }
    }
    void rubberBand() {
        const ScreenPoint from = anywhere(), to = anywhere();
        m_ctrl.leftDown(from, kNone);
        m_ctrl.motion(to, kNone, true);
        m_ctrl.leftUp(to, kNone);
    }
    void dragFrom(ScreenPoint from, Modifiers mods) {
        m_ctrl.leftDown(from, mods);
        ScreenPoint at = from;
        for (int n = 1 + pick(4); n > 0; --n) {
            at = {at.x + pick(121) - 60, at.y + pick(121) - 60};
            m_ctrl.motion(at, mods, true);
        }
        m_ctrl.leftUp(at, mods);
    }
    void move() { dragFrom(onAPiece(), kNone); }
    void turn() {
        switch (pick(3)) {
            case 0: dragFrom(onAPiece(), kAlt); break;
            case 1: m_ctrl.wheel(onAPiece(), {pick(2) == 0, true, false}, pick(2) ? 120 : -120); break;
            default: m_ctrl.rotateSelectionStep(pick(2) ? 1 : -1);
        }
    }
    void deleteKey() {
        clicks();
        if (pick(3) == 0) {
            rubberBand();
        }
        m_ctrl.keyDown(pick(2) ? CanvasKey::Delete : CanvasKey::Backspace, kNone);
    }
    void copyPaste() {
        clicks();
        m_ctrl.copySelection();
        m_ctrl.pasteAt(anywhere());
    }
    void block() {
        clicks();
        if (!hasBlockSelection(m_layout)) {
            return;
        }
        BlockContent content;
        ASSERT_EQ(readBlockText(writeBlockText(m_layout, "Soak"), content), "");
        insertBlock(m_editor, content);
    }
    void contextMenu() {
        m_host.menuChoice = pick(8) - 1;
        m_ctrl.rightDown(onAPiece(), anyMods());
    }
    void levels() {
        const auto& levels = m_layout.levels;
        const int32_t some = levels[static_cast<size_t>(pick(static_cast<int>(levels.size())))].id;
        switch (pick(4)) {
            case 0: addNamedLevel(m_editor, proposedLevelName(m_layout)); break;
            case 1: removeLevel(m_editor, some); break;
            case 2: setLevelVisible(m_editor, some, pick(3) != 0); break;
            default: setActiveLevel(m_editor, some);
        }
    }
    void grades() {
        if (m_layout.pieces.empty()) {
            return;
        }
        const PlacedPiece& p = m_layout.pieces[static_cast<size_t>(pick(
            static_cast<int>(m_layout.pieces.size())))];
        if (pick(3) == 0) {
            endGrade(m_editor, p.id);
        } else {
            applySetGrade(m_editor, p.id, pick(2), gradeFromPercent(1 + pick(5), pick(2) == 0));
        }
    }
    void autofill() {
        m_ctrl.leftDown(onAPiece(), kNone);
        m_ctrl.leftUp(onAPiece(), kCtrl);
        autofillGapCommand(m_editor, m_host.random,
                           [this](const GapSearch&, const std::vector<std::string>& lines) {
                               return lines.empty() ? -1 : pick(static_cast<int>(lines.size()));
                           });
    }
    /// Selects the pieces `chosen` picks, as the user would by clicking them.
    template <typename Pred>
    void selectPieces(Pred chosen) {
        m_layout.DeselectAll();
        for (PlacedPiece& p : m_layout.pieces.edits()) {
            p.selected = chosen(p);
        }
        m_ctrl.notifySelection();
    }
    /// What a user does to empty a plan: each helix deleted whole, each tunnel removed, then all.
    void clearPlan() {
        std::vector<uint32_t> helices, tunnels;
        for (const Helix& h : m_layout.helices) {
            helices.push_back(h.id);
        }
        for (const Tunnel& t : m_layout.tunnels) {
            tunnels.push_back(t.id);
        }
        for (const uint32_t id : helices) {
            selectPieces([id](const PlacedPiece& p) { return p.helix == id; });
            m_ctrl.deleteCommand();
        }
        for (const uint32_t id : tunnels) {
            if (const Tunnel* t = m_layout.FindTunnel(id)) {
                const std::set<uint32_t> covers(t->covers.begin(), t->covers.end());
                selectPieces([&covers](const PlacedPiece& p) { return covers.count(p.id) > 0; });
                tunnelCommand(m_editor);
            }
        }
        m_layout.SelectAll();
        m_ctrl.notifySelection();
        m_ctrl.deleteCommand();
    }
    void tunnel() {
        clicks();
        const ScreenPoint end = onAPiece();
        m_ctrl.leftDown(end, kShift);
        m_ctrl.leftUp(end, kShift);
        tunnelCommand(m_editor);
    }
    void bridge() {
        const BridgeKitResult found = resolveBridgeKit(m_ctrl.catalog().byArticle("24188")->system);
        ASSERT_TRUE(found.kit.has_value());
        ClearanceChoice choice;
        choice.profile = pick(3) - 1;
        choice.customClearance = 20 + pick(100);
        std::vector<std::string> spans = BridgeComposition(*found.kit).spans();
        spans.resize(static_cast<size_t>(pick(static_cast<int>(spans.size()) + 1)));
        if (!spans.empty()) {
            const ScreenPoint at = anywhere();
            placeBridge(m_editor, recomputeBridgePlan(*found.kit, choice, spans),
                        m_ctrl.view().screenToWorld(at.x, at.y));
        }
    }
    void layoutWizard() {
        if (m_layout.pieces.size() > 40) {
            return;  // the generated loop would take the plan past what the run keeps
        }
        Baseboard board = m_layout.baseboard;
        const double w = 1200 + pick(3000), h = 900 + pick(2000);
        board.vertices = {{0, 0}, {w, 0}, {w, h}, {0, h}};
        setBaseboard(m_editor, board);
        const LayoutWizardChoices choices{pick(3) == 0, pick(2) == 0, pick(2) == 0};
        runLayoutWizard(m_editor, m_host.random, m_ctrl.catalog().byArticle("24188")->system,
                        [&choices](const std::string&) { return choices; });
    }
    void undoRedo() {
        for (int n = 1 + pick(5); n > 0; --n) {
            m_ctrl.undo();
        }
        for (int n = pick(6); n > 0; --n) {
            m_ctrl.redo();
        }
    }

    std::mt19937 m_rng;
    Layout m_layout;
    RandomHost m_host{m_rng};
    LayoutEditor m_editor{m_layout};
    CanvasController m_ctrl{m_editor, watching(m_host, m_editor)};
    std::vector<std::string> m_articles;
};

/// What the gestures must keep beyond the document's own invariants: a helix is selected whole or
/// not at all, and every piece of a tunnel stays joined to another piece of it, so the tunnel can
/// still be removed.
std::string gestureRules(const Layout& layout) {
    std::string problems;
    std::unordered_map<uint32_t, std::pair<int, int>> stubs;  // helix -> (stubs, selected)
    for (const PlacedPiece& p : layout.pieces) {
        if (p.helix != kNoId) {
            ++stubs[p.helix].first;
            stubs[p.helix].second += p.selected ? 1 : 0;
        }
    }
    for (const auto& [helix, count] : stubs) {
        if (count.second != 0 && count.second != count.first) {
            problems += "helix " + std::to_string(helix) + " partly selected\n";
        }
    }
    for (const Tunnel& t : layout.tunnels) {
        const std::set<uint32_t> covers(t.covers.begin(), t.covers.end());
        for (const uint32_t id : t.covers) {
            const PlacedPiece* p = layout.FindPiece(id);
            const bool joined = p != nullptr && std::any_of(p->joints.begin(), p->joints.end(),
                                                            [&covers](const Joint& j) {
                                                                return !j.isOpen() &&
                                                                       covers.count(j.target) > 0;
                                                            });
            if (!joined && covers.size() > 1) {
                problems += "tunnel " + std::to_string(t.id) + " lost piece " + std::to_string(id) + "\n";
            }
        }
    }
    return problems;
}

/// Pieces and scenery items with every field that undo brings back, numbers exactly.
std::string contentOf(const Layout& layout) {
    std::ostringstream out;
    out << std::hexfloat;
    for (const PlacedPiece& p : layout.pieces) {
        out << p.id << p.article << ' ' << p.x << ' ' << p.y << ' ' << p.heading << ' ' << p.z
            << ' ' << p.grade << ' ' << p.level << ' ' << p.helix << p.rev << p.free << p.hasColor;
        for (const Joint& j : p.joints) {
            out << ' ' << j.target << ':' << j.tconn;
        }
        out << '\n';
    }
    for (const SceneryItem& s : layout.scenery) {
        out << s.id << s.item << ' ' << s.x << ' ' << s.y << ' ' << s.heading << ' ' << s.scalex
            << ' ' << s.scaley << ' ' << s.level << '\n';
    }
    return out.str();
}

/// The environment's value of `name`, or `fallback`.
unsigned long fromEnvironment(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::strtoul(value, nullptr, 10) : fallback;
}

}  // namespace

TEST(CanvasSoak, RandomGesturesAndCommandsKeepTheDocumentSoundAndItsFilesStable) {
    const auto seed = static_cast<uint32_t>(fromEnvironment("RAILVANE_SOAK_SEED", 20261207));
    const auto steps = static_cast<int>(fromEnvironment("RAILVANE_SOAK_STEPS", 50000));
    CanvasSoak soak(seed);
    Layout& layout = soak.layout();
    size_t mostPieces = 0;
    int undoChecks = 0;
    for (int i = 1; i <= steps; ++i) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(i));
        const bool checkUndo = i % 4 == 0;  // a quarter of the steps keeps the run quick
        const std::string before = checkUndo ? contentOf(layout) : std::string();
        const size_t depth = layout.undoStack.size();
        soak.step();
        if (checkUndo && layout.undoStack.size() == depth + 1 && depth + 1 < kUndoLimit) {
            ++undoChecks;
            // The step took one undo step (below the limit, more would show): undo brings back
            // the pieces and items as they were, and redo brings back the step.
            const std::string after = contentOf(layout);
            ASSERT_TRUE(soak.editor().undo());
            ASSERT_EQ(contentOf(layout), before) << "undo of the step";
            ASSERT_TRUE(soak.editor().redo());
            ASSERT_EQ(contentOf(layout), after) << "redo of the step";
        }
        ASSERT_EQ(layout.checkInvariants() + gestureRules(layout), "");
        mostPieces = std::max(mostPieces, layout.pieces.size());
        if (i % 1000 != 0) {
            continue;
        }
        const std::string saved = writeLayoutText(layout, "Soak");
        Layout read;
        std::string name;
        ASSERT_EQ(readLayoutText(saved, read, name), "");
        ASSERT_EQ(writeLayoutText(read, name), saved) << "write, read and write again";
        if (soak.editor().undo()) {
            ASSERT_TRUE(soak.editor().redo());
            ASSERT_EQ(writeLayoutText(layout, "Soak"), saved) << "undo then redo";
        }
    }
    EXPECT_GT(mostPieces, std::min<size_t>(40, static_cast<size_t>(steps) / 50));
    EXPECT_GT(undoChecks, steps / 40) << "steps whose undo and redo were checked";
}
