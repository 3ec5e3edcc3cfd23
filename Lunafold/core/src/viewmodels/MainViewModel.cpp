// SPDX-License-Identifier: MIT
#include "core/viewmodels/MainViewModel.h"

#include "common/Reviewer.h"

namespace lunafold {

MainViewModel::MainViewModel(std::function<bool()> reviewGate, QObject *parent)
    : QObject(parent), m_reviewGate(std::move(reviewGate)) {
    if (!m_reviewGate)
        m_reviewGate = [] { return Reviewer::shared().showReviewPrompt(5, 5); };
}

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

bool MainViewModel::shown() { return m_reviewGate(); }

} // namespace lunafold
