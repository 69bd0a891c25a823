#pragma once
// Turns the command table into the main window's menu bar and text-only toolbar.

#include <string_view>

#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

/// Toolbar style the command tools are made for: horizontal, labels only, no icons.
inline constexpr long kCommandToolBarStyle = wxTB_HORIZONTAL | wxTB_TEXT | wxTB_NOICONS;

/// Builds a new menu bar from the command table: menus in order, separators, the Units of Measure
/// submenu with its radio group, check items with their initial state; commands that are not
/// available are disabled. The caller owns the result (normally hands it to SetMenuBar).
wxMenuBar* BuildCommandMenuBar();

/// The submenu titled `submenu` (as in the table) of the menu titled `menu`; null when missing.
wxMenu* FindCommandSubmenu(wxMenuBar* bar, std::string_view menu, std::string_view submenu);

/// Appends the table's toolbar tools (text labels, tooltips, status help, separators) to an
/// empty toolbar, disables the tools that start disabled or are not available, and realizes it.
void FillCommandToolBar(wxToolBar* toolbar);

/// Makes the unmodified zoom keys work anywhere in the frame: "+" (also Shift+"=" and keypad +)
/// sends Zoom In and "-" (also keypad -) Zoom Out as menu commands to the frame. GTK does not
/// deliver these printable menu accelerators while a panel such as the canvas has the focus.
/// Keys typed into a text field stay in the field.
void InstallZoomKeys(wxFrame* frame);

/// The zoom command a key press stands for (CommandId::ZoomIn or ZoomOut), or 0.
/// keyCode and modifiers as reported by wxKeyEvent.
int ZoomCommandForKey(int keyCode, int modifiers);

/// Installs everything on a frame: sets the menu bar, creates the toolbar with
/// kCommandToolBarStyle when the frame has none yet, fills it, and installs the zoom keys.
/// Returns the frame's toolbar.
wxToolBar* InstallCommands(wxFrame* frame);
