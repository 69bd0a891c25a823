#pragma once
// The Shape Properties dialog's rules without a window: the fields' first values from a free
// shape, reading what was typed into the number fields, and storing the result as one edit.

#include <cstdint>
#include <string>

#include "dialogs/typed_amount.h"
#include "document/layout.h"
#include "edit/layout_editor.h"
#include "geometry/geometry.h"

/// Title of the dialog and of its messages.
inline constexpr const char* kShapePropertiesTitle = "Shape Properties";

/// What the dialog shows and stores: the shape's own fields, height in mm above the level's deck.
struct ShapeProperties {
    std::string name;
    Rgb colour;
    uint8_t alpha = 255;
    double heightMm = 0.0;
    bool outline = true;
};

/// The fields' first values: the shape's label, colour, opacity, height and outline.
ShapeProperties shapeProperties(const FreeShape& shape);
/// Opacity in whole percent as the dialog shows it: round(alpha * 100 / 255).
int opacityPercent(uint8_t alpha);
/// The alpha of a typed opacity: round(percent * 255 / 100), the percent kept within 0 ... 100.
uint8_t alphaFromPercent(double percent);

/// The opacity field: whole percent from 0 to 100.
AmountField shapeOpacityField();
/// The height field in the display unit: 0 to 5000 with one decimal, two for inches.
AmountField shapeHeightField(Units units);

/// Stores the properties on shape `id` as one edit: label, colour, alpha, height, outline. False
/// (nothing changed) for a missing shape or properties it already has.
bool applyShapeProperties(LayoutEditor& editor, uint32_t id, const ShapeProperties& properties);
