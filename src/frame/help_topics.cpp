#include "frame/help_topics.h"

namespace {

using K = HelpItemKind;

HelpItem heading(std::string_view text) {
    return {K::Heading, text, {}, {}};
}
HelpItem paragraph(std::string_view text) {
    return {K::Paragraph, text, {}, {}};
}
HelpItem link(std::string_view lead, std::string_view label, std::string_view url) {
    return {K::Link, label, lead, url};
}

// Written for the person at the keyboard: what to do and what happens, not how it is built.
std::vector<HelpItem> buildMainHelp() {
    return {
        heading("Welcome to Railvane v1.7"),
        link("Railvane by", "Vennomar", kMakerWebSite),
        paragraph(
            "lets you design and plan your Marklin and TRIX model railway layouts. It knows the "
            "track of Marklin and TRIX HO C-Track, Marklin HO K-Track, Marklin M-Track and Marklin "
            "Z Track, joins the pieces for you as you lay them, counts what you need and shows "
            "the result in 3D."),

        heading("Getting Started"),
        paragraph("1. Pick your track system in the list at the top of the palette on the left.\n"
                  "2. Choose your unit of measure under Layout > Units of Measure.\n"
                  "3. Set the size and shape of your table with Layout > Layout Shape.\n"
                  "4. Drag a track piece from the palette onto the canvas.\n"
                  "5. Bring further pieces close to an open end: they snap into place and join.\n"
                  "6. Double-click a piece on the canvas to add a copy of it at its open end.\n"
                  "7. Double-click a piece in the palette to connect it to the last piece placed.\n"
                  "8. Save your work with File > Save (Ctrl+S)."),

        heading("Canvas Navigation"),
        paragraph("Turn the mouse wheel to zoom in and out around the mouse pointer. To move the "
                  "view, drag with the middle mouse button, drag with Ctrl and the left button on "
                  "empty canvas, or hold the space bar while dragging. The + and - keys zoom "
                  "around the middle of the window, and Zoom to Fit (Ctrl+0, or Fit on the "
                  "toolbar) brings the whole layout into view."),

        heading("Track Selection"),
        paragraph("Click a piece to select it. Ctrl+click adds a piece to the selection or takes "
                  "it out again. Shift+click selects every piece along the track from the last "
                  "selected piece to the one you click. Drag a rectangle on empty canvas to "
                  "select everything it touches, press Ctrl+A to select all and Escape to clear "
                  "the selection. The panel on the right describes what is selected."),

        heading("Autofill Gap"),
        paragraph("Select the two pieces at either side of a gap, right-click one of them and "
                  "choose Autofill Gap. Railvane looks for catalog pieces of the same system that "
                  "close the gap - straights for a straight gap, matching curves for a gap that "
                  "one arc can span - and lets you pick one of the fills it found."),

        heading("Library"),
        paragraph("Save a group of pieces you want to use again with File > Save as Library "
                  "Block. Blocks are kept per track system and appear on the Library page of the "
                  "palette, from where you can place them like a single piece."),

        heading("Moving Pieces"),
        paragraph("Drag a selected piece to move the whole selection. Joints to pieces outside "
                  "the selection open up; when a moved piece comes close to a matching open end "
                  "it snaps to it on release and the joint is made. Track that belongs to a "
                  "helix or lies inside a tunnel is locked and cannot be moved on its own."),

        heading("Dragging from the Palette"),
        paragraph("Drag a piece from the palette and it follows the mouse over the canvas, "
                  "snapping to the nearest open end that fits. Turn it with the mouse wheel or the "
                  "R key before you click to drop it; Escape cancels. Pieces of track systems "
                  "that do not fit together are refused with a hint about the adapter to use."),

        heading("Rotating Pieces"),
        paragraph("Hold Ctrl and turn the mouse wheel to rotate the selection in 15 degree steps "
                  "(5 degrees with Shift as well). Alt+drag rotates it freely and clicks into "
                  "place at right angles, which the piece shows with a short green flash; "
                  "Alt+right-click turns it by one 15 degree step."),

        heading("Elevation and Grades"),
        paragraph("Open the Elevation Wizard from the toolbar to let track climb. Set Grade "
                  "starts a climb at an open end, and every piece you then join to that end "
                  "continues it; Set Target Height fills a distance with straights that reach "
                  "the height you type. Right-click a graded piece and choose End Grade to level "
                  "out. The status bar shows the grades in use."),

        heading("3D View"),
        paragraph("3D View on the toolbar opens your layout as a solid model in its own window, "
                  "with elevations, bridges, helices and tunnels. Drag with the left button to "
                  "turn it, with the right button to move it, scroll to zoom and press R to go "
                  "back to the starting view. It follows your edits while it is open."),

        heading("Layout Shape"),
        paragraph("Layout > Layout Shape sets the outline of your table: a rectangle, an L or a "
                  "U shape and more, each with its measurements, a list of corner points you "
                  "type, or an outline you draw on the canvas point by point."),

        heading("Polygon and Rectangle Shapes"),
        paragraph("Polygon on the toolbar draws a free shape such as a river, a mountain or an "
                  "access hatch: click the corners and click the first one again, or press "
                  "Enter, to finish; Backspace removes the last corner. Rectangle places a "
                  "rectangle of an exact size in the middle of the view. Double-click a shape to "
                  "change its colour, height and label."),

        heading("Files (.tdl)"),
        paragraph("Layouts are saved as .tdl files in the Railvane folder of your documents, "
                  "under the name you give them. Open lists them by name. Import brings in a "
                  "layout file from anywhere else, and Export writes a copy of the current layout "
                  "to a folder you choose. Open Recent lists the last nine layouts opened or "
                  "saved. Export Image saves the plan as a PNG picture or an SVG drawing, and "
                  "Export Parts List writes the piece count as a CSV file for a spreadsheet."),

        heading("Levels"),
        paragraph("Levels on the toolbar manages the decks of a layout on several floors. Each "
                  "level has a name, a height and optionally its own track colour; tick a level "
                  "to show it and click one to make it the level that new pieces go on."),

        heading("Measuring Tape"),
        paragraph("Press Measure on the toolbar and click two points on the canvas: a length "
                  "annotation is laid down between them in your unit of measure. Escape stops the "
                  "tape without measuring."),

        heading("Adding Labels"),
        paragraph("Type a text in the Add Label box of the panel on the right and press OK or "
                  "Enter to put it on the plan. Ctrl+click on empty canvas first to choose where "
                  "it goes. Labels can be dragged to another place."),

        heading("Piece Tally"),
        paragraph("The Piece Count on the right lists every article your layout needs, with how "
                  "many of each, and recommends the motors and decoders that go with your "
                  "turnouts. Buy Track sends the whole list to the shopping cart at"),
        link("", "Vennomar", kShopWebSite),
        paragraph("where it waits for you to review and check out. Pieces that the shop does not "
                  "sell are listed and left out."),

        heading("Coloring Track"),
        paragraph("Select pieces, pick a colour in the Color box of the panel on the right and "
                  "press Apply; Default takes the colour away again. A level can also give all of "
                  "its track one colour, set in the level's properties. A piece's own colour wins "
                  "over its level's."),

        heading("Experience Settings"),
        paragraph("Help > Options lets you choose how Railvane greets you. Keep it Playful shows "
                  "the welcome picture at start and the pictures in the help; Down to Business "
                  "starts straight into work."),

        heading("Keyboard Shortcuts"),
        HelpItem{K::Shortcuts, {}, {}, {}},
    };
}

std::vector<HelpItem> buildLayoutWizardHelp() {
    return {
        heading("Layout Wizard"),
        paragraph("The Layout Wizard builds a complete closed loop of track that follows the "
                  "edge of your table. On request it adds a passing station and a bridge, so you "
                  "get a running layout to start from in one step."),

        heading("Before you start"),
        paragraph("Define your table first with Layout > Layout Shape: a rectangle, an L or a U "
                  "shape whose edges run horizontally or vertically. Then pick the track system "
                  "in the palette; the wizard builds with that system's pieces."),

        heading("Mainline"),
        paragraph("Choose a single track loop or a double track with two parallel loops."),

        heading("Station"),
        paragraph("The station is a passing siding with an island platform between the tracks. "
                  "It goes on the longest straight edge of the table, on the south side when "
                  "there is a choice."),

        heading("Bridge"),
        paragraph("The bridge option lifts part of the loop on a ramp, carries it over spans and "
                  "brings it down again. It is offered only for Marklin C-Track and TRIX C-Track."),

        heading("Curve selection"),
        paragraph("The corners use the largest curve radius that fits the table. When only the "
                  "tightest radius, R1, would fit, the wizard warns you before it uses it."),

        heading("Editing the result"),
        paragraph("The result is ordinary joined track that you can move, extend and delete like "
                  "any other. If the loop cannot be closed exactly, the wizard tells you where "
                  "the gap is. One Undo removes everything the wizard placed."),
    };
}

}  // namespace

const std::vector<HelpItem>& mainHelpItems() {
    static const std::vector<HelpItem> items = buildMainHelp();
    return items;
}

const std::vector<HelpItem>& layoutWizardHelpItems() {
    static const std::vector<HelpItem> items = buildLayoutWizardHelp();
    return items;
}

const std::vector<std::pair<std::string_view, std::string_view>>& helpShortcuts() {
    static const std::vector<std::pair<std::string_view, std::string_view>> shortcuts = {
        {"Ctrl+N", "New layout"},
        {"Ctrl+O", "Open layout"},
        {"Ctrl+S", "Save"},
        {"Ctrl+Shift+S", "Save as"},
        {"Ctrl+W", "Close layout"},
        {"Ctrl+P", "Print"},
        {"Ctrl+Z", "Undo"},
        {"Ctrl+Y", "Redo"},
        {"Del", "Delete the selection"},
        {"Ctrl+A", "Select all"},
        {"Ctrl+C", "Copy the selection (also on the right-click menu)"},
        {"Ctrl+V", "Paste at the mouse (also on the right-click menu)"},
        {"Ctrl+R", "Turn the selection 15 degrees"},
        {"Escape", "Cancel the current tool or clear the selection"},
        {"R", "Turn the piece being placed"},
        {"+", "Zoom in"},
        {"-", "Zoom out"},
        {"Ctrl+0", "Zoom to fit"},
        {"Ctrl+G", "Show or hide the grid"},
        {"Ctrl+Shift+G", "Snap on or off"},
        {"Ctrl+L", "Check the layout for collisions, clearances, grades, gaps and open ends"},
        {"F1", "Help"},
    };
    return shortcuts;
}

std::vector<std::string_view> helpHeadings(const std::vector<HelpItem>& items) {
    std::vector<std::string_view> headings;
    for (const HelpItem& item : items) {
        if (item.kind == HelpItemKind::Heading) {
            headings.push_back(item.text);
        }
    }
    return headings;
}
