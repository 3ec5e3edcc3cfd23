// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

namespace lunafold {

/// The tab container: which tab shows, the swipe between neighbouring tabs, and the review gate.
class MainViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(int selectedTab READ selectedTab WRITE setSelectedTab NOTIFY selectedTabChanged)
    Q_PROPERTY(int numTabs READ numTabs CONSTANT)
    Q_PROPERTY(double minDragTranslationForSwipe READ minDragTranslationForSwipe CONSTANT)

public:
    /// @param reviewGate asked each time the container is shown; defaults to the app's reviewer
    explicit MainViewModel(std::function<bool()> reviewGate = {}, QObject *parent = nullptr);

    int selectedTab() const { return m_selectedTab; }
    void setSelectedTab(int tab);
    int numTabs() const { return 5; }
    double minDragTranslationForSwipe() const { return 50.0; }

    /// The end of a horizontal drag of @p translationX points (positive to the right).
    Q_INVOKABLE void dragEnded(double translationX);
    /// The container was shown: true when the window should offer the review prompt.
    Q_INVOKABLE bool shown();

Q_SIGNALS:
    void selectedTabChanged();

private:
    std::function<bool()> m_reviewGate;
    int m_selectedTab = 0;
};

} // namespace lunafold
