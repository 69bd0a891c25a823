#pragma once
// Makes a document read from a file safe to edit. Files are not trusted: identifiers may repeat
// or be missing, and joints may name pieces that are not there or not be mirrored.

#include <cstddef>
#include <vector>

#include "document/layout.h"

/// One change the repair made, so that a reader can tell the user where in the file it was.
struct LayoutRepair {
    enum class Object { Piece, Scenery, Label, Shape, Tunnel, Helix };
    enum class Change {
        Renumbered,   ///< the object got `newId` instead of `oldId` (a piece loses its joints too)
        JointOpened,  ///< joint `connector` of piece `index` named `oldId`, which does not join back
    };
    Change change = Change::Renumbered;
    Object object = Object::Piece;
    size_t index = 0;  ///< position in the object's list
    uint32_t oldId = kNoId;
    uint32_t newId = kNoId;
    size_t connector = 0;
};

/// Objects whose identifier lies outside 1 to kMaxFileId ("none", 0, and the negative values of
/// damaged files among them) or repeats an earlier one (pieces first, then scenery,
/// labels, shapes, tunnels, helices) get fresh identifiers, and a renumbered piece loses its
/// joints. Then every joint that names a missing piece, or that the named piece does not mirror,
/// is opened, so joints are symmetric and name only existing pieces. Open joints become (-1, -1).
/// Finally `nextId` is one more than the largest identifier in use (1 when there is none).
/// Each renumbering and each opened joint is appended to `repairs` when it is given.
void repairReadLayout(Layout& layout, std::vector<LayoutRepair>* repairs = nullptr);
