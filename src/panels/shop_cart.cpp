#include "panels/shop_cart.h"

#include <cstdlib>
#include <string_view>

#include "app/prompter.h"
#include "document/layout.h"
#include "panels/shop_products.h"

namespace {

void appendItem(std::string& items, std::string_view productId, int quantity) {
    if (!items.empty()) {
        items += ',';
    }
    items += productId;
    items += ':';
    items += std::to_string(quantity);
}

}  // namespace

std::string shopAddress() {
    const char* configured = std::getenv("RAILVANE_SHOP_URL");
    std::string address =
        (configured != nullptr && *configured != '\0') ? configured : kDefaultShopAddress;
    // Both "/cart/" and the home page are appended, so a trailing slash would double up.
    while (!address.empty() && address.back() == '/') {
        address.pop_back();
    }
    return address;
}

std::string shopHomeUrl() {
    return shopAddress() + "/";
}

std::string shopCartUrl(const std::string& cart) {
    return shopAddress() + "/cart/" + cart;
}

ShopCart buildShopCart(const PieceTally& counts) {
    ShopCart cart;
    for (const auto& [article, count] : counts) {
        const std::string_view productId = shopProductId(article);
        if (productId.empty()) {
            cart.skipped.push_back(article);
        } else if (count > 0) {
            appendItem(cart.items, productId, count);
        }
    }
    // Motors and decoders go with track bought here. A layout of TRIX turnouts alone would
    // otherwise fill a cart with nothing but accessories, and the user would not learn that
    // none of the track can be bought.
    if (cart.items.empty()) {
        return cart;
    }
    // The cart takes the motor article 74492; the tally names its sibling 74491.
    const AccessoryTotals totals = countAccessories(counts);
    const std::pair<std::string_view, int> accessories[] = {{"74492", totals.turnoutMotors},
                                                            {"75491", totals.kTrackMotors},
                                                            {"74462", totals.decoders74462},
                                                            {"74467", totals.decoders74467}};
    for (const auto& [article, total] : accessories) {
        const std::string_view productId = shopProductId(article);
        if (total > 0 && !productId.empty()) {
            appendItem(cart.items, productId, total);
        }
    }
    return cart;
}

std::string skippedPiecesMessage(const std::vector<std::string>& skipped) {
    std::string text = "The following pieces are not available in the store and will be skipped:\n";
    for (const std::string& article : skipped) {
        text += "  " + article + "\n";
    }
    return text;
}

std::string buyTrack(const Layout& layout, Prompter& prompter, UrlOpener& opener) {
    const ShopCart cart = buildShopCart(countCartPieces(layout));
    if (cart.items.empty()) {
        prompter.showMessage("Buy Track", "No purchasable track pieces found in your layout.",
                             PromptIcon::Info);
        return {};
    }
    if (!cart.skipped.empty()) {
        prompter.showMessage("Some pieces not available", skippedPiecesMessage(cart.skipped),
                             PromptIcon::Exclamation);
    }
    const std::string url = shopCartUrl(cart.items);
    if (!opener.openUrl(url)) {
        prompter.showCopyable(kBrowserFailedTitle, kBrowserFailedText, url,
                              PromptIcon::Exclamation);
        return {};
    }
    return url;
}
