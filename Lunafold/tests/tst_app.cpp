// SPDX-License-Identifier: MIT
// The application process: options, a screenshot, an NMEA replay, one app per user, and the
// permission question answered across threads.
#include "core/app/PermissionPrompt.h"

#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentRun>
#include <QtTest>

using namespace lunafold;

namespace {

struct Run {
    int status;
    QString out, err;
};

} // namespace

class TestApp : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QProcessEnvironment environment() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"LUNAFOLD_CONFIG_DIR"_qs, m_dir.filePath(u"config"_qs));
        env.insert(u"LUNAFOLD_DATA_DIR"_qs, m_dir.filePath(u"data"_qs));
        env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        return env;
    }
    // Runs the app with its own settings and data folders; @p seconds bounds an interactive run.
    Run run(const QStringList &args, int seconds = 30) {
        QProcess p;
        p.setProcessEnvironment(environment());
        p.start(QStringLiteral(LUNAFOLD_APP), args);
        if (!p.waitForFinished(seconds * 1000)) {
            p.terminate();
            p.waitForFinished(5000);
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }
    QSettings saved() { return QSettings(m_dir.filePath(u"config/lunafold.ini"_qs), QSettings::IniFormat); }

  private Q_SLOTS:
    void badOptionsAreRefused() {
        const std::pair<QStringList, const char *> cases[] = {
            {{"--screenshot", "x.png", "--tab", "5"}, "--tab"},
            {{"--place", "91,0,UTC"}, "--place"},
            {{"--place", "10,10,Mars/Base"}, "unknown time zone"},
            {{"--at", "2024-04-08 18:21"}, "--at"},
            {{"--size", "huge"}, "--size"},
            {{"--frobnicate", "1"}, "unknown option"},
            {{"--at"}, "needs a value"},
            {{"--place", "nan,2.35,Europe/Paris"}, "--place"},
            {{"--screenshot", ""}, "empty"},
            {{"--screenshot", "x.png", "--size", "8000x8000", "--dpr", "4"}, "million pixels"},
        };
        for (const auto &[args, message] : cases) {
            const Run r = run(args);
            QVERIFY2(r.status == 2 && r.err.contains(QLatin1String(message)),
                     qPrintable(args.join(u' ') + u" -> "_qs + r.err));
        }
    }

    void screenshotOfATab() {
        const QString file = m_dir.filePath(u"rise.png"_qs);
        const Run r = run({"--screenshot", file, "--tab", "1", "--at", "2024-04-23T12:00:00Z", "--place",
                           "48.8566,2.3522,Europe/Paris", "--size", "400x700", "--dpr", "2"});
        QCOMPARE(r.status, 0);
        QCOMPARE(QImage(file).size(), QSize(800, 1400));
        QVERIFY(!r.out.contains(u"STARTUP"_qs));             // screenshots leave notifications alone
        QVERIFY(!saved().contains(u"lunafold.timezone"_qs)); // and save no place
        QCOMPARE(run({"--screenshot", m_dir.filePath(u"no/such/dir.png"_qs)}).status, 1);
    }

    // The replay itself is tst_locator's; here the option reaches it and the place is saved.
    void replayedFixIsTakenSavedAndNamed() {
        QFile log(m_dir.filePath(u"sydney.nmea"_qs));
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write("$GPRMC,120000,A,3352.200,S,15112.600,E,0.0,0.0,230424,,,A*68\r\n"
                  "$GPRMC,120001,A,3352.200,S,15112.600,E,0.0,0.0,230424,,,A*69\r\n"
                  "$GPRMC,120002,A,3352.200,S,15112.600,E,0.0,0.0,230424,,,A*6A\r\n");
        log.close();
        QCOMPARE(run({"--screenshot", m_dir.filePath(u"sydney.png"_qs), "--nmea", log.fileName()}).status, 0);
        QSettings s = saved();
        QCOMPARE(s.value(u"lunafold.timezone"_qs).toString(), u"Australia/Sydney"_qs);
        QVERIFY(s.value(u"lunafold.friendlyLocationText"_qs).toString().startsWith(u"Sydney"_qs));
    }

    // One app per user: a second launch brings the first forward and leaves at once, before it
    // starts anything; a screenshot still runs beside the app.
    void aSecondLaunchLeavesTheFirstInCharge() {
        QProcess first;
        first.setProcessEnvironment(environment());
        first.start(QStringLiteral(LUNAFOLD_APP), {"--place", "48.8566,2.3522,Europe/Paris"});
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += first.readAllStandardOutput()).contains("STARTUPn"), 30000);
        const Run second = run({"--place", "48.8566,2.3522,Europe/Paris"}, 20);
        QCOMPARE(second.status, 0);
        QVERIFY2(second.err.contains(u"already running; its window was brought forward"_qs),
                 qPrintable(second.err));
        QVERIFY(!second.out.contains(u"STARTUP1"_qs));
        QCOMPARE(run({"--screenshot", m_dir.filePath(u"beside.png"_qs)}).status, 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }

    void permissionQuestionWaitsForTheWindow() {
        PermissionPrompt prompt;
        QSignalSpy asking(&prompt, &PermissionPrompt::askingChanged);
        prompt.answer(true); // nobody asked: ignored
        QFuture<std::optional<bool>> answer = QtConcurrent::run([&prompt] { return prompt.ask(); });
        QTRY_VERIFY(prompt.asking());
        QVERIFY(!answer.isFinished());
        prompt.answer(false);
        QCOMPARE(answer.result(), std::optional<bool>(false));
        QTRY_VERIFY(!prompt.asking());
        QTRY_COMPARE(asking.count(), 2);

        answer = QtConcurrent::run([&prompt] { return prompt.ask(); });
        QTRY_VERIFY(prompt.asking());
        prompt.abandon(); // the app quits before an answer
        QCOMPARE(answer.result(), std::nullopt);
        QCOMPARE(prompt.ask(), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestApp)
#include "tst_app.moc"
