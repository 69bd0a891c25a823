#pragma once
// What the Bridge Wizard builds a bridge from in each track system: the ramp, the plain straight
// that leads into it, the two kinds of span, and the printed catalog ramp profiles (clearance,
// pieces per side and the joint heights along one ramp).

#include <optional>
#include <string>
#include <vector>

#include "catalog/track_catalog.h"

inline constexpr const char* kBridgeWizardTitle = "Bridge Wizard";
inline constexpr const char* kBridgeUnsupportedText =
    "The Bridge Wizard supports C, Trix, K, M and Z track.";
inline constexpr const char* kBridgeMissingPiecesText =
    "The catalog is missing bridge pieces for this system:\n";
inline constexpr const char* kBridgeSteamProfile = "Steam && diesel run underneath";
inline constexpr const char* kBridgeElectricProfile = "Electric with catenary underneath";

/// A printed catalog ramp profile.
struct ClearanceProfile {
    std::string name;
    double clearance = 0.0;  ///< mm from the ground to the underside level of the spans
    int piecesPerSide = 0;
    int rampPiecesPerSide = 0;
    std::vector<double> jointHeights;  ///< mm, ascending, from the first raised joint up
};

/// The pieces and profiles of one track system.
struct BridgeKit {
    TrackSystem system = Systems::CTrack;
    const PieceDef* ramp = nullptr;
    const PieceDef* straight = nullptr;
    const PieceDef* girder = nullptr;
    const PieceDef* arch = nullptr;
    std::vector<ClearanceProfile> profiles;  ///< none (custom clearance only) or two
    double jointSpacing = 180.0;             ///< mm between the joints of a ramp
    bool pillarTable = true;                 ///< the pier stacks can be worked out
};

/// The kit of a system, or the message that says why there is none.
struct BridgeKitResult {
    std::optional<BridgeKit> kit;
    std::string message;  ///< empty when the kit was found
};

/// The kit of C, K, Z, TRIX C and M track; other systems get the unsupported message, and
/// articles missing from `catalog` are listed (each followed by a blank) after the missing-pieces
/// text.
BridgeKitResult resolveBridgeKit(TrackSystem system,
                                 const TrackCatalog& catalog = TrackCatalog::instance());
