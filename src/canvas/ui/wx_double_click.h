#pragma once
// The desktop's double-click time and distance for DoubleClickRecovery.

#include <wx/settings.h>

#include "canvas/double_click_recovery.h"

/// A recovery set to the desktop's double-click settings (400 ms and 5 px when it names none).
inline DoubleClickRecovery desktopDoubleClickRecovery(const wxWindow* window) {
    const int ms = wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC, window);
    const int px = wxSystemSettings::GetMetric(wxSYS_DCLICK_X, window);
    return DoubleClickRecovery(ms > 0 ? ms : 400, px > 0 ? px : 5);
}
