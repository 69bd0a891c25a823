// Menus, toolbar and help windows as the user sees them: built on a plain test frame from the
// command table, then read back through the toolkit.

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/hyperlink.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/scrolwin.h>
#include <wx/statbmp.h>
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
#include "frame/help_dialog.h"
#include "frame/help_topics.h"
#include "frame/menu_builder.h"
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

// A frame that is destroyed at the end of each test, whatever the outcome.
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

TEST_F(CommandsFrameTest, MenuBarShowsEveryEntryWithItsTextIdKindAndState) {
    wxMenuBar* bar = BuildCommandMenuBar();
    m_frame->SetMenuBar(bar);

    const auto titles = menuTitles();
    ASSERT_EQ(bar->GetMenuCount(), titles.size());
    for (size_t m = 0; m < titles.size(); ++m) {
        SCOPED_TRACE(std::string(titles[m]));
        EXPECT_EQ(bar->GetMenuLabel(m), toWx(titles[m]));
        const wxMenuItemList& items = bar->GetMenu(m)->GetMenuItems();

        std::vector<const CommandEntry*> topRows;
        for (const CommandEntry* row : menuRows(titles[m])) {
            if (row->submenu.empty()) {
                topRows.push_back(row);
            }
        }
        ASSERT_EQ(items.size(), topRows.size());
        size_t i = 0;
        for (const wxMenuItem* item : items) {
            const CommandEntry& row = *topRows[i++];
            SCOPED_TRACE(std::string(row.text));
            if (row.kind == CommandKind::Submenu) {
                ASSERT_TRUE(item->IsSubMenu());
                EXPECT_EQ(item->GetItemLabelText(), toWx(row.text));
                continue;
            }
            EXPECT_EQ(item->GetKind(), expectedKind(row.kind));
            if (row.kind == CommandKind::Separator) {
                continue;
            }
            EXPECT_EQ(item->GetId(), row.id);
            EXPECT_EQ(item->GetItemLabel(), toWx(row.text));
            EXPECT_EQ(item->IsEnabled(), row.available);
            if (item->IsCheckable()) {
                EXPECT_EQ(item->IsChecked(), row.checked);
            }
        }
    }

    // Spot checks of what a user notices first.
    EXPECT_TRUE(bar->IsEnabled(CommandId::OpenLayout));
    EXPECT_FALSE(bar->IsEnabled(CommandId::Print)) << "Print is not built yet";
    EXPECT_TRUE(bar->IsEnabled(CommandId::NewLayout));
    EXPECT_TRUE(bar->IsChecked(CommandId::ShowGrid));
    EXPECT_TRUE(bar->IsChecked(CommandId::Snap));
    EXPECT_TRUE(bar->IsChecked(CommandId::ShowRails));
    EXPECT_EQ(bar->GetLabel(CommandId::Exit), "E&xit");
}

TEST_F(CommandsFrameTest, UnitsSubmenuIsOneRadioGroupStartingAtMillimetres) {
    wxMenuBar* bar = BuildCommandMenuBar();
    m_frame->SetMenuBar(bar);
    wxMenuItem* mm = bar->FindItem(CommandId::UnitsMillimetres);
    wxMenuItem* cm = bar->FindItem(CommandId::UnitsCentimetres);
    wxMenuItem* in = bar->FindItem(CommandId::UnitsInches);
    ASSERT_TRUE(mm && cm && in);
    EXPECT_EQ(mm->GetItemLabel(), "Millimetres (mm)");
    EXPECT_EQ(cm->GetItemLabel(), "Centimetres (cm)");
    EXPECT_EQ(in->GetItemLabel(), "Inches (in)");
    EXPECT_EQ(mm->GetMenu(), in->GetMenu());
    EXPECT_NE(mm->GetMenu(), bar->GetMenu(bar->FindMenu("Layout")));
    EXPECT_TRUE(mm->IsChecked());
    EXPECT_FALSE(cm->IsChecked());
    EXPECT_FALSE(in->IsChecked());

    // Choosing inches moves the tick, as a radio group does.
    in->Check(true);
    EXPECT_FALSE(mm->IsChecked());
    EXPECT_TRUE(in->IsChecked());
}

TEST_F(CommandsFrameTest, MenuAcceleratorsParse) {
    wxMenuBar* bar = BuildCommandMenuBar();
    m_frame->SetMenuBar(bar);
    struct Expected {
        int id;
        int flags;
        int key;
    };
    const Expected expected[] = {
        {CommandId::ZoomIn, wxACCEL_NORMAL, '+'},
        {CommandId::ZoomOut, wxACCEL_NORMAL, '-'},
        {CommandId::Delete, wxACCEL_NORMAL, WXK_DELETE},
        {CommandId::ZoomFit, wxACCEL_CTRL, '0'},
        {CommandId::Snap, wxACCEL_CTRL | wxACCEL_SHIFT, 'G'},
        {CommandId::SaveAs, wxACCEL_CTRL | wxACCEL_SHIFT, 'S'},
        {CommandId::Help, wxACCEL_NORMAL, WXK_F1},
    };
    for (const Expected& e : expected) {
        wxMenuItem* item = bar->FindItem(e.id);
        ASSERT_NE(item, nullptr) << e.id;
        wxAcceleratorEntry* accel = item->GetAccel();
        ASSERT_NE(accel, nullptr) << item->GetItemLabel();
        EXPECT_EQ(accel->GetFlags(), e.flags) << item->GetItemLabel();
        EXPECT_EQ(accel->GetKeyCode(), e.key) << item->GetItemLabel();
        delete accel;
    }
}

TEST_F(CommandsFrameTest, ToolbarShowsTextToolsInOrderWithTipsAndStates) {
    wxToolBar* toolbar = InstallCommands(m_frame);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_TRUE(toolbar->HasFlag(wxTB_TEXT));
    EXPECT_TRUE(toolbar->HasFlag(wxTB_NOICONS));

    const auto rows = toolbarRows();
    ASSERT_EQ(toolbar->GetToolsCount(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const CommandEntry& row = *rows[i];
        const wxToolBarToolBase* tool = toolbar->GetToolByPos(static_cast<int>(i));
        ASSERT_NE(tool, nullptr);
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
        EXPECT_FALSE(toolbar->GetToolState(row.id)) << "no tool starts pressed";
    }

    // What the user sees: the first tools, the tunnel greyed out, Fit and
    // Rectangle usable.
    EXPECT_EQ(toolbar->GetToolByPos(0)->GetLabel(), "Undo");
    EXPECT_EQ(toolbar->GetToolByPos(1)->GetLabel(), "Redo");
    EXPECT_TRUE(toolbar->GetToolByPos(2)->IsSeparator());
    EXPECT_FALSE(toolbar->GetToolEnabled(CommandId::Tunnel));
    EXPECT_TRUE(toolbar->GetToolEnabled(CommandId::ZoomFit));
    EXPECT_TRUE(toolbar->GetToolEnabled(CommandId::Rectangle));
    EXPECT_EQ(toolbar->GetToolLongHelp(CommandId::Rectangle),
              "Place a rectangle of an exact size -- easier than drawing one by hand");
    EXPECT_EQ(m_frame->GetMenuBar()->GetMenuCount(), 5u);
}

TEST_F(CommandsFrameTest, ZoomAndDeleteKeysReachTheirCommandsButNotTextFields) {
    InstallCommands(m_frame);
    // A childless panel stands in for the canvas, beside a text field like the
    // label entry.
    auto* root = new wxPanel(m_frame);
    auto* panel = new wxPanel(root, wxID_ANY, wxPoint(0, 0), wxSize(280, 300));
    auto* field = new wxTextCtrl(root, wxID_ANY, "", wxPoint(300, 20), wxSize(150, -1));
    std::multiset<int> fired;
    m_frame->Bind(wxEVT_MENU, [&](wxCommandEvent& e) { fired.insert(e.GetId()); });
    m_frame->Show();
    ASSERT_TRUE(waitFor([&] { return m_frame->IsShownOnScreen(); }));

    // Click into the panel so the frame owns the keyboard even without a window
    // manager.
    wxUIActionSimulator sim;
    sim.MouseMove(panel->ClientToScreen(wxPoint(100, 100)));
    sim.MouseClick();
    panel->SetFocus();
    ASSERT_TRUE(waitFor([&] { return wxWindow::FindFocus() == panel; }));

    struct Press {
        int key;
        int modifiers;
        int command;
        const char* what;
    };
    const Press presses[] = {
        {'=', wxMOD_SHIFT, CommandId::ZoomIn, "+ (Shift+= on a US keyboard)"},
        {WXK_NUMPAD_ADD, wxMOD_NONE, CommandId::ZoomIn, "keypad +"},
        {'-', wxMOD_NONE, CommandId::ZoomOut, "-"},
        {WXK_NUMPAD_SUBTRACT, wxMOD_NONE, CommandId::ZoomOut, "keypad -"},
        {WXK_DELETE, wxMOD_NONE, CommandId::Delete, "Del"},
        {'0', wxMOD_CONTROL, CommandId::ZoomFit, "Ctrl+0"},
        {'A', wxMOD_CONTROL, CommandId::SelectAll, "Ctrl+A"},
    };
    for (const Press& p : presses) {
        const size_t before = fired.count(p.command);
        sim.Char(p.key, p.modifiers);
        EXPECT_TRUE(waitFor([&] { return fired.count(p.command) == before + 1; }, 3000))
            << p.what << " should run command " << p.command;
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
}

TEST(ZoomKeys, KeyCodesThatZoom) {
    EXPECT_EQ(ZoomCommandForKey('+', wxMOD_NONE), CommandId::ZoomIn);
    EXPECT_EQ(ZoomCommandForKey('=', wxMOD_SHIFT), CommandId::ZoomIn);
    EXPECT_EQ(ZoomCommandForKey(WXK_NUMPAD_ADD, wxMOD_NONE), CommandId::ZoomIn);
    EXPECT_EQ(ZoomCommandForKey('-', wxMOD_NONE), CommandId::ZoomOut);
    EXPECT_EQ(ZoomCommandForKey(WXK_NUMPAD_SUBTRACT, wxMOD_NONE), CommandId::ZoomOut);
    EXPECT_EQ(ZoomCommandForKey('=', wxMOD_NONE), 0) << "plain = is not a zoom key";
    EXPECT_EQ(ZoomCommandForKey('-', wxMOD_CONTROL), 0);
    EXPECT_EQ(ZoomCommandForKey('+', wxMOD_SHIFT), 0) << "Shift++ is another character";
}

namespace {

struct HelpView {
    std::vector<wxString> headings;
    std::vector<wxStaticText*> paragraphs;
    std::vector<wxHyperlinkCtrl*> links;
};

// Reads the content area the way a reader does, top to bottom: bold text is a heading.
HelpView readHelp(const HelpDialog& dialog) {
    HelpView view;
    for (wxWindow* child : dialog.ContentArea()->GetChildren()) {
        if (auto* link = dynamic_cast<wxHyperlinkCtrl*>(child)) {
            view.links.push_back(link);
        } else if (auto* text = dynamic_cast<wxStaticText*>(child)) {
            if (text->GetFont().GetWeight() == wxFONTWEIGHT_BOLD) {
                view.headings.push_back(text->GetLabel());
            } else {
                view.paragraphs.push_back(text);
            }
        }
    }
    return view;
}

wxButton* closeButton(wxDialog& dialog) {
    return dynamic_cast<wxButton*>(dialog.FindWindow(wxID_CLOSE));
}

}  // namespace

TEST_F(CommandsFrameTest, HelpWindowShowsAllTopicsFontsAndCloseButton) {
    if (wxImage::FindHandler(wxBITMAP_TYPE_JPEG) == nullptr) {
        wxImage::AddHandler(new wxJPEGHandler);
    }
    auto* dialog = new HelpDialog(m_frame, HelpDialog::Page::Main, true);
    dialog->Show();
    ASSERT_TRUE(waitFor([&] { return dialog->IsShownOnScreen(); }));

    EXPECT_EQ(dialog->GetTitle(), "Railvane v1.7 Help");
    EXPECT_EQ(dialog->GetSize(), wxSize(925, 700));
    EXPECT_TRUE(dialog->HasFlag(wxRESIZE_BORDER));

    const HelpView view = readHelp(*dialog);
    ASSERT_EQ(view.headings.size(), 21u);
    EXPECT_EQ(view.headings.front(), "Welcome to Railvane v1.7");
    EXPECT_EQ(view.headings[1], "Getting Started");
    EXPECT_EQ(view.headings[17], "Piece Tally");
    EXPECT_EQ(view.headings.back(), "Keyboard Shortcuts");
    const auto expected = helpHeadings(mainHelpItems());
    for (size_t i = 0; i < view.headings.size(); ++i) {
        EXPECT_EQ(view.headings[i], toWx(expected[i]));
    }

    for (wxWindow* child : dialog->ContentArea()->GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child)) {
            const wxFont font = text->GetFont();
            EXPECT_EQ(font.GetFamily(), wxFONTFAMILY_SWISS) << text->GetLabel();
            EXPECT_EQ(font.GetPointSize(), font.GetWeight() == wxFONTWEIGHT_BOLD ? 11 : 10)
                << text->GetLabel();
        }
    }
    for (wxStaticText* para : view.paragraphs) {
        EXPECT_LE(para->GetSize().GetWidth(), 490) << "wrapped at 490 px: " << para->GetLabel();
    }

    ASSERT_EQ(view.links.size(), 2u);
    EXPECT_EQ(view.links[0]->GetLabel(), "Vennomar");
    EXPECT_EQ(view.links[0]->GetURL(), toWx(kMakerWebSite));
    EXPECT_EQ(view.links[1]->GetLabel(), "Vennomar");
    EXPECT_EQ(view.links[1]->GetURL(), toWx(kShopWebSite));

    // The text scrolls vertically only.
    int xStep = -1;
    int yStep = -1;
    dialog->ContentArea()->GetScrollPixelsPerUnit(&xStep, &yStep);
    EXPECT_EQ(xStep, 0);
    EXPECT_EQ(yStep, 12);
    EXPECT_GT(dialog->ContentArea()->GetVirtualSize().GetHeight(),
              dialog->ContentArea()->GetClientSize().GetHeight())
        << "all topics do not fit, so the area must scroll";

    if (HelpDialog::HasBuiltInMascot()) {
        ASSERT_NE(dialog->Mascot(), nullptr);
        EXPECT_EQ(dialog->Mascot()->GetBitmap().GetSize(), wxSize(368, 660));
        EXPECT_EQ(dialog->Mascot()->GetPosition(), wxPoint(8, 8));
    }

    wxButton* close = closeButton(*dialog);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->GetLabel(), "Close");
    const wxRect r = close->GetRect();
    EXPECT_EQ(r.GetRight() + 1 + 8, dialog->GetClientSize().GetWidth()) << "right-aligned";
    EXPECT_GT(r.GetTop(), dialog->ContentArea()->GetRect().GetBottom()) << "below the text";

    wxCommandEvent click(wxEVT_BUTTON, wxID_CLOSE);
    click.SetEventObject(close);
    close->GetEventHandler()->ProcessEvent(click);
    EXPECT_TRUE(waitFor([&] { return !dialog->IsShown(); })) << "Close closes the window";
    dialog->Destroy();
}

TEST_F(CommandsFrameTest, HelpWindowHasNoMascotWhenNotPlayful) {
    auto* dialog = new HelpDialog(m_frame, HelpDialog::Page::Main, false);
    EXPECT_EQ(dialog->Mascot(), nullptr);
    EXPECT_EQ(readHelp(*dialog).headings.size(), 21u);
    dialog->Destroy();
}

TEST_F(CommandsFrameTest, LayoutWizardHelpShowsItsSevenTopics) {
    auto* dialog = new HelpDialog(m_frame, HelpDialog::Page::LayoutWizard, true);
    dialog->Show();
    ASSERT_TRUE(waitFor([&] { return dialog->IsShownOnScreen(); }));

    EXPECT_EQ(dialog->GetTitle(), "Layout Wizard Help");
    EXPECT_EQ(dialog->GetSize(), wxSize(620, 640));
    EXPECT_EQ(dialog->Mascot(), nullptr) << "the wizard help never shows the mascot";

    const std::vector<wxString> expected = {
        "Layout Wizard", "Before you start", "Mainline",           "Station",
        "Bridge",        "Curve selection",  "Editing the result",
    };
    EXPECT_EQ(readHelp(*dialog).headings, expected);
    EXPECT_TRUE(readHelp(*dialog).links.empty());

    wxButton* close = closeButton(*dialog);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->GetLabel(), "Close");
    EXPECT_EQ(close->GetRect().GetRight() + 1 + 8, dialog->GetClientSize().GetWidth());
    dialog->Destroy();
}
