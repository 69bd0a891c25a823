#pragma once
// Laying the Layout Wizard's track: a closed loop along an inset outline, with straights on every
// edge and a quarter circle of identical curves at every corner, optionally a station (passing
// siding with platform and station building) on one edge and a bridge on ramps on another. The
// result is a fragment with its own ids, every joint recorded on both pieces; the wizard puts it
// into the document in one edit.

#include <cstdint>
#include <vector>

#include "catalog/scenery_catalog.h"
#include "edit/fragment.h"
#include "wizards/inset_outline.h"
#include "wizards/layout_wizard_tables.h"

/// What a loop is laid with; station and bridge are left out with null specs or edge -1.
struct LoopRequest {
    const InsetOutline* outline = nullptr;
    CurveSpec convex;   ///< turns the convex corners (laid forward)
    CurveSpec concave;  ///< turns the concave corners (laid end for end)
    const std::vector<StraightSpec>* straights = nullptr;
    int stationEdge = -1;
    const StationSpec* station = nullptr;
    int bridgeEdge = -1;
    const BridgeSpec* bridge = nullptr;
};

class LoopGenerator {
public:
    LoopGenerator(TrackSystem system, int32_t level,
                  const SceneryCatalog& scenery = SceneryCatalog::instance());

    /// Adds one closed loop to the fragment; false (and nothing added) when an edge is shorter
    /// than its two corner allowances.
    bool generateLoop(const LoopRequest& request);

    const LayoutFragment& fragment() const { return m_fragment; }
    LayoutFragment takeFragment() { return std::move(m_fragment); }
    /// The largest gap (mm) at a joint that closed a loop or a siding.
    double closingError() const { return m_closingError; }

private:
    /// Where the next piece goes: an open end and the piece (fragment index) it belongs to.
    struct Chain {
        WorldConnector end;
        long piece = -1;
        int conn = -1;
    };
    struct Segment {
        Vec2 from, to;
    };

    size_t place(Chain& chain, const PieceDef& def, bool reversed, double z = 0.0,
                 double grade = 0.0);
    void placeStraights(Chain& chain, double distance);
    void fillTo(Chain& chain, Vec2 target, Vec2 along);
    /// The straights before a station or bridge of length `middle` centred in `room`; returns
    /// those that go after it.
    std::vector<StraightSpec> placeStraightsBefore(Chain& chain, double room, double middle,
                                                   double shortest);
    void placeAll(Chain& chain, const std::vector<StraightSpec>& straights);
    void joinPieces(size_t a, int connA, size_t b, int connB);
    void closeAt(const Chain& chain, size_t piece, int conn);
    void placeStationEdge(Chain& chain, const LoopRequest& request, double room);
    void placeStation(Chain& chain, const StationSpec& spec, double length);
    /// Whether straights fill `distance` within the fill tolerance.
    bool fillable(double distance) const;
    /// The station length nearest `length` whose straight runs, and the rest of the edge, can be
    /// filled; `length` itself when none can.
    double fittingStationLength(const StationSpec& spec, double room, double length,
                                double shortest) const;
    void placeBridgeEdge(Chain& chain, const LoopRequest& request, double room);
    void placeBridge(Chain& chain, const BridgeSpec& spec);
    void addStationScenery(const StationSpec& spec, Segment main, Segment siding);
    double shortest(const LoopRequest& request) const;

    TrackSystem m_system;
    int32_t m_level;
    const SceneryCatalog& m_scenery;
    LayoutFragment m_fragment;
    std::vector<const PieceDef*> m_defs;  ///< of the fragment's pieces, in their order
    std::vector<int> m_entries;           ///< the connector each piece was entered at
    const std::vector<StraightSpec>* m_straights = nullptr;
    double m_closingError = 0.0;
};
