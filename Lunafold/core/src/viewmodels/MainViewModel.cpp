// SPDX-License-Identifier: MIT
#include "core/viewmodels/MainViewModel.h"

namespace lunafold {

void MainViewModel::setSelectedTab(int tab) {
    if (tab < 0 || tab >= numTabs() || tab == m_selectedTab)
        return;
    m_selectedTab = tab;
    Q_EMIT selectedTabChanged();
}

void MainViewModel::dragEnded(double w) {
    // Exactly the threshold changes nothing; the ends wrap around.
    if (w > minDragTranslationForSwipe())
        setSelectedTab(m_selectedTab < 1 ? numTabs() - 1 : m_selectedTab - 1);
    else if (w < -minDragTranslationForSwipe())
        setSelectedTab(m_selectedTab >= numTabs() - 1 ? 0 : m_selectedTab + 1);
}

} // namespace lunafold
