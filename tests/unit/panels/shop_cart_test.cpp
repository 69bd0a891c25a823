#include "panels/shop_cart.h"

#include <cstdlib>
#include <set>

#include <gtest/gtest.h>

#include "app/scripted_prompter.h"
#include "document/layout.h"
#include "panel_test_support.h"
#include "panels/shop_products.h"

using panel_test::addPiece;
using panel_test::addPieces;

namespace {

class RecordingOpener : public UrlOpener {
public:
    void openUrl(const std::string& url) override { urls.push_back(url); }
    std::vector<std::string> urls;
};

std::string item(const char* article, int quantity) {
    return std::string(shopProductId(article)) + ":" + std::to_string(quantity);
}

class ShopCartTest : public testing::Test {
protected:
    void SetUp() override { unsetenv("RAILVANE_SHOP_URL"); }
    void TearDown() override { unsetenv("RAILVANE_SHOP_URL"); }
};

}  // namespace

TEST(ShopProducts, TableHoldsEverySoldArticleOnce) {
    ASSERT_EQ(shopProductCount(), 249u);
    std::set<std::string_view> ids;
    for (std::size_t i = 0; i < shopProductCount(); ++i) {
        const ShopProduct& row = shopProductAt(i);
        EXPECT_EQ(row.productId.size(), 14u) << row.article;
        EXPECT_EQ(row.productId.find_first_not_of("0123456789"), std::string_view::npos);
        EXPECT_TRUE(ids.insert(row.productId).second) << "duplicate id of " << row.article;
        EXPECT_EQ(shopProductId(row.article), row.productId);
    }
    for (const char* unsold : {"5106", "62188", "24188T", "", "2420", "899999"}) {
        EXPECT_TRUE(shopProductId(unsold).empty()) << unsold;
    }
}

TEST_F(ShopCartTest, ArticlesComeFirstThenMotorsAndDecoders) {
    Layout layout;
    addPieces(layout, "24188", 10);
    addPieces(layout, "24611", 2);
    RecordingOpener opener;
    ScriptedPrompter prompter;
    buyTrack(layout, prompter, opener);
    EXPECT_TRUE(prompter.records().empty());
    ASSERT_EQ(opener.urls.size(), 1u);
    EXPECT_EQ(opener.urls[0], std::string(kDefaultShopAddress) + "/cart/" + item("24188", 10) +
                                  "," + item("24611", 2) + "," + item("74492", 2) + "," +
                                  item("74462", 2));
}

TEST_F(ShopCartTest, BridgeGoesAloneWithoutItsDeck) {
    Layout layout;
    addPiece(layout, "74636");
    addPieces(layout, "74618", 3);
    const ShopCart cart = buildShopCart(countCartPieces(layout));
    EXPECT_EQ(cart.items, item("74618", 3) + "," + item("74636", 1));
    EXPECT_TRUE(cart.skipped.empty());
}

TEST_F(ShopCartTest, TrixOnlyLayoutOpensNothing) {
    Layout layout;
    addPieces(layout, "62188", 4);
    addPiece(layout, "62611");
    RecordingOpener opener;
    ScriptedPrompter prompter;
    EXPECT_EQ(buyTrack(layout, prompter, opener), "");
    EXPECT_TRUE(opener.urls.empty());
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].title, "Buy Track");
    EXPECT_EQ(prompter.records()[0].text, "No purchasable track pieces found in your layout.");
    EXPECT_EQ(prompter.records()[0].icon, PromptIcon::Info);
}

TEST_F(ShopCartTest, UnsoldPiecesAreListedAndLeftOut) {
    Layout layout;
    addPiece(layout, "5106");
    addPiece(layout, "24188");
    addPiece(layout, "no-such-piece");  // not in the catalog: neither sold nor listed
    RecordingOpener opener;
    ScriptedPrompter prompter;
    buyTrack(layout, prompter, opener);
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].title, "Some pieces not available");
    EXPECT_EQ(prompter.records()[0].text,
              "The following pieces are not available in the store and will be skipped:\n"
              "  5106\n");
    EXPECT_EQ(prompter.records()[0].icon, PromptIcon::Exclamation);
    ASSERT_EQ(opener.urls.size(), 1u);
    EXPECT_EQ(opener.urls[0], std::string(kDefaultShopAddress) + "/cart/" + item("24188", 1));
}

TEST_F(ShopCartTest, ShopAddressComesFromTheEnvironment) {
    EXPECT_EQ(shopCartUrl("x:1"), std::string(kDefaultShopAddress) + "/cart/x:1");
    setenv("RAILVANE_SHOP_URL", "http://localhost:8080/", 1);
    EXPECT_EQ(shopCartUrl("x:1"), "http://localhost:8080/cart/x:1");
    EXPECT_EQ(shopHomeUrl(), "http://localhost:8080/");
    setenv("RAILVANE_SHOP_URL", "", 1);
    EXPECT_EQ(shopAddress(), kDefaultShopAddress);
}
