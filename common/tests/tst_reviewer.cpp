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

// One device: each launch() is a new process on the same preference file, with a fake clock.
class Device {
  public:
    Reviewer &launch(const QString &version, const QDateTime &at) {
        now = at;
        log.clear();
        m_reviewer.reset();
        m_defaults = std::make_unique<UserDefaults>(m_dir.filePath("lunafold.ini"));
        m_reviewer = std::make_unique<Reviewer>(
            Reviewer::Environment{kPrefix, version, [this] { return now; }, m_defaults.get(),
                                  [this](const QString &line) { log.append(line); }});
        return *m_reviewer;
    }
    // Launches of one version on the given days since kDay0; returns the last.
    Reviewer &launchOnDays(const QString &version, std::initializer_list<int> days) {
        for (int day : days)
            launch(version, kDay0.addDays(day));
        return *m_reviewer;
    }
    UserDefaults &defaults() { return *m_defaults; }

    QDateTime now;
    QStringList log;

  private:
    QTemporaryDir m_dir;
    std::unique_ptr<UserDefaults> m_defaults;
    std::unique_ptr<Reviewer> m_reviewer;
};

const QString kRp9 =
    QStringLiteral("RP9. New App Version detected. First Run Date and Run Count will be reset.");
const QString kRp5 = QStringLiteral("RP5. Have set thisVersionReviewed.");
const QString kRp6 =
    QStringLiteral("RP6. ** Will return true so attempt can be made to show review prompt **");

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

    void testFirstLaunchResetsAndPersists() {
        Device device;
        Reviewer &first = device.launch("2.3.0", kDay0);
        QCOMPARE(device.log, QStringList{kRp9});
        QCOMPARE(first.runCount(), 1);
        QCOMPARE(first.savePrefix(), kPrefix);
        const UserDefaults &saved = device.defaults();
        QCOMPARE(saved.integerForKey(kPrefix + ".runCount"), 1);
        QCOMPARE(saved.stringForKey(kPrefix + ".lastRunVersion"), QStringLiteral("2.3.0"));
        QCOMPARE(saved.dateForKey(kPrefix + ".dateFirstRun").value_or(QDateTime()), kDay0);
        QVERIFY(saved.contains(kPrefix + ".thisVersionReviewed"));

        Reviewer &second = device.launch("2.3.0", kDay0.addDays(3));
        QVERIFY(device.log.isEmpty());
        QCOMPARE(second.runCount(), 2);
        QCOMPARE(second.dateFirstRun(), kDay0);
    }

    void testVersionChange_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("resets");
        QTest::newRow("patch") << "2.3.0"
                               << "2.3.1" << false;
        QTest::newRow("minor") << "2.3.9"
                               << "2.4" << true;
        QTest::newRow("major") << "2.3.0"
                               << "3.3.0" << true;
        QTest::newRow("padded major") << "3"
                                      << "3.0.5" << false;
        QTest::newRow("fourth component") << "1.2.3.4"
                                          << "1.2.9.9" << false;
        QTest::newRow("compared as text") << "2.3"
                                          << "2.03" << true;
    }

    void testVersionChange() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, resets);
        Device device;
        QVERIFY(device.launchOnDays(from, {0, 1, 2, 3, 5}).showReviewPrompt());
        Reviewer &updated = device.launch(to, kDay0.addDays(6));
        QCOMPARE(device.log, resets ? QStringList{kRp9} : QStringList());
        QCOMPARE(updated.runCount(), resets ? 1 : 6);
        QCOMPARE(updated.dateFirstRun(), resets ? kDay0.addDays(6) : kDay0);
        QCOMPARE(updated.thisVersionReviewed(), !resets);
        QCOMPARE(updated.lastRunVersion(), resets ? to : from);
    }

    void testPromptDecision_data() {
        QTest::addColumn<int>("launches");
        QTest::addColumn<QDateTime>("firstRun");
        QTest::addColumn<QDateTime>("callAt");
        QTest::addColumn<bool>("expected");
        const QDateTime noonBerlin(QDate(2024, 3, 26), QTime(12, 0));
        QTest::newRow("launch 5 on day 4") << 5 << kDay0 << kDay0.addDays(4) << false;
        QTest::newRow("launch 5 on day 5") << 5 << kDay0 << kDay0.addDays(5) << true;
        QTest::newRow("a minute short of day 5") << 5 << kDay0 << kDay0.addDays(5).addSecs(-60) << false;
        QTest::newRow("launch 4 on day 30") << 4 << kDay0 << kDay0.addDays(30) << false;
        QTest::newRow("launch 9 on day 12") << 9 << kDay0 << kDay0.addDays(12) << true;
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
        Reviewer &reviewer = device.launch("1.0", callAt);
        QCOMPARE(reviewer.showReviewPrompt(), expected);
        QCOMPARE(device.log.contains(kRp6), expected);
        QCOMPARE(device.defaults().boolForKey(kPrefix + ".thisVersionReviewed"), expected);
    }

    void testGrantOncePerProcessAndVersion() {
        Device device;
        Reviewer &reviewer = device.launchOnDays("2.3.0", {0, 1, 2, 3, 5});
        device.log.clear();
        QVERIFY(reviewer.showReviewPrompt());
        QCOMPARE(device.log.mid(6), (QStringList{kRp5, kRp6}));
        QVERIFY(reviewer.hasAppeared());
        device.log.clear();
        QVERIFY(!reviewer.showReviewPrompt(0, 0));
        QVERIFY(device.log.isEmpty());

        Reviewer &next = device.launch("2.3.0", kDay0.addDays(6));
        QVERIFY(next.thisVersionReviewed());
        QVERIFY(!next.hasAppeared());
        QVERIFY(!next.showReviewPrompt());
        QCOMPARE(device.log.size(), 6);
    }

    void testDiagnosticLines() {
        Device device;
        device.launch("2.3.0", kDay0);
        Reviewer &reviewer = device.launch("2.3.0", kDay0.addDays(2));
        device.now = kDay0.addDays(2).addSecs(3600);
        device.log.clear();
        QVERIFY(!reviewer.showReviewPrompt(5, 7));
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
        QCOMPARE(&Reviewer::shared(), &shared);
        QCOMPARE(shared.savePrefix(), QString::fromLatin1(lunafold::kBundleIdentifier));
        QCOMPARE(shared.lastRunVersion(), QStringLiteral(LUNAFOLD_VERSION));
        QCOMPARE(UserDefaults::standard().integerForKey(shared.savePrefix() + ".runCount"), 1);
    }
};

QTEST_GUILESS_MAIN(TestReviewer)
#include "tst_reviewer.moc"
