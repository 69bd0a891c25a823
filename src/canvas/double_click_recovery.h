#pragma once
// GTK reports the first press of a second double-click that follows quickly on the first as a
// triple click, which the toolkit drops; the pair then arrives as two plain presses. Laying
// track by repeated double-clicks would lose every other piece. This recognises such a pair of
// plain presses and tells the window to treat the second one as the double-click it was.

#include <cstdint>

class DoubleClickRecovery {
public:
    /// `intervalMs`: the desktop's double-click time; `slopPx`: how far apart (pixels, each axis)
    /// the two presses may be.
    DoubleClickRecovery(int64_t intervalMs, int slopPx)
        : m_intervalMs(intervalMs), m_slop(slopPx) {}

    /// A plain press at time `ms` (milliseconds) and window point (x, y). True when it completes
    /// a double-click the toolkit did not report: handle it as a double-click, not as a press.
    bool pressIsDoubleClick(int64_t ms, int x, int y);
    /// The toolkit reported a double-click: the next press starts a new pair.
    void doubleClicked() { m_havePress = false; }

private:
    int64_t m_intervalMs;
    int m_slop;
    bool m_havePress = false;
    int64_t m_lastMs = 0;
    int m_lastX = 0;
    int m_lastY = 0;
};
