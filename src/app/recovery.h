#pragma once
// Autosave: while a layout has unsaved changes, a recovery copy is kept in the per-user data
// folder, so a crash or a killed program costs at most a minute or twenty edits. A start that
// finds one offers to restore it; a save or a discard removes it. Nothing here replaces a layout
// without the user's word.

#include <optional>
#include <string>

#include "document/layout.h"

/// When a recovery copy is due: after every 20 edits, and on the minute timer when anything was
/// edited since the last copy.
class AutosavePolicy {
public:
    static constexpr int kEditsPerCopy = 20;
    static constexpr int kTimerMs = 60 * 1000;

    /// An edit was committed; true when this one makes a copy due.
    bool edited() { return ++m_editsSinceCopy >= kEditsPerCopy; }
    /// The minute timer ran: true when edits wait for a copy.
    bool timerDue() const { return m_editsSinceCopy > 0; }
    /// A copy was written, or the layout was saved or discarded.
    void reset() { m_editsSinceCopy = 0; }

private:
    int m_editsSinceCopy = 0;
};

/// What a recovery copy says about itself.
struct RecoveryNote {
    std::string layoutName;  ///< empty for an untitled layout
    std::string filePath;    ///< the layout's own file, empty when it was never saved
    std::string savedAt;     ///< local time of the copy, "2026-12-07 14:03"
};

/// Writes the recovery copy of `layout` (named `name`, belonging to `filePath`) into `folder`,
/// replacing an older one safely. Returns an error text, empty on success.
std::string writeRecovery(const std::string& folder, const Layout& layout,
                          const RecoveryNote& note);
/// The recovery copy in `folder`, when there is a readable one.
std::optional<RecoveryNote> findRecovery(const std::string& folder);
/// The layout file of the recovery copy in `folder`.
std::string recoveryLayoutPath(const std::string& folder);
/// Removes the recovery copy from `folder` (nothing when there is none).
void removeRecovery(const std::string& folder);

inline constexpr const char* kRecoveryTitle = "Restore Unsaved Work";
/// The question asked at start when a recovery copy was found.
std::string recoveryQuestion(const RecoveryNote& note);
/// The current local time as a recovery copy records it.
std::string recoveryTimeNow();
