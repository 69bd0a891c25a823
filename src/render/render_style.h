#pragma once
// Every colour, pen width and font size of the plan drawing, in one place. Plain values without
// toolkit types, so the colour rules (core) and the drawing code (windows) read the same table.
// Pen widths are screen pixels; font sizes are points.

#include <cstdint>

/// An RGBA colour of the plan drawing; alpha 255 is opaque.
struct RenderColour {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    constexpr bool operator==(const RenderColour&) const = default;
};

namespace RenderStyle {

// Fixed palette of the canvas.
inline constexpr RenderColour kBackground{255, 255, 255};
inline constexpr RenderColour kTrackFill{210, 210, 205};
inline constexpr RenderColour kTrackFillKTrack{215, 200, 175};
inline constexpr RenderColour kTrackFillMTrack{160, 155, 145};
inline constexpr RenderColour kTrackFillSelected{180, 200, 230};
inline constexpr RenderColour kTrackOutline{120, 120, 115};
inline constexpr RenderColour kTrackOutlineSelected{40, 100, 200};
inline constexpr RenderColour kPreviewFill{200, 225, 200};
inline constexpr RenderColour kPreviewOutline{80, 150, 80};
inline constexpr RenderColour kJoinedDot{60, 180, 60};
inline constexpr RenderColour kOpenDot{255, 140, 0};
inline constexpr int kDotDarkening = 70;  ///< lightness of the dot outline (100 = unchanged)
inline constexpr RenderColour kGridLine{220, 220, 215};
inline constexpr RenderColour kOriginCross{180, 180, 220};
inline constexpr int kOriginCrossWidth = 2;
inline constexpr int kOriginCrossHalf = 10;  ///< pixels each way

// Baseboard and level decks.
inline constexpr RenderColour kBaseboardFill{245, 235, 210};
inline constexpr RenderColour kBoardPen{120, 90, 50};
inline constexpr int kBoardPenWidth = 2;
inline constexpr RenderColour kDeckFill{235, 220, 190};
inline constexpr RenderColour kEdgeLabelText{80, 50, 20};
inline constexpr RenderColour kEdgeLabelBox{255, 248, 220, 200};
inline constexpr RenderColour kEdgeLabelBoxPen{180, 140, 80};
inline constexpr int kEdgeLabelPt = 11;
inline constexpr double kEdgeLabelMinMm = 10.0;
inline constexpr int kEdgeLabelPush = 14;  ///< pixels the label sits outward of the edge

// Free shapes.
inline constexpr RenderColour kShapeSelectedPen{40, 80, 200};
inline constexpr int kShapePenWidth = 2;
inline constexpr int kShapeSelectedPenWidth = 3;
inline constexpr RenderColour kShapeNameText{20, 20, 20};
inline constexpr int kShapeNamePt = 11;
inline constexpr RenderColour kShapeEdgeText{30, 30, 30};
inline constexpr RenderColour kShapeEdgeTextBack{255, 255, 255};
inline constexpr double kShapeEdgeMinMm = 1.0;
inline constexpr int kShapeEdgePush = 10;  ///< pixels

// Scenery.
inline constexpr RenderColour kSceneryFrame{40, 100, 200};
inline constexpr RenderColour kSceneryHandleFill{255, 255, 255};
inline constexpr RenderColour kSceneryHandlePen{40, 90, 200};
inline constexpr int kSceneryHandleRadius = 3;

// Piece decorations.
inline constexpr RenderColour kStopBar{40, 40, 40};
inline constexpr RenderColour kContactFill{100, 120, 220};
inline constexpr RenderColour kContactPen{60, 60, 160};
inline constexpr RenderColour kArch{80, 100, 130, 200};
inline constexpr RenderColour kTurntablePit{220, 215, 210};
inline constexpr RenderColour kTurntableBridge{80, 60, 40};
inline constexpr int kTurntableBridgeWidth = 3;
inline constexpr RenderColour kTurntableSpoke{100, 80, 60};
inline constexpr int kTurntableSpokeWidth = 2;
inline constexpr RenderColour kAccessoryFill{120, 120, 128};
inline constexpr RenderColour kAccessoryPen{70, 70, 78};
inline constexpr RenderColour kAccessoryFillCovered{180, 180, 184};
inline constexpr RenderColour kAccessoryPenCovered{150, 150, 154};
inline constexpr RenderColour kPieceLabel{50, 50, 50};

// Shades of the further routes of a piece, subtracted from (or, for slips, added to) the fill.
inline constexpr RenderColour kBranchShade{15, 15, 10};
inline constexpr RenderColour kCrossingShade{10, 10, 5};
inline constexpr RenderColour kSlipCrossingShade{8, 8, 4};
inline constexpr RenderColour kSlipLighten{14, 14, 14};
inline constexpr RenderColour kElevationOutlineShade{60, 60, 30};

// Grade arrows.
inline constexpr RenderColour kGradeDown{30, 100, 200};
inline constexpr RenderColour kGradeUp{220, 100, 20};
inline constexpr int kGradeArrowWidth = 3;
inline constexpr double kGradeArrowMm = 20.0;
inline constexpr double kGradeHeadMm = 8.0;
inline constexpr double kGradeHeadHalfMm = 6.0;

// Labels and measurements.
inline constexpr RenderColour kLabelBack{255, 255, 220};
inline constexpr RenderColour kLabelText{20, 20, 20};
inline constexpr RenderColour kLabelSelected{40, 80, 200};
inline constexpr RenderColour kMeasureLine{60, 60, 60};
inline constexpr RenderColour kMeasureSelected{40, 80, 200};
inline constexpr RenderColour kMeasureBox{255, 248, 220};
inline constexpr RenderColour kMeasureBoxSelected{220, 232, 255, 235};
inline constexpr RenderColour kMeasureText{20, 20, 20};
inline constexpr int kMeasurePt = 10;

// Rulers.
inline constexpr int kRulerSize = 20;  ///< strip thickness, pixels
inline constexpr RenderColour kRulerFill{240, 240, 240};
inline constexpr RenderColour kRulerPen{180, 180, 180};
inline constexpr RenderColour kRulerTick{140, 140, 140};
inline constexpr RenderColour kRulerText{80, 80, 80};
inline constexpr RenderColour kRulerMouse{200, 80, 80};
inline constexpr int kRulerPt = 7;

}  // namespace RenderStyle
