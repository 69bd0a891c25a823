#include "document/layout_writer.h"

#include "document/xml_text.h"

using xml_text::appendEscaped;
using xml_text::appendInt;
using xml_text::appendReal;

namespace {

constexpr std::string_view kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// Small appenders for ` name="value"`, so each element below reads like the line it produces.
void attrText(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    appendEscaped(out, value);
    out += '"';
}

void attrInt(std::string& out, std::string_view name, int64_t value) {
    out += ' ';
    out += name;
    out += "=\"";
    appendInt(out, value);
    out += '"';
}

void attrId(std::string& out, std::string_view name, uint32_t id) {
    attrInt(out, name, static_cast<int32_t>(id));
}

void attrReal(std::string& out, std::string_view name, double value) {
    out += ' ';
    out += name;
    out += "=\"";
    appendReal(out, value);
    out += '"';
}

void attrBool(std::string& out, std::string_view name, bool value) {
    out += ' ';
    out += name;
    out += value ? "=\"1\"" : "=\"0\"";
}

void writePiece(std::string& out, const PlacedPiece& p, std::string_view indent) {
    out += indent;
    out += "<piece";
    attrId(out, "id", p.id);
    attrText(out, "cat", p.article);
    attrReal(out, "x", p.x);
    attrReal(out, "y", p.y);
    attrReal(out, "heading", p.heading);
    attrReal(out, "z", p.z);
    attrReal(out, "grade", p.grade);
    if (p.rev)
        out += " rev=\"1\"";
    if (p.free)
        out += " free=\"1\"";
    attrInt(out, "level", p.level);
    if (p.helix != kNoId)
        attrId(out, "helix", p.helix);
    attrBool(out, "sel", p.selected);
    if (p.hasColor) {
        attrInt(out, "color", int64_t{p.color.r} * 65536 + int64_t{p.color.g} * 256 + p.color.b);
    }
    out += ">\n";
    for (size_t i = 0; i < p.joints.size(); ++i) {
        const Joint& j = p.joints[i];
        if (j.isOpen())
            continue;
        out += indent;
        out += "  <joint";
        attrInt(out, "conn", static_cast<int64_t>(i));
        attrInt(out, "target", j.target);
        attrInt(out, "tconn", j.tconn);
        out += "/>\n";
    }
    out += indent;
    out += "</piece>\n";
}

void writeSceneryItem(std::string& out, const SceneryItem& s) {
    out += "    <sceneryitem";
    attrId(out, "id", s.id);
    attrText(out, "item", s.item);
    attrReal(out, "x", s.x);
    attrReal(out, "y", s.y);
    attrReal(out, "heading", s.heading);
    attrReal(out, "scalex", s.scalex);
    attrReal(out, "scaley", s.scaley);
    attrInt(out, "level", s.level);
    attrBool(out, "sel", s.selected);
    out += "/>\n";
}

void writePoint(std::string& out, std::string_view head, const Vec2& v) {
    out += head;
    attrReal(out, "x", v.x);
    attrReal(out, "y", v.y);
    out += "/>\n";
}

void writeLevels(std::string& out, const Layout& layout) {
    out += "  <levels";
    attrInt(out, "active", layout.activeLevel);
    out += ">\n";
    for (const LayoutLevel& l : layout.levels) {
        out += "    <level";
        attrInt(out, "id", l.id);
        attrText(out, "name", l.name);
        attrBool(out, "visible", l.visible);
        attrReal(out, "height", l.height);
        attrBool(out, "trackcolor", l.trackcolor);
        attrInt(out, "r", l.r);
        attrInt(out, "g", l.g);
        attrInt(out, "b", l.b);
        // An outline of fewer than three points is no deck outline, so it is not kept.
        if (l.outline.size() >= 3) {
            out += ">\n";
            for (const Vec2& v : l.outline)
                writePoint(out, "      <pt", v);
            out += "    </level>\n";
        } else {
            out += "/>\n";
        }
    }
    out += "  </levels>\n";
}

void writeShapes(std::string& out, const Layout& layout) {
    out += "  <shapes>\n";
    for (const FreeShape& s : layout.shapes) {
        out += "    <shape";
        attrId(out, "id", s.id);
        attrInt(out, "r", s.r);
        attrInt(out, "g", s.g);
        attrInt(out, "b", s.b);
        attrInt(out, "a", s.a);
        attrBool(out, "outline", s.outline);
        attrInt(out, "level", s.level);
        attrReal(out, "height", s.height);
        attrText(out, "label", s.label);
        out += ">\n";
        for (const Vec2& v : s.vertices)
            writePoint(out, "      <v", v);
        out += "    </shape>\n";
    }
    out += "  </shapes>\n";
}

void writeTunnels(std::string& out, const Layout& layout) {
    out += "  <tunnels>\n";
    for (const Tunnel& t : layout.tunnels) {
        out += "    <tunnel";
        attrId(out, "id", t.id);
        attrInt(out, "portalA", t.portalA);
        attrInt(out, "portalB", t.portalB);
        attrInt(out, "anchorA", t.anchorA);
        attrInt(out, "anchorB", t.anchorB);
        out += ">\n";
        for (const uint32_t piece : t.covers) {
            out += "      <covers";
            attrId(out, "piece", piece);
            out += "/>\n";
        }
        out += "    </tunnel>\n";
    }
    out += "  </tunnels>\n";
}

void writeHelices(std::string& out, const Layout& layout) {
    out += "  <helices>\n";
    for (const Helix& h : layout.helices) {
        out += "    <helix";
        attrId(out, "id", h.id);
        attrReal(out, "cx", h.cx);
        attrReal(out, "cy", h.cy);
        attrReal(out, "heading", h.heading);
        attrText(out, "variant", h.variant);
        attrInt(out, "bottomR1", h.bottomR1);
        attrInt(out, "bottomR2", h.bottomR2);
        attrInt(out, "topR1", h.topR1);
        attrInt(out, "topR2", h.topR2);
        out += "/>\n";
    }
    out += "  </helices>\n";
}

}  // namespace

std::string writeLayoutText(const Layout& layout, std::string_view name) {
    std::string out;
    // About 200 bytes per piece with its joints; reserving avoids most regrowth on big layouts.
    out.reserve(1024 + layout.pieces.size() * 220 + layout.scenery.size() * 160);
    out += kXmlDeclaration;
    out += "<layout";
    attrText(out, "name", name);
    out += " version=\"1\"";
    attrInt(out, "units", layout.units);
    out += ">\n";

    if (!layout.gradeRuns.empty()) {
        out += "  <grade_runs>\n";
        for (const GradeRun& r : layout.gradeRuns) {
            out += "    <run";
            attrReal(out, "deg", r.deg);
            attrInt(out, "anchor", r.anchor);
            attrInt(out, "conn", r.conn);
            out += "/>\n";
        }
        out += "  </grade_runs>\n";
    }

    out += "  <pieces>\n";
    for (const PlacedPiece& p : layout.pieces)
        writePiece(out, p, "    ");
    out += "  </pieces>\n";

    if (!layout.scenery.empty()) {
        out += "  <scenery>\n";
        for (const SceneryItem& s : layout.scenery)
            writeSceneryItem(out, s);
        out += "  </scenery>\n";
    }

    if (!layout.levels.empty())
        writeLevels(out, layout);

    if (!layout.baseboard.vertices.empty()) {
        out += "  <baseboard>\n";
        for (const Vec2& v : layout.baseboard.vertices)
            writePoint(out, "    <vertex", v);
        out += "  </baseboard>\n";
    }

    const Baseboard& bb = layout.baseboard;
    out += "  <lastshape";
    attrInt(out, "id", bb.lastShape);
    attrReal(out, "w_mm", bb.w_mm);
    attrReal(out, "h_mm", bb.h_mm);
    attrReal(out, "w2_mm", bb.w2_mm);
    attrReal(out, "h2_mm", bb.h2_mm);
    out += "/>\n";

    if (!layout.labels.empty()) {
        out += "  <labels>\n";
        for (const LayoutLabel& l : layout.labels) {
            out += "    <label";
            attrId(out, "id", l.id);
            attrReal(out, "x", l.x);
            attrReal(out, "y", l.y);
            attrText(out, "text", l.text);
            out += "/>\n";
        }
        out += "  </labels>\n";
    }

    if (!layout.shapes.empty())
        writeShapes(out, layout);
    if (!layout.tunnels.empty())
        writeTunnels(out, layout);
    if (!layout.helices.empty())
        writeHelices(out, layout);

    out += "</layout>\n";
    return out;
}

bool hasBlockSelection(const Layout& layout) {
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected)
            return true;
    for (const SceneryItem& s : layout.scenery)
        if (s.selected)
            return true;
    return false;
}

std::string writeBlockText(const Layout& layout, std::string_view name) {
    std::string out;
    out += kXmlDeclaration;
    out += "<block";
    attrText(out, "name", name);
    out += " version=\"1\">\n";
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected)
            writePiece(out, p, "  ");
    bool anyScenery = false;
    for (const SceneryItem& s : layout.scenery)
        anyScenery = anyScenery || s.selected;
    if (anyScenery) {
        out += "  <scenery>\n";
        for (const SceneryItem& s : layout.scenery)
            if (s.selected)
                writeSceneryItem(out, s);
        out += "  </scenery>\n";
    }
    out += "</block>\n";
    return out;
}
