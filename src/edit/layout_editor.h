#pragma once
// The one door for changes to a layout document. An Edit (edit.h) opened for one user action
// takes the undo step once and, when it commits, raises the revision and tells every observer
// once. Undo and redo are commits of their own. The frame (title, tally, properties, piece count),
// the canvas and later the 3D view and autosave observe commits; nobody is called by hand from
// the place that changed something.

#include <cstdint>
#include <vector>

#include "catalog/track_catalog.h"
#include "document/layout.h"

/// What a commit tells its observers.
struct EditNotice {
    uint64_t revision = 0;  ///< the layout's revision after the commit
    /// The document now holds a layout read from or matching its file (Open, New): not modified.
    bool matchesFile = false;
    /// Another layout replaced the content, or an undo step crossed such a replacement: the
    /// name, file, units and levels may have changed.
    bool documentReplaced = false;
};

class EditObserver {
public:
    virtual ~EditObserver() = default;
    /// Called once per committed edit, undo or redo.
    virtual void layoutEdited(const EditNotice& notice) = 0;
    /// The selection changed without a change of content.
    virtual void selectionChanged() {}
};

class LayoutEditor {
public:
    explicit LayoutEditor(Layout& layout, const TrackCatalog& catalog = TrackCatalog::instance());

    Layout& layout() { return m_layout; }
    const Layout& layout() const { return m_layout; }
    const TrackCatalog& catalog() const { return m_catalog; }
    /// Raised by every commit; starts at 0.
    uint64_t revision() const { return m_revision; }

    /// Observers are not owned; remove one before it is destroyed. Adding twice has no effect.
    void addObserver(EditObserver* observer);
    void removeObserver(EditObserver* observer);

    /// Restore the newest undo or redo step as one commit; false (and no notice) when there is
    /// none.
    bool undo();
    bool redo();
    /// Tells the observers that the selection changed.
    void selectionChanged();

    /// Raises the revision and tells every observer once (used by Edit::commit).
    void announce(EditNotice notice);

private:
    Layout& m_layout;
    const TrackCatalog& m_catalog;
    uint64_t m_revision = 0;
    std::vector<EditObserver*> m_observers;
};
