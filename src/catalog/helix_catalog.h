#pragma once
// The built-in helix models. A placed Helix stores only the key of its variant; the spiral is
// drawn from the variant's radii, turns and rise with the variant's C-Track curve articles.

#include <string>
#include <string_view>
#include <vector>

/// One helix model. Radii are of the track centre lines, in mm; rise is the total height gained
/// from the bottom ends to the top ends, in mm.
struct HelixVariant {
    std::string key;
    std::string name;
    double turns = 0.0;
    double rise = 0.0;
    double innerRadius = 0.0;
    double outerRadius = 0.0;
    std::string straightArticle;    ///< the straight piece used for the helix's end stubs
    std::string innerCurveArticle;  ///< curve of the inner turn
    std::string outerCurveArticle;  ///< curve of the outer turn

    /// Curve pieces per turn (inner and outer alike): trunc(12 * turns). The spiral is laid in
    /// 30-degree steps, one curve piece each.
    int curveCount() const { return static_cast<int>(turns * 12.0); }
    /// Height gained by one full turn, mm.
    double risePerTurn() const { return turns > 0.0 ? rise / turns : 0.0; }
};

/// Key of the variant a new or unresolvable helix uses.
inline constexpr std::string_view kDefaultHelixVariant = "proses_2_5_r1r2";

/// The ten built-in variants, in table order; filled once, never changed.
const std::vector<HelixVariant>& helixVariants();

/// The variant whose key equals `key` exactly (case-sensitive), or nullptr.
const HelixVariant* findHelixVariant(std::string_view key);

/// The variant of `key`, else the default variant, else nullptr: what every drawing, tally and
/// property view of a placed helix falls back to.
const HelixVariant* helixVariantOrDefault(std::string_view key);
