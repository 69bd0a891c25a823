#include "view3d/camera.h"

#include <algorithm>
#include <cmath>

void Camera3D::press(int x, int y, bool leftDown, bool rightDown) {
    m_lastX = x;
    m_lastY = y;
    m_rotate = leftDown;
    m_pan = rightDown;
}

bool Camera3D::motion(int x, int y) {
    const auto dx = static_cast<float>(x - m_lastX);
    const auto dy = static_cast<float>(y - m_lastY);
    m_lastX = x;
    m_lastY = y;
    if (m_rotate) {
        azimuth += dx * 0.5f;
        elevation = std::clamp(elevation + dy * 0.5f, -89.0f, 89.0f);
    }
    if (m_pan) {
        const float a = azimuth * static_cast<float>(M_PI) / 180.0f;
        panX += (std::sin(a) * dy + std::cos(a) * dx) * distance / 900.0f;
        panY += (std::cos(a) * dy - std::sin(a) * dx) * distance / 900.0f;
    }
    return m_rotate || m_pan;
}

void Camera3D::release() {
    m_rotate = false;
    m_pan = false;
}

void Camera3D::wheel(int rotation) {
    distance *= rotation > 0 ? 0.88f : 1.1363636f;
    distance = std::clamp(distance, kMinDistance, kMaxDistance);
}

bool Camera3D::key(int keyCode) {
    if (keyCode != 'R' && keyCode != 'r') {
        return false;
    }
    elevation = kStartElevation;
    azimuth = kStartAzimuth;
    panX = 0.0f;
    panY = 0.0f;
    return true;
}

void Camera3D::fit(const Bounds& trackBounds) {
    if (trackBounds.empty()) {
        return;
    }
    centreX = static_cast<float>((trackBounds.minX + trackBounds.maxX) / 2.0);
    centreY = static_cast<float>(-(trackBounds.minY + trackBounds.maxY) / 2.0);
    distance = std::max(
        400.0f, static_cast<float>(std::max(trackBounds.width(), trackBounds.height()) * 1.8));
}
