#pragma once
// The application object: opens the run log, builds the catalog and the main window, greets the
// user, opens the layout named on the command line, and closes the log at the end.

#include <wx/app.h>

class RailvaneApp : public wxApp {
public:
    bool OnInit() override;
    int OnExit() override;
};

/// `path` made absolute against the current folder, so that the frame remembers where a file
/// named on the command line really is.
wxString AbsoluteLayoutPath(const wxString& path);

/// Opens "railvane.log" in the log folder for this run (truncating it); silent on failure.
void OpenRunLog();
