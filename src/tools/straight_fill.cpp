#include "tools/straight_fill.h"

#include <algorithm>
#include <cmath>

std::vector<const PieceDef*> plainStraights(const TrackCatalog& catalog, TrackSystem system) {
    std::vector<const PieceDef*> out;
    for (const PieceDef& def : catalog.pieces()) {
        if (isPlainTrack(def, PieceKind::Straight, system)) {
            out.push_back(&def);
        }
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const PieceDef* a, const PieceDef* b) { return a->length > b->length; });
    return out;
}

std::vector<double> straightLengths(const std::vector<const PieceDef*>& candidates) {
    std::vector<double> lengths;
    for (const PieceDef* def : candidates) {
        lengths.push_back(def->length);
    }
    return lengths;
}

std::vector<std::string> comboArticles(const StraightCombo& combo,
                                       const std::vector<const PieceDef*>& candidates) {
    std::vector<std::string> articles;
    for (const int i : combo.pieces) {
        articles.push_back(candidates[static_cast<size_t>(i)]->article);
    }
    return articles;
}

int straightPieceLimit(double distance, double shortest) {
    const double unit = shortest > 0.0 ? shortest : 1.0;
    const double n = std::ceil(distance / unit) + 2.0;
    return static_cast<int>(std::clamp(n, 1.0, 32.0));
}

namespace {

/// Depth-first enumeration of the combinations of one piece count.
class ComboWalk {
public:
    ComboWalk(const std::vector<double>& lengths, double distance,
              const StraightSearchLimits& limits, StraightSearchResult& result)
        : m_len(lengths),
          m_distance(distance),
          m_low(distance - limits.tolerance),
          m_high(distance + limits.tolerance),
          m_limits(limits),
          m_result(result) {}

    /// Enumerates the combinations of exactly k pieces; false when the search must stop.
    bool run(int k) {
        m_k = k;
        m_stack.clear();
        return visit(0, 0.0);
    }

private:
    bool full() const { return m_result.combos.size() >= m_limits.maxCombos; }

    bool visit(int i, double sum) {
        if (++m_nodes > m_limits.nodeBudget) {
            m_result.cut = true;
            return false;
        }
        const int left = m_k - static_cast<int>(m_stack.size());
        if (left == 0) {
            if (std::abs(sum - m_distance) <= m_limits.tolerance) {
                m_result.combos.push_back({m_stack, sum});
            }
            return !full();
        }
        const int last = static_cast<int>(m_len.size()) - 1;
        // Even the shortest pieces overshoot: no completion exists (the candidates are sorted,
        // so this cuts only branches that could hold no combination).
        if (sum > m_high || i > last || sum + left * m_len[last] > m_high) {
            return true;
        }
        for (int j = i; j <= last; ++j) {
            // Filling every slot left with this piece falls short, and every later piece is no
            // longer: nothing from here on can reach the distance.
            if (sum + left * m_len[j] < m_low) {
                break;
            }
            m_stack.push_back(j);
            const bool go = visit(j, sum + m_len[j]);
            m_stack.pop_back();
            if (!go) {
                return false;
            }
        }
        return true;
    }

    const std::vector<double>& m_len;
    const double m_distance;
    const double m_low;
    const double m_high;
    const StraightSearchLimits& m_limits;
    StraightSearchResult& m_result;
    std::vector<int> m_stack;
    int m_k = 0;
    uint64_t m_nodes = 0;
};

}  // namespace

StraightSearchResult searchStraightCombos(const std::vector<double>& lengths, double distance,
                                          const StraightSearchLimits& limits) {
    StraightSearchResult result;
    if (lengths.empty()) {
        return result;
    }
    ComboWalk walk(lengths, distance, limits, result);
    for (int k = 1; k <= limits.maxCount; ++k) {
        if (!walk.run(k) || result.combos.size() >= limits.enoughAfterCount) {
            break;
        }
    }
    return result;
}
