#pragma once
// The orbit camera of the 3D view and its mouse and key controls, without a window: the GL
// canvas forwards its events here and builds its matrices from the fields.

#include "catalog/piece_shape.h"

struct Camera3D {
    static constexpr float kStartElevation = 35.0f;  ///< degrees
    static constexpr float kStartAzimuth = 30.0f;    ///< degrees
    static constexpr float kStartDistance = 800.0f;  ///< mm
    static constexpr float kMinDistance = 50.0f;
    static constexpr float kMaxDistance = 15000.0f;

    float elevation = kStartElevation;     ///< degrees, within -89 ... 89
    float azimuth = kStartAzimuth;         ///< degrees
    float distance = kStartDistance;       ///< mm from the eye to the point looked at
    float panX = 0.0f, panY = 0.0f;        ///< mm, 3D frame
    float centreX = 0.0f, centreY = 0.0f;  ///< scene centre, 3D frame (layout y negated)

    /// Button down: remembers the point; rotating while the left button is down, panning while the
    /// right one is.
    void press(int x, int y, bool leftDown, bool rightDown);
    /// Mouse moved to (x, y). True when the view changed (rotating or panning).
    bool motion(int x, int y);
    /// Either button up: rotating and panning stop.
    void release();
    /// Wheel: a positive rotation moves closer (x 0.88), otherwise farther (/ 0.88); clamped.
    void wheel(int rotation);
    /// Key "R": angles and pan back to the start, the distance kept. True when the key was R.
    bool key(int keyCode);
    /// Frames a track box (layout frame): centre on its middle, distance 1.8 x its larger side,
    /// at least 400 mm. An empty box changes nothing.
    void fit(const Bounds& trackBounds);

    bool rotating() const { return m_rotate; }
    bool panning() const { return m_pan; }

private:
    int m_lastX = 0, m_lastY = 0;
    bool m_rotate = false, m_pan = false;
};
