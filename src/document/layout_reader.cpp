#include "document/layout_reader.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include "catalog/track_catalog.h"
#include "document/layout_repair.h"
#include "document/read_log.h"
#include "document/utf8_text.h"
#include "document/xml_text.h"

using xml_text::AttrState;
using xml_text::NumberStatus;

namespace {

constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
// Identifiers are unsigned but written as signed values, so both spellings of an id are read.
constexpr int64_t kIdMin = kInt32Min;
constexpr int64_t kIdMax = std::numeric_limits<uint32_t>::max();
// Pieces whose article the catalog does not know may still carry joints; this bound keeps a
// hostile "conn" from sizing a joint array of billions of entries.
constexpr int kUnknownArticleJointLimit = 64;

// Stops a read; caught at the top of readLayoutText and readBlockText.
struct ReadError {
    std::string text;
};

bool has(std::string_view line, std::string_view marker) {
    return line.find(marker) != std::string_view::npos;
}

// The attributes of one element line, with the line number and element name for messages.
class ElementLine {
public:
    ElementLine(std::string_view line, size_t number, std::string_view element)
        : m_line(line), m_number(number), m_element(element) {}

    std::optional<int64_t> optInt(std::string_view name, int64_t lo, int64_t hi) const {
        const auto raw = present(name);
        if (!raw)
            return std::nullopt;
        int64_t v = 0;
        check(xml_text::parseInteger(*raw, lo, hi, v), name, *raw);
        return v;
    }
    int64_t reqInt(std::string_view name, int64_t lo, int64_t hi) const {
        const auto v = optInt(name, lo, hi);
        if (!v)
            fail(missing(name));
        return *v;
    }
    int32_t int32Or(std::string_view name, int32_t fallback) const {
        return static_cast<int32_t>(optInt(name, kInt32Min, kInt32Max).value_or(fallback));
    }
    int32_t reqInt32(std::string_view name) const {
        return static_cast<int32_t>(reqInt(name, kInt32Min, kInt32Max));
    }
    uint32_t reqId(std::string_view name) const {
        return static_cast<uint32_t>(reqInt(name, kIdMin, kIdMax));
    }
    uint8_t byteOr(std::string_view name, uint8_t fallback) const {
        return static_cast<uint8_t>(optInt(name, 0, 255).value_or(fallback));
    }

    std::optional<double> optReal(std::string_view name) const {
        const auto raw = present(name);
        if (!raw)
            return std::nullopt;
        double v = 0.0;
        check(xml_text::parseReal(*raw, v), name, *raw);
        return v;
    }
    double reqReal(std::string_view name) const {
        const auto v = optReal(name);
        if (!v)
            fail(missing(name));
        return *v;
    }
    double realOr(std::string_view name, double fallback) const {
        return optReal(name).value_or(fallback);
    }

    /// A position, length or height in mm: a real no farther from 0 than kFarthestMm.
    std::optional<double> optLength(std::string_view name) const {
        const auto v = optReal(name);
        if (v && !(std::fabs(*v) <= kFarthestMm)) {
            fail("\"" + std::string(name) + "\" of <" + std::string(m_element) +
                 "> is out of range: " + quotedValue(*present(name)) +
                 " (lengths are limited to 100 km)");
        }
        return v;
    }
    double reqLength(std::string_view name) const {
        const auto v = optLength(name);
        if (!v)
            fail(missing(name));
        return *v;
    }
    double lengthOr(std::string_view name, double fallback) const {
        return optLength(name).value_or(fallback);
    }

    std::optional<std::string> optText(std::string_view name) const {
        const auto raw = present(name);
        if (!raw)
            return std::nullopt;
        // Names and labels written by older programs may be Latin-1: each byte that is not
        // part of UTF-8 is kept as its Latin-1 character instead of spoiling the whole text.
        return utf8WithLatin1Fallback(xml_text::decodeEntities(*raw));
    }
    std::string textOr(std::string_view name, std::string_view fallback) const {
        auto v = optText(name);
        return v ? std::move(*v) : std::string(fallback);
    }

    /// True only for a value of exactly "1".
    bool isOne(std::string_view name) const {
        const auto raw = present(name);
        return raw && *raw == "1";
    }
    /// True unless the value is exactly "0".
    bool isNotZero(std::string_view name) const {
        const auto raw = present(name);
        return !raw || *raw != "0";
    }
    bool hasAttr(std::string_view name) const { return present(name).has_value(); }

    size_t number() const { return m_number; }

    [[noreturn]] void fail(const std::string& what) const {
        throw ReadError{"Line " + std::to_string(m_number) + ": " + what};
    }

private:
    std::optional<std::string_view> present(std::string_view name) const {
        const xml_text::RawAttr raw = xml_text::findAttr(m_line, name);
        if (raw.state == AttrState::Missing)
            return std::nullopt;
        if (raw.state == AttrState::Unterminated) {
            fail("the value of \"" + std::string(name) + "\" in <" + std::string(m_element) +
                 "> has no closing quote");
        }
        return raw.value;
    }
    std::string missing(std::string_view name) const {
        return "<" + std::string(m_element) + "> lacks the required attribute \"" +
               std::string(name) + "\"";
    }
    void check(NumberStatus status, std::string_view name, std::string_view raw) const {
        const std::string where =
            "\"" + std::string(name) + "\" of <" + std::string(m_element) + ">";
        switch (status) {
            case NumberStatus::Ok:
                return;
            case NumberStatus::NotANumber:
                fail(where + " is not a number: " + quotedValue(raw));
            case NumberStatus::OutOfRange:
                fail(where + " is out of range: " + quotedValue(raw));
            case NumberStatus::NotFinite:
                fail(where + " is not a finite number: " + quotedValue(raw));
        }
    }

    std::string_view m_line;
    size_t m_number;
    std::string_view m_element;
};

// Hands out the text line by line; a line ends at a line feed, which is not part of it.
class Lines {
public:
    explicit Lines(std::string_view text, const ReadProgress* progress = nullptr)
        : m_text(text), m_progress(progress != nullptr && *progress ? progress : nullptr) {}
    bool next(std::string_view& line) {
        if (m_pos >= m_text.size())
            return false;
        if (m_progress != nullptr && m_number % kLinesPerReport == 0)
            (*m_progress)(static_cast<double>(m_pos) / static_cast<double>(m_text.size()));
        const size_t end = m_text.find('\n', m_pos);
        const size_t stop = end == std::string_view::npos ? m_text.size() : end;
        line = m_text.substr(m_pos, stop - m_pos);
        m_pos = stop + 1;
        ++m_number;
        return true;
    }
    size_t number() const { return m_number; }

private:
    static constexpr size_t kLinesPerReport = 8192;
    std::string_view m_text;
    const ReadProgress* m_progress;
    size_t m_pos = 0;
    size_t m_number = 0;
};

// The piece currently receiving joints, with its place in the list and the bound on its
// connector indices.
struct OpenPiece {
    PlacedPiece* piece = nullptr;
    size_t index = 0;
    int limit = 0;
};

PlacedPiece readPiece(const ElementLine& e, bool wholeRecord) {
    PlacedPiece p;
    p.id = e.reqId("id");
    p.article = e.textOr("cat", "");
    p.x = e.reqLength("x");
    p.y = e.reqLength("y");
    p.heading = e.reqReal("heading");
    p.level = e.int32Or("level", 1);
    if (!wholeRecord)
        return p;
    p.z = e.lengthOr("z", 0.0);
    p.grade = e.realOr("grade", 0.0);
    p.rev = e.isOne("rev");
    p.free = e.isOne("free");
    p.selected = e.isOne("sel");
    if (const auto h = e.optInt("helix", kIdMin, kIdMax))
        p.helix = static_cast<uint32_t>(*h);
    if (const auto c = e.optInt("color", kInt32Min, kInt32Max)) {
        const auto bits = static_cast<uint32_t>(*c);
        p.hasColor = true;
        p.color = {static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 8),
                   static_cast<uint8_t>(bits)};
    }
    return p;
}

void readJoint(const ElementLine& e, OpenPiece& current, ReadLog& log) {
    // A joint before any piece belongs to nothing and is not even parsed.
    if (current.piece == nullptr) {
        log.note(e.number(), "a <joint> before any <piece> belongs to no piece: it is left out");
        return;
    }
    const int64_t conn = e.reqInt("conn", kInt32Min, kInt32Max);
    Joint j{e.reqInt32("target"), e.reqInt32("tconn")};
    // A joint on a connector the piece cannot have is dropped rather than stored.
    if (conn < 0 || conn >= current.limit) {
        log.note(e.number(), "the <joint> names connector " + std::to_string(conn) +
                                 ", which piece " + std::to_string(current.piece->id) +
                                 " does not have: it is left out");
        return;
    }
    log.jointAt(current.index, static_cast<size_t>(conn), e.number());
    if (j.isOpen())
        j = Joint{};
    auto& joints = current.piece->joints;
    if (joints.size() <= static_cast<size_t>(conn))
        joints.resize(static_cast<size_t>(conn) + 1);
    joints[static_cast<size_t>(conn)] = j;
}

SceneryItem readSceneryItem(const ElementLine& e, bool wholeRecord) {
    SceneryItem s;
    s.id = e.reqId("id");
    s.item = e.textOr("item", "");
    s.x = e.reqLength("x");
    s.y = e.reqLength("y");
    s.heading = e.reqReal("heading");
    s.scalex = e.realOr("scalex", 1.0);
    s.scaley = e.realOr("scaley", 1.0);
    s.level = e.int32Or("level", 1);
    if (wholeRecord)
        s.selected = e.isOne("sel");
    return s;
}

Vec2 readPoint(const ElementLine& e) {
    return {e.reqLength("x"), e.reqLength("y")};
}

// Consumes piece lines after "<pieces>" up to the line that closes the section.
void readPieceSection(Lines& lines, Layout& doc, bool& sawLayoutEnd, ReadLog& log) {
    ChunkList<PlacedPiece>& pieces = doc.pieces;
    OpenPiece current;
    std::string_view line;
    while (lines.next(line)) {
        if (has(line, "<piece ")) {
            pieces.push_back(readPiece(ElementLine(line, lines.number(), "piece"), true));
            current = {&pieces.editBack(), pieces.size() - 1, jointLimit(pieces.back().article)};
            log.objectsAt(doc, lines.number());
        }
        if (has(line, "<joint "))
            readJoint(ElementLine(line, lines.number(), "joint"), current, log);
        if (has(line, "</layout>"))
            sawLayoutEnd = true;
        if (has(line, "</pieces>") || has(line, "</block>") || has(line, "</layout>"))
            return;
    }
}

LayoutLevel readLevel(const ElementLine& e) {
    LayoutLevel l;
    l.id = e.reqInt32("id");
    l.name = e.textOr("name", "");
    l.visible = e.isNotZero("visible");
    l.height = e.lengthOr("height", 0.0);
    l.trackcolor = e.isOne("trackcolor");
    l.r = e.byteOr("r", 180);
    l.g = e.byteOr("g", 180);
    l.b = e.byteOr("b", 180);
    return l;
}

FreeShape readShape(const ElementLine& e) {
    FreeShape s;
    if (const auto id = e.optInt("id", kIdMin, kIdMax))
        s.id = static_cast<uint32_t>(*id);
    s.r = e.byteOr("r", 120);
    s.g = e.byteOr("g", 170);
    s.b = e.byteOr("b", 110);
    s.a = e.byteOr("a", 255);
    s.outline = !e.hasAttr("outline") || e.isOne("outline");
    s.level = e.int32Or("level", 1);
    s.height = e.lengthOr("height", 0.0);
    s.label = e.textOr("label", "");
    return s;
}

Helix readHelix(const ElementLine& e) {
    Helix h;
    h.id = e.reqId("id");
    h.cx = e.reqLength("cx");
    h.cy = e.reqLength("cy");
    h.heading = e.reqReal("heading");
    h.variant = e.textOr("variant", "proses_2_5_r1r2");
    h.bottomR1 = e.reqInt32("bottomR1");
    h.bottomR2 = e.reqInt32("bottomR2");
    h.topR1 = e.reqInt32("topR1");
    h.topR2 = e.reqInt32("topR2");
    return h;
}

LayoutLabel readLabel(const ElementLine& e) {
    LayoutLabel l;
    l.id = e.reqId("id");
    l.x = e.reqLength("x");
    l.y = e.reqLength("y");
    l.text = e.textOr("text", "");
    return l;
}

Tunnel readTunnel(const ElementLine& e) {
    Tunnel t;
    t.id = e.reqId("id");
    t.portalA = e.reqInt32("portalA");
    t.portalB = e.reqInt32("portalB");
    t.anchorA = e.int32Or("anchorA", -1);
    t.anchorB = e.int32Or("anchorB", -1);
    return t;
}

// Labels, shapes with their vertices, tunnels with the pieces they cover, and helices: elements
// that are read wherever they stand, one line each.
void readOutlineAndTunnelLine(std::string_view line, size_t n, Layout& doc, ReadLog& log) {
    if (has(line, "<label "))
        doc.labels.push_back(readLabel(ElementLine(line, n, "label")));
    if (has(line, "<shape ") && !has(line, "</shape"))
        doc.shapes.push_back(readShape(ElementLine(line, n, "shape")));
    if (has(line, "<v ") && doc.shapes.empty())
        log.note(n, "a <v> before any <shape> belongs to no shape: it is left out");
    if (has(line, "<v ") && !doc.shapes.empty()) {
        const ElementLine e(line, n, "v");
        const auto x = e.optLength("x");
        const auto y = e.optLength("y");
        if (x && y)
            doc.shapes.back().vertices.push_back({*x, *y});
        else
            log.note(n, "<v> lacks \"x\" or \"y\": the vertex is left out");
    }
    if (has(line, "<tunnel "))
        doc.tunnels.push_back(readTunnel(ElementLine(line, n, "tunnel")));
    if (has(line, "<covers ") && doc.tunnels.empty())
        log.note(n, "a <covers> before any <tunnel> belongs to no tunnel: it is left out");
    else if (has(line, "<covers "))
        doc.tunnels.back().covers.push_back(ElementLine(line, n, "covers").reqId("piece"));
    if (has(line, "<helix "))
        doc.helices.push_back(readHelix(ElementLine(line, n, "helix")));
}

// Everything one layout file can hold, read into a scratch document first.
void readLayoutLines(std::string_view text, Layout& doc, std::string& name, ReadLog& log,
                     const ReadProgress& progress) {
    Lines lines(text, &progress);
    bool sawRoot = false, sawEnd = false;
    bool inLevels = false, inScenery = false, inBaseboard = false;
    std::string_view line;
    while (lines.next(line)) {
        const size_t n = lines.number();
        if (has(line, "<layout ")) {
            const ElementLine e(line, n, "layout");
            sawRoot = true;
            name = e.textOr("name", "");
            // Units outside mm, cm and inches would name no unit at all.
            doc.units = static_cast<uint32_t>(e.optInt("units", 0, 2).value_or(0));
        }
        if (has(line, "<run ")) {
            const ElementLine e(line, n, "run");
            doc.gradeRuns.push_back({e.reqReal("deg"), e.reqInt32("anchor"), e.reqInt32("conn")});
        }
        if (has(line, "<pieces>")) {
            readPieceSection(lines, doc, sawEnd, log);
            continue;
        }
        if (has(line, "<levels ")) {
            doc.activeLevel = ElementLine(line, n, "levels").int32Or("active", 1);
            inLevels = true;
        }
        if (inLevels) {
            if (has(line, "<level "))
                doc.levels.push_back(readLevel(ElementLine(line, n, "level")));
            if (has(line, "<pt ") && doc.levels.empty())
                log.note(n, "a <pt> before any <level> belongs to no level: it is left out");
            else if (has(line, "<pt "))
                doc.levels.back().outline.push_back(readPoint(ElementLine(line, n, "pt")));
            if (has(line, "</levels>"))
                inLevels = false;
        }
        if (has(line, "<scenery>"))
            inScenery = true;
        if (inScenery && has(line, "<sceneryitem "))
            doc.scenery.push_back(readSceneryItem(ElementLine(line, n, "sceneryitem"), true));
        if (has(line, "</scenery>"))
            inScenery = false;
        if (has(line, "<baseboard>"))
            inBaseboard = true;
        if (inBaseboard && has(line, "<vertex "))
            doc.baseboard.vertices.push_back(readPoint(ElementLine(line, n, "vertex")));
        if (has(line, "</baseboard>"))
            inBaseboard = false;
        if (has(line, "<lastshape")) {
            const ElementLine e(line, n, "lastshape");
            Baseboard& bb = doc.baseboard;
            bb.lastShape = e.int32Or("id", bb.lastShape);
            bb.w_mm = e.lengthOr("w_mm", bb.w_mm);
            bb.h_mm = e.lengthOr("h_mm", bb.h_mm);
            bb.w2_mm = e.lengthOr("w2_mm", bb.w2_mm);
            bb.h2_mm = e.lengthOr("h2_mm", bb.h2_mm);
        }
        readOutlineAndTunnelLine(line, n, doc, log);
        if (has(line, "</layout>"))
            sawEnd = true;
        log.objectsAt(doc, n);
    }
    if (!sawRoot)
        throw ReadError{"This is not a layout file: it has no <layout> element."};
    // Without its last line the file was cut short; reading the rest would silently lose data.
    if (!sawEnd)
        throw ReadError{"Line " + std::to_string(lines.number()) +
                        ": the file is incomplete: it ends before </layout>."};
}

}  // namespace

int jointLimit(std::string_view article) {
    if (const PieceDef* def = TrackCatalog::instance().byArticle(article))
        return static_cast<int>(def->connectors.size());
    return kUnknownArticleJointLimit;
}

std::string readLayoutText(std::string_view text, Layout& layout, std::string& name,
                           std::vector<ReadNote>* notes, const ReadProgress& progress) {
    Layout doc;
    // The last-shape dimensions keep their current values when the file does not give them.
    doc.baseboard = layout.baseboard;
    doc.baseboard.vertices.clear();
    std::string readName;
    ReadLog log(notes);
    try {
        readLayoutLines(text, doc, readName, log, progress);
    } catch (const ReadError& e) {
        return e.text;
    }
    std::vector<LayoutRepair> repairs;
    repairReadLayout(doc, notes != nullptr ? &repairs : nullptr);
    log.finish(doc, repairs);
    doc.EnsureDefaultLevel();
    doc.SyncGradeState();
    doc.CompleteHelixSelection();

    // Only the content moves over: the caller's switches, tool and undo history stay.
    layout.AdoptRead(std::move(doc));
    name = std::move(readName);
    return {};
}

std::string readBlockText(std::string_view text, BlockContent& block) {
    BlockContent read;
    Lines lines(text);
    bool sawRoot = false, sawEnd = false, inScenery = false;
    OpenPiece current;
    ReadLog log(nullptr);
    std::string_view line;
    try {
        while (lines.next(line)) {
            const size_t n = lines.number();
            if (has(line, "<block ")) {
                sawRoot = true;
                read.name = ElementLine(line, n, "block").textOr("name", "");
            }
            if (has(line, "<piece ")) {
                read.pieces.push_back(readPiece(ElementLine(line, n, "piece"), false));
                current = {&read.pieces.back(), read.pieces.size() - 1,
                           jointLimit(read.pieces.back().article)};
            }
            if (has(line, "<joint "))
                readJoint(ElementLine(line, n, "joint"), current, log);
            if (has(line, "<scenery>"))
                inScenery = true;
            if (inScenery && has(line, "<sceneryitem "))
                read.scenery.push_back(readSceneryItem(ElementLine(line, n, "sceneryitem"), false));
            if (has(line, "</scenery>"))
                inScenery = false;
            if (has(line, "</block>"))
                sawEnd = true;
        }
        if (!sawRoot)
            throw ReadError{"This is not a library block: it has no <block> element."};
        if (!sawEnd)
            throw ReadError{"Line " + std::to_string(lines.number()) +
                            ": the file is incomplete: it ends before </block>."};
    } catch (const ReadError& e) {
        return e.text;
    }
    block = std::move(read);
    return {};
}
