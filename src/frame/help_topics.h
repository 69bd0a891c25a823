#pragma once
// The content of the two help windows as plain, ordered data: headings, paragraphs, link lines
// and the keyboard-shortcut list. The dialogs only turn these items into controls.

#include <string_view>
#include <utility>
#include <vector>

#include "app/app_info.h"

/// The maker's web shop, behind the "Vennomar" link of the piece tally topic.
inline constexpr std::string_view kShopWebSite = "https://shop.vennomar.example/";

/// What one item of a help page is.
enum class HelpItemKind {
    Heading,    ///< a topic heading (bold)
    Paragraph,  ///< running text; may hold line breaks
    Link,       ///< optional plain `lead` text followed on the same line by a hyperlink
    Shortcuts,  ///< the two-column keyboard-shortcut list (`helpShortcuts`)
};

/// One item of a help page, in display order. Texts are UTF-8.
struct HelpItem {
    HelpItemKind kind = HelpItemKind::Paragraph;
    std::string_view text;  ///< heading or paragraph text, or the link's label
    std::string_view lead;  ///< Link only: plain text shown before the link
    std::string_view url;   ///< Link only: address opened in the browser
};

/// The main help window's items: the welcome block, then one heading and its text per topic.
const std::vector<HelpItem>& mainHelpItems();

/// The Layout Wizard help window's items.
const std::vector<HelpItem>& layoutWizardHelpItems();

/// The keyboard-shortcut list: (keys, what they do), in display order.
const std::vector<std::pair<std::string_view, std::string_view>>& helpShortcuts();

/// The headings of a page in order, for tables of contents and checks.
std::vector<std::string_view> helpHeadings(const std::vector<HelpItem>& items);
