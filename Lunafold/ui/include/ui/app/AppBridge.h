// SPDX-License-Identifier: MIT
#pragma once

#include "core/services/Locator.h"

#include <QColor>
#include <QObject>

#include <QPointer>
#include <functional>

namespace lunafold {

class ActivityViewController;

/// The window's calls into the platform: sounds and the store page.
class AppBridge : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool interactive READ interactive CONSTANT)

  public:
    /// @param interactive false for screenshots: nobody is there to answer questions
    explicit AppBridge(bool interactive = true, QObject *parent = nullptr)
        : QObject(parent), m_interactive(interactive) {}
    bool interactive() const { return m_interactive; }
    /// Asked each time the tab container is shown: whether to offer the review prompt.
    void setReviewGate(std::function<bool()> gate) { m_reviewGate = std::move(gate); }
    Q_INVOKABLE bool reviewDue() { return m_reviewGate && m_reviewGate(); }
    /// Whose time zone the share card's sentences are in; the device's without one.
    void setLocator(Locator *locator) { m_locator = locator; }

    /// The wolf howl of the Now screen and the notification settings.
    Q_INVOKABLE void playHowl();
    /// The review prompt's "Rate" answer: the project's page in the browser.
    Q_INVOKABLE void openReviewPage();
    /// Draws the share card for now at @p scale pixels per point and presents the share sheet;
    /// nothing happens when no picture results.
    Q_INVOKABLE void share(double scale);
    /// A named colour of the dark scheme ("ViewBackgroundColor", "ButtonColor"); black if unknown.
    Q_INVOKABLE QColor colorAsset(const QString &name) const;
    /// The app's one share sheet.
    static ActivityViewController &shareSheet();

  private:
    bool m_interactive;
    std::function<bool()> m_reviewGate;
    QPointer<Locator> m_locator;
};

} // namespace lunafold
