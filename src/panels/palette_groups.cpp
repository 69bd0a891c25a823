#include "panels/palette_groups.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>

#include "catalog/helix_catalog.h"
#include "catalog/piece_shape.h"
#include "catalog/scenery_catalog.h"
#include "render/render_rules.h"

namespace {

using Group = PaletteGroup;

const std::vector<Group> kCTrack = {
    {"Straights",
     {"24064", "24071", "24077", "24094", "24172", "24188", "24229", "24236", "24360"}},
    {"Curves",
     {"24130", "24115", "24107", "24230", "24294", "24224", "24215", "24207", "24206", "24330",
      "24315", "24430", "24530", "24912"}},
    {"Switches", {"24611", "24612", "24671", "24672", "24630"}},
    {"Crossings", {"24640", "24649", "24740"}},
    {"Double Slip Switches", {"24624", "24720"}},
    {"Slim Switches", {"24711", "24712", "24771", "24772"}},
    {"Circuit Tracks", {"24994", "24294"}},
    {"Other", {"24997", "24977", "24978", "74861", "74871"}},
    {"Adapter Tracks", {"24922", "24951"}},
    {"Bridges", {"74636", "74620", "74623", "74613", "74618"}},
};

const std::vector<Group> kKTrack = {
    {"Straights",
     {"2200", "2201", "2202", "2203", "2204", "2205", "2206", "2207", "2208", "2209", "2293"}},
    {"Special Track", {"2290", "2291", "2292", "2295", "2297", "2299", "2229", "2239"}},
    {"Industrial Curve (360mm)", {"2210"}},
    {"Standard Curve (360mm)", {"2221", "2223", "2224"}},
    {"Standard Curve II (424.6mm)", {"2231", "2232", "2233", "2234", "2235"}},
    {"Large Curve (553.9mm)", {"2241"}},
    {"Large Curve (618.5mm)", {"2251"}},
    {"Turnout Curve (pairs w/ 22715-16)", {"2274"}},
    {"Crossings", {"2257", "2258", "2259"}},
    {"Turnouts", {"2262", "2263", "2265", "2266", "2268", "2269", "2270", "22715", "22716"}},
    {"Double Slip Switches", {"2260", "2275"}},
    {"Bumpers", {"7389", "7391"}},
    {"Bridges", {"7263", "7262", "7268", "7569", "7267"}},
    {"Turntable", {"7286", "7287"}},
};

const std::vector<Group> kTrixC = {
    {"Straights",
     {"62064", "62071", "62077", "62094", "62172", "62188", "62229", "62236", "62360"}},
    {"Curves R1 (360mm)", {"62107", "62115", "62130"}},
    {"Curves R2 (437.5mm)", {"62206", "62207", "62215", "62224", "62230"}},
    {"Curves R3 (515mm)", {"62315", "62330"}},
    {"Curves R9 (1114.6mm)", {"62912"}},
    {"Switches", {"62611", "62612", "62671", "62672", "62630"}},
    {"Double Slip Switches", {"62624"}},
    {"Other", {"62977", "62997"}},
    {"Bridges", {"74636T", "74620T", "74618T", "74623T", "74613T"}},
};

const std::vector<Group> kZTrack = {
    {"Straights", {"8500", "8501", "8502", "8503", "8504", "8505", "8506", "8507"}},
    {"Curves R1 (145mm)", {"8510", "8511"}},
    {"Curves R2 (195mm)", {"8520", "8521", "8529"}},
    {"Curves R3 (220mm)", {"8530", "8531", "8539"}},
    {"Turnout Branch Curve", {"8591"}},
    {"Turnouts", {"8562", "8563", "8565", "8566"}},
    {"Curved Turnouts", {"8568", "8569"}},
    {"Crossings", {"8559", "8560"}},
    {"Other", {"8587", "8588", "8590", "8598", "8991"}},
    {"Bridges", {"8975", "89759", "8976", "8977"}},
};

const std::vector<Group> kGauge1 = {
    {"Straights",
     {"59051", "59052", "59053", "59054", "59055", "59056", "59057", "59058", "59059", "59061"}},
    {"Curves R1 (1020mm) 22.5\u00b0", {"59035"}},
    {"Curves R2 (1176mm) 22.5\u00b0", {"59072"}},
    {"Curves R3 (1394mm)", {"59073", "59075"}},
    {"Curves R4 (1550mm)", {"59076", "59074"}},
    {"Curves R5 (1715mm) 22.5\u00b0", {"59077"}},
    {"Curves R6 (2321mm) 10\u00b0", {"59078"}},
    {"Curves R7 (2461mm) 10\u00b0", {"59071"}},
    {"Turnouts", {"59087", "59088", "59083", "59084"}},
    {"Curved Turnouts", {"59085", "59086"}},
    {"Three-Way & Special", {"59091", "59092", "59093", "59094"}},
    {"Bumpers", {"5602", "59099"}},
};

const std::vector<Group> kMTrack = {
    {"Straights", {"5106", "5107", "5129", "5108", "5109", "5110", "5210", "5208"}},
    {"Contact & Uncoupler", {"5105", "5145", "5112"}},
    {"Curves R0 (286mm) 30\u00b0", {"5120"}},
    {"Curves R1 (360mm)", {"5100", "5101", "5102"}},
    {"Curves R2 (437.4mm)", {"5200", "5201", "5206", "5205", "5208C"}},
    {"Turnouts R1 (360mm)", {"5117", "5118", "5119", "5121", "5122", "5123", "5137", "3600"}},
    {"Turnouts R2 (437.4mm)", {"5202", "5203", "5204", "5221"}},
    {"Curved Turnouts R2/R1", {"5142", "5143"}},
    {"Crossings & Special", {"5114", "5211", "5215", "5207", "5128", "5214"}},
    {"Bumpers", {"5190", "5191"}},
    {"Bridges", {"7268M", "7263M", "7262M", "7267M"}},
    {"Adapter Tracks", {"24951"}},
};

// Base extents (mm) the icon fits along the track; a turntable is much wider than any track.
constexpr double kIconBaseTurntable = 600.0;
constexpr double kIconBaseTrack = 218.75;
constexpr double kIconMinBulge = 40.0;
constexpr double kIconJunctionBulge = 60.0;
// Pixels kept free around an icon's drawing for the connector dots on its ends.
constexpr double kIconDotMargin = 5.0;
constexpr double kIconMinScale = 0.03;
constexpr double kIconMaxScale = 4.0;
// Pixels right of the last cell: the 2-pixel selection frame reaches 1 pixel beyond the square.
constexpr int kCellRightInset = 2;

}  // namespace

const std::vector<PaletteSystem>& paletteSystems() {
    static const std::vector<PaletteSystem> systems = {
        {"Marklin C-Track", Systems::CTrack}, {"Marklin K-Track", Systems::KTrack},
        {"TRIX C-Track", Systems::TrixC},     {"Marklin Z-Track", Systems::ZTrack},
        {"Marklin Gauge 1", Systems::Gauge1}, {"Marklin M-Track", Systems::MTrack},
    };
    return systems;
}

TrackSystem paletteSystemAt(int index) {
    const auto& systems = paletteSystems();
    if (index < 0 || index >= static_cast<int>(systems.size())) {
        return Systems::CTrack;
    }
    return systems[static_cast<size_t>(index)].system;
}

int paletteIndexOfSystem(TrackSystem system) {
    const auto& systems = paletteSystems();
    for (size_t i = 0; i < systems.size(); ++i) {
        if (systems[i].system == system) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string paletteFolderKey(int index) {
    const auto& systems = paletteSystems();
    if (index < 0 || index >= static_cast<int>(systems.size())) {
        return {};
    }
    return systemFolderKey(systems[static_cast<size_t>(index)].name);
}

bool sceneryPageWanted(int index) {
    return index >= 0 && index <= 2;
}

int systemIndexForLayout(const Layout& layout, const TrackCatalog& catalog) {
    // The choice order is also the priority order, so the lowest index present wins.
    int best = -1;
    for (const PlacedPiece& piece : layout.pieces) {
        const PieceDef* def = catalog.byArticle(piece.article);
        if (def == nullptr) {
            continue;
        }
        const int index = paletteIndexOfSystem(def->system);
        if (index >= 0 && (best < 0 || index < best)) {
            best = index;
        }
    }
    return best < 0 ? 0 : best;
}

const std::vector<PaletteGroup>& paletteGroups(int index) {
    static const std::vector<PaletteGroup> none;
    switch (index) {
        case 0:
            return kCTrack;
        case 1:
            return kKTrack;
        case 2:
            return kTrixC;
        case 3:
            return kZTrack;
        case 4:
            return kGauge1;
        case 5:
            return kMTrack;
        default:
            return none;
    }
}

std::string helixKeyOf(std::string_view article) {
    if (article.substr(0, kHelixArticlePrefix.size()) != kHelixArticlePrefix) {
        return {};
    }
    return std::string(article.substr(kHelixArticlePrefix.size()));
}

std::vector<PaletteItem> paletteItems(int index, const TrackCatalog& catalog) {
    std::vector<PaletteItem> items;
    for (const PaletteGroup& group : paletteGroups(index)) {
        items.push_back({PaletteItem::Kind::Header, group.name, {}, {}});
        for (const std::string& article : group.articles) {
            if (catalog.byArticle(article) != nullptr) {
                items.push_back({PaletteItem::Kind::Piece, {}, {}, article});
            }
        }
    }
    // Helices are built from C-Track curves, so only that system offers them.
    if (index == 0) {
        items.push_back({PaletteItem::Kind::Header, "Helix", {}, {}});
        for (const HelixVariant& variant : helixVariants()) {
            items.push_back({PaletteItem::Kind::TextRow,
                             {},
                             variant.name,
                             std::string(kHelixArticlePrefix) + variant.key});
        }
    }
    return items;
}

int paletteColumns(int clientWidth) {
    using namespace PaletteGrid;
    if (clientWidth < 10) {
        return 3;
    }
    for (int columns = 3; columns > 1; --columns) {
        const int colw = (clientWidth - kMargin) / columns;
        if (colw * (columns - 1) + kMargin + kIconSize + kCellRightInset <= clientWidth) {
            return columns;
        }
    }
    return 1;
}

int paletteLayoutWidth(int clientWidth) {
    return clientWidth < 10 ? 240 : clientWidth;
}

int paletteColumnWidth(int clientWidth) {
    return (paletteLayoutWidth(clientWidth) - PaletteGrid::kMargin) / paletteColumns(clientWidth);
}

PaletteGridLayout layoutPaletteGrid(const std::vector<PaletteItem::Kind>& kinds, int clientWidth) {
    using namespace PaletteGrid;
    PaletteGridLayout out;
    out.width = paletteLayoutWidth(clientWidth);
    const int columns = paletteColumns(clientWidth);
    if (kinds.empty()) {
        out.height = 12;
        return out;
    }
    out.tops.reserve(kinds.size());
    out.columns.reserve(kinds.size());
    int y = kMargin;
    int column = 0;
    for (PaletteItem::Kind kind : kinds) {
        if (kind == PaletteItem::Kind::Piece) {
            out.tops.push_back(y);
            out.columns.push_back(column);
            if (++column == columns) {
                y += kCellPitch;
                column = 0;
            }
            continue;
        }
        // A full-width row never shares a band with icons: it goes below an open icon row.
        const int top = column > 0 ? y + kCellPitch : y;
        out.tops.push_back(top);
        out.columns.push_back(0);
        y = top + kRowHeight;
        column = 0;
    }
    out.height = y + (column > 0 ? kCellPitch : 0) + kMargin;
    return out;
}

int paletteHitTest(const std::vector<PaletteItem::Kind>& kinds, const PaletteGridLayout& layout,
                   int clientWidth, int x, int y) {
    using namespace PaletteGrid;
    const int width = paletteLayoutWidth(clientWidth);
    const int colw = paletteColumnWidth(clientWidth);
    const size_t n = std::min({kinds.size(), layout.tops.size(), layout.columns.size()});
    for (size_t i = 0; i < n; ++i) {
        const int top = layout.tops[i];
        switch (kinds[i]) {
            case PaletteItem::Kind::Header:
                break;
            case PaletteItem::Kind::TextRow:
                if (x < width && y >= top && y < top + kRowHeight) {
                    return static_cast<int>(i);
                }
                break;
            case PaletteItem::Kind::Piece: {
                const int left = colw * layout.columns[i] + kMargin;
                if (x >= left && x < left + kIconSize && y >= top && y < top + kCellPitch) {
                    return static_cast<int>(i);
                }
                break;
            }
        }
    }
    return -1;
}

Bounds iconExtent(const PieceDef& def) {
    const PieceShape& shape = pieceShape(def);
    Bounds extent = shape.bounds;
    PolygonList boxes;
    appendAccessoryOutlines(def, shape.halfWidth, boxes);
    for (const Vec2& p : boxes.points) {
        extent.add(p);
    }
    return extent;
}

IconTransform iconTransform(const PieceDef& def, int width, int height) {
    const double base = def.kind == PieceKind::Turntable ? kIconBaseTurntable : kIconBaseTrack;
    double bulge = kIconMinBulge;
    if (def.radius > 0.0 && def.angle != 0.0) {
        constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
        bulge = std::max((1.0 - std::cos(std::fabs(def.angle) * kDegToRad)) * def.radius * 2.5,
                         kIconMinBulge);
    }
    if (def.connectors.size() > 2) {
        bulge = std::max(bulge, kIconJunctionBulge);
    }
    // Four fifths of the box is drawing area (64 of 80 pixels), the rest a margin.
    const double across = height * 0.8;
    const double along = width * 0.8;
    double scale = std::min(across / bulge, along / base * 0.82);
    // Long pieces (Gauge 1, wide curves) would run out of the box at that scale.
    const Bounds extent = iconExtent(def);
    Vec2 centre{std::max(1.0, def.length) / 2.0, 0.0};
    if (!extent.empty()) {
        const double roomX = width - 2.0 * kIconDotMargin;
        const double roomY = height - 2.0 * kIconDotMargin;
        if (extent.width() > 0.0) {
            scale = std::min(scale, roomX / extent.width());
        }
        if (extent.height() > 0.0) {
            scale = std::min(scale, roomY / extent.height());
        }
        centre = {(extent.minX + extent.maxX) / 2.0, (extent.minY + extent.maxY) / 2.0};
    }
    IconTransform out;
    out.scale = std::clamp(scale, kIconMinScale, kIconMaxScale);
    out.offsetX = width / 2.0 - centre.x * out.scale;
    out.offsetY = height / 2.0 - centre.y * out.scale;
    return out;
}

std::vector<PaletteLine> sceneryLines(const SceneryCatalog& catalog) {
    static const std::set<uint32_t> kShown = {SceneryCategory::Platforms, SceneryCategory::Stations,
                                              SceneryCategory::Bridges, SceneryCategory::Nature,
                                              SceneryCategory::Roundhouse};
    std::vector<PaletteLine> lines;
    std::string lastCategory;
    bool first = true;
    for (const SceneryDef& def : catalog.defs()) {
        if (kShown.count(def.category) == 0) {
            continue;
        }
        const std::string category = sceneryCategoryName(def.category);
        if (first || category != lastCategory) {
            lines.push_back({"--- " + category, {}});
            lastCategory = category;
            first = false;
        }
        lines.push_back({def.name, def.key});
    }
    return lines;
}

std::vector<PaletteLine> signalLines(const SceneryCatalog& catalog, int index) {
    std::vector<PaletteLine> lines;
    if (index == 4 || index == 5) {
        return lines;  // no signals are offered for Gauge 1 and M-Track
    }
    const bool zScale = index == 3;
    for (const SceneryDef& def : catalog.defs()) {
        if (def.category == SceneryCategory::Signals && def.zScale == zScale) {
            lines.push_back({def.name, def.key});
        }
    }
    return lines;
}

int selectablePaletteLine(const std::vector<PaletteLine>& lines, int wanted, int previous) {
    const int n = static_cast<int>(lines.size());
    const auto isItem = [&](int i) {
        return i >= 0 && i < n && !lines[static_cast<size_t>(i)].key.empty();
    };
    if (isItem(wanted)) {
        return wanted;
    }
    if (wanted < 0 || wanted >= n) {
        return isItem(previous) ? previous : -1;
    }
    const int direction = previous > wanted ? -1 : 1;
    for (int i = wanted + direction; i >= 0 && i < n; i += direction) {
        if (isItem(i)) {
            return i;
        }
    }
    return isItem(previous) ? previous : -1;
}

std::vector<LibraryBlockFile> listLibraryBlocks(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<LibraryBlockFile> files;
    std::error_code ec;
    // Paths are UTF-8 byte strings on the platforms we build for, as everywhere in the core.
    fs::directory_iterator it(fs::path(folder), ec);
    if (ec) {
        return files;
    }
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) {
            break;
        }
        const fs::path& path = it->path();
        std::error_code typeError;
        if (path.extension() != ".tdl" || !it->is_regular_file(typeError)) {
            continue;
        }
        files.push_back({path.stem().string(), path.string()});
    }
    return files;
}
