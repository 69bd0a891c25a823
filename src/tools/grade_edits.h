#pragma once
// Starting and ending a grade run: Set Grade makes the starting piece the first graded piece and
// starts a run from its chosen end; End Grade flattens a graded piece onto its predecessor, levels
// the flat pieces after it and removes the run. Each is one edit.

#include <cstdint>
#include <string>

#include "catalog/track_catalog.h"
#include "document/layout.h"
#include "edit/layout_editor.h"

/// Set Grade's percentage field: 0.2 ... 10, starting at 3.5, in steps of 0.1.
inline constexpr double kGradePercentMin = 0.2;
inline constexpr double kGradePercentMax = 10.0;
inline constexpr double kGradePercentDefault = 3.5;
inline constexpr double kGradePercentStep = 0.1;

/// The grade in degrees of a percentage read as rise per length along the track:
/// asin(percent / 100), negated for a falling grade.
double gradeFromPercent(double percent, bool up);
/// "= %.2f deg" of an upward percentage: Set Grade's live label.
std::string gradeDegreeLabel(double percent);
/// "Starting piece: %s\nCurrent height: %.1f %s" with the catalog name and z in the layout unit.
std::string setGradeStartText(const Layout& layout, uint32_t piece,
                              const TrackCatalog& catalog = TrackCatalog::instance());

/// Set Grade's Start Grade as one edit: a run of `deg` continues from connector `conn` of the
/// piece, which itself takes the grade (climbing away from that end: `rev` unless conn is 1, and
/// raised so that its connector 1 keeps its height) and becomes the only selected piece. Returns
/// the status text, or "" when the piece is missing.
std::string applySetGrade(LayoutEditor& editor, uint32_t piece, int conn, double deg);

/// Whether End Grade applies: the piece exists and is not flat.
bool canEndGrade(const Layout& layout, uint32_t piece);
/// End Grade as one edit: the piece becomes flat at the height of the piece joined at its low
/// end, the flat pieces that follow it are levelled to that height up to the next graded piece,
/// and the run that continues from it is removed. Returns the status text, or "" when the piece
/// is missing.
std::string endGrade(LayoutEditor& editor, uint32_t piece);
