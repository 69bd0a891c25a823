#pragma once
// How the main window shows a layout it has just read: the status text and the first view.

#include <string>
#include <utility>
#include <vector>

class Layout;
class TrackCatalog;

/// Status field 0 after opening: "Ready" without grade runs, otherwise "[ELEV]", " %.1f deg" for
/// each run in order, and "  (right-click piece to stop)".
std::string openedLayoutStatus(const Layout& layout);

/// True when a piece of the layout is Marklin Z-Track; such a layout opens at zoom 1 instead of
/// being fitted into the window.
bool hasZTrackPiece(const Layout& layout, const TrackCatalog& catalog);

/// An article that the catalog does not know and how many pieces of the layout use it.
using UnknownArticle = std::pair<std::string, int>;

/// The articles of the layout's pieces that `catalog` does not know, in ascending byte order,
/// each with its number of pieces. Such pieces are kept and saved, but not drawn.
std::vector<UnknownArticle> unknownArticles(const Layout& layout, const TrackCatalog& catalog);

/// Title and text of the notice after opening a layout with unknown articles: one line
/// "  <article> × <count>" per article (at most 20; the rest are summed up in a last line).
inline constexpr const char* kUnknownPiecesTitle = "Unknown Pieces";
std::string unknownPiecesMessage(const std::vector<UnknownArticle>& unknown);
