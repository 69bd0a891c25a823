#pragma once
// What one drawing of the plan shows: the canvas passes the user's switches, the palette icons a
// bare piece, a printout no editing state. The drawing reads these instead of the document's
// switches, so each caller says what it wants and nobody switches the document's state by hand.

#include <cstdint>
#include <optional>

#include "document/layout.h"
#include "render/render_style.h"

/// Which objects a drawing takes by their selection: all of them, or one layer of a two-layer
/// drawing (while the canvas moves a selection it draws the rest once and the selection over it on
/// every move).
enum class SelectionLayer { All, Unselected, Selected };

struct RenderOptions {
    /// Selected objects in their selection colours and frames; off, they look like the others.
    bool showSelection = true;
    bool showGrid = true;
    double gridSpacing = 32.0;  ///< mm between grid lines
    /// Article labels and connector dots of pieces, and the edge lengths of free shapes that are
    /// not selected.
    bool showLabels = true;
    bool showRails = true;
    /// The baseboard's fill, outline and edge lengths.
    bool showBaseboard = true;
    /// Every colour drawn is replaced by its grey of the same brightness.
    bool grayscale = false;
    /// Empty: the levels switched visible are drawn. A level id: that level alone. Objects on a
    /// level the document does not have are drawn either way.
    std::optional<int32_t> onlyLevel;
    SelectionLayer layer = SelectionLayer::All;

    /// Whether an object with this selection flag belongs to the layer drawn.
    bool inLayer(bool selectedFlag) const {
        return layer == SelectionLayer::All || (layer == SelectionLayer::Selected) == selectedFlag;
    }

    /// Whether an object with this selection flag is drawn as selected.
    bool selected(bool flag) const { return showSelection && flag; }
    /// Whether objects on level `levelId` of `layout` are drawn.
    bool showsLevel(const Layout& layout, int32_t levelId) const;
    /// The colour as drawn: its grey under `grayscale`, else unchanged.
    RenderColour tone(RenderColour c) const;
};

/// The canvas: the document's display switches (grid and its spacing, labels, rails, baseboard),
/// the selection shown, the visible levels, in colour.
RenderOptions canvasRenderOptions(const Layout& layout);
/// An exported picture of the plan: the canvas's switches without the selection and the grid.
RenderOptions pictureRenderOptions(const Layout& layout);
/// A palette icon: the bare piece, without selection, grid, labels or rails.
RenderOptions iconRenderOptions();

/// The grey of a colour with the brightness weights 0.299 red, 0.587 green, 0.114 blue, rounded
/// (the weights of a grey image); alpha kept.
RenderColour grayOf(RenderColour c);
