// SPDX-License-Identifier: MIT
// Start-up: the log lines in order for a first launch, granted, denied and error, the permission
// remembered, scheduling from the permission thread, and the badge cleared on activation.
#include "Fakes.h"
#include "core/app/LunafoldApp.h"
#include "core/services/NotificationAuthorizer.h"

#include <QMutex>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using namespace lunafold;

const QStringList kConstruction = {
    QStringLiteral("STARTUP1: Lunafold Begins."),
    QStringLiteral("STARTUP3: About to request notification permissions if necessary."),
    QStringLiteral("STARTUPn: Startup ends, likely traversal to first view next."),
};

class TestStartup : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QMutex m_mutex;
    QStringList m_log;
    bool m_rescheduledOffMainThread = false;
    int m_prompts = 0;

    QStringList launch(NotificationAuthorizer &authorizer, int expectedLines) {
        {
            QMutexLocker lock(&m_mutex);
            m_log.clear();
        }
        LunafoldApp app(
            {nullptr, &authorizer,
             [this](const QString &l) {
                 QMutexLocker lock(&m_mutex);
                 m_log << l;
             },
             [this] { m_rescheduledOffMainThread = QThread::currentThread() != qApp->thread(); }});
        // The tests compare what came; nothing more arrives.
        (void)QTest::qWaitFor([&] { return lines().size() >= expectedLines; }, 5000);
        QTest::qWait(50);
        return lines();
    }
    QStringList lines() {
        QMutexLocker lock(&m_mutex);
        return m_log;
    }
    NotificationAuthorizer::Prompt answering(std::optional<bool> answer) {
        return [this, answer] {
            ++m_prompts;
            return answer;
        };
    }

  private Q_SLOTS:
    void init() { m_prompts = 0; }

    void firstLaunchGrantedThenRemembered() {
        NotificationAuthorizer authorizer(m_dir.filePath(QStringLiteral("granted")), answering(true));
        QCOMPARE(launch(authorizer, 5),
                 (kConstruction + QStringList{u"STARTUP5: About to Schedule Notifications."_qs,
                                              u"STARTUP6: Notifications scheduled."_qs}));
        QVERIFY(m_rescheduledOffMainThread);
        launch(authorizer, 5);
        QCOMPARE(m_prompts, 1); // asked once, remembered
    }

    // Denied: nothing scheduled and not asked again; unanswered: asked again at the next launch.
    void deniedOrUnansweredSchedulesNothing() {
        for (const std::optional<bool> answer : {std::optional<bool>(false), std::optional<bool>()}) {
            init();
            NotificationAuthorizer authorizer(m_dir.filePath(answer ? u"denied"_qs : u"later"_qs),
                                              answering(answer));
            QCOMPARE(launch(authorizer, 3), kConstruction);
            launch(authorizer, 3);
            QCOMPARE(m_prompts, answer ? 1 : 2);
            QCOMPARE(authorizer.decision(), answer);
        }
    }

    void anErrorIsOneLine() {
        // The answer cannot be stored: the decision file's folder is a file.
        QVERIFY(QFile(m_dir.filePath(QStringLiteral("blocked"))).open(QIODevice::WriteOnly));
        NotificationAuthorizer authorizer(m_dir.filePath(QStringLiteral("blocked/decision")),
                                          answering(true));
        const QStringList log = launch(authorizer, 4);
        QCOMPARE(log.mid(0, 3), kConstruction);
        QVERIFY(log[3].startsWith(u"STARTUP4: Error : Notification Setup Error The notification permission"));
        QVERIFY(log[3].endsWith(u'.'));
    }

    void badgeClearedOnlyWhenBecomingActive() {
        test::RecordingCenter center;
        LunafoldApp app({&center, nullptr, [](const QString &) {}, [] {}, Qt::ApplicationActive});
        app.applicationStateChanged(Qt::ApplicationActive); // not a change
        QVERIFY(center.badges.isEmpty());
        app.applicationStateChanged(Qt::ApplicationInactive);
        app.applicationStateChanged(Qt::ApplicationSuspended);
        QVERIFY(center.badges.isEmpty());
        app.applicationStateChanged(Qt::ApplicationActive);
        QCOMPARE(center.badges, QList<int>{0});
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
