#include "canvas/plan_picture.h"

#include <algorithm>
#include <cmath>

#include "catalog/helix_catalog.h"
#include "catalog/track_catalog.h"
#include "document/layout.h"

namespace {

constexpr int kMaxHeight = 16000;

}  // namespace

PlanPicture planPicture(const Layout& layout, int width) {
    PlanPicture picture;
    picture.width = std::max(1, width);
    const Bounds b = fitBounds(layout, false, TrackCatalog::instance(), [](const std::string& key) {
        const HelixVariant* v = findHelixVariant(key);
        return v != nullptr ? v->outerRadius : 500.0;
    });
    if (b.empty() || !std::isfinite(b.maxX - b.minX) || !std::isfinite(b.maxY - b.minY)) {
        picture.height = std::max(1, picture.width * 3 / 4);
        return picture;
    }
    // Room for the baseboard's edge lengths, which are drawn across its outline.
    const double margin = std::max(48.0, picture.width / 20.0);
    const double w = std::max(1.0, b.maxX - b.minX);
    const double h = std::max(1.0, b.maxY - b.minY);
    const double zoom = std::max(1e-9, std::min((picture.width - 2.0 * margin) / w,
                                                (kMaxHeight - 2.0 * margin) / h));
    const double height = std::clamp(h * zoom + 2.0 * margin, picture.width / 10.0,
                                     static_cast<double>(kMaxHeight));
    picture.height = std::max(1, static_cast<int>(std::ceil(height)));
    picture.view.zoom = zoom;
    picture.view.panX = (picture.width - zoom * w) / 2.0 - zoom * b.minX;
    picture.view.panY = (picture.height - zoom * h) / 2.0 - zoom * b.minY;
    return picture;
}
