#include "wizards/bridge_kit.h"

#include <array>

namespace {

struct KitRow {
    TrackSystem system;
    const char* ramp;
    const char* straight;
    const char* girder;
    const char* arch;
};

constexpr std::array kKitRows = {
    KitRow{Systems::CTrack, "74618", "24188", "74620", "74636"},
    KitRow{Systems::KTrack, "7268", "2200", "7262", "7263"},
    KitRow{Systems::ZTrack, "8976", "8500", "89759", "8975"},
    KitRow{Systems::TrixC, "74618T", "62188", "74620T", "74636T"},
    KitRow{Systems::MTrack, "7268M", "5106", "7262M", "7263M"},
};

// The printed profiles: C-Track (and TRIX C) ramps start on the 2.5 mm plate, K-Track (and M)
// ramps on two flat joints.
std::vector<ClearanceProfile> cTable() {
    return {
        {kBridgeSteamProfile,
         74.5,
         12,
         9,
         {2.5, 5.5, 11.5, 20.5, 29.5, 38.5, 47.5, 56.5, 65.5, 71.5, 74.5}},
        {kBridgeElectricProfile,
         104.5,
         16,
         13,
         {2.5, 5.5, 11.5, 20.5, 29.5, 38.5, 47.5, 56.5, 65.5, 74.5, 83.5, 92.5, 98.5, 101.5,
          104.5}},
    };
}

std::vector<ClearanceProfile> kTable() {
    return {
        {kBridgeSteamProfile,
         68.5,
         12,
         9,
         {2.5, 2.5, 8.5, 17.5, 26.5, 35.5, 44.5, 53.5, 62.5, 65.5, 68.5}},
        {kBridgeElectricProfile,
         98.5,
         15,
         12,
         {2.5, 2.5, 8.5, 17.5, 26.5, 35.5, 44.5, 53.5, 62.5, 71.5, 80.5, 89.5, 95.5, 98.5}},
    };
}

}  // namespace

BridgeKitResult resolveBridgeKit(TrackSystem system, const TrackCatalog& catalog) {
    const KitRow* row = nullptr;
    for (const KitRow& r : kKitRows) {
        if (r.system == system) {
            row = &r;
        }
    }
    if (row == nullptr) {
        return {std::nullopt, kBridgeUnsupportedText};
    }
    BridgeKit kit;
    kit.system = system;
    std::string missing;
    const auto find = [&](const char* article) {
        const PieceDef* def = catalog.byArticle(article);
        if (def == nullptr) {
            missing += std::string(article) + " ";
        }
        return def;
    };
    kit.ramp = find(row->ramp);
    kit.straight = find(row->straight);
    kit.girder = find(row->girder);
    kit.arch = find(row->arch);
    if (!missing.empty()) {
        return {std::nullopt, kBridgeMissingPiecesText + missing};
    }
    if (system == Systems::ZTrack) {
        kit.jointSpacing = 110.0;
        kit.pillarTable = false;
    } else {
        kit.profiles = system == Systems::CTrack || system == Systems::TrixC ? cTable() : kTable();
    }
    return {std::move(kit), {}};
}
