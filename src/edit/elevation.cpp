#include "edit/elevation.h"

#include <algorithm>
#include <cmath>

#include "geometry/geometry.h"

double riseLength(const PieceDef& def) {
    if (def.radius > 0.0 && def.connectors.size() >= 2 && def.connectors[1].x > 1.0) {
        return def.connectors[1].x;
    }
    return def.length;
}

double heightAt(const PlacedPiece& piece, const PieceDef& def, int c) {
    if (c == 0) {
        return piece.z;
    }
    const double s = piece.rev ? -1.0 : 1.0;
    return piece.z + s * std::sin(degToRad(piece.grade)) * riseLength(def);
}

void startGradeRun(Layout& layout, double deg, int32_t anchor, int32_t conn) {
    layout.SetGradeRun({deg, anchor, conn});
}

void removeGradeRuns(Layout& layout, int32_t anchor) {
    layout.RemoveGradeRuns(anchor);
}

bool inheritElevation(Layout& layout, uint32_t newPiece, uint32_t target, int c, int j,
                      const TrackCatalog& catalog) {
    PlacedPiece* p = layout.EditPiece(newPiece);
    const PlacedPiece* t = layout.FindPiece(target);
    if (p == nullptr || t == nullptr) {
        return false;
    }
    const PieceDef* tdef = catalog.byArticle(t->article);
    if (tdef == nullptr || !(tdef->length > 0.0)) {
        return false;
    }
    const double h = heightAt(*t, *tdef, c);
    const int32_t tid = static_cast<int32_t>(target);

    // Only the first run anchored on T counts, and only when it continues from connector c.
    GradeRun* run = nullptr;
    for (GradeRun& r : layout.gradeRuns) {
        if (r.anchor == tid) {
            run = r.conn == c ? &r : nullptr;
            break;
        }
    }

    const PieceDef* pdef = catalog.byArticle(p->article);
    if (pdef != nullptr && pdef->isBridge && !pdef->isRamp) {
        p->z = h;
        p->grade = 0.0;
        if (run != nullptr) {
            removeGradeRuns(layout, tid);
        }
        return true;
    }
    if (run != nullptr) {
        const double deg = run->deg;
        const double rise = pdef != nullptr ? riseLength(*pdef) : 0.0;
        if (j == 1) {
            p->z = h + std::sin(degToRad(deg)) * rise;
            p->rev = true;
        } else {
            p->z = h;
            p->rev = false;
        }
        p->grade = deg;
        // The run moves on to P's far end, keeping its place in the list.
        run->anchor = static_cast<int32_t>(newPiece);
        run->conn = j == 1 ? 0 : 1;
        layout.SyncGradeState();
        return true;
    }
    p->z = h;
    p->grade = 0.0;
    return true;
}
