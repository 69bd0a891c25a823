#include "edit/scenery_resize.h"

#include <algorithm>
#include <cmath>

#include "catalog/piece_shape.h"
#include "edit/edit.h"

namespace {

/// Side of the footprint (-1, 0 or +1 along the item's x and y) on which a handle lies.
struct HandleSide {
    int x = 0;
    int y = 0;
};
constexpr HandleSide kHandleSides[8] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0},
                                        {1, 1},   {0, 1},  {-1, 1}, {-1, 0}};

/// The new side along one axis and the direction from the fixed point to the centre along it.
/// `side` 0: the axis keeps its size `current` and the fixed point lies on the centre line.
std::pair<double, double> resizeAxis(int side, double offset, double current) {
    if (side == 0) {
        return {current, 0.0};
    }
    const double size = std::max(std::fabs(offset), kMinScenerySide);
    const double direction = offset > 0.0 ? 1.0 : offset < 0.0 ? -1.0 : side;
    return {size, direction * size / 2.0};
}

}  // namespace

int oppositeSceneryHandle(int handle) {
    return (handle + 4) % 8;
}

SceneryFootprint dragSceneryHandle(int handle, Vec2 fixed, Vec2 mouse, const SceneryItem& start,
                                   double catalogWidth, double catalogDepth) {
    SceneryFootprint result{start.scalex, start.scaley, {start.x, start.y}};
    if (handle < 0 || handle > 7 || !(catalogWidth > 0.0) || !(catalogDepth > 0.0)) {
        return result;
    }
    const HandleSide side = kHandleSides[handle];
    const Pose frame{fixed.x, fixed.y, start.heading};
    const Vec2 offset = layoutToLocal(frame, mouse);
    const auto [width, toCentreX] = resizeAxis(side.x, offset.x, catalogWidth * start.scalex);
    const auto [depth, toCentreY] = resizeAxis(side.y, offset.y, catalogDepth * start.scaley);
    result.scalex = width / catalogWidth;
    result.scaley = depth / catalogDepth;
    result.centre = localToLayout(frame, {toCentreX, toCentreY});
    return result;
}

bool setSceneryScales(LayoutEditor& editor, uint32_t id, double scalex, double scaley) {
    const SceneryItem* item = editor.layout().FindScenery(id);
    if (item == nullptr || (item->scalex == scalex && item->scaley == scaley)) {
        return false;
    }
    Edit edit(editor);
    SceneryItem& target = *edit.change().EditScenery(id);
    target.scalex = scalex;
    target.scaley = scaley;
    return true;
}
