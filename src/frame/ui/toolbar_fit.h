#pragma once
// Narrower text tools: the GTK toolbar gives every text tool the width of the widest label, which
// pushes the last tools of the command toolbar into the overflow menu of a 1024-pixel window.

#include <wx/toolbar.h>

/// Lets every tool of a realized toolbar take the width of its own label. Does nothing where the
/// toolkit lays tools out that way already or offers no such switch.
void FitToolWidthsToLabels(wxToolBar* toolbar);
