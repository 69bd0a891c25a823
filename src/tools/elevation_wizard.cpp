#include "tools/elevation_wizard.h"

#include <algorithm>
#include <cmath>

#include "document/snap_search.h"

WizardPick pickWizardConnector(const Layout& layout, uint32_t piece, Vec2 clickMm,
                               const TrackCatalog& catalog) {
    WizardPick pick;
    const PlacedPiece* p = layout.FindPiece(piece);
    const PieceDef* def = p != nullptr ? catalog.byArticle(p->article) : nullptr;
    if (def == nullptr || def->connectors.empty()) {
        return pick;
    }
    const int count = static_cast<int>(def->connectors.size());
    const bool free0 = p->jointAt(0).isOpen();
    const bool free1 = count >= 2 && p->jointAt(1).isOpen();
    if (!free0 && !free1) {
        pick.outcome = WizardPickOutcome::NoFreeConnector;
        return pick;
    }
    int chosen = 0;
    if (count >= 2) {
        const WorldConnector c0 = connectorToWorld(*p, *def, 0);
        const WorldConnector c1 = connectorToWorld(*p, *def, 1);
        const double d0 = std::hypot(clickMm.x - c0.x, clickMm.y - c0.y);
        const double d1 = std::hypot(clickMm.x - c1.x, clickMm.y - c1.y);
        chosen = d1 < d0 ? 1 : 0;
        if (!(chosen == 0 ? free0 : free1)) {
            pick.outcome = WizardPickOutcome::EndConnected;
            return pick;
        }
    }
    pick.outcome = WizardPickOutcome::Accepted;
    pick.connector = chosen;
    pick.start = connectorToWorld(*p, *def, chosen);
    return pick;
}

double wizardRunDistance(const WorldConnector& start, Vec2 clickMm) {
    const double h = degToRad(start.heading);
    return (clickMm.x - start.x) * std::cos(h) + (clickMm.y - start.y) * std::sin(h);
}

namespace {

WizardAction say(WizardAction::Kind kind, const char* text) {
    WizardAction action;
    action.kind = kind;
    action.text = text;
    return action;
}

}  // namespace

WizardAction ElevationWizardSteps::start(WizardMode mode) {
    if (mode == WizardMode::None) {
        return {};
    }
    m_mode = mode;
    m_step = 1;
    return say(WizardAction::Kind::Status, kWizardStartStatus);
}

WizardAction ElevationWizardSteps::click(const Layout& layout, uint32_t piece, Vec2 clickMm,
                                         const TrackCatalog& catalog) {
    if (m_step == 2) {
        const double d = wizardRunDistance(m_start.pose, clickMm);
        if (d < kWizardMinRun) {
            return say(WizardAction::Kind::Status, kWizardFurtherStatus);
        }
        m_step = 0;
        return {WizardAction::Kind::TargetHeight, {}, m_start, d};
    }
    if (m_step != 1) {
        return {};
    }
    const WizardPick pick = pickWizardConnector(layout, piece, clickMm, catalog);
    switch (pick.outcome) {
        case WizardPickOutcome::NoPiece:
            return say(WizardAction::Kind::Status, kWizardNoPieceStatus);
        case WizardPickOutcome::NoFreeConnector:
            return say(WizardAction::Kind::Message, kWizardNoFreeConnectorText);
        case WizardPickOutcome::EndConnected:
            return say(WizardAction::Kind::Message, kWizardEndConnectedText);
        case WizardPickOutcome::Accepted:
            break;
    }
    m_start = {piece, pick.connector, pick.start};
    if (m_mode == WizardMode::SetGrade) {
        m_step = 0;
        return {WizardAction::Kind::SetGrade, {}, m_start};
    }
    m_step = 2;
    return {WizardAction::Kind::Status, kWizardEndPointStatus, m_start};
}

WizardAction ElevationWizardSteps::escape() {
    if (m_step == 0) {
        return {};
    }
    m_step = 0;
    return say(WizardAction::Kind::Status, kWizardCancelledStatus);
}

double ElevationWizardSteps::targetLineLength(Vec2 mouseMm) const {
    return std::max(kWizardMinRun, wizardRunDistance(m_start.pose, mouseMm));
}
