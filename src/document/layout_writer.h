#pragma once
// Turns a layout, or the selection of one, into the text of a layout file or a library block.
// Both texts are fixed byte for byte: one element per line, two blanks per nesting level, reals
// with four decimals, lines ending in a single line feed.

#include <string>
#include <string_view>

#include "document/layout.h"

/// The complete text of a layout file named `name`. Measurements and the editing state are not
/// part of it; sections without content are left out except "pieces" and "lastshape".
std::string writeLayoutText(const Layout& layout, std::string_view name);

/// The text of a library block named `name`: the selected pieces with their joints as they stand
/// (also joints to pieces outside the block), then the selected scenery items.
std::string writeBlockText(const Layout& layout, std::string_view name);

/// True when at least one piece or scenery item is selected, i.e. a block would not be empty.
bool hasBlockSelection(const Layout& layout);
