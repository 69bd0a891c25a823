// Buy Track through the program's own browser launch when no browser can be started: the cart
// address is offered for copying and the toolkit's own error box stays away.

#include <cstdlib>

#include "files_test_fixture.h"
#include "panels/shop_cart.h"
#include "panels/shop_products.h"
#include "panels/ui/properties_panel.h"

namespace {

/// Sets an environment variable for the life of the object and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (m_old) {
            setenv(m_name, m_old->c_str(), 1);
        } else {
            unsetenv(m_name);
        }
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

class BuyTrackBrowserTest : public FilesTest {};

}  // namespace

TEST_F(BuyTrackBrowserTest, WithoutABrowserTheCartAddressIsShownForCopyingAndNoToolkitError) {
    for (int i = 0; i < 2; ++i) {
        PlacedPiece piece;
        piece.id = m_frame->editor().layout().AllocateId();
        piece.article = "24188";
        m_frame->editor().layout().pieces.push_back(piece);
    }
    std::string url;
    clearLoggedMessages();
    {
        // No program on the search path (no xdg-open), and a scheme no application handles.
        const std::filesystem::path empty = testRoot() / "no-programs";
        std::filesystem::create_directories(empty);
        const ScopedEnv path("PATH", empty.string());
        const ScopedEnv shop("RAILVANE_SHOP_URL", "railvane-test-no-handler://shop.invalid");
        url = shopCartUrl(std::string(shopProductId("24188")) + ":2");
        m_frame->propertiesPanel()->BuyTrack();
    }
    ASSERT_EQ(m_prompts->records().size(), 1u);
    EXPECT_EQ(lastPrompt().title, "Buy Track");
    EXPECT_EQ(lastPrompt().text,
              "The web browser could not be started.\n\n"
              "To see your cart, copy this address into a web browser:");
    EXPECT_EQ(lastPrompt().copyable, url);
    EXPECT_EQ(url.rfind("railvane-test-no-handler://shop.invalid/cart/", 0), 0u) << url;
    for (const LoggedMessage& logged : loggedMessages()) {
        ADD_FAILURE() << "the toolkit reported: " << logged.text.utf8_string();
    }
}
