#include "tools/grade_edits.h"

#include <cmath>
#include <cstdio>

#include "edit/edit.h"
#include "edit/elevation.h"

namespace {

constexpr int kLevelSteps = 200;  // flat pieces levelled after an ended grade, at most
constexpr int kRunSearchSteps = 100;

double rise(const PlacedPiece& piece, const TrackCatalog& catalog) {
    const PieceDef* def = catalog.byArticle(piece.article);
    return def != nullptr ? riseLength(*def) : 0.0;
}

/// The connector a run leaves a piece by: 0 for a piece laid falling from connector 0, else 1.
int farConnector(const PlacedPiece& piece) {
    return piece.rev ? 0 : 1;
}

bool anchorsRun(const Layout& layout, uint32_t piece) {
    for (const GradeRun& run : layout.gradeRuns) {
        if (run.anchor == static_cast<int32_t>(piece)) {
            return true;
        }
    }
    return false;
}

}  // namespace

double gradeFromPercent(double percent, bool up) {
    const double deg = radToDeg(std::asin(percent / 100.0));
    return up ? deg : -deg;
}

std::string gradeDegreeLabel(double percent) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "= %.2f deg", gradeFromPercent(percent, true));
    return buf;
}

std::string setGradeStartText(const Layout& layout, uint32_t piece, const TrackCatalog& catalog) {
    const PlacedPiece* p = layout.FindPiece(piece);
    if (p == nullptr) {
        return {};
    }
    const PieceDef* def = catalog.byArticle(p->article);
    const Units units = unitsFromInt(static_cast<int>(layout.units));
    char buf[96];
    std::snprintf(buf, sizeof buf, "\nCurrent height: %.1f %s", toDisplay(p->z, units),
                  unitLabel(units));
    return "Starting piece: " + (def != nullptr ? def->name : p->article) + buf;
}

std::string applySetGrade(LayoutEditor& editor, uint32_t piece, int conn, double deg) {
    if (editor.layout().FindPiece(piece) == nullptr) {
        return {};
    }
    Edit edit(editor);
    Layout& doc = edit.change();
    startGradeRun(doc, deg, static_cast<int32_t>(piece), conn);
    doc.DeselectAll();
    PlacedPiece& p = *doc.EditPiece(piece);
    p.grade = deg;
    p.rev = conn != 1;
    if (conn != 1) {
        // Climbing away from connector 0 means falling towards it: connector 1 keeps its height.
        p.z += rise(p, editor.catalog()) * std::sin(degToRad(deg));
    }
    p.selected = true;
    doc.CompleteHelixSelection();  // a helix is selected whole or not at all
    edit.commit();
    char buf[96];
    std::snprintf(buf, sizeof buf, "Elevation: %s %.1f deg - new pieces will inherit the grade",
                  deg >= 0.0 ? "UP" : "DOWN", std::abs(deg));
    return buf;
}

bool canEndGrade(const Layout& layout, uint32_t piece) {
    const PlacedPiece* p = layout.FindPiece(piece);
    return p != nullptr && std::abs(p->grade) > kFlatGrade;
}

std::string endGrade(LayoutEditor& editor, uint32_t piece) {
    if (editor.layout().FindPiece(piece) == nullptr) {
        return {};
    }
    const TrackCatalog& catalog = editor.catalog();
    Edit edit(editor);
    Layout& doc = edit.change();
    PlacedPiece* p = doc.EditPiece(piece);
    p->grade = 0.0;
    const Joint low = p->jointAt(p->rev ? 1 : 0);
    if (const PlacedPiece* q = low.isOpen() ? nullptr : doc.FindPiece(low.target)) {
        if (const PieceDef* qdef = catalog.byArticle(q->article)) {
            p->z = heightAt(*q, *qdef, low.tconn);
        }
    }

    PlacedPiece* c = p;
    for (int step = 0; step < kLevelSteps; ++step) {
        const Joint far = c->jointAt(farConnector(*c));
        PlacedPiece* n = far.isOpen() ? nullptr : doc.EditPiece(far.target);
        if (n == nullptr || std::abs(n->grade) > kFlatGrade) {
            break;
        }
        n->z = c->rev ? c->z : c->z + std::sin(degToRad(c->grade)) * rise(*c, catalog);
        c = n;
    }

    const PlacedPiece* r = p;
    for (int step = 0; step < kRunSearchSteps && !anchorsRun(doc, r->id); ++step) {
        const Joint far = r->jointAt(farConnector(*r));
        const PlacedPiece* next = far.isOpen() ? nullptr : doc.FindPiece(far.target);
        if (next == nullptr) {
            break;
        }
        r = next;
    }
    removeGradeRuns(doc, static_cast<int32_t>(r->id));
    edit.commit();
    return "Grade ended - subsequent pieces levelled off";
}
