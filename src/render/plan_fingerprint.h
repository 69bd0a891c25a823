#pragma once
// A fingerprint of everything the plan drawing shows of a document: positions, selection,
// heights, colours, levels, the baseboard and the annotations. Gestures change these in place
// between commits, so the canvas compares fingerprints, not revisions, before it reuses the
// picture of the plan it drew last. Linear in the document, a few words per object. For the
// layer of unselected objects, selected pieces and scenery count only by their identity.

#include <cstdint>

#include "document/layout.h"
#include "render/render_options.h"

uint64_t planFingerprint(const Layout& layout, const RenderOptions& options);
