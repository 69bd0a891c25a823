#pragma once
// Reads layout files and library blocks back, line by line: each line is tested for fixed
// markers such as "<piece " or "</levels>", and attribute values are taken from between their
// quotes. Unknown elements and attributes are ignored and missing optional attributes take their
// defaults; a missing required attribute or an unreadable number stops the read with an error
// text naming the line.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "document/layout.h"

/// The largest distance from the origin, and the largest length or height, that a file may give
/// (mm): 100 km. Larger values cannot describe a model railway; they come from damaged files and
/// would leave the view and the drawing without any sensible scale.
inline constexpr double kFarthestMm = 1.0e8;

/// Something the reader let pass in a file that it did read: an element it left out, an object
/// it gave a fresh identifier, a joint it opened, an article the track catalog does not know.
struct ReadNote {
    size_t line = 0;  ///< the file line (from 1) of the element concerned
    std::string text;
};

/// Reads the text of a layout file into `layout`. On success the persistent content of `layout`
/// (pieces, scenery, labels, shapes, tunnels, helices, levels, active level, baseboard, units,
/// grade runs, id counter) is replaced, measurements are emptied and the grade state follows
/// the grade runs; the editing state and the undo and redo stacks stay. `name` receives the
/// layout's name. On failure returns the error text and neither `layout` nor `name` is changed.
/// Returns an empty text on success. When `notes` is given, it receives what the read let pass,
/// ordered by line (also when the read fails, up to the failing line).
/// Told now and then how far a read has come: the share of the text read, 0 to 1.
using ReadProgress = std::function<void(double share)>;

std::string readLayoutText(std::string_view text, Layout& layout, std::string& name,
                           std::vector<ReadNote>* notes = nullptr,
                           const ReadProgress& progress = {});

/// What a library block holds; pieces and items keep the identifiers of the layout they were
/// saved from, and joints may name pieces that are not part of the block.
struct BlockContent {
    std::string name;
    std::vector<PlacedPiece> pieces;
    std::vector<SceneryItem> scenery;
};

/// Reads the text of a block file. A piece keeps only id, article, position, heading, level and
/// joints; a scenery item only id, key, position, heading, scales and level. Returns an empty
/// text on success; on failure `block` is not changed.
std::string readBlockText(std::string_view text, BlockContent& block);

/// How many connectors a piece with `article` can have: the catalog's count for a known article,
/// else a fixed bound (64). Joints at or above it are not stored.
int jointLimit(std::string_view article);
