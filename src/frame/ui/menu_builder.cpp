#include "frame/ui/menu_builder.h"

#include <string_view>

#include <wx/spinctrl.h>
#include <wx/textentry.h>

#include "frame/command_ids.h"
#include "frame/command_table.h"
#include "frame/ui/toolbar_fit.h"

namespace {

wxString toWx(std::string_view text) {
    return wxString::FromUTF8(text.data(), text.size());
}

wxItemKind itemKind(CommandKind kind) {
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

// Appends one ordinary row and applies its initial state. Checking happens after the item is in
// its menu: wx only allows Check on attached items, and checking one radio item clears the
// others of its group, so the table's single checked radio row wins.
void appendItem(wxMenu* menu, const CommandEntry& row) {
    if (row.kind == CommandKind::Separator) {
        menu->AppendSeparator();
        return;
    }
    wxMenuItem* item =
        menu->Append(row.id, toWx(row.text), toWx(row.statusHelp), itemKind(row.kind));
    if ((row.kind == CommandKind::Check || row.kind == CommandKind::Radio) && row.checked) {
        item->Check(true);
    }
    if (!row.available || row.startsDisabled) {
        item->Enable(false);
    }
}

wxMenu* buildMenu(std::string_view title) {
    auto* menu = new wxMenu;
    const auto rows = menuRows(title);
    for (const CommandEntry* row : rows) {
        if (!row->submenu.empty()) {
            continue;  // added below together with its submenu entry
        }
        if (row->kind != CommandKind::Submenu) {
            appendItem(menu, *row);
            continue;
        }
        auto* sub = new wxMenu;
        // The submenu must be attached before its radio items are checked, so build it empty,
        // append it, then fill it.
        menu->AppendSubMenu(sub, toWx(row->text), toWx(row->statusHelp));
        for (const CommandEntry* child : rows) {
            if (child->submenu == row->text) {
                appendItem(sub, *child);
            }
        }
    }
    return menu;
}

}  // namespace

wxMenuBar* BuildCommandMenuBar() {
    auto* bar = new wxMenuBar;
    for (std::string_view title : menuTitles()) {
        bar->Append(buildMenu(title), toWx(title));
    }
    return bar;
}

wxMenu* FindCommandSubmenu(wxMenuBar* bar, std::string_view menu, std::string_view submenu) {
    const int index = bar->FindMenu(toWx(menu));
    if (index == wxNOT_FOUND) {
        return nullptr;
    }
    for (wxMenuItem* item : bar->GetMenu(index)->GetMenuItems()) {
        if (item->IsSubMenu() && item->GetItemLabel() == toWx(submenu)) {
            return item->GetSubMenu();
        }
    }
    return nullptr;
}

void FillCommandToolBar(wxToolBar* toolbar) {
    for (const CommandEntry* row : toolbarRows()) {
        if (row->kind == CommandKind::Separator) {
            toolbar->AddSeparator();
            continue;
        }
        toolbar->AddTool(row->id, toWx(row->text), wxNullBitmap, wxNullBitmap, itemKind(row->kind),
                         toWx(row->tooltip), toWx(row->statusHelp));
        if (row->checked) {
            toolbar->ToggleTool(row->id, true);
        }
        if (!row->available || row->startsDisabled) {
            toolbar->EnableTool(row->id, false);
        }
    }
    toolbar->Realize();
    FitToolWidthsToLabels(toolbar);
}

int ZoomCommandForKey(int keyCode, int modifiers) {
    if (keyCode == WXK_NUMPAD_ADD || (keyCode == '+' && modifiers == wxMOD_NONE) ||
        (keyCode == '=' && modifiers == wxMOD_SHIFT)) {
        return CommandId::ZoomIn;
    }
    if (keyCode == WXK_NUMPAD_SUBTRACT || (keyCode == '-' && modifiers == wxMOD_NONE)) {
        return CommandId::ZoomOut;
    }
    return 0;
}

void InstallZoomKeys(wxFrame* frame) {
    // The char hook reaches the frame before the focused window sees the key, so the zoom keys
    // work over the canvas and the side panels alike. A plain accelerator table would be
    // consulted for text fields too and swallow every "-" typed into a label.
    frame->Bind(wxEVT_CHAR_HOOK, [frame](wxKeyEvent& event) {
        const int id = ZoomCommandForKey(event.GetKeyCode(), event.GetModifiers());
        wxWindow* focus = wxWindow::FindFocus();
        if (id == 0 || dynamic_cast<wxTextEntry*>(focus) != nullptr ||
            dynamic_cast<wxSpinCtrlBase*>(focus) != nullptr) {
            event.Skip();
            return;
        }
        wxCommandEvent command(wxEVT_MENU, id);
        command.SetEventObject(frame);
        frame->ProcessWindowEvent(command);
    });
}

wxToolBar* InstallCommands(wxFrame* frame) {
    frame->SetMenuBar(BuildCommandMenuBar());
    wxToolBar* toolbar = frame->GetToolBar();
    if (toolbar == nullptr) {
        toolbar = frame->CreateToolBar(kCommandToolBarStyle);
    }
    FillCommandToolBar(toolbar);
    InstallZoomKeys(frame);
    return toolbar;
}
