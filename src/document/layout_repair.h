#pragma once
// Makes a document read from a file safe to edit. Files are not trusted: identifiers may repeat
// or be missing, and joints may name pieces that are not there or not be mirrored.

#include "document/layout.h"

/// Objects whose identifier lies outside 1 to kMaxFileId ("none", 0, and the negative values of
/// damaged files among them) or repeats an earlier one (pieces first, then scenery,
/// labels, shapes, tunnels, helices) get fresh identifiers, and a renumbered piece loses its
/// joints. Then every joint that names a missing piece, or that the named piece does not mirror,
/// is opened, so joints are symmetric and name only existing pieces. Open joints become (-1, -1).
/// Finally `nextId` is one more than the largest identifier in use (1 when there is none).
void repairReadLayout(Layout& layout);
