#pragma once
// What a read of a layout file let pass, gathered for the reader's notes: the file line of every
// object read (to place the repairs made afterwards) and the elements left out on the way.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "document/layout.h"
#include "document/layout_reader.h"
#include "document/layout_repair.h"

/// `value` in double quotes for a message, cut after 40 bytes so that a hostile file cannot flood
/// the message box.
std::string quotedValue(std::string_view value);

/// Records nothing when no notes are wanted.
class ReadLog {
public:
    explicit ReadLog(std::vector<ReadNote>* notes) : m_notes(notes) {}

    void note(size_t line, std::string text) {
        if (m_notes != nullptr)
            m_notes->push_back({line, std::move(text)});
    }
    /// Records `line` as the line of every object `doc` gained since the last call, and notes a
    /// new piece whose article the catalog lacks.
    void objectsAt(const Layout& doc, size_t line);
    /// Records `line` as the line of the joint on `connector` of the piece at `piece`.
    void jointAt(size_t piece, size_t connector, size_t line);
    /// Notes every repair at the line of the object it concerns; then orders all notes by line.
    void finish(const Layout& doc, const std::vector<LayoutRepair>& repairs);

private:
    std::vector<ReadNote>* m_notes;
    std::array<std::vector<size_t>, 6> m_lines;  // by LayoutRepair::Object
    std::vector<std::vector<size_t>> m_jointLines;
    size_t m_checkedPieces = 0;
};
