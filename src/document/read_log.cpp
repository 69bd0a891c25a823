#include "document/read_log.h"

#include <algorithm>

#include "catalog/track_catalog.h"
#include "document/utf8_text.h"

std::string quotedValue(std::string_view value) {
    // Long values are cut so that a hostile file cannot flood the message box; bytes that are not
    // UTF-8 are shown as Latin-1, so that the message itself is always valid text.
    constexpr size_t kMax = 40;
    const std::string text = utf8WithLatin1Fallback(value);
    const std::string_view shown = utf8Prefix(text, kMax);
    std::string out = "\"";
    out += shown;
    if (shown.size() < text.size())
        out += "...";
    out += '"';
    return out;
}

void ReadLog::objectsAt(const Layout& doc, size_t line) {
    if (m_notes == nullptr)
        return;
    const size_t counts[] = {doc.pieces.size(), doc.scenery.size(), doc.labels.size(),
                             doc.shapes.size(), doc.tunnels.size(), doc.helices.size()};
    for (size_t k = 0; k < m_lines.size(); ++k)
        m_lines[k].resize(counts[k], line);
    m_jointLines.resize(doc.pieces.size());
    if (m_lines[0].size() > m_checkedPieces) {
        m_checkedPieces = m_lines[0].size();
        const std::string& article = doc.pieces.back().article;
        if (TrackCatalog::instance().byArticle(article) == nullptr)
            note(line, "the article " + quotedValue(article) +
                           " is not in the track catalog: the piece is kept but not drawn");
    }
}

void ReadLog::jointAt(size_t piece, size_t connector, size_t line) {
    if (m_notes == nullptr)
        return;
    m_jointLines.resize(std::max(m_jointLines.size(), piece + 1));
    std::vector<size_t>& joints = m_jointLines[piece];
    joints.resize(std::max(joints.size(), connector + 1), 0);
    joints[connector] = line;
}

void ReadLog::finish(const Layout& doc, const std::vector<LayoutRepair>& repairs) {
    if (m_notes == nullptr)
        return;
    constexpr const char* kElement[] = {"piece", "sceneryitem", "label", "shape", "tunnel", "helix"};
    for (const LayoutRepair& r : repairs) {
        const auto kind = static_cast<size_t>(r.object);
        const size_t line = r.index < m_lines[kind].size() ? m_lines[kind][r.index] : 0;
        if (r.change == LayoutRepair::Change::Renumbered) {
            std::string text = "<" + std::string(kElement[kind]) + "> ";
            text += r.oldId == kNoId ? "has no identifier"
                                     : "repeats the identifier " + std::to_string(r.oldId);
            text += ": it gets the identifier " + std::to_string(r.newId);
            if (r.object == LayoutRepair::Object::Piece)
                text += " and its joints are opened";
            note(line, std::move(text));
            continue;
        }
        size_t jointLine = line;
        if (r.index < m_jointLines.size() && r.connector < m_jointLines[r.index].size() &&
            m_jointLines[r.index][r.connector] != 0)
            jointLine = m_jointLines[r.index][r.connector];
        note(jointLine,
             "the joint on connector " + std::to_string(r.connector) + " of piece " +
                 std::to_string(doc.pieces[r.index].id) + " names piece " +
                 std::to_string(static_cast<int32_t>(r.oldId)) +
                 ", which does not join back to it: the joint is opened");
    }
    std::stable_sort(m_notes->begin(), m_notes->end(),
                     [](const ReadNote& a, const ReadNote& b) { return a.line < b.line; });
}

