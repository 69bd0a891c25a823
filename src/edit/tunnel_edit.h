#pragma once
// The tunnel command: a selected chain of track gets two portals at its outward ends and a
// tunnel record that covers it, or loses them again when it already lies in a tunnel. The chain
// analysis also drives the command's enable rule and its toolbar label.

#include <array>
#include <cstdint>
#include <vector>

#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "edit/layout_editor.h"

/// Scenery key of the portals the tunnel command places.
inline constexpr const char* kTunnelPortalKey = "tunnel_portal_single";

/// One end of a selected chain: the piece, its first connector that does not lead to another
/// selected piece, and that connector's pose in the layout frame.
struct TunnelChainEnd {
    uint32_t piece = kNoId;
    int connector = -1;
    WorldConnector pose;
};

/// What the tunnel command would do with the current selection.
struct TunnelChain {
    /// The selection is a chain the command accepts; everything below is valid only then.
    bool applies = false;
    /// The two chain ends in document order.
    std::array<TunnelChainEnd, 2> ends;
    /// The selected pieces in document order: what a new tunnel covers.
    std::vector<uint32_t> covered;
    /// The tunnel that covers exactly the chain, or kNoId when the command would create one.
    uint32_t tunnel = kNoId;

    /// The command removes a tunnel: its label reads "Remove Tunnel".
    bool removes() const { return applies && tunnel != kNoId; }
};

/// Analyses the selected pieces. The command applies when at least two pieces are selected; a
/// breadth-first walk over joints from the first selected piece, passing only selected pieces,
/// reaches them all; either one tunnel covers exactly the selected pieces, or none of them lies in
/// any tunnel; and exactly two selected pieces have fewer than two joints to other selected
/// pieces, each with a connector that does not lead to a selected piece (and a catalog definition
/// that places it). Linear in the layout; runs on every selection change.
TunnelChain analyseTunnelChain(const Layout& layout, const TrackCatalog& catalog);

/// The tunnel command as one edit: nothing unless the selection applies; a chain in a tunnel
/// loses that tunnel and its two portal scenery items; any other chain gets two portals (key
/// kTunnelPortalKey, at its outward connectors' positions and headings, scales 1, level 1) and a
/// tunnel with those portals, its end pieces as anchors and the selected pieces as cover. Returns
/// true when the document changed.
bool tunnelCommand(LayoutEditor& editor);
