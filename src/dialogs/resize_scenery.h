#pragma once
// The Resize Scenery dialog's rules without a window: the size line, the two scale fields with
// the sizes they give, the locked aspect ratio and Reset to Default. OK stores the scales with
// setSceneryScales (edit/scenery_resize.h).

#include <string>

#include "dialogs/typed_amount.h"
#include "document/layout.h"

/// Title of the dialog and of its messages.
inline constexpr const char* kResizeSceneryTitle = "Resize Scenery";

/// Range and arrow step of both scale fields.
inline constexpr double kSceneryScaleMin = 0.1;
inline constexpr double kSceneryScaleMax = 10.0;
inline constexpr double kSceneryScaleStep = 0.1;
inline constexpr int kSceneryScaleDecimals = 2;

enum class SceneryAxis { Width = 0, Depth = 1 };

/// The field of one scale: "width scale" or "depth scale", 0.1 to 10.
AmountField sceneryScaleField(SceneryAxis axis);

class SceneryResize {
public:
    /// For `item`, whose catalog footprint is `catalogWidth` x `catalogDepth` mm.
    SceneryResize(const SceneryItem& item, double catalogWidth, double catalogDepth);

    /// "Catalog size: 100 x 50 mm    Current: 150 x 50 mm": the item's size when the dialog
    /// opened.
    std::string sizeLine() const;
    double scale(SceneryAxis axis) const { return m_scale[index(axis)]; }
    /// "(= 150 mm)": the size the axis' scale gives.
    std::string resultText(SceneryAxis axis) const;

    /// Sets one scale (kept within the range). With the aspect ratio locked the other scale
    /// changes in the same proportion, within the range too.
    void setScale(SceneryAxis axis, double scale);
    bool lockAspect = false;
    /// Both scales 1.
    void reset();

private:
    static int index(SceneryAxis axis) { return static_cast<int>(axis); }

    double m_catalog[2];
    double m_opened[2];
    double m_scale[2];
};
