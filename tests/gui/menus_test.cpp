// Menus, toolbar, keys and help windows as the user sees them: built on a plain test frame from the
// command table, then read back through the toolkit.

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/hyperlink.h>
#include <wx/menu.h>
#include <wx/scrolwin.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>
#include <wx/wx.h>

#include <set>
#include <string>
#include <vector>

#include "frame/command_ids.h"
#include "frame/command_table.h"
#include "frame/ui/help_dialog.h"
#include "frame/help_topics.h"
#include "frame/ui/menu_builder.h"
#include "gui_support.h"

namespace {

wxString toWx(std::string_view s) {
    return wxString::FromUTF8(s.data(), s.size());
}

wxItemKind expectedKind(CommandKind kind) {
    switch (kind) {
        case CommandKind::Check:
            return wxITEM_CHECK;
        case CommandKind::Radio:
            return wxITEM_RADIO;
        case CommandKind::Separator:
            return wxITEM_SEPARATOR;
        default:
            return wxITEM_NORMAL;
    }
}

/// Compares the items of `menu`, in order, with the table rows of menu `title` inside `submenu`.
void expectMenuMatchesTable(const wxMenu* menu, std::string_view title, std::string_view submenu) {
    std::vector<const CommandEntry*> rows;
    for (const CommandEntry* row : menuRows(title)) {
        if (row->submenu == submenu) {
            rows.push_back(row);
        }
    }
    ASSERT_EQ(menu->GetMenuItemCount(), rows.size()) << title << " " << submenu;
    size_t i = 0;
    for (const wxMenuItem* item : menu->GetMenuItems()) {
        const CommandEntry& row = *rows[i++];
        SCOPED_TRACE(std::string(row.text));
        if (row.kind == CommandKind::Submenu) {
            ASSERT_TRUE(item->IsSubMenu());
            EXPECT_EQ(item->GetItemLabel(), toWx(row.text));
            expectMenuMatchesTable(item->GetSubMenu(), title, row.text);
            continue;
        }
        EXPECT_EQ(item->GetKind(), expectedKind(row.kind));
        if (row.kind != CommandKind::Separator) {
            EXPECT_EQ(item->GetId(), row.id);
            EXPECT_EQ(item->GetItemLabel(), toWx(row.text));
            EXPECT_EQ(item->IsEnabled(), row.available);
            EXPECT_EQ(item->IsCheckable() && item->IsChecked(), row.checked);
        }
    }
}

class CommandsFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_frame =
            new wxFrame(nullptr, wxID_ANY, "commands test", wxDefaultPosition, wxSize(900, 500));
    }
    void TearDown() override {
        m_frame->Destroy();
        wxTheApp->Yield(true);
    }
    wxFrame* m_frame = nullptr;
};

}  // namespace

TEST_F(CommandsFrameTest, MenuBarAndToolbarAreBuiltFromTheCommandTable) {
    wxToolBar* toolbar = InstallCommands(m_frame);
    wxMenuBar* bar = m_frame->GetMenuBar();
    ASSERT_TRUE(toolbar != nullptr && bar != nullptr);
    const auto titles = menuTitles();
    ASSERT_EQ(bar->GetMenuCount(), titles.size());
    for (size_t m = 0; m < titles.size(); ++m) {
        EXPECT_EQ(bar->GetMenuLabel(m), toWx(titles[m]));
        expectMenuMatchesTable(bar->GetMenu(m), titles[m], "");
    }
    // The units are one radio group: choosing inches moves the tick.
    bar->FindItem(CommandId::UnitsInches)->Check(true);
    EXPECT_FALSE(bar->IsChecked(CommandId::UnitsMillimetres));

    EXPECT_TRUE(toolbar->HasFlag(wxTB_TEXT) && toolbar->HasFlag(wxTB_NOICONS));
    const auto rows = toolbarRows();
    ASSERT_EQ(toolbar->GetToolsCount(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const CommandEntry& row = *rows[i];
        const wxToolBarToolBase* tool = toolbar->GetToolByPos(static_cast<int>(i));
        SCOPED_TRACE(std::string(row.text));
        if (row.kind == CommandKind::Separator) {
            EXPECT_TRUE(tool->IsSeparator());
            continue;
        }
        EXPECT_EQ(tool->GetId(), row.id);
        EXPECT_EQ(tool->GetLabel(), toWx(row.text));
        EXPECT_EQ(tool->GetShortHelp(), toWx(row.tooltip));
        EXPECT_EQ(tool->GetLongHelp(), toWx(row.statusHelp));
        EXPECT_EQ(tool->GetKind(), expectedKind(row.kind));
        EXPECT_EQ(toolbar->GetToolEnabled(row.id), row.available && !row.startsDisabled);
    }
}

TEST_F(CommandsFrameTest, ZoomEditAndDeleteKeysReachTheirCommandsButNotTextFields) {
    InstallCommands(m_frame);
    // A childless panel stands in for the canvas, beside a text field like the label entry.
    auto* root = new wxPanel(m_frame);
    auto* panel = new wxPanel(root, wxID_ANY, wxPoint(0, 0), wxSize(280, 300));
    auto* field = new wxTextCtrl(root, wxID_ANY, "", wxPoint(300, 20), wxSize(150, -1));
    std::multiset<int> fired;
    m_frame->Bind(wxEVT_MENU, [&](wxCommandEvent& e) { fired.insert(e.GetId()); });
    m_frame->Show();
    ASSERT_TRUE(waitFor([&] { return m_frame->IsShownOnScreen(); }));

    // Click into the panel so the frame owns the keyboard even without a window manager.
    wxUIActionSimulator sim;
    sim.MouseMove(panel->ClientToScreen(wxPoint(100, 100)));
    sim.MouseClick();
    panel->SetFocus();
    ASSERT_TRUE(waitFor([&] { return wxWindow::FindFocus() == panel; }));

    struct Press {
        int key;
        int modifiers;
        int command;
    };
    const Press presses[] = {
        {'=', wxMOD_SHIFT, CommandId::ZoomIn},  // "+" on a US keyboard
        {WXK_NUMPAD_ADD, wxMOD_NONE, CommandId::ZoomIn},
        {'-', wxMOD_NONE, CommandId::ZoomOut},
        {WXK_NUMPAD_SUBTRACT, wxMOD_NONE, CommandId::ZoomOut},
        {WXK_DELETE, wxMOD_NONE, CommandId::Delete},
        {'0', wxMOD_CONTROL, CommandId::ZoomFit},
        {'A', wxMOD_CONTROL, CommandId::SelectAll},
        {'C', wxMOD_CONTROL, CommandId::Copy},
        {'V', wxMOD_CONTROL, CommandId::Paste},
        {'R', wxMOD_CONTROL, CommandId::Rotate},
    };
    for (const Press& p : presses) {
        const size_t before = fired.count(p.command);
        sim.Char(p.key, p.modifiers);
        EXPECT_TRUE(waitFor([&] { return fired.count(p.command) == before + 1; }, 3000))
            << "key " << p.key << " should run command " << p.command;
    }
    EXPECT_EQ(fired.count(CommandId::ZoomIn), 2u) << "each key press zooms exactly once";
    EXPECT_EQ(fired.count(CommandId::ZoomOut), 2u) << "each key press zooms exactly once";

    // A minus typed into a text field is text, not a zoom.
    field->SetFocus();
    ASSERT_TRUE(waitFor([&] { return wxWindow::FindFocus() == field; }));
    const size_t zoomOuts = fired.count(CommandId::ZoomOut);
    sim.Char('-');
    EXPECT_TRUE(waitFor([&] { return field->GetValue() == "-"; }));
    EXPECT_EQ(fired.count(CommandId::ZoomOut), zoomOuts);

    // The field keeps its own copy, select-all and delete keys, and Ctrl+V stays with it too.
    const auto clipboardText = [] {
        wxTextDataObject data;
        wxClipboardLocker lock;
        return wxTheClipboard->GetData(data) ? data.GetText() : wxString();
    };
    const std::multiset<int> before = fired;
    field->ChangeValue("ab");
    field->SetSelection(-1, -1);
    sim.Char('c', wxMOD_CONTROL);
    EXPECT_TRUE(waitFor([&] { return clipboardText() == "ab"; })) << "the field copied its text";
    sim.Char('v', wxMOD_CONTROL);
    sim.Char('a', wxMOD_CONTROL);
    sim.Char(WXK_DELETE);
    EXPECT_TRUE(waitFor([&] { return field->GetValue().empty(); })) << field->GetValue();
    EXPECT_EQ(fired, before) << "no command ran while the text field had the keys";
}

TEST_F(CommandsFrameTest, HelpWindowsShowTheirTopicsLinksAndCloseButton) {
    // Bold texts of the content area are the headings, top to bottom.
    const auto read = [](HelpDialog& dialog, std::vector<wxString>& headings,
                         std::vector<wxHyperlinkCtrl*>& links) {
        for (wxWindow* child : dialog.ContentArea()->GetChildren()) {
            if (auto* link = dynamic_cast<wxHyperlinkCtrl*>(child)) {
                links.push_back(link);
            } else if (auto* text = dynamic_cast<wxStaticText*>(child);
                       text != nullptr && text->GetFont().GetWeight() == wxFONTWEIGHT_BOLD) {
                headings.push_back(text->GetLabel());
            }
        }
    };
    auto* dialog = new HelpDialog(m_frame, HelpDialog::Page::Main, true);
    dialog->Show();
    ASSERT_TRUE(waitFor([&] { return dialog->IsShownOnScreen(); }));
    EXPECT_EQ(dialog->GetTitle(), "Railvane v1.7 Help");
    EXPECT_EQ(dialog->GetSize(), wxSize(925, 700));
    std::vector<wxString> headings;
    std::vector<wxHyperlinkCtrl*> links;
    read(*dialog, headings, links);
    std::vector<wxString> expected;
    for (const auto& heading : helpHeadings(mainHelpItems())) {
        expected.push_back(toWx(heading));
    }
    EXPECT_EQ(headings, expected);
    EXPECT_EQ(headings.size(), 21u);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0]->GetURL(), toWx(kMakerWebSite));
    EXPECT_EQ(links[1]->GetURL(), toWx(kShopWebSite));
    EXPECT_GT(dialog->ContentArea()->GetVirtualSize().GetHeight(),
              dialog->ContentArea()->GetClientSize().GetHeight())
        << "all topics do not fit, so the area must scroll";
    EXPECT_EQ(dialog->Mascot() != nullptr, HelpDialog::HasBuiltInMascot());

    auto* close = dynamic_cast<wxButton*>(dialog->FindWindow(wxID_CLOSE));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->GetLabel(), "Close");
    EXPECT_GT(close->GetRect().GetTop(), dialog->ContentArea()->GetRect().GetBottom());
    wxCommandEvent click(wxEVT_BUTTON, wxID_CLOSE);
    click.SetEventObject(close);
    close->GetEventHandler()->ProcessEvent(click);
    EXPECT_TRUE(waitFor([&] { return !dialog->IsShown(); })) << "Close closes the window";
    dialog->Destroy();

    dialog = new HelpDialog(m_frame, HelpDialog::Page::LayoutWizard, true);
    EXPECT_EQ(dialog->GetTitle(), "Layout Wizard Help");
    EXPECT_EQ(dialog->Mascot(), nullptr) << "the wizard help never shows the mascot";
    headings.clear();
    links.clear();
    read(*dialog, headings, links);
    EXPECT_EQ(headings,
              (std::vector<wxString>{"Layout Wizard", "Before you start", "Mainline", "Station",
                                     "Bridge", "Curve selection", "Editing the result"}));
    EXPECT_TRUE(links.empty());
    dialog->Destroy();
}
