#pragma once
// The application object: opens the run log, builds the catalog and the main window, greets the
// user, and closes the log at the end.

#include <wx/app.h>

class RailvaneApp : public wxApp {
public:
    bool OnInit() override;
    int OnExit() override;
};

/// Opens "railvane.log" in the log folder for this run (truncating it); silent on failure.
void OpenRunLog();
