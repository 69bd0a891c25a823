// Buy Track: the cart's items in order, the unsold pieces warning and the shop address.
#include "panels/shop_cart.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "app/scripted_prompter.h"
#include "panel_test_support.h"
#include "panels/shop_products.h"

using panel_test::addPiece;

namespace {

struct RecordingOpener : UrlOpener {
    bool openUrl(const std::string& url) override {
        urls.push_back(url);
        return starts;
    }
    std::vector<std::string> urls;
    bool starts = true;  ///< whether a browser "starts"
};

std::string item(const char* article, int quantity) {
    return std::string(shopProductId(article)) + ":" + std::to_string(quantity);
}

struct ShopCart : testing::Test {
    Layout layout;
    RecordingOpener opener;
    ScriptedPrompter prompter;
    void SetUp() override { unsetenv("RAILVANE_SHOP_URL"); }
    void TearDown() override { unsetenv("RAILVANE_SHOP_URL"); }
    std::string cart(const std::string& items) {
        return std::string(kDefaultShopAddress) + "/cart/" + items;
    }
};

TEST_F(ShopCart, ArticlesComeFirstThenMotorsAndDecoders) {
    addPiece(layout, "24188", false, 10);
    addPiece(layout, "24611", false, 2);
    buyTrack(layout, prompter, opener);
    EXPECT_TRUE(prompter.records().empty());
    EXPECT_EQ(opener.urls,
              (std::vector<std::string>{cart(item("24188", 10) + "," + item("24611", 2) + "," +
                                             item("74492", 2) + "," + item("74462", 2))}));
}

TEST_F(ShopCart, TrixOnlyLayoutOpensNothing) {
    addPiece(layout, "62188", false, 4);
    addPiece(layout, "62611");
    EXPECT_EQ(buyTrack(layout, prompter, opener), "");
    EXPECT_TRUE(opener.urls.empty());
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].title, "Buy Track");
    EXPECT_EQ(prompter.records()[0].text, "No purchasable track pieces found in your layout.");
}

TEST_F(ShopCart, UnsoldPiecesAreListedAndLeftOut) {
    addPiece(layout, "5106");
    addPiece(layout, "24188");
    addPiece(layout, "no-such-piece");  // not in the catalog: neither sold nor listed
    buyTrack(layout, prompter, opener);
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].title, "Some pieces not available");
    EXPECT_EQ(prompter.records()[0].text,
              "The following pieces are not available in the store and will be skipped:\n"
              "  5106\n");
    EXPECT_EQ(opener.urls, (std::vector<std::string>{cart(item("24188", 1))}));
}

TEST_F(ShopCart, ShopAddressComesFromTheEnvironment) {
    setenv("RAILVANE_SHOP_URL", "http://localhost:8080/", 1);
    EXPECT_EQ(shopCartUrl("x:1"), "http://localhost:8080/cart/x:1");
    setenv("RAILVANE_SHOP_URL", "", 1);
    EXPECT_EQ(shopAddress(), kDefaultShopAddress);
}

TEST_F(ShopCart, WithoutABrowserTheCartAddressIsOfferedForCopying) {
    addPiece(layout, "24188", false, 3);
    opener.starts = false;
    EXPECT_EQ(buyTrack(layout, prompter, opener), "") << "nothing was opened";
    const std::string url = cart(item("24188", 3));
    EXPECT_EQ(opener.urls, std::vector<std::string>{url});
    ASSERT_EQ(prompter.records().size(), 1u);
    const ScriptedPrompter::Record& notice = prompter.records()[0];
    EXPECT_EQ(notice.title, "Buy Track");
    EXPECT_EQ(notice.text,
              "The web browser could not be started.\n\n"
              "To see your cart, copy this address into a web browser:");
    EXPECT_EQ(notice.copyable, url);
    EXPECT_EQ(notice.icon, PromptIcon::Exclamation);
}

}  // namespace
