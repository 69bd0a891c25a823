#include "canvas/double_click_recovery.h"

#include <cstdlib>

bool DoubleClickRecovery::pressIsDoubleClick(int64_t ms, int x, int y) {
    const bool paired = m_havePress && ms - m_lastMs >= 0 && ms - m_lastMs <= m_intervalMs &&
                        std::abs(x - m_lastX) <= m_slop && std::abs(y - m_lastY) <= m_slop;
    // A recovered double-click ends its pair just as a reported one does.
    m_havePress = !paired;
    m_lastMs = ms;
    m_lastX = x;
    m_lastY = y;
    return paired;
}
