#include "edit/layout_editor.h"

#include <algorithm>

LayoutEditor::LayoutEditor(Layout& layout, const TrackCatalog& catalog)
    : m_layout(layout), m_catalog(catalog) {}

void LayoutEditor::addObserver(EditObserver* observer) {
    if (observer != nullptr &&
        std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void LayoutEditor::removeObserver(EditObserver* observer) {
    std::erase(m_observers, observer);
}

bool LayoutEditor::undo() {
    if (m_layout.undoStack.empty()) {
        return false;
    }
    const uint32_t serial = m_layout.identity.serial;
    m_layout.Undo();
    announce({.documentReplaced = m_layout.identity.serial != serial});
    return true;
}

bool LayoutEditor::redo() {
    if (m_layout.redoStack.empty()) {
        return false;
    }
    const uint32_t serial = m_layout.identity.serial;
    m_layout.Redo();
    announce({.documentReplaced = m_layout.identity.serial != serial});
    return true;
}

void LayoutEditor::selectionChanged() {
    // A copy: an observer may add or remove observers while it is told.
    const std::vector<EditObserver*> observers = m_observers;
    for (EditObserver* o : observers) {
        o->selectionChanged();
    }
}

void LayoutEditor::announce(EditNotice notice) {
    notice.revision = ++m_revision;
    const std::vector<EditObserver*> observers = m_observers;
    for (EditObserver* o : observers) {
        o->layoutEdited(notice);
    }
}
