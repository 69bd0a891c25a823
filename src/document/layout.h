#pragma once
// The layout document: every placed object with its defaults, the one identifier counter, the
// editing state that travels with the document during a run, and undo snapshots.
// Invariants (checked by checkInvariants): joints are symmetric, and no joint names a missing piece.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "geometry/geometry.h"

inline constexpr uint32_t kNoId = 0xFFFFFFFFu;

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
    double z = 0.0;       ///< height above the ground, mm
    double grade = 0.0;   ///< degrees, signed; |grade| <= 0.001 counts as level
    bool rev = false;
    bool hasColor = false;
    Rgb color;
    int32_t level = 1;
    uint32_t helix = kNoId;
    bool free = false;    ///< left out of tally and cart
    std::vector<Joint> joints;  ///< one per connector; a missing entry counts as open

    Pose pose() const { return {x, y, heading}; }
    /// Joint on connector i, open when the array is shorter.
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

/// What an undo step restores: content and grade state, not levels, baseboard or the id counter.
struct UndoSnapshot {
    std::vector<PlacedPiece> pieces;
    std::vector<SceneryItem> scenery;
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

inline constexpr size_t kUndoLimit = 50;

class Layout {
public:
    // Persistent content, in drawing and file order.
    std::vector<PlacedPiece> pieces;
    std::vector<SceneryItem> scenery;
    std::vector<LayoutLabel> labels;
    std::vector<Measurement> measurements;
    std::vector<FreeShape> shapes;
    std::vector<Tunnel> tunnels;
    std::vector<Helix> helices;
    uint32_t nextId = 1;
    std::vector<LayoutLevel> levels;
    int32_t activeLevel = 1;
    Baseboard baseboard;
    uint32_t units = 0;
    std::vector<GradeRun> gradeRuns;

    // Editing state, never saved.
    int32_t toolMode = 0;
    bool snapEnabled = true;
    bool showGrid = true;
    bool showLabels = true;
    bool showRails = true;
    bool showBaseboard = true;
    double gridSpacing = 32.0;
    bool gradeActive = false;
    double gradeDeg = 0.0;
    int32_t gradeAnchor = -1;
    int32_t gradeConn = 1;
    std::deque<UndoSnapshot> undoStack;
    std::deque<UndoSnapshot> redoStack;

    uint32_t AllocateId();
    void Clear();
    void EnsureDefaultLevel();
    void SelectAll();
    void DeselectAll();
    void DeleteSelection();
    void PushUndo();
    void Undo();
    void Redo();
    void SyncGradeState();
    /// Selects every piece of a helix of which one piece is selected.
    void CompleteHelixSelection();

    PlacedPiece* FindPiece(uint32_t id);
    const PlacedPiece* FindPiece(uint32_t id) const;
    SceneryItem* FindScenery(uint32_t id);
    LayoutLevel* FindLevel(int32_t id);
    const LayoutLevel* FindLevel(int32_t id) const;
    Helix* FindHelix(uint32_t id);
    Tunnel* FindTunnel(uint32_t id);

    /// Empty when the joints are symmetric and name only existing pieces; else what is wrong.
    std::string checkInvariants() const;

private:
    UndoSnapshot snapshot() const;
    void restore(UndoSnapshot&& snap);
};
