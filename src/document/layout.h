#pragma once
// The layout document: every placed object with its defaults, the one identifier counter, the
// editing state that travels with the document during a run, and undo snapshots.
// Invariants (checked by checkInvariants): joints are symmetric, no joint names a missing piece,
// and object identifiers are unique across every kind of object.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "document/id_index.h"
#include "document/chunk_list.h"
#include "geometry/geometry.h"

inline constexpr uint32_t kNoId = 0xFFFFFFFFu;

/// Identifiers run from 1 to this. Joints name pieces by signed 32-bit values, so a piece id at
/// or above 2^31 could never be joined; the counter stops here rather than wrap round.
inline constexpr uint32_t kMaxObjectId = 0x7FFFFFFFu;

/// The largest identifier taken from a file as it stands; larger ones are renumbered on reading,
/// so that the counter keeps room for a billion more objects after any file.
inline constexpr uint32_t kMaxFileId = 1000000000u;

/// True for an identifier the counter can have handed out: 1 to kMaxObjectId.
inline constexpr bool isUsableId(uint32_t id) {
    return id >= 1 && id <= kMaxObjectId;
}

/// One connector's joint: the joined piece's id and its connector, or -1/-1 when open.
struct Joint {
    int32_t target = -1;
    int32_t tconn = -1;
    bool isOpen() const { return target < 0; }
};

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

/// A track piece on the plan. Position is its origin (mm, layout frame); heading degrees.
struct PlacedPiece {
    uint32_t id = kNoId;
    std::string article;
    double x = 0.0, y = 0.0;
    double heading = 0.0;
    bool selected = false;
    double z = 0.0;      ///< height above the ground, mm
    double grade = 0.0;  ///< degrees, signed; |grade| <= 0.001 counts as level
    bool rev = false;
    bool hasColor = false;
    Rgb color;
    int32_t level = 1;
    uint32_t helix = kNoId;
    bool free = false;          ///< left out of tally and cart
    std::vector<Joint> joints;  ///< one per connector; a missing entry counts as open

    Pose pose() const { return {x, y, heading}; }
    void setPose(const Pose& at) {
        x = at.x;
        y = at.y;
        heading = at.heading;
    }
    /// Joint on connector i, open when the array is shorter or i is negative.
    Joint jointAt(int i) const;
};

struct SceneryItem {
    uint32_t id = kNoId;
    std::string item;  ///< scenery catalog key
    double x = 0.0, y = 0.0, heading = 0.0;
    bool selected = false;
    double scalex = 1.0, scaley = 1.0;
    int32_t level = 1;
};

/// Equal in every field, numbers bit for bit (-0 and 0 differ, a NaN equals itself): a copy of
/// the pieces or scenery keeps an edited chunk's old records only when the edit changed nothing.
bool sameRecord(const PlacedPiece& a, const PlacedPiece& b);
bool sameRecord(const SceneryItem& a, const SceneryItem& b);

struct LayoutLabel {
    uint32_t id = kNoId;
    std::string text;
    double x = 0.0, y = 0.0;
    bool selected = false;
};

/// Measuring-tape annotation; never saved.
struct Measurement {
    uint32_t id = kNoId;
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    double labelDx = 0.0, labelDy = 0.0;  ///< label offset from the midpoint, mm
    bool selected = false;
};

struct FreeShape {
    uint32_t id = kNoId;
    std::vector<Vec2> vertices;
    uint8_t r = 120, g = 170, b = 110, a = 255;
    bool outline = true;
    int32_t level = 1;
    double height = 0.0;  ///< mm above its level's deck
    std::string label;
    bool selected = false;
};

struct Tunnel {
    uint32_t id = kNoId;
    int32_t portalA = -1, portalB = -1;  ///< portal scenery ids
    int32_t anchorA = -1, anchorB = -1;  ///< pieces at the two mouths
    std::vector<uint32_t> covers;        ///< piece ids inside the tunnel
};

struct Helix {
    uint32_t id = kNoId;
    double cx = 0.0, cy = 0.0, heading = 0.0;
    std::string variant = "proses_2_5_r1r2";
    int32_t bottomR1 = -1, bottomR2 = -1, topR1 = -1, topR2 = -1;  ///< end piece ids
};

struct LayoutLevel {
    int32_t id = 1;
    std::string name = "Level 1";
    bool visible = true;
    double height = 0.0;  ///< mm above the ground
    bool trackcolor = false;
    uint8_t r = 180, g = 180, b = 180;
    std::vector<Vec2> outline;  ///< deck outline, used with at least 3 points
};

struct Baseboard {
    std::vector<Vec2> vertices;  ///< closed polygon; fewer than 3 = no baseboard
    int32_t lastShape = 0;
    double w_mm = 2400.0, h_mm = 1200.0, w2_mm = 1200.0, h2_mm = 1200.0;
};

struct GradeRun {
    double deg = 0.0;
    int32_t anchor = -1;
    int32_t conn = -1;
};

/// The document's content and grade state: what an undo step saves and restores. Levels,
/// baseboard, units and the id counter are not part of it. One field list serves the document and
/// its snapshots, so a new kind of object is added here once.
struct LayoutContent {
    ChunkList<PlacedPiece> pieces;
    ChunkList<SceneryItem> scenery;
    std::vector<LayoutLabel> labels;
    std::vector<Measurement> measurements;
    std::vector<FreeShape> shapes;
    std::vector<Tunnel> tunnels;
    std::vector<Helix> helices;
    std::vector<GradeRun> gradeRuns;
    bool gradeActive = false;
    double gradeDeg = 0.0;
    int32_t gradeAnchor = -1;
    int32_t gradeConn = 1;
};

/// Which layout the content belongs to: its name and the file it was opened from or saved to
/// (both UTF-8, empty for a new layout). `serial` changes whenever another layout replaces the
/// document (New, Close, Open), so an undo step that crosses such a change brings back the name
/// and file of the content it restores.
struct DocumentIdentity {
    std::string name;
    std::string filePath;
    uint32_t serial = 0;
};

/// The setup an undo step brings back only when it crosses to another layout's content.
struct LayoutSetup {
    std::vector<LayoutLevel> levels;
    int32_t activeLevel = 1;
    Baseboard baseboard;
    uint32_t units = 0;
};

/// An undo step. Its pieces and scenery items share every unchanged chunk with the steps beside
/// it and with the document.
struct UndoSnapshot {
    LayoutContent content;
    DocumentIdentity identity;
    LayoutSetup setup;
};

inline constexpr size_t kUndoLimit = 50;

class Layout : public LayoutContent {
public:
    // Persistent content (pieces ... helices, grade runs) comes from LayoutContent, in drawing
    // and file order.
    uint32_t nextId = 1;
    std::vector<LayoutLevel> levels;
    int32_t activeLevel = 1;
    Baseboard baseboard;
    uint32_t units = 0;

    // Editing state, never saved.
    int32_t toolMode = 0;
    bool snapEnabled = true;
    bool showGrid = true;
    bool showLabels = true;
    bool showRails = true;
    bool showBaseboard = true;
    double gridSpacing = 32.0;
    DocumentIdentity identity;
    std::deque<UndoSnapshot> undoStack;
    std::deque<UndoSnapshot> redoStack;

    /// Returns nextId and increments it; one counter numbers every kind of object. Throws
    /// std::length_error when the counter has passed kMaxObjectId (or was set to 0) instead of
    /// handing out an identifier that is not usable.
    uint32_t AllocateId();
    /// Takes an undo step, then empties the content and grade runs and resets nextId to 1.
    /// Levels, baseboard and activeLevel are left to the caller.
    void Clear();
    /// Clear without the undo step, for an edit that has taken it already.
    void ClearContent();
    /// What New leaves: no content, no baseboard outline, only "Level 1", active level 1.
    void StartNew();
    /// Appends "Level 1" (id 1, colour 180,200,220) when there is no level; else does nothing.
    void EnsureDefaultLevel();
    /// Selects every piece and scenery item; labels, measurements and shapes are left as they are.
    void SelectAll();
    /// Clears the selection mark on pieces, scenery, labels, measurements and shapes.
    void DeselectAll();
    /// Marks the content as another layout's: a new serial with the given name and file.
    void ReplaceIdentity(std::string name, std::string filePath);
    /// Takes over a document read from a file: its content, id counter, levels, active level,
    /// baseboard, units and grade runs. Switches, tool, identity and undo history stay.
    void AdoptRead(Layout&& read);
    /// DeleteSelection without the undo step, for an edit that has taken it already.
    void RemoveSelected();
    /// Removes the selection in one undo step: a selected turntable takes its joined pieces along,
    /// grade runs anchored on removed pieces move to a surviving neighbour (or end), joints to
    /// removed pieces are opened, helices lose their record with an end piece, and selected
    /// scenery, labels, measurements and shapes go too. Order of the remaining objects is kept.
    void DeleteSelection();
    /// Stores the content and grade state (pieces and scenery items in chunks shared with the
    /// document where unchanged); keeps at most kUndoLimit steps and empties the redo stack.
    void PushUndo();
    /// Restores the newest undo step (nothing when there is none). Never lowers nextId. A step
    /// taken under another document identity brings that identity back with the content.
    void Undo();
    /// Restores the newest redo step (nothing when there is none). Never lowers nextId.
    void Redo();
    /// Replaces the run anchored on run.anchor (its deg and conn), or appends it; then
    /// SyncGradeState.
    void SetGradeRun(GradeRun run);
    /// Removes every run anchored on `anchor`; then SyncGradeState.
    void RemoveGradeRuns(int32_t anchor);
    /// Mirrors the last grade run in the four grade fields, or (false, 0, -1, 1) without runs.
    void SyncGradeState();
    /// Selects every piece of a helix of which one piece is selected.
    void CompleteHelixSelection();

    /// Tells the look-ups by identifier that object lists may have changed: the edit path and the
    /// reader call it with every change. The indices are rebuilt when next used.
    void NoteContentChanged() { ++m_contentGeneration; }

    /// Look-ups by identifier, through an index kept per list (levels are searched); nullptr
    /// when absent. With repeated ids the first object in the list is found.
    const PlacedPiece* FindPiece(uint32_t id) const;
    /// The piece or item with `id` to change (its chunk becomes the document's own), nullptr
    /// when absent. Reading goes through the Find functions, which never copy.
    PlacedPiece* EditPiece(uint32_t id);
    SceneryItem* EditScenery(uint32_t id);
    /// Where the piece with `id` stands in `pieces`, IdIndex::kAbsent when there is none.
    size_t PieceSlot(uint32_t id) const;
    const SceneryItem* FindScenery(uint32_t id) const;
    LayoutLabel* FindLabel(uint32_t id);
    Measurement* FindMeasurement(uint32_t id);
    FreeShape* FindShape(uint32_t id);
    LayoutLevel* FindLevel(int32_t id);
    const LayoutLevel* FindLevel(int32_t id) const;
    Helix* FindHelix(uint32_t id);
    const Helix* FindHelix(uint32_t id) const;
    Tunnel* FindTunnel(uint32_t id);
    const Tunnel* FindTunnel(uint32_t id) const;

    /// Largest object identifier in the content (pieces, scenery, labels, measurements, shapes,
    /// tunnels, helices), 0 when there is none; unassigned ids (kNoId) are ignored.
    uint32_t maxObjectId() const;

    /// Empty when the joints are symmetric, name only existing pieces and object ids are unique
    /// across all kinds and usable (isUsableId); otherwise one line per problem found.
    std::string checkInvariants() const;

private:
    /// One index per object list; they are mutable inside, so const look-ups keep them too.
    struct Indices {
        IdIndex pieces, scenery, labels, measurements, shapes, tunnels, helices;
    };
    uint64_t m_contentGeneration = 0;
    Indices m_index;

    UndoSnapshot snapshot() const;
    void restore(UndoSnapshot&& snap);
};
