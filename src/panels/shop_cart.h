#pragma once
// Buy Track: turns the layout's pieces into the web shop's cart link, tells the user which pieces
// the shop does not sell, and opens the browser on the link.

#include <string>
#include <vector>

#include "panels/piece_tally.h"

class Layout;
class Prompter;

/// The shop's address (scheme and host, no trailing slash): the environment variable
/// RAILVANE_SHOP_URL when it is set and not empty, else kDefaultShopAddress.
std::string shopAddress();
inline constexpr const char* kDefaultShopAddress = "https://shop.vennomar.example";

/// The shop's home page, for the link in the explanation dialog.
std::string shopHomeUrl();
/// The cart endpoint followed by `cart`: shopAddress() + "/cart/" + cart.
std::string shopCartUrl(const std::string& cart);

/// What goes into the shop's cart.
struct ShopCart {
    /// Comma-separated "<product id>:<quantity>" items: the articles in ascending byte order,
    /// then turnout motors (74492), K-Track motors (75491) and decoders (74462, 74467). Empty
    /// when no article is sold: accessories alone make no cart.
    std::string items;
    /// Counted articles the shop does not sell, in ascending byte order.
    std::vector<std::string> skipped;
};

/// The cart for the counts of countCartPieces().
ShopCart buildShopCart(const PieceTally& counts);

/// Text of the warning that lists the skipped articles, two blanks before each.
std::string skippedPiecesMessage(const std::vector<std::string>& skipped);

/// Opens a web address; the program uses the default browser, tests record the address.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    /// Opens `url`; false when no browser could be started.
    virtual bool openUrl(const std::string& url) = 0;
};

/// Title and text of the notice when the browser cannot be started; the cart link follows in a
/// field the user can copy from.
inline constexpr const char* kBrowserFailedTitle = "Buy Track";
inline constexpr const char* kBrowserFailedText =
    "The web browser could not be started.\n\n"
    "To see your cart, copy this address into a web browser:";

/// The whole Buy Track command: counts the layout, reports an empty cart or skipped pieces
/// through `prompter`, and opens the cart link unless the cart is empty. When no browser starts,
/// the link is shown for copying. Returns the link opened, or an empty string when nothing was
/// opened.
std::string buyTrack(const Layout& layout, Prompter& prompter, UrlOpener& opener);
