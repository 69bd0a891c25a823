#include "wizards/loop_generator.h"

#include <algorithm>
#include <cmath>

#include "document/snap_search.h"

namespace {

constexpr double kFillTolerance = 2.0;
/// Length a station adds to its turnouts and the siding's shortfall: room for the platform.
constexpr double kStationPlatformRun = 1200.0;
/// The shortest platform run a station edge must leave room for.
constexpr double kStationLeast = 540.0;
constexpr double kPlatformTrim = 40.0;
constexpr double kPlatformMinimum = 200.0;
constexpr double kPlatformClearance = 4.0;
constexpr double kPlatformThinnest = 3.0;
constexpr double kBuildingDistance = 20.0;

Vec2 at(const WorldConnector& c) {
    return {c.x, c.y};
}

}  // namespace

LoopGenerator::LoopGenerator(TrackSystem system, int32_t level, const SceneryCatalog& scenery)
    : m_system(system), m_level(level), m_scenery(scenery) {}

double LoopGenerator::shortest(const LoopRequest& request) const {
    return request.straights->empty() ? 0.0 : request.straights->back().length;
}

size_t LoopGenerator::place(Chain& chain, const PieceDef& def, bool reversed, double z,
                            double grade) {
    const int entry = reversed ? 1 : 0;
    const Pose pose = matingPose(def, entry, chain.end);
    PlacedPiece piece;
    piece.id = static_cast<uint32_t>(m_fragment.pieces.size() + 1);
    piece.article = def.article;
    piece.setPose(pose);
    piece.z = z;
    piece.grade = grade;
    piece.level = m_level;
    piece.joints.assign(def.connectors.size(), Joint{});
    m_fragment.pieces.push_back(std::move(piece));
    m_defs.push_back(&def);
    m_entries.push_back(entry);
    const size_t index = m_fragment.pieces.size() - 1;
    if (chain.piece >= 0) {
        joinPieces(index, entry, static_cast<size_t>(chain.piece), chain.conn);
    }
    const int exit = reversed ? 0 : 1;
    chain.end = connectorToWorld(pose, def, exit);
    chain.piece = static_cast<long>(index);
    chain.conn = exit;
    return index;
}

void LoopGenerator::joinPieces(size_t a, int connA, size_t b, int connB) {
    PlacedPiece& pa = m_fragment.pieces[a];
    PlacedPiece& pb = m_fragment.pieces[b];
    pa.joints[static_cast<size_t>(connA)] = {static_cast<int32_t>(pb.id), connB};
    pb.joints[static_cast<size_t>(connB)] = {static_cast<int32_t>(pa.id), connA};
}

void LoopGenerator::closeAt(const Chain& chain, size_t piece, int conn) {
    const PlacedPiece& p = m_fragment.pieces[piece];
    const WorldConnector far = connectorToWorld(p.pose(), *m_defs[piece], conn);
    m_closingError = std::max(m_closingError, distance(at(chain.end), at(far)));
    joinPieces(piece, conn, static_cast<size_t>(chain.piece), chain.conn);
}

void LoopGenerator::placeStraights(Chain& chain, double length) {
    for (const StraightSpec& s : fillStraights(*m_straights, length, kFillTolerance)) {
        place(chain, *s.def, false);
    }
}

std::vector<StraightSpec> LoopGenerator::placeStraightsBefore(Chain& chain, double room,
                                                              double middle, double shortest) {
    // The straights of both sides are found together, as near the room left as straights come,
    // and shared out, so that the part after the middle closes the edge as well as the part
    // before it starts it.
    const double rest = std::max(0.0, room - middle);
    std::vector<StraightSpec> both;
    for (int k = 0; k <= static_cast<int>(shortest) && both.empty() && rest > kFillTolerance; ++k) {
        for (const double candidate : {rest - k, rest + k}) {
            if (both.empty() && fillable(candidate)) {
                both = fillStraights(*m_straights, candidate, kFillTolerance);
            }
        }
    }
    const double half = rest / 2.0;
    std::vector<StraightSpec> after;
    double before = 0.0, afterLength = 0.0;
    for (const StraightSpec& s : both) {
        if (before <= afterLength && before + s.length <= half + kFillTolerance) {
            before += s.length;
            place(chain, *s.def, false);
        } else {
            afterLength += s.length;
            after.push_back(s);
        }
    }
    return after;
}

void LoopGenerator::placeAll(Chain& chain, const std::vector<StraightSpec>& straights) {
    for (const StraightSpec& s : straights) {
        place(chain, *s.def, false);
    }
}

void LoopGenerator::fillTo(Chain& chain, Vec2 target, Vec2 along) {
    placeStraights(chain, dot({target.x - chain.end.x, target.y - chain.end.y}, along));
}

bool LoopGenerator::generateLoop(const LoopRequest& request) {
    const InsetOutline& outline = *request.outline;
    const size_t n = outline.size();
    if (n < 3 || request.straights == nullptr || request.convex.def == nullptr ||
        request.concave.def == nullptr) {
        return false;
    }
    const auto allowance = [&](size_t i) {
        return outline[i % n].corner > 0 ? request.convex.radius : request.concave.radius;
    };
    for (size_t i = 0; i < n; ++i) {
        if (allowance(i) + allowance(i + 1) - 0.5 > edgeLength(outline, i)) {
            return false;
        }
    }
    m_straights = request.straights;
    const size_t firstPiece = m_fragment.pieces.size();
    Chain chain;
    const Vec2 along0 = outline[0].along;
    chain.end = {outline[0].x + along0.x * allowance(0), outline[0].y + along0.y * allowance(0),
                 normalizeHeading(radToDeg(std::atan2(along0.y, along0.x))), true, -1};
    for (size_t i = 0; i < n; ++i) {
        const InsetVertex& next = outline[(i + 1) % n];
        const Vec2 along = outline[i].along;
        const Vec2 target{next.x - along.x * allowance(i + 1), next.y - along.y * allowance(i + 1)};
        const double room = dot({target.x - chain.end.x, target.y - chain.end.y}, along);
        if (static_cast<int>(i) == request.stationEdge && request.station != nullptr) {
            placeStationEdge(chain, request, room);
        } else if (static_cast<int>(i) == request.bridgeEdge && request.bridge != nullptr) {
            placeBridgeEdge(chain, request, room);
        }
        fillTo(chain, target, along);
        const CurveSpec& curve = next.corner > 0 ? request.convex : request.concave;
        for (int k = 0; k < curve.count; ++k) {
            place(chain, *curve.def, next.corner < 0);
        }
    }
    // The loop closes where its first piece was entered.
    closeAt(chain, firstPiece, m_entries[firstPiece]);
    return true;
}

void LoopGenerator::placeStationEdge(Chain& chain, const LoopRequest& request, double room) {
    const StationSpec& spec = *request.station;
    const double low = shortest(request);
    double length = 2.0 * spec.turnoutLength + spec.shortfall + kStationPlatformRun;
    if (2.0 * low + length >= room) {
        length = room;
    } else {
        length = fittingStationLength(spec, room, length, low);
    }
    const std::vector<StraightSpec> after = placeStraightsBefore(chain, room, length, low);
    placeStation(chain, spec, length);
    placeAll(chain, after);
}

bool LoopGenerator::fillable(double distance) const {
    if (distance <= kFillTolerance) {
        return distance >= -kFillTolerance;
    }
    double total = 0.0;
    for (const StraightSpec& s : fillStraights(*m_straights, distance, kFillTolerance)) {
        total += s.length;
    }
    return std::abs(total - distance) <= kFillTolerance;
}

double LoopGenerator::fittingStationLength(const StationSpec& spec, double room, double length,
                                           double shortest) const {
    // The platform run gives way by up to a straight's length, 1 mm at a time, when straights
    // cannot fill the rest of the edge or the station's own runs at the planned length.
    const double least = 2.0 * spec.turnoutLength + spec.shortfall + kStationLeast;
    for (int k = 0; k <= static_cast<int>(shortest); ++k) {
        for (const double candidate : {length + k, length - k}) {
            if (candidate >= least && candidate <= room && fillable(room - candidate) &&
                fillable(candidate - 2.0 * spec.turnoutLength) &&
                fillable(candidate - 2.0 * spec.turnoutLength - spec.shortfall)) {
                return candidate;
            }
        }
    }
    return length;
}

void LoopGenerator::placeStation(Chain& chain, const StationSpec& spec, double length) {
    const size_t right = place(chain, *spec.rightTurnout, false);
    const Segment main{at(chain.end), {}};
    placeStraights(chain, length - 2.0 * spec.turnoutLength);
    const Vec2 mainEnd = at(chain.end);
    const size_t left = place(chain, *spec.leftTurnout, true);

    Chain siding;
    siding.end = connectorToWorld(m_fragment.pieces[right].pose(), *spec.rightTurnout, 2);
    siding.piece = static_cast<long>(right);
    siding.conn = 2;
    if (spec.extraStraight != nullptr) {
        place(siding, *spec.extraStraight, false);
    }
    place(siding, *spec.curve, true);
    const Vec2 sidingStart = at(siding.end);
    placeStraights(siding, length - 2.0 * spec.turnoutLength - spec.shortfall);
    const Vec2 sidingEnd = at(siding.end);
    place(siding, *spec.curve, true);
    if (spec.extraStraight != nullptr) {
        place(siding, *spec.extraStraight, false);
    }
    closeAt(siding, left, 2);
    addStationScenery(spec, {main.from, mainEnd}, {sidingStart, sidingEnd});
}

void LoopGenerator::placeBridgeEdge(Chain& chain, const LoopRequest& request, double room) {
    const BridgeSpec& spec = *request.bridge;
    const std::vector<StraightSpec> after = placeStraightsBefore(
        chain, room, 2.0 * spec.rampRun + spec.spanLength(), shortest(request));
    placeBridge(chain, spec);
    placeAll(chain, after);
}

void LoopGenerator::placeBridge(Chain& chain, const BridgeSpec& spec) {
    double height = 0.0;
    const auto ramp = [&](const PieceDef& def, double grade) {
        place(chain, def, false, height, grade);
        height += std::sin(degToRad(grade)) * def.length;
    };
    ramp(*spec.shortStraight, spec.grade);
    for (int k = 0; k < 4; ++k) {
        ramp(*spec.rampStraight, spec.grade);
    }
    for (const PieceDef* span : spec.spans) {
        place(chain, *span, false, height, 0.0);
    }
    for (int k = 0; k < 4; ++k) {
        ramp(*spec.rampStraight, -spec.grade);
    }
    ramp(*spec.shortStraight, -spec.grade);
}

void LoopGenerator::addStationScenery(const StationSpec& spec, Segment main, Segment siding) {
    const double trackWidth = m_system == Systems::ZTrack ? 14.0 : 37.4;
    const double mainLength = distance(main.from, main.to);
    const double sidingLength = distance(siding.from, siding.to);
    if (mainLength <= 0.0 || sidingLength <= 0.0) {
        return;
    }
    const Vec2 u{(main.to.x - main.from.x) / mainLength, (main.to.y - main.from.y) / mainLength};
    const Vec2 mid{(siding.from.x + siding.to.x) / 2.0, (siding.from.y + siding.to.y) / 2.0};
    // Unit vector from the siding towards the main line, across the track.
    Vec2 towards{-u.y, u.x};
    if (dot({main.from.x - mid.x, main.from.y - mid.y}, towards) < 0.0) {
        towards = {-towards.x, -towards.y};
    }
    const double mainHeading = normalizeHeading(radToDeg(std::atan2(u.y, u.x)));
    const double spacing = spec.sidingSpacing;
    const SceneryDef* platform = m_scenery.byKey("platform_island");
    const double depthLeft = spacing - trackWidth - kPlatformClearance;
    if (platform != nullptr && sidingLength - kPlatformTrim >= kPlatformMinimum &&
        depthLeft >= kPlatformThinnest) {
        SceneryItem item;
        item.item = platform->key;
        item.x = mid.x + towards.x * spacing / 2.0;
        item.y = mid.y + towards.y * spacing / 2.0;
        item.heading = mainHeading;
        item.scalex = (sidingLength - kPlatformTrim) / platform->width;
        item.scaley = depthLeft / platform->depth;
        item.level = m_level;
        m_fragment.scenery.push_back(item);
    }
    if (const SceneryDef* building = m_scenery.byKey("station_small")) {
        const double away = building->depth / 2.0 + trackWidth / 2.0 + kBuildingDistance;
        const double sidingHeading =
            radToDeg(std::atan2(siding.to.y - siding.from.y, siding.to.x - siding.from.x));
        SceneryItem item;
        item.item = building->key;
        item.x = mid.x - towards.x * away;
        item.y = mid.y - towards.y * away;
        item.heading = normalizeHeading(sidingHeading + 180.0);
        item.level = m_level;
        m_fragment.scenery.push_back(item);
    }
}
