#pragma once
// The Layout Baseboard dialog's rules without a window: its seven shape choices, the rows of each
// choice's parameter area, the vertex lists of the parametric shapes, the typed vertex list, and
// what Apply stores.

#include <string>
#include <vector>

#include "document/layout.h"
#include "geometry/geometry.h"

enum class BaseboardShape : int {
    Rectangle = 0,
    LShape = 1,
    UShape = 2,
    TShape = 3,
    CustomPolygon = 4,
    FreeForm = 5,
    Clear = 6,
};
inline constexpr int kBaseboardShapeCount = 7;

/// Title of the dialog and of its messages.
inline constexpr const char* kBaseboardDialogTitle = "Layout Baseboard";
inline constexpr const char* kBaseboardMessageTitle = "Layout Shape";
/// Status field 0 while the baseboard is drawn on the canvas.
inline constexpr const char* kBaseboardDrawingHint =
    "Click vertices to outline the baseboard. Click first vertex (or press Enter) to close. "
    "Backspace removes last vertex; Escape cancels.";

/// The entry of the shape choice ("Rectangle", "L-Shape", ... "Clear (no baseboard)").
const char* baseboardShapeName(BaseboardShape shape);

/// One dimension row of a parametric shape.
struct BaseboardDimension {
    const char* label = "";  ///< "Width (left to right):"
    double defaultMm = 0.0;
};

/// The parameter area of one choice: its explanation and its dimension rows (none for the last
/// three choices; Custom polygon has its vertex text instead).
struct BaseboardForm {
    const char* explanation = "";
    std::vector<BaseboardDimension> dimensions;
};
BaseboardForm baseboardForm(BaseboardShape shape);

/// Range of every dimension field, in the display unit.
inline constexpr int kBaseboardFieldMin = 1;
inline constexpr int kBaseboardFieldMax = 99000;

/// The choice the dialog opens with: the stored lastShape when it is 0 to 6, else Rectangle.
BaseboardShape initialBaseboardShape(const Baseboard& board);

/// The dimension fields of `shape` as the dialog first shows them, in the display unit rounded to
/// whole numbers: the stored dimensions when `shape` is the stored lastShape, else the defaults.
std::vector<int> initialBaseboardFields(const Baseboard& board, BaseboardShape shape, Units units);

/// The outline of a parametric shape from its four dimensions (mm, in row order), y downwards.
/// Empty for the other choices.
std::vector<Vec2> parametricBaseboard(BaseboardShape shape, double a, double b, double c, double d);

/// The custom polygon text the dialog starts with: the current vertices in the display unit, one
/// "x,y" line each with two decimals, or a 2400 x 1200 mm rectangle when there is no outline.
std::string baseboardVertexText(const Baseboard& board, Units units);

/// The typed vertex list read line by line: blanks at both ends removed, empty lines and lines
/// without a comma skipped, x before the first comma and y after it in the display unit.
struct VertexListEntry {
    std::vector<Vec2> vertices;  ///< mm
    std::string problem;         ///< empty when accepted, else what is wrong and on which line
};
VertexListEntry readVertexList(const std::string& text, Units units);

/// What the dialog's fields hold when Apply is pressed.
struct BaseboardInput {
    BaseboardShape shape = BaseboardShape::Rectangle;
    std::vector<int> dimensions;  ///< display unit, in row order
    std::string vertexText;       ///< Custom polygon only
};

/// What Apply does: refuse with a message (the dialog stays open), hand over to drawing on the
/// canvas (Free-form) or store `board`.
struct BaseboardApply {
    std::string problem;    ///< non-empty: show it in a warning titled kBaseboardMessageTitle
    bool freeForm = false;  ///< the caller starts baseboard drawing on the canvas
    Baseboard board;        ///< the new baseboard (lastShape, dimensions, vertices)
};
BaseboardApply applyBaseboardInput(const Baseboard& current, const BaseboardInput& input,
                                   Units units);
