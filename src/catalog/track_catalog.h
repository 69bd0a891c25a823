#pragma once
// The catalog model: track systems, piece kinds, connector and piece definitions, and the one
// process-wide TrackCatalog that holds the built-in pieces. Placed pieces refer to definitions
// only by article number.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "geometry/geometry.h"

/// Track system identifiers; stored only through articles, never written to files.
using TrackSystem = uint32_t;
namespace Systems {
inline constexpr TrackSystem CTrack = 0;
inline constexpr TrackSystem KTrack = 1;
inline constexpr TrackSystem ZTrack = 2;
inline constexpr TrackSystem TrixC = 3;
inline constexpr TrackSystem RokuhanZ = 4;
inline constexpr TrackSystem MinitrixN = 5;
inline constexpr TrackSystem KatoN = 6;
inline constexpr TrackSystem Gauge1 = 7;
inline constexpr TrackSystem MTrack = 8;
}  // namespace Systems

/// Kind of a piece; the numbers are fixed (9 is unused).
enum class PieceKind : uint32_t {
    Straight = 0,
    Curve = 1,
    LeftTurnout = 2,
    RightTurnout = 3,
    CurvedTurnout = 4,
    DoubleSlip = 5,
    BufferStop = 6,
    Uncoupler = 7,
    Crossing = 8,
    Turntable = 10,
    OffsetCurvedTurnout = 11,
};

/// One catalog piece. length: straight length, arc length, turnout straight route, main track of
/// crossings and slips, offset of an offset curved turnout's outer branch, or turntable size (mm).
/// angle: curve angle, turnout branch angle (negative branches left), crossing angle, or turntable
/// connector spacing (degrees).
struct PieceDef {
    std::string article;
    std::string name;
    TrackSystem system = 0;
    PieceKind kind = PieceKind::Straight;
    double length = 0.0;
    double radius = 0.0;
    double angle = 0.0;
    std::vector<ConnectorDef> connectors;
    bool isBridge = false;
    bool isRamp = false;
    std::vector<TrackSystem> connectorSystems;  ///< per-connector systems; adapters only
};

/// The single catalog of the process; filled once on first use and read-only afterwards.
class TrackCatalog {
public:
    /// The built-in catalog, created and filled on first call.
    static const TrackCatalog& instance();

    /// An empty catalog (tests build their own).
    TrackCatalog() = default;

    int count() const { return static_cast<int>(m_pieces.size()); }
    /// Definition at position i, or nullptr when i is out of range.
    const PieceDef* byIndex(int i) const;
    /// Exact, case-sensitive article (or alias) lookup, or nullptr.
    const PieceDef* byArticle(std::string_view article) const;
    const std::vector<PieceDef>& pieces() const { return m_pieces; }

    /// Appends; a later definition with the same article becomes the one found by byArticle.
    void add(PieceDef def);
    /// Makes byArticle(alias) return the definition of `article` (no new entry in pieces).
    void addAlias(const std::string& alias, const std::string& article);

    bool loaded() const { return m_loaded; }

private:
    std::vector<PieceDef> m_pieces;
    // Transparent hashing lets byArticle look a string_view up without building a string; it
    // runs for every placed piece on every snap search.
    struct ArticleHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, int, ArticleHash, std::equal_to<>> m_articleIndex;
    bool m_loaded = false;

    friend void addBuiltinTrackPieces(TrackCatalog& catalog);
    friend TrackCatalog makeBuiltinCatalog();
};

/// Fills `catalog` with the 248 built-in pieces in catalog order, and the aliases.
void addBuiltinTrackPieces(TrackCatalog& catalog);

/// Display name ("Marklin C-Track"...), or "Unknown" for an id without one.
std::string systemName(TrackSystem id);
/// Short label ("Märklin C"...), "Unknown" above 8.
std::string systemLabel(TrackSystem id);
/// Folder key for a palette system name: table entries, "Minitrix" -> "Minitrix-Track", else
/// blanks replaced by "_".
std::string systemFolderKey(const std::string& displayName);
/// Which adapter joins the two systems (symmetric).
std::string adapterAdvice(TrackSystem a, TrackSystem b);
/// Text of the "Incompatible Track Systems" message for a refused join.
std::string incompatibleSystemsMessage(TrackSystem newSystem, TrackSystem existingSystem);
/// Ordinary track of the given kind (Straight or Curve) and system, for the automatic fillers.
bool isPlainTrack(const PieceDef& def, PieceKind kind, TrackSystem system);
