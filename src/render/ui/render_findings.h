#pragma once
// The marks of Check Layout on the plan: a ring in the colour of its kind around every finding,
// the chosen one larger, drawn over the document while the findings list is open.

#include <wx/dc.h>

#include "canvas/canvas_view.h"
#include "render/render_style.h"
#include "tools/layout_check.h"

/// The colour of a finding's mark and of its kind in the list.
RenderColour findingColour(CheckKind kind);

/// Rings around the findings of `result` that fall in the window; `selected` (or -1) larger.
void drawFindingMarks(wxDC& dc, const CanvasView& view, const CheckResult& result, int selected);
