#pragma once
// The web shop's product table: which articles and scenery keys the shop sells, and under which
// product identifier its cart expects them.

#include <cstddef>
#include <string_view>

/// One article the shop sells: the article key and the shop's 14-digit product identifier.
struct ShopProduct {
    std::string_view article;
    std::string_view productId;
};

/// The shop's product identifier of `article` (exact, case-sensitive), or an empty view when the
/// shop does not sell it (TRIX, M-Track, Gauge 1 and other series are never sold).
std::string_view shopProductId(std::string_view article);

/// Number of entries in the table (249).
std::size_t shopProductCount();

/// Entry i of the table in ascending byte order of the article; i must be below shopProductCount().
const ShopProduct& shopProductAt(std::size_t i);
