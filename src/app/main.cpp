// The program's entry point; the application class lives in the UI library so that tests can
// reuse its pieces.
#include <wx/app.h>

#include "app/railvane_app.h"

wxIMPLEMENT_APP(RailvaneApp);
