#pragma once
// What the palette offers, decided without a window: the six track-system entries of its choice,
// the groups of catalog pieces per system, the icon grid's geometry (columns, row tops, hit test,
// icon scale), the scenery and signal lines, which layout system to pre-select, the library block
// files of a folder, and the insertion of a library block into a layout with fresh identifiers.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/piece_shape.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "document/layout_reader.h"

class SceneryCatalog;

// ---------------------------------------------------------------------------------------------
// Track systems of the choice

/// One entry of the palette's system choice.
struct PaletteSystem {
    std::string name;    ///< display text, e.g. "Marklin C-Track"
    TrackSystem system;  ///< catalog system id; differs from the entry's index for indexes 2 and 3
};

/// The six choice entries in display order.
const std::vector<PaletteSystem>& paletteSystems();
/// System id of choice index `index`; 0 (C-Track) for an index outside the choice.
TrackSystem paletteSystemAt(int index);
/// Choice index that offers `system`, or -1.
int paletteIndexOfSystem(TrackSystem system);
/// Library sub-folder name of choice index `index` ("Marklin_C-Track"...); empty outside the
/// choice.
std::string paletteFolderKey(int index);

/// The Scenery page is offered for C-Track, K-Track and TRIX C-Track (indexes 0 to 2) only.
bool sceneryPageWanted(int index);

/// Choice index to select for the pieces of `layout`: the first system present in the priority
/// order C-Track, K-Track, TRIX C-Track, Z-Track, Gauge 1, M-Track; 0 when none is. Articles not in
/// `catalog` are ignored.
int systemIndexForLayout(const Layout& layout, const TrackCatalog& catalog);

// ---------------------------------------------------------------------------------------------
// Groups and grid entries

/// One group of the piece grid: a header name and its articles in display order.
struct PaletteGroup {
    std::string name;
    std::vector<std::string> articles;
};

/// The groups of choice index `index` in display order (empty outside the choice). Articles may be
/// missing from the catalog; the grid skips them.
const std::vector<PaletteGroup>& paletteGroups(int index);

/// Prefix of a grid article that stands for a helix variant: "@helix:" + variant key.
inline constexpr std::string_view kHelixArticlePrefix = "@helix:";

/// Variant key of a "@helix:" article, or empty for a catalog article.
std::string helixKeyOf(std::string_view article);

/// What a grid row or cell shows, without its picture.
struct PaletteItem {
    enum class Kind : uint8_t { Header, TextRow, Piece };
    Kind kind = Kind::Piece;
    std::string title;    ///< header: the group name
    std::string label;    ///< text row: the helix variant's display text
    std::string article;  ///< piece: catalog article; text row: "@helix:" + variant key
};

/// The grid's items for choice index `index`: each group's header followed by its articles found
/// in `catalog` (a header stays even when none is found), then for C-Track a "Helix" header with
/// one text row per helix variant.
std::vector<PaletteItem> paletteItems(int index, const TrackCatalog& catalog);

// ---------------------------------------------------------------------------------------------
// Grid geometry (pixels, unscrolled grid coordinates)

namespace PaletteGrid {
inline constexpr int kMargin = 6;       ///< left inset of the cells, top and bottom padding
inline constexpr int kRowHeight = 22;   ///< header and text rows
inline constexpr int kCellPitch = 102;  ///< from one icon row to the next (icon, label, gap)
inline constexpr int kIconSize = 80;    ///< square icon bitmaps
}  // namespace PaletteGrid

/// Icon columns for a client width: 3 below 10 pixels (not laid out yet), else the most columns,
/// up to 3, whose cells fit: the last cell's 80-pixel square ends at least 2 pixels (room for the
/// selection frame) inside the width. 1 when not even two fit.
int paletteColumns(int clientWidth);
/// Width the grid lays out with: 240 below 10 pixels, else the width itself.
int paletteLayoutWidth(int clientWidth);
/// Column width: (layout width - 6) / columns.
int paletteColumnWidth(int clientWidth);

/// The result of a layout pass.
struct PaletteGridLayout {
    std::vector<int> tops;     ///< per item: top of its row or cell
    std::vector<int> columns;  ///< per item: column of a piece cell, 0 for full-width rows
    int width = 0;             ///< virtual width (the layout width)
    int height = 0;            ///< virtual height including the bottom padding
};

/// Places `kinds` for a client width: full-width rows 22 high, icon cells 102 high in rows of
/// paletteColumns(width); a full-width row after a partly filled icon row starts below it.
PaletteGridLayout layoutPaletteGrid(const std::vector<PaletteItem::Kind>& kinds, int clientWidth);

/// Item under the point (x, y) for the given layout and client width, or -1. Headers are never hit;
/// a text row by its full width and 22 pixels; a piece by its 80-pixel column and the 102-pixel
/// band that includes the label under the icon.
int paletteHitTest(const std::vector<PaletteItem::Kind>& kinds, const PaletteGridLayout& layout,
                   int clientWidth, int x, int y);

/// How a piece is drawn into an icon box: `scale` pixels per mm, the piece origin at
/// (`offsetX`, `offsetY`) pixels with heading 0.
struct IconTransform {
    double scale = 1.0;
    double offsetX = 0.0;
    double offsetY = 0.0;
};

/// The icon scale rule for a box of `width` x `height` pixels (80 x 80 for the grid): a turntable
/// is fitted to 600 mm, anything else to 218.75 mm along the track and to its curve bulge (at least
/// 40 mm, 60 mm with more than two connectors) across; a piece whose drawing (bands, pit, stop bar,
/// accessory boxes) would still not fit inside a margin for the connector dots is drawn smaller
/// until it does; scale within [0.03, 4]. The drawing is centred in the box (a straight: centred
/// by its length, running along the middle).
IconTransform iconTransform(const PieceDef& def, int width = 80, int height = 80);

/// Box (piece-local mm) of everything an icon draws of `def`: the band outline, turntable pit,
/// stop bar and accessory boxes.
Bounds iconExtent(const PieceDef& def);

// ---------------------------------------------------------------------------------------------
// Scenery and signal lists

/// One line of the Scenery or Signals list; a group header line has an empty key.
struct PaletteLine {
    std::string text;
    std::string key;
};

/// The Scenery page: items of the categories platforms, stations, bridges, nature and the
/// roundhouse, in catalog order, with a "--- " + category name line whenever the category name
/// changes.
std::vector<PaletteLine> sceneryLines(const SceneryCatalog& catalog);
/// The Signals page for choice index `index`: none for Gauge 1 and M-Track; the Z-scale signals for
/// Z-Track; the other signals for the rest.
std::vector<PaletteLine> signalLines(const SceneryCatalog& catalog, int index);

/// The line a list of `lines` should select when the user picks line `wanted` coming from line
/// `previous` (-1 for none): `wanted` itself when it is an item; for a group header (no key) the
/// nearest item beyond it in the direction of the move (downward when there was none), else
/// `previous` when that is an item, else -1 (nothing selected).
int selectablePaletteLine(const std::vector<PaletteLine>& lines, int wanted, int previous);

// ---------------------------------------------------------------------------------------------
// Library blocks

/// One block file of a library folder.
struct LibraryBlockFile {
    std::string name;  ///< file name without folder and ".tdl"
    std::string path;  ///< full path
};

/// The regular files ending in ".tdl" in `folder`, in the order the folder listing returns them;
/// empty when the folder is missing or cannot be read.
std::vector<LibraryBlockFile> listLibraryBlocks(const std::string& folder);
