// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace lunafold {

/// The tab container: which tab shows and the swipe between neighbouring tabs.
class MainViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(int selectedTab READ selectedTab WRITE setSelectedTab NOTIFY selectedTabChanged)
    Q_PROPERTY(int numTabs READ numTabs CONSTANT)
    Q_PROPERTY(double minDragTranslationForSwipe READ minDragTranslationForSwipe CONSTANT)

  public:
    explicit MainViewModel(QObject *parent = nullptr) : QObject(parent) {}

    int selectedTab() const { return m_selectedTab; }
    void setSelectedTab(int tab);
    int numTabs() const { return 5; }
    double minDragTranslationForSwipe() const { return 50.0; }

    /// The end of a horizontal drag of @p translationX points (positive to the right).
    Q_INVOKABLE void dragEnded(double translationX);

  Q_SIGNALS:
    void selectedTabChanged();

  private:
    int m_selectedTab = 0;
};

} // namespace lunafold
