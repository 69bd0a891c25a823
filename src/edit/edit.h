#pragma once
// One user action's change to the document. The undo step is taken once, on the first change
// (so refusals before it cost nothing); the commit raises the revision and tells the observers
// once. An edit that changed nothing takes no step and tells nobody. The destructor commits, so
// an early return cannot lose the notice.

#include <cstdint>
#include <vector>

#include "edit/layout_editor.h"

/// Open ends of placed pieces closer than this (mm) are joined after a move or a placement.
inline constexpr double kRejoinDistance = 4.0;

/// Curves and turnouts: the pieces that look different laid end for end.
bool flippable(const PieceDef& def);

class Edit {
public:
    explicit Edit(LayoutEditor& editor);
    ~Edit();
    Edit(const Edit&) = delete;
    Edit& operator=(const Edit&) = delete;

    /// The document to change: takes the undo step the first time.
    Layout& change();
    /// The document's setup to change (levels, active level, baseboard): no undo step, since
    /// undo never brings those back; the commit still tells the observers.
    Layout& changeSetup();
    const Layout& layout() const { return m_editor.layout(); }
    const TrackCatalog& catalog() const { return m_editor.catalog(); }
    bool changed() const { return m_changed; }

    /// Appends the record (its joint list grown to the connector count for pieces) and returns
    /// its id: a fresh one when the record has none (kNoId), else its own, which the caller took
    /// from the document's counter.
    uint32_t addPiece(PlacedPiece piece);
    uint32_t addScenery(SceneryItem item);
    uint32_t addLabel(LayoutLabel label);
    uint32_t addMeasurement(Measurement measurement);
    uint32_t addShape(FreeShape shape);
    uint32_t addHelix(Helix helix);
    /// Appends a level (its id kept) when no level has that id.
    void addLevel(LayoutLevel level);
    /// Removes the selection (see Layout::DeleteSelection) within this edit's undo step.
    void deleteSelection();

    /// Whether a join applies the height rule to the piece joined on.
    enum class Heights { Inherit, Keep };
    /// Records connector `ownConn` of `piece` <-> connector `targetConn` of `target` on both
    /// pieces; with Heights::Inherit `piece` then takes its height from `target` (the height rule
    /// of grade runs). Missing pieces or negative connectors do nothing.
    void join(uint32_t piece, int ownConn, uint32_t target, int targetConn,
              Heights heights = Heights::Inherit);
    /// After a placement: every open connector of `placed` that lies within kRejoinDistance of an
    /// open, facing connector of the same track system on another piece is joined to it (heights
    /// kept). Returns the number of joints made. Linear in the layout.
    int joinCoincidentEnds(const std::vector<uint32_t>& placed);

    /// Lays a curve or turnout end for end in place: connector 1 goes where connector 0 was,
    /// facing the way it faced (flippedPose), so a curve bends the other way. Its joints are
    /// opened on both sides first, then its ends are joined to open, facing ends they now meet
    /// (joinCoincidentEnds). False, and no change, for a missing piece, an unknown article or a
    /// piece that is not flippable.
    bool flip(uint32_t piece);

    /// Announces the change (once); nothing when nothing changed. `notice` flags are passed on.
    void commit(EditNotice notice = {});

private:
    LayoutEditor& m_editor;
    bool m_changed = false;
    bool m_setupChanged = false;
    bool m_committed = false;
};
