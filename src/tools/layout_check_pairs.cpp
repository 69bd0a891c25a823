// The geometry of Check Layout and its pair tests: routes cut into straight parts with heights,
// the uniform grid that finds pieces whose bands may meet, and the tests of two pieces (collision,
// low clearance) and of two open ends (near miss).
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "catalog/piece_shape.h"
#include "document/snap_search.h"
#include "edit/connector_grid.h"
#include "edit/elevation.h"
#include "tools/layout_check.h"

namespace {

constexpr double kArcStepDeg = 6.0;  // a band chord of 6 degrees strays 0.3 mm at R 600

Vec2 lerp(Vec2 a, Vec2 b, double t) {
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

Vec2 minus(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}

double connectorHeight(const PlacedPiece& piece, const PieceDef& def, int c) {
    return c < 0 ? piece.z : heightAt(piece, def, c);
}

// Cuts every route of the piece into straight parts; heights run linearly along each route from
// its start connector's height to its end connector's.
void addRouteParts(const PlacedPiece& piece, const PieceDef& def, const PieceShape& shape,
                   std::vector<CheckPart>& parts) {
    const Pose pose = piece.pose();
    for (size_t p = 0; p < shape.paths.size(); ++p) {
        const RoutePath& path = shape.paths[p];
        const RouteSegment* segs = shape.pathSegments(static_cast<int>(p));
        double total = 0.0;
        for (int s = 0; s < path.segmentCount; ++s) {
            total += segs[s].length;
        }
        const double h0 = connectorHeight(piece, def, path.fromConnector);
        const double h1 = path.toConnector < 0 ? h0 : connectorHeight(piece, def, path.toConnector);
        double along = 0.0;
        for (int s = 0; s < path.segmentCount; ++s) {
            const RouteSegment& seg = segs[s];
            const int steps =
                seg.type == RouteType::Arc
                    ? std::max(1, static_cast<int>(std::ceil(std::fabs(seg.sweep) / kArcStepDeg)))
                    : 1;
            for (int k = 0; k < steps; ++k) {
                const double t0 = static_cast<double>(k) / steps;
                const double t1 = static_cast<double>(k + 1) / steps;
                const double u0 = total > 0.0 ? (along + t0 * seg.length) / total : 0.0;
                const double u1 = total > 0.0 ? (along + t1 * seg.length) / total : 0.0;
                parts.push_back({localToLayout(pose, seg.pointAt(t0)),
                                 localToLayout(pose, seg.pointAt(t1)), h0 + u0 * (h1 - h0),
                                 h0 + u1 * (h1 - h0)});
            }
            along += seg.length;
        }
    }
    if (shape.turntable) {
        // The pit as its diameter, tested as a disc: a hole in the deck nothing else may cross.
        const Vec2 a = localToLayout(pose, {-shape.pitRadius, 0.0});
        const Vec2 b = localToLayout(pose, {shape.pitRadius, 0.0});
        parts.push_back({a, b, piece.z, piece.z});
    }
}

// Closest points of segments p0-p1 and q0-q1 as fractions (s on p, t on q).
void closestFractions(Vec2 p0, Vec2 p1, Vec2 q0, Vec2 q1, double& s, double& t) {
    const Vec2 d1 = minus(p1, p0), d2 = minus(q1, q0), r = minus(p0, q0);
    const double a = dot(d1, d1), e = dot(d2, d2), f = dot(d2, r);
    if (a <= 1e-12 && e <= 1e-12) {
        s = t = 0.0;
        return;
    }
    if (a <= 1e-12) {
        s = 0.0;
        t = std::clamp(f / e, 0.0, 1.0);
        return;
    }
    const double c = dot(d1, r);
    if (e <= 1e-12) {
        t = 0.0;
        s = std::clamp(-c / a, 0.0, 1.0);
        return;
    }
    const double b = dot(d1, d2), denom = a * e - b * b;
    s = denom > 1e-12 ? std::clamp((b * f - c * e) / denom, 0.0, 1.0) : 0.0;
    t = (b * s + f) / e;
    if (t < 0.0) {
        t = 0.0;
        s = std::clamp(-c / a, 0.0, 1.0);
    } else if (t > 1.0) {
        t = 1.0;
        s = std::clamp((b - c) / a, 0.0, 1.0);
    }
}

// Whether the bands of two parts (rectangles around them, square ends) overlap by more than the
// margin: the separating-axis test over the four edge directions.
bool bandsOverlap(const CheckPart& p, double hwp, const CheckPart& q, double hwq) {
    const Vec2 dp = minus(p.b, p.a), dq = minus(q.b, q.a);
    const double lp = std::hypot(dp.x, dp.y), lq = std::hypot(dq.x, dq.y);
    if (lp <= 1e-9 || lq <= 1e-9) {
        return false;
    }
    const Vec2 up{dp.x / lp, dp.y / lp}, uq{dq.x / lq, dq.y / lq};
    const Vec2 np{-up.y, up.x}, nq{-uq.y, uq.x};
    const double hlp = lp / 2.0 - kOverlapMargin, hlq = lq / 2.0 - kOverlapMargin;
    const double wp = hwp - kOverlapMargin, wq = hwq - kOverlapMargin;
    const Vec2 centres = minus(lerp(q.a, q.b, 0.5), lerp(p.a, p.b, 0.5));
    for (const Vec2 axis : {up, np, uq, nq}) {
        const double rp =
            std::max(0.0, hlp) * std::fabs(dot(up, axis)) + wp * std::fabs(dot(np, axis));
        const double rq =
            std::max(0.0, hlq) * std::fabs(dot(uq, axis)) + wq * std::fabs(dot(nq, axis));
        if (std::fabs(dot(centres, axis)) >= rp + rq) {
            return false;
        }
    }
    return true;
}

// Whether a turntable's pit (the disc around the middle of its diameter part `d`, radius r) and
// the band of part q overlap.
bool discMeetsBand(const CheckPart& d, double r, const CheckPart& q, double hwq) {
    return segmentDistance(lerp(d.a, d.b, 0.5), q.a, q.b) < r + hwq - kOverlapMargin;
}

bool partsOverlap(const CheckPiece& pa, const CheckPart& u, const CheckPiece& pb,
                  const CheckPart& v) {
    if (pa.disc && pb.disc) {
        const Vec2 d = minus(lerp(u.a, u.b, 0.5), lerp(v.a, v.b, 0.5));
        return std::hypot(d.x, d.y) < pa.halfWidth + pb.halfWidth - kOverlapMargin;
    }
    if (pa.disc || pb.disc) {
        return pa.disc ? discMeetsBand(u, pa.halfWidth, v, pb.halfWidth)
                       : discMeetsBand(v, pb.halfWidth, u, pa.halfWidth);
    }
    return bandsOverlap(u, pa.halfWidth, v, pb.halfWidth);
}

bool joinedTo(const PlacedPiece& piece, uint32_t other) {
    for (const Joint& j : piece.joints) {
        if (!j.isOpen() && static_cast<uint32_t>(j.target) == other) {
            return true;
        }
    }
    return false;
}

// Pieces that may lie on each other by design: joined, both joined to one piece of more than two
// ends (turnout, crossing, slip, turntable), or stubs of one helix.
bool pairExempt(const CheckModel& model, const PlacedPiece& a, const PlacedPiece& b) {
    if (joinedTo(a, b.id) || joinedTo(b, a.id) || (a.helix != kNoId && a.helix == b.helix)) {
        return true;
    }
    for (const Joint& j : a.joints) {
        if (j.isOpen()) {
            continue;
        }
        const auto hub = model.byId.find(static_cast<uint32_t>(j.target));
        if (hub != model.byId.end() && model.pieces[hub->second].def->connectors.size() > 2 &&
            joinedTo(b, static_cast<uint32_t>(j.target))) {
            return true;
        }
    }
    return false;
}

}  // namespace

CheckModel buildCheckModel(const Layout& layout, const TrackCatalog& catalog) {
    CheckModel model;
    model.pieces.reserve(layout.pieces.size());
    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        const PlacedPiece& piece = layout.pieces[i];
        const PieceDef* def = catalog.byArticle(piece.article);
        if (def == nullptr) {
            continue;
        }
        const PieceShape& shape = pieceShape(*def);
        CheckPiece cp;
        cp.index = i;
        cp.def = def;
        cp.firstPart = static_cast<int>(model.parts.size());
        addRouteParts(piece, *def, shape, model.parts);
        cp.partCount = static_cast<int>(model.parts.size()) - cp.firstPart;
        cp.halfWidth = shape.turntable ? shape.pitRadius : shape.halfWidth;
        cp.disc = shape.turntable;
        cp.bounds = layoutBounds(shape, piece.pose());
        cp.rule = clearanceRule(def->system);
        model.byId.emplace(piece.id, static_cast<int>(model.pieces.size()));
        model.pieces.push_back(cp);
        const std::vector<WorldConnector> ends = worldConnectors(piece, *def);
        for (const WorldConnector& c : ends) {
            if (c.open) {
                model.openEnds.push_back(
                    {i, c.index, {c.x, c.y}, c.heading, heightAt(piece, *def, c.index)});
            }
        }
    }
    return model;
}

namespace {

bool hasExtent(const Bounds& b) {
    return !b.empty() && std::isfinite(b.width()) && std::isfinite(b.height());
}

// A uniform grid over the pieces' band bounds: every piece is listed in each cell its box touches,
// the lists back to back in one array (cell k's run from start[k] to start[k + 1]).
class BoundsGrid {
public:
    explicit BoundsGrid(const std::vector<CheckPiece>& pieces) {
        const int n = static_cast<int>(pieces.size());
        double extent = 0.0;
        for (const CheckPiece& p : pieces) {
            if (hasExtent(p.bounds)) {
                m_all.add(p.bounds);
                extent += std::max(p.bounds.width(), p.bounds.height());
            }
        }
        if (n < 2 || !hasExtent(m_all)) {
            return;
        }
        // Cells about the size of a piece; never more cells than about four per piece.
        m_cell = std::max(10.0, extent / n);
        while ((m_all.width() / m_cell + 1.0) * (m_all.height() / m_cell + 1.0) > 4.0 * n + 16.0) {
            m_cell *= 1.5;
        }
        m_cols = static_cast<int>(m_all.width() / m_cell) + 1;
        m_rows = static_cast<int>(m_all.height() / m_cell) + 1;
        start.assign(static_cast<size_t>(m_cols) * m_rows + 1, 0);
        forEachCell(pieces, [&](int, size_t cell) { ++start[cell + 1]; });
        for (size_t c = 1; c < start.size(); ++c) {
            start[c] += start[c - 1];
        }
        std::vector<int> fill(start.begin(), start.end() - 1);
        entries.resize(static_cast<size_t>(start.back()));
        forEachCell(pieces,
                    [&](int i, size_t cell) { entries[static_cast<size_t>(fill[cell]++)] = i; });
    }

    int cols() const { return m_cols; }
    int rows() const { return m_rows; }
    int col(double x) const {
        return std::clamp(static_cast<int>((x - m_all.minX) / m_cell), 0, m_cols - 1);
    }
    int row(double y) const {
        return std::clamp(static_cast<int>((y - m_all.minY) / m_cell), 0, m_rows - 1);
    }

    std::vector<int> start;    ///< per cell, plus one past the last
    std::vector<int> entries;  ///< piece indices, cell by cell

private:
    template <class F>
    void forEachCell(const std::vector<CheckPiece>& pieces, F&& f) const {
        for (size_t i = 0; i < pieces.size(); ++i) {
            const Bounds& b = pieces[i].bounds;
            if (!hasExtent(b)) {
                continue;  // nothing to meet: no routes, or coordinates past any number
            }
            for (int r = row(b.minY); r <= row(b.maxY); ++r) {
                for (int c = col(b.minX); c <= col(b.maxX); ++c) {
                    f(static_cast<int>(i), static_cast<size_t>(r) * m_cols + c);
                }
            }
        }
    }

    Bounds m_all;
    double m_cell = 1.0;
    int m_cols = 0, m_rows = 0;
};

bool boxesMeet(const Bounds& a, const Bounds& b) {
    return a.maxX >= b.minX && b.maxX >= a.minX && a.maxY >= b.minY && b.maxY >= a.minY;
}

}  // namespace

IndexPairs nearbyPiecePairs(const CheckModel& model) {
    IndexPairs pairs;
    const BoundsGrid grid(model.pieces);
    // A pair sharing several cells is taken only in the cell holding the top-left corner of the
    // overlap of its two boxes.
    for (int r = 0; r < grid.rows(); ++r) {
        for (int c = 0; c < grid.cols(); ++c) {
            const size_t cell = static_cast<size_t>(r) * grid.cols() + c;
            for (int e = grid.start[cell]; e < grid.start[cell + 1]; ++e) {
                const int i = grid.entries[static_cast<size_t>(e)];
                const Bounds& a = model.pieces[static_cast<size_t>(i)].bounds;
                for (int k = e + 1; k < grid.start[cell + 1]; ++k) {
                    const int j = grid.entries[static_cast<size_t>(k)];
                    const Bounds& b = model.pieces[static_cast<size_t>(j)].bounds;
                    if (boxesMeet(a, b) && grid.col(std::max(a.minX, b.minX)) == c &&
                        grid.row(std::max(a.minY, b.minY)) == r) {
                        pairs.emplace_back(std::min(i, j), std::max(i, j));
                    }
                }
            }
        }
    }
    return pairs;
}

IndexPairs nearbyEndPairs(const CheckModel& model) {
    IndexPairs pairs;
    ConnectorGrid grid;
    for (size_t e = 0; e < model.openEnds.size(); ++e) {
        // The grid's piece slot carries the end's index in the model.
        const CheckEnd& end = model.openEnds[e];
        grid.add(e, WorldConnector{end.at.x, end.at.y, 0.0, true, end.conn});
    }
    for (size_t e = 0; e < model.openEnds.size(); ++e) {
        const CheckEnd& end = model.openEnds[e];
        grid.near(end.at, [&](const ConnectorGrid::Entry& other) {
            const CheckEnd& o = model.openEnds[other.piece];
            if (other.piece > e && o.piece != end.piece &&
                std::hypot(o.at.x - end.at.x, o.at.y - end.at.y) <= kNearMissDistance) {
                pairs.emplace_back(static_cast<int>(e), static_cast<int>(other.piece));
            }
        });
    }
    return pairs;
}

void checkPiecePair(const Layout& layout, const CheckModel& model, int i, int j, Units units,
                    std::vector<CheckFinding>& out) {
    const CheckPiece& pa = model.pieces[static_cast<size_t>(i)];
    const CheckPiece& pb = model.pieces[static_cast<size_t>(j)];
    const PlacedPiece& a = layout.pieces[pa.index];
    const PlacedPiece& b = layout.pieces[pb.index];
    if (pa.bounds.maxX < pb.bounds.minX || pb.bounds.maxX < pa.bounds.minX ||
        pa.bounds.maxY < pb.bounds.minY || pb.bounds.maxY < pa.bounds.minY ||
        pairExempt(model, a, b)) {
        return;
    }
    // The least height difference where the bands overlap, and where that is.
    double least = -1.0, za = 0.0, zb = 0.0;
    Vec2 where;
    const double reach = pa.halfWidth + pb.halfWidth;
    for (int p = pa.firstPart; p < pa.firstPart + pa.partCount; ++p) {
        const CheckPart& u = model.parts[static_cast<size_t>(p)];
        for (int q = pb.firstPart; q < pb.firstPart + pb.partCount; ++q) {
            const CheckPart& v = model.parts[static_cast<size_t>(q)];
            if (std::max(u.a.x, u.b.x) + reach < std::min(v.a.x, v.b.x) ||
                std::max(v.a.x, v.b.x) + reach < std::min(u.a.x, u.b.x) ||
                std::max(u.a.y, u.b.y) + reach < std::min(v.a.y, v.b.y) ||
                std::max(v.a.y, v.b.y) + reach < std::min(u.a.y, u.b.y) ||
                !partsOverlap(pa, u, pb, v)) {
                continue;
            }
            double s = 0.0, t = 0.0;
            closestFractions(u.a, u.b, v.a, v.b, s, t);
            const double hu = u.za + s * (u.zb - u.za), hv = v.za + t * (v.zb - v.za);
            if (least < 0.0 || std::fabs(hu - hv) < least) {
                least = std::fabs(hu - hv);
                za = hu;
                zb = hv;
                where = lerp(lerp(u.a, u.b, s), lerp(v.a, v.b, t), 0.5);
            }
        }
    }
    const double clash = std::max(pa.rule.clash, pb.rule.clash);
    const double clearance = std::max(pa.rule.clearance, pb.rule.clearance);
    if (least < 0.0 || least >= clearance) {
        return;
    }
    CheckFinding f;
    f.at = where;
    f.z = std::max(za, zb);
    f.pieces = {std::min(a.id, b.id), std::max(a.id, b.id)};
    f.actual = least;
    f.needed = clearance;
    char buf[256];
    if (least < clash) {
        f.kind = CheckKind::Collision;
        if (least < 0.05) {
            std::snprintf(buf, sizeof buf, "%s and %s run into each other at the same height",
                          a.article.c_str(), b.article.c_str());
        } else {
            std::snprintf(buf, sizeof buf, "%s and %s run into each other, %s apart in height",
                          a.article.c_str(), b.article.c_str(),
                          checkLengthText(least, units).c_str());
        }
    } else {
        f.kind = CheckKind::LowClearance;
        const bool aAbove = za > zb;
        std::snprintf(buf, sizeof buf, "%s passes %s above %s; clearance needed %s",
                      (aAbove ? a : b).article.c_str(), checkLengthText(least, units).c_str(),
                      (aAbove ? b : a).article.c_str(), checkLengthText(clearance, units).c_str());
    }
    f.text = buf;
    out.push_back(std::move(f));
}

void checkEndPair(const Layout& layout, const CheckModel& model, int i, int j, Units units,
                  std::vector<CheckFinding>& out) {
    const CheckEnd& e = model.openEnds[static_cast<size_t>(i)];
    const CheckEnd& o = model.openEnds[static_cast<size_t>(j)];
    const double gap = std::hypot(o.at.x - e.at.x, o.at.y - e.at.y);
    if (e.piece == o.piece || gap > kNearMissDistance) {
        return;
    }
    const PlacedPiece& a = layout.pieces[e.piece];
    const PlacedPiece& b = layout.pieces[o.piece];
    const auto ra = model.byId.find(a.id), rb = model.byId.find(b.id);
    const double clash = std::max(model.pieces[static_cast<size_t>(ra->second)].rule.clash,
                                  model.pieces[static_cast<size_t>(rb->second)].rule.clash);
    if (std::fabs(e.z - o.z) >= clash) {
        return;
    }
    CheckFinding f;
    f.kind = CheckKind::Gap;
    f.at = lerp(e.at, o.at, 0.5);
    f.z = (e.z + o.z) / 2.0;
    f.pieces = {std::min(a.id, b.id), std::max(a.id, b.id)};
    f.actual = gap;
    char buf[256];
    std::snprintf(buf, sizeof buf, "Open ends of %s and %s are %s apart and not joined",
                  a.article.c_str(), b.article.c_str(), checkLengthText(gap, units).c_str());
    f.text = buf;
    out.push_back(std::move(f));
}
