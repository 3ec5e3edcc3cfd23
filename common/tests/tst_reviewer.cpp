// SPDX-License-Identifier: MIT
#include "common/AppInfo.h"
#include "common/Reviewer.h"
#include "common/UserDefaults.h"

#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <memory>

using lunafold::Reviewer;
using lunafold::UserDefaults;

namespace {

const QString kPrefix = QStringLiteral("test.bundle");
const QDateTime kDay0 = QDateTime(QDate(2024, 1, 10), QTime(8, 30), Qt::UTC);
const QString kRp9 =
    QStringLiteral("RP9. New App Version detected. First Run Date and Run Count will be reset.");
const QString kRp5 = QStringLiteral("RP5. Have set thisVersionReviewed.");
const QString kRp6 =
    QStringLiteral("RP6. ** Will return true so attempt can be made to show review prompt **");

// One device: each launch() is a new process on the same preference file, with a fake clock.
struct Device {
    QTemporaryDir dir;
    std::unique_ptr<UserDefaults> defaults;
    std::unique_ptr<Reviewer> reviewer;
    QDateTime now;
    QStringList log;

    Reviewer &launch(const QString &version, const QDateTime &at) {
        now = at;
        log.clear();
        reviewer.reset();
        defaults = std::make_unique<UserDefaults>(dir.filePath("lunafold.ini"));
        reviewer = std::make_unique<Reviewer>(Reviewer::Environment{kPrefix, version, [this] { return now; },
                                                                    defaults.get(),
                                                                    [this](const QString &l) { log << l; }});
        return *reviewer;
    }
};

} // namespace

class TestReviewer : public QObject {
    Q_OBJECT

    QTemporaryDir m_standardDir;

  private Q_SLOTS:
    void initTestCase() {
        // A zone with daylight saving, so calendar days and 24-hour periods differ.
        qputenv("TZ", "Europe/Berlin");
        tzset();
        qputenv("LUNAFOLD_CONFIG_DIR", m_standardDir.path().toUtf8());
    }

    void testVersionChange_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("resets");
        QTest::newRow("patch") << QString("2.3.0") << QString("2.3.1") << false;
        QTest::newRow("minor") << QString("2.3.9") << QString("2.4") << true;
        QTest::newRow("major") << QString("2.3.0") << QString("3.3.0") << true;
        QTest::newRow("3 as 3.0.0") << QString("3") << QString("3.0.5") << false;
    }

    // The fifth launch asks for a review; the sixth runs version "to".
    void testVersionChange() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, resets);
        Device device;
        for (int day : {0, 1, 2, 3, 5})
            device.launch(from, kDay0.addDays(day));
        QVERIFY(device.reviewer->showReviewPrompt());
        device.log.clear();
        QVERIFY(!device.reviewer->showReviewPrompt(0, 0)); // once per process, without diagnostics
        QVERIFY(device.log.isEmpty());
        Reviewer &sixth = device.launch(to, kDay0.addDays(6));
        QCOMPARE(device.log, resets ? QStringList{kRp9} : QStringList());
        QCOMPARE(sixth.runCount(), resets ? 1 : 6);
        QCOMPARE(sixth.dateFirstRun(), resets ? kDay0.addDays(6) : kDay0);
        QCOMPARE(sixth.thisVersionReviewed(), !resets);
        QCOMPARE(sixth.lastRunVersion(), resets ? to : from);
        QVERIFY(!sixth.showReviewPrompt()); // reviewed, or counting from one again
    }

    void testPromptDecision_data() {
        QTest::addColumn<int>("launches");
        QTest::addColumn<QDateTime>("firstRun");
        QTest::addColumn<QDateTime>("callAt");
        QTest::addColumn<bool>("expected");
        const QDateTime noonBerlin(QDate(2024, 3, 26), QTime(12, 0));
        QTest::newRow("a minute short of day 5") << 5 << kDay0 << kDay0.addDays(5).addSecs(-60) << false;
        QTest::newRow("launch 4 on day 30") << 4 << kDay0 << kDay0.addDays(30) << false;
        // Five calendar days across the spring change are only 119 hours.
        QTest::newRow("day 5 across DST") << 5 << noonBerlin << noonBerlin.addDays(5) << true;
        QTest::newRow("clock set back") << 5 << kDay0 << kDay0.addDays(-6) << false;
    }

    void testPromptDecision() {
        QFETCH(int, launches);
        QFETCH(QDateTime, firstRun);
        QFETCH(QDateTime, callAt);
        QFETCH(bool, expected);
        Device device;
        for (int i = 1; i < launches; ++i)
            device.launch("1.0", firstRun.addSecs(i - 1));
        QCOMPARE(device.launch("1.0", callAt).showReviewPrompt(), expected);
        QCOMPARE(device.log.mid(6), (expected ? QStringList{kRp5, kRp6} : QStringList()));
    }

    void testFirstLaunchesAndDiagnostics() {
        Device device;
        QCOMPARE(device.launch("2.3.0", kDay0).runCount(), 1);
        QCOMPARE(device.log, QStringList{kRp9});
        // What it stores is read back after a relaunch in testVersionChange.
        QVERIFY(!device.launch("2.3.0", kDay0.addDays(2)).showReviewPrompt(5, 7));
        const QStringList expected{
            "RP0. Show Review Prompt called.",
            "RP8. Last Run Version is  2.3.0",
            "RP1. Date of first run is  2024-01-10T08:30:00Z",
            "RP2. Days since first run is  2 , needs to be >=  5  to present review prompt.",
            "RP3. Run Count is  2 , needs to be >=  7  to present review prompt.",
            "RP4. This Version Reviewed is  false , needs to be false to present review prompt.",
        };
        QCOMPARE(device.log, expected);
    }

    void testSharedUsesStandardStore() {
        Reviewer &shared = Reviewer::shared();
        QCOMPARE(shared.savePrefix(), QString::fromLatin1(lunafold::kBundleIdentifier));
        QCOMPARE(shared.lastRunVersion(), QStringLiteral(LUNAFOLD_VERSION));
        QCOMPARE(UserDefaults::standard().integerForKey(shared.savePrefix() + ".runCount"), 1);
    }
};

QTEST_GUILESS_MAIN(TestReviewer)
#include "tst_reviewer.moc"
