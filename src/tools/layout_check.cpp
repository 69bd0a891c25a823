#include "tools/layout_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "catalog/piece_shape.h"
#include "document/snap_search.h"
#include "edit/edit.h"
#include "edit/elevation.h"
#include "tools/target_fill.h"

namespace {

// printf into a string; the texts here are short.
template <class... Args>
std::string format(const char* pattern, Args... args) {
    char buf[256];
    std::snprintf(buf, sizeof buf, pattern, args...);
    return buf;
}

double gradePercent(double deg) {
    return std::sin(degToRad(std::fabs(deg))) * 100.0;
}

// The slope (degrees) met when travelling through connector c into the piece.
double slopeInto(const PlacedPiece& piece, int c) {
    const double climb = piece.rev ? -piece.grade : piece.grade;
    return c == 0 ? climb : -climb;
}

// Steeper than the Elevation Wizard lays without asking and the properties panel shows without
// a warning (kSteepGrade degrees); the list gives it in percent, as modellers measure grades.
void checkGrade(const PlacedPiece& piece, const PieceDef& def, std::vector<CheckFinding>& out) {
    if (std::fabs(piece.grade) <= kSteepGrade + 1e-9) {
        return;
    }
    const double percent = gradePercent(piece.grade);
    const double limit = gradePercent(kSteepGrade);
    CheckFinding f;
    f.kind = CheckKind::SteepGrade;
    f.at = localToLayout(piece.pose(), pieceShape(def).midpoint);
    f.z = (piece.z + heightAt(piece, def, def.connectors.size() > 1 ? 1 : 0)) / 2.0;
    f.pieces = {piece.id};
    f.actual = percent;
    f.needed = limit;
    f.text = format("%s climbs %.1f %% (limit %.1f %%)", piece.article.c_str(), percent, limit);
    out.push_back(std::move(f));
}

// A kink in grade or a bad joint between connector c of `piece` and its joined neighbour, looked
// at once from the piece with the smaller id.
void checkJoint(const Layout& layout, const CheckModel& model, const PlacedPiece& piece,
                const PieceDef& def, int c, Units units, std::vector<CheckFinding>& out) {
    const Joint joint = piece.jointAt(c);
    const auto other = model.byId.find(static_cast<uint32_t>(joint.target));
    if (joint.isOpen() || static_cast<uint32_t>(joint.target) <= piece.id ||
        other == model.byId.end()) {
        return;
    }
    const CheckPiece& op = model.pieces[static_cast<size_t>(other->second)];
    const PlacedPiece& q = layout.pieces[op.index];
    if (joint.tconn < 0 || joint.tconn >= static_cast<int>(op.def->connectors.size()) ||
        c >= static_cast<int>(def.connectors.size())) {
        return;
    }
    const WorldConnector mine = connectorToWorld(piece, def, c);
    const WorldConnector theirs = connectorToWorld(q, *op.def, joint.tconn);
    const double apart = std::hypot(mine.x - theirs.x, mine.y - theirs.y);
    const double facing = headingDifference(mine.heading, theirs.heading);
    CheckFinding f;
    f.at = {(mine.x + theirs.x) / 2.0, (mine.y + theirs.y) / 2.0};
    f.z = heightAt(piece, def, c);
    f.pieces = {piece.id, q.id};
    if (apart > kRejoinDistance || facing < kJointMinFacing) {
        f.kind = CheckKind::Gap;
        f.actual = apart;
        f.text = format("Joint of %s and %s is off by %s and %.1f deg", piece.article.c_str(),
                        q.article.c_str(), checkLengthText(apart, units).c_str(), 180.0 - facing);
        out.push_back(f);
    }
    // Travelling from `piece` into q: the slope leaving `piece` against the slope entering q.
    const double kink = std::fabs(-slopeInto(piece, c) - slopeInto(q, joint.tconn));
    if (kink > kGradeKinkDeg + 1e-9) {
        f.kind = CheckKind::SteepGrade;
        f.actual = kink;
        f.needed = kGradeKinkDeg;
        f.text = format("Grade changes by %.1f deg between %s and %s (limit %.1f deg)", kink,
                        piece.article.c_str(), q.article.c_str(), kGradeKinkDeg);
        out.push_back(std::move(f));
    }
}

// Whether any of the points lies outside the board (by more than the margin) or any edge of the
// closed polygon `pts` crosses a board edge; `wholly` when every point lies outside.
bool offBoard(const std::vector<Vec2>& board, const std::vector<Vec2>& pts, bool& wholly);

void checkOffTable(const Layout& layout, const CheckModel& model, const SceneryCatalog& scenery,
                   std::vector<CheckFinding>& out) {
    const std::vector<Vec2>& board = layout.baseboard.vertices;
    if (board.size() < 3) {
        return;
    }
    std::vector<Vec2> pts;
    bool wholly = false;
    for (const CheckPiece& cp : model.pieces) {
        const PlacedPiece& piece = layout.pieces[cp.index];
        const PieceShape& shape = pieceShape(*cp.def);
        // Each route's band is a polygon of its own; a turntable is its pit.
        bool off = false;
        wholly = true;
        for (size_t p = 0; p < shape.paths.size(); ++p) {
            pts.clear();
            appendToLayout(piece.pose(), shape.bandPoints(static_cast<int>(p)),
                           static_cast<size_t>(shape.paths[p].outlineCount), pts);
            bool all = false;
            off = offBoard(board, pts, all) || off;
            wholly = wholly && all;
        }
        if (shape.turntable) {
            pts.clear();
            appendCircle({piece.x, piece.y}, shape.pitRadius, kCircleSegments, pts);
            bool all = false;
            off = offBoard(board, pts, all) || off;
            wholly = wholly && all;
        }
        if (!off) {
            continue;
        }
        CheckFinding f;
        f.kind = CheckKind::OffTable;
        f.at = localToLayout(piece.pose(), shape.midpoint);
        f.z = piece.z;
        f.pieces = {piece.id};
        f.text = format(wholly ? "%s lies off the table" : "%s lies partly off the table",
                        piece.article.c_str());
        out.push_back(std::move(f));
    }
    for (const SceneryItem& item : layout.scenery) {
        const SceneryDef* def = scenery.byKey(item.item);
        if (def == nullptr) {
            continue;
        }
        const double hw = def->width / 2.0 * item.scalex, hd = def->depth / 2.0 * item.scaley;
        const Vec2 corners[4] = {{-hw, -hd}, {hw, -hd}, {hw, hd}, {-hw, hd}};
        pts.clear();
        appendToLayout({item.x, item.y, item.heading}, corners, 4, pts);
        if (!offBoard(board, pts, wholly)) {
            continue;
        }
        CheckFinding f;
        f.kind = CheckKind::OffTable;
        f.at = {item.x, item.y};
        const LayoutLevel* level = layout.FindLevel(item.level);
        f.z = level != nullptr ? level->height : 0.0;
        f.scenery = {item.id};
        f.text = format(wholly ? "%s lies off the table" : "%s lies partly off the table",
                        def->name.c_str());
        out.push_back(std::move(f));
    }
}

double boundaryDistance(const std::vector<Vec2>& poly, Vec2 p) {
    double best = std::hypot(p.x - poly[0].x, p.y - poly[0].y);
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        best = std::min(best, segmentDistance(p, poly[j], poly[i]));
    }
    return best;
}

bool offBoard(const std::vector<Vec2>& board, const std::vector<Vec2>& pts, bool& wholly) {
    wholly = false;
    if (pts.empty()) {
        return false;
    }
    int outside = 0;
    for (const Vec2& p : pts) {
        if (!insidePolygon(board, p) && boundaryDistance(board, p) > kOverlapMargin) {
            ++outside;
        }
    }
    wholly = outside == static_cast<int>(pts.size());
    if (outside > 0) {
        return true;
    }
    // Every corner on the board, yet an edge may still cross a notch of a concave board.
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        for (size_t k = 0, l = board.size() - 1; k < board.size(); l = k++) {
            const double d1 = cross(board[l], board[k], pts[j]);
            const double d2 = cross(board[l], board[k], pts[i]);
            const double d3 = cross(pts[j], pts[i], board[l]);
            const double d4 = cross(pts[j], pts[i], board[k]);
            const double eps =
                1e-6 * (std::fabs(d1) + std::fabs(d2) + std::fabs(d3) + std::fabs(d4) + 1.0);
            if (((d1 > eps && d2 < -eps) || (d1 < -eps && d2 > eps)) &&
                ((d3 > eps && d4 < -eps) || (d3 < -eps && d4 > eps))) {
                return true;
            }
        }
    }
    return false;
}

bool findingBefore(const CheckFinding& a, const CheckFinding& b) {
    return std::tie(a.kind, a.at.y, a.at.x, a.pieces, a.scenery, a.text) <
           std::tie(b.kind, b.at.y, b.at.x, b.pieces, b.scenery, b.text);
}

}  // namespace

ClearanceRule clearanceRule(TrackSystem system) {
    switch (system) {
        case Systems::CTrack:
        case Systems::TrixC:
            return {74.5, 15.0};
        case Systems::KTrack:
        case Systems::MTrack:
            return {68.5, 15.0};
        case Systems::ZTrack:
        case Systems::RokuhanZ:
        case Systems::MinitrixN:
        case Systems::KatoN:
            return {45.0, 8.0};
        case Systems::Gauge1:
            return {200.0, 25.0};
        default:
            return {74.5, 15.0};
    }
}

std::string checkLengthText(double mm, Units units) {
    char buf[64];
    const int decimals = units == Units::Inches ? 2 : units == Units::Centimetres ? 2 : 1;
    std::snprintf(buf, sizeof buf, "%.*f %s", decimals, toDisplay(mm, units), unitLabel(units));
    return buf;
}

CheckResult checkLayoutWith(const Layout& layout, const CheckModel& model,
                            const IndexPairs& piecePairs, const IndexPairs& endPairs, Units units,
                            const SceneryCatalog& scenery) {
    CheckResult result;
    std::vector<CheckFinding>& out = result.findings;
    for (const auto& [i, j] : piecePairs) {
        checkPiecePair(layout, model, i, j, units, out);
    }
    for (const CheckPiece& cp : model.pieces) {
        const PlacedPiece& piece = layout.pieces[cp.index];
        checkGrade(piece, *cp.def, out);
        for (int c = 0; c < static_cast<int>(piece.joints.size()); ++c) {
            checkJoint(layout, model, piece, *cp.def, c, units, out);
        }
    }
    for (const auto& [i, j] : endPairs) {
        checkEndPair(layout, model, i, j, units, out);
    }
    checkOffTable(layout, model, scenery, out);
    for (const CheckEnd& end : model.openEnds) {
        const PlacedPiece& piece = layout.pieces[end.piece];
        const PieceKind kind = model.pieces[static_cast<size_t>(model.byId.at(piece.id))].def->kind;
        if (kind == PieceKind::BufferStop || kind == PieceKind::Turntable) {
            continue;
        }
        CheckFinding f;
        f.kind = CheckKind::OpenEnd;
        f.at = end.at;
        f.z = end.z;
        f.pieces = {piece.id};
        f.text = format("Open end of %s", piece.article.c_str());
        out.push_back(std::move(f));
    }
    std::sort(out.begin(), out.end(), findingBefore);
    for (const CheckFinding& f : out) {
        ++result.counts[static_cast<size_t>(f.kind)];
    }
    return result;
}

CheckResult checkLayout(const Layout& layout, Units units, const TrackCatalog& catalog,
                        const SceneryCatalog& scenery) {
    const CheckModel model = buildCheckModel(layout, catalog);
    return checkLayoutWith(layout, model, nearbyPiecePairs(model), nearbyEndPairs(model), units,
                           scenery);
}

const char* checkKindName(CheckKind kind) {
    switch (kind) {
        case CheckKind::Collision:
            return "Collision";
        case CheckKind::LowClearance:
            return "Low clearance";
        case CheckKind::SteepGrade:
            return "Steep grade";
        case CheckKind::Gap:
            return "Gap or near miss";
        case CheckKind::OffTable:
            return "Off the table";
        case CheckKind::OpenEnd:
            return "Open end";
    }
    return "";
}

std::string checkSummary(const CheckResult& result) {
    static const char* const kPlural[kCheckKindCount][2] = {
        {"collision", "collisions"},
        {"low clearance", "low clearances"},
        {"steep grade", "steep grades"},
        {"gap or near miss", "gaps or near misses"},
        {"item off the table", "items off the table"},
        {"open end", "open ends"}};
    std::string text;
    for (int k = 0; k < kCheckKindCount; ++k) {
        const int n = result.counts[static_cast<size_t>(k)];
        if (n > 0) {
            text +=
                (text.empty() ? "" : ", ") + std::to_string(n) + " " + kPlural[k][n == 1 ? 0 : 1];
        }
    }
    return text.empty() ? "No problems found." : text;
}

void selectFinding(LayoutEditor& editor, const CheckFinding& finding) {
    Layout& layout = editor.layout();
    layout.DeselectAll();
    for (const uint32_t id : finding.pieces) {
        if (PlacedPiece* piece = layout.EditPiece(id)) {
            piece->selected = true;
        }
    }
    for (const uint32_t id : finding.scenery) {
        if (SceneryItem* item = layout.EditScenery(id)) {
            item->selected = true;
        }
    }
    editor.selectionChanged();
}
