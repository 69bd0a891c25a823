#pragma once
// The Rectangle command's rules without a window: the size fields per display unit, the level a
// new rectangle goes to, and the shape it adds.

#include <cstdint>
#include <string>

#include "dialogs/typed_amount.h"
#include "edit/layout_editor.h"
#include "geometry/geometry.h"

class Layout;

/// Range and precision of the rectangle dialog's two size fields, in the display unit.
struct RectangleFieldRange {
    double minimum = 10.0;  ///< also the step of the arrows
    double maximum = 20000.0;
    int decimals = 0;
};

/// mm: 10 to 20000, whole numbers; cm: 1 to 2000, one decimal; in: 0.5 to 20000 / 25.4, two
/// decimals.
RectangleFieldRange rectangleFieldRange(Units units);

/// The field of the rectangle's `side` ("width" or "height") in `units`, for reading what was
/// typed (dialogs/typed_amount.h).
AmountField rectangleSideField(const std::string& side, Units units);

/// One side of the rectangle as typed into the dialog.
struct RectangleSideEntry {
    double mm = 0.0;      ///< the side in mm; meaningful only when `problem` is empty
    std::string problem;  ///< empty when accepted, else the message that says why not
};

/// Title of the message that refuses a typed side.
inline constexpr const char* kRectangleTitle = "Rectangle";

/// Reads the text typed for the rectangle's `side` ("width" or "height") in `units`: one decimal
/// number with "." or "," as separator and blanks around it allowed, rounded to the field's
/// decimals, then converted to mm. Refused with a message that names the side and the allowed
/// range: an empty text, anything that is not one number ("abc", "12abc", "nan"), and a number
/// outside the field's range (zero and negative sizes among them).
RectangleSideEntry readRectangleSide(const std::string& typed, const std::string& side,
                                     Units units);

/// Initial size of the rectangle dialog, mm.
inline constexpr double kRectangleDefaultWidth = 1000.0;
inline constexpr double kRectangleDefaultHeight = 600.0;

/// The level for a new rectangle: the visible level with the greatest height (the first of equal
/// heights), or `activeLevel` when no level is visible.
int32_t rectangleLevel(const Layout& layout);

/// Adds a w x h mm rectangle centred on `centre` (layout mm) as a free shape, in one edit:
/// new identifier, default colour and outline, height 0, no label, on rectangleLevel; vertices
/// (-w/2, -h/2), (+w/2, -h/2), (+w/2, +h/2), (-w/2, +h/2) relative to the centre. Does nothing
/// and returns false unless both sides are greater than 0.
bool addRectangleShape(LayoutEditor& editor, Vec2 centre, double widthMm, double heightMm);
