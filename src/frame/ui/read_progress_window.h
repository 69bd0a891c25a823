#pragma once
// How far a long read of a layout file has come: nothing for the first half second, so that an
// ordinary file opens without a flicker, then a progress window until the read ends.

#include <memory>
#include <string>

#include <wx/progdlg.h>
#include <wx/stopwatch.h>

#include "document/layout_reader.h"

class ReadProgressWindow {
public:
    ReadProgressWindow(wxWindow* parent, const std::string& fileName)
        : m_parent(parent), m_fileName(fileName) {}

    /// What the reader reports to.
    ReadProgress reporter() {
        return [this](double share) { report(share); };
    }

private:
    static constexpr long kQuietMs = 500;

    void report(double share) {
        if (!m_window) {
            if (m_watch.Time() < kQuietMs) {
                return;
            }
            m_window = std::make_unique<wxProgressDialog>(
                "Opening Layout", wxString::FromUTF8("Reading " + m_fileName + " ..."), 100,
                m_parent, wxPD_APP_MODAL | wxPD_AUTO_HIDE | wxPD_SMOOTH);
        }
        m_window->Update(static_cast<int>(share * 100.0));
    }

    wxWindow* m_parent;
    std::string m_fileName;
    wxStopWatch m_watch;
    std::unique_ptr<wxProgressDialog> m_window;
};
