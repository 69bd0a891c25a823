#include "catalog/track_catalog.h"

#include <array>
#include <cstdio>
#include <utility>

const TrackCatalog& TrackCatalog::instance() {
    // Function-local static: built once, thread-safely, on first use; read-only afterwards.
    static const TrackCatalog catalog = [] {
        TrackCatalog c;
        if (!c.m_loaded) {
            addBuiltinTrackPieces(c);
            c.m_loaded = true;
        }
        return c;
    }();
    return catalog;
}

const PieceDef* TrackCatalog::byIndex(int i) const {
    if (i < 0 || i >= count()) {
        return nullptr;
    }
    return &m_pieces[static_cast<size_t>(i)];
}

const PieceDef* TrackCatalog::byArticle(std::string_view article) const {
    // The index is keyed by std::string; a temporary key keeps the lookup exact and
    // case-sensitive without heterogeneous hashing.
    const auto it = m_articleIndex.find(article);
    if (it == m_articleIndex.end()) {
        return nullptr;
    }
    return byIndex(it->second);
}

void TrackCatalog::add(PieceDef def) {
    const int position = count();
    m_articleIndex[def.article] = position;
    m_pieces.push_back(std::move(def));
}

void TrackCatalog::addAlias(const std::string& alias, const std::string& article) {
    const auto it = m_articleIndex.find(article);
    // An alias of an unknown article would point nowhere; leave the index unchanged.
    if (it == m_articleIndex.end()) {
        return;
    }
    m_articleIndex[alias] = it->second;
}

namespace {

struct SystemRow {
    const char* name;   // display name, nullptr where the system has none
    const char* label;  // short label
};

// Indexed by the system id; ids 4 to 6 have labels for the tally but no pieces and no name.
constexpr std::array<SystemRow, 9> kSystems = {{
    {"Marklin C-Track", "Märklin C"},
    {"Marklin K-Track", "Märklin K"},
    {"Marklin Z-Track", "Märklin Z"},
    {"TRIX C-Track", "TRIX C"},
    {nullptr, "Rokuhan Z"},
    {nullptr, "Minitrix N"},
    {nullptr, "Kato N"},
    {"Marklin Gauge 1", "Märklin Gauge 1"},
    {"Marklin M-Track", "Märklin M-Track"},
}};

// Folder keys of the systems with pieces; Gauge 1 drops its blank, unlike the generic rule.
constexpr std::array<std::pair<const char*, const char*>, 6> kFolderKeys = {{
    {"Marklin C-Track", "Marklin_C-Track"},
    {"Marklin K-Track", "Marklin_K-Track"},
    {"Marklin Z-Track", "Marklin_Z-Track"},
    {"TRIX C-Track", "TRIX_C-Track"},
    {"Marklin Gauge 1", "Marklin_Gauge1"},
    {"Marklin M-Track", "Marklin_M-Track"},
}};

}  // namespace

std::string systemName(TrackSystem id) {
    if (id < kSystems.size() && kSystems[id].name != nullptr) {
        return kSystems[id].name;
    }
    return "Unknown";
}

std::string systemLabel(TrackSystem id) {
    if (id < kSystems.size()) {
        return kSystems[id].label;
    }
    return "Unknown";
}

std::string systemFolderKey(const std::string& displayName) {
    for (const auto& [name, key] : kFolderKeys) {
        if (displayName == name) {
            return key;
        }
    }
    if (displayName == "Minitrix") {
        return "Minitrix-Track";
    }
    std::string key = displayName;
    for (char& ch : key) {
        if (ch == ' ') {
            ch = '_';
        }
    }
    return key;
}

std::string adapterAdvice(TrackSystem a, TrackSystem b) {
    const auto is = [a, b](TrackSystem x, TrackSystem y) {
        return (a == x && b == y) || (a == y && b == x);
    };
    if (is(Systems::CTrack, Systems::KTrack)) {
        return "Use adapter track 24922 to connect C-Track to K-Track.";
    }
    if (is(Systems::CTrack, Systems::MTrack)) {
        return "Use adapter track 24951 to connect C-Track to M-Track.";
    }
    if (is(Systems::KTrack, Systems::MTrack)) {
        return "Use adapter track 2291 to connect K-Track to M-Track.";
    }
    return "There is no adapter track for this combination.";
}

std::string incompatibleSystemsMessage(TrackSystem newSystem, TrackSystem existingSystem) {
    return systemName(newSystem) + " cannot connect to " + systemName(existingSystem) +
           ".\n\nThese track systems are not compatible.\n" +
           adapterAdvice(newSystem, existingSystem);
}

bool isPlainTrack(const PieceDef& def, PieceKind kind, TrackSystem system) {
    if (def.system != system || def.kind != kind || def.isBridge || def.isRamp) {
        return false;
    }
    if (kind == PieceKind::Straight && !(def.length > 0.0)) {
        return false;
    }
    if (kind == PieceKind::Curve && !(def.radius > 0.0 && def.angle > 0.0)) {
        return false;
    }
    // Special-purpose pieces share the plain kinds; their names give them away.
    static constexpr std::array<const char*, 11> kExcluded = {
        "Bridge", "Ramp",    "Turntable", "Circuit", "Uncoupler",   "Feeder",
        "Isolat", "Contact", "Adapter",   "Spoke",   "Compensation"};
    for (const char* word : kExcluded) {
        if (def.name.find(word) != std::string::npos) {
            return false;
        }
    }
    return true;
}
