#pragma once
// The main window's commands as one table: every menu entry, separator and toolbar tool, in the
// order the user sees them. The menu bar and the toolbar are generated from it, and the frame's
// update-UI step asks it whether a command may be used.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

class CommandContext;

/// What a row of the table shows.
enum class CommandKind {
    Normal,     ///< plain menu entry or push-button tool
    Check,      ///< menu check item or toggle tool
    Radio,      ///< radio item; consecutive radio rows of one submenu form a group
    Separator,  ///< a line between groups (menu) or a gap (toolbar)
    Submenu,    ///< a menu entry opening a submenu; its items name it in `submenu`
};

/// Where a command appears. A row is either in the menu bar or on the toolbar; a command with rows
/// in both places is reported as `Both` by `commandPlace`.
enum class CommandPlace { Menu, Toolbar, Both };

/// When the frame's update-UI step enables a command (besides it being available at all).
enum class EnableRule {
    Always,              ///< always enabled
    CanUndo,             ///< the undo stack is not empty
    CanRedo,             ///< the redo stack is not empty
    DeletableSelection,  ///< at least one piece, scenery item or shape is selected
    TunnelChain,         ///< the selection forms a chain the tunnel analysis accepts
    CopyableSelection,   ///< a piece or scenery item is selected
    ClipboardFilled,     ///< the canvas clipboard holds something to paste
    TurnableSelection,   ///< a piece, scenery item or shape is selected
};

/// How a command was chosen: its id and, for check items, the new check state.
struct CommandCall {
    int id = 0;
    bool checked = false;
};

/// The work of a command; the window binds every row that has one.
using CommandHandler = void (*)(CommandContext& context, const CommandCall& call);

/// One row of the command table. Texts are UTF-8; menu texts carry their accelerator after a tab.
struct CommandEntry {
    int id = 0;                               ///< CommandId value; 0 for separators and submenus
    CommandPlace place = CommandPlace::Menu;  ///< Menu or Toolbar (never Both for a row)
    std::string_view menu;        ///< top-level menu title ("&File"); empty on the toolbar
    std::string_view submenu;     ///< title of the submenu holding the row, else empty
    std::string_view text;        ///< menu text with accelerator, submenu title or tool label
    std::string_view tooltip;     ///< tool tip of a toolbar tool; empty for none
    std::string_view statusHelp;  ///< text shown in status field 0 while pointed at
    CommandKind kind = CommandKind::Normal;
    bool checked = false;         ///< check or radio item starts checked
    bool startsDisabled = false;  ///< shown disabled until the update-UI step enables it
    bool available = true;        ///< false while the command's work is not part of the program
    EnableRule enableRule = EnableRule::Always;
    /// What choosing the row does; null for separators, submenus and unavailable commands. Rows
    /// of one command in the menu and on the toolbar name the same handler.
    CommandHandler handler = nullptr;
};

/// Title of the File menu's submenu that the window fills with the layouts used last.
inline constexpr std::string_view kOpenRecent = "Open &Recent";

/// All rows: the menu bar's rows menu by menu, then the toolbar's rows, each in display order.
std::span<const CommandEntry> commandTable();

/// The top-level menu titles in menu-bar order ("&File", "&Edit", "&View", "&Layout", "&Help").
std::vector<std::string_view> menuTitles();

/// The rows of one top-level menu in order, including the items of its submenus.
std::vector<const CommandEntry*> menuRows(std::string_view menu);

/// The toolbar's rows in order, separators included.
std::vector<const CommandEntry*> toolbarRows();

/// The first row of a command in the given place (Menu or Toolbar), or nullptr.
const CommandEntry* findCommand(int id, CommandPlace place);

/// Where the command with this id appears, or nothing for an id that is not in the table.
std::optional<CommandPlace> commandPlace(int id);

/// True when the command is in the table and its work is part of the program.
bool isCommandAvailable(int id);

/// The handler of the command with this id, or null when no row of it has one.
CommandHandler commandHandler(int id);

/// What the update-UI rules need to know about the document.
struct CommandState {
    bool canUndo = false;                 ///< undo stack not empty
    bool canRedo = false;                 ///< redo stack not empty
    bool hasDeletableSelection = false;   ///< a piece, scenery item or shape is selected
    bool selectionIsTunnelChain = false;  ///< the tunnel analysis accepts the selected chain
    bool selectionInTunnel = false;       ///< ... and it lies in a tunnel (the tool removes it)
    bool measuring = false;               ///< the measuring tape is the canvas's tool
    bool drawingPolygon = false;          ///< the Polygon tool is the canvas's tool
    bool hasCopyableSelection = false;    ///< a piece or scenery item is selected
    bool clipboardFilled = false;         ///< the canvas clipboard is not empty
    bool hasTurnableSelection = false;    ///< a piece, scenery item or shape is selected
};

/// Whether a check command shows as checked: the tools Measure and Polygon while their tool is
/// active; nothing for other commands.
std::optional<bool> isCommandChecked(int id, const CommandState& state);

/// Whether the command may be used now: it must be available, and its enable rule must hold.
bool isCommandEnabled(int id, const CommandState& state);

/// The part of a menu text after the tab (e.g. "Ctrl+N"), empty when it has no accelerator.
std::string_view acceleratorOf(std::string_view menuText);

/// The Units of Measure radio item for a unit (0 mm, 1 cm, 2 in); other values give millimetres.
int unitsCommandId(int units);

/// The unit (0, 1, 2) selected by a Units of Measure item, or -1 for any other id.
int unitsForCommand(int id);

/// Label of the labels tool: "Show Labels" while labels are hidden, "Hide Labels" otherwise.
std::string_view labelsToolLabel(bool labelsShown);

/// Label of the tunnel tool: "Remove Tunnel" when the selected chain already is a tunnel.
std::string_view tunnelToolLabel(bool chainIsTunnel);
