// The composition of spans the Bridge Wizard's dialog edits, and its add buttons' labels.
#include <cstdio>
#include <utility>

#include "wizards/bridge_plan.h"

namespace {

// A girder span shorter than this (mm) is called a girder, a longer one a truss.
constexpr double kTrussLength = 150.0;

std::string addLabel(const char* kind, const PieceDef* def) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "Add %s\n(%s, %.0f mm)", kind,
                  def != nullptr ? def->article.c_str() : "", def != nullptr ? def->length : 0.0);
    return buffer;
}

}  // namespace

BridgeComposition::BridgeComposition(const BridgeKit& kit) {
    const std::string girder = kit.girder != nullptr ? kit.girder->article : "";
    const std::string arch = kit.arch != nullptr ? kit.arch->article : "";
    m_spans = {girder, arch, arch, girder};
}

void BridgeComposition::select(int line) {
    m_selected = line >= 0 && line < static_cast<int>(m_spans.size()) ? line : -1;
}

void BridgeComposition::add(const std::string& article) {
    const size_t at = m_selected >= 0 ? static_cast<size_t>(m_selected) + 1 : m_spans.size();
    m_spans.insert(m_spans.begin() + static_cast<std::ptrdiff_t>(at), article);
    m_selected = static_cast<int>(at);
}

void BridgeComposition::removeSelected() {
    if (m_selected >= 0) {
        m_spans.erase(m_spans.begin() + m_selected);
        m_selected = -1;
    }
}

void BridgeComposition::moveUp() {
    if (m_selected > 0) {
        std::swap(m_spans[static_cast<size_t>(m_selected)],
                  m_spans[static_cast<size_t>(m_selected) - 1]);
        --m_selected;
    }
}

void BridgeComposition::moveDown() {
    if (m_selected >= 0 && m_selected + 1 < static_cast<int>(m_spans.size())) {
        std::swap(m_spans[static_cast<size_t>(m_selected)],
                  m_spans[static_cast<size_t>(m_selected) + 1]);
        ++m_selected;
    }
}

void BridgeComposition::clear() {
    m_spans.clear();
    m_selected = -1;
}

std::vector<std::string> BridgeComposition::lines(const TrackCatalog& catalog) const {
    std::vector<std::string> out;
    out.reserve(m_spans.size());
    for (size_t i = 0; i < m_spans.size(); ++i) {
        const PieceDef* def = catalog.byArticle(m_spans[i]);
        out.push_back(std::to_string(i + 1) + " (W->E)  " +
                      (def != nullptr ? def->name : m_spans[i]));
    }
    return out;
}

std::string addGirderLabel(const BridgeKit& kit) {
    const bool girder = kit.girder != nullptr && kit.girder->length < kTrussLength;
    return addLabel(girder ? "Girder" : "Truss", kit.girder);
}

std::string addArchLabel(const BridgeKit& kit) {
    return addLabel("Arch", kit.arch);
}
