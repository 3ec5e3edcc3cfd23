// SPDX-License-Identifier: MIT
// The preference store and the whole-file writes beneath it.
#include "common/SafeWrite.h"
#include "common/UserDefaults.h"

#include <QDir>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <cerrno>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using lunafold::UserDefaults;
using lunafold::writeFileSafely;
using lunafold::WriteStep;

namespace {

constexpr int Bool = 0, Double = 1, Integer = 2, String = 3, Date = 4; // the types of put() and get()

const QString kKey = QStringLiteral("lunafold.value");
const QString kPrefs1 = QStringLiteral("PREFS1. Preference file could not be read; set aside as ");

bool put(const QString &path, int type, const QVariant &v) {
    UserDefaults d(path);
    const std::function<void()> set[] = {
        [&] { d.setBool(kKey, v.toBool()); }, [&] { d.setDouble(kKey, v.toDouble()); },
        [&] { d.setInteger(kKey, v.toLongLong()); }, [&] { d.setString(kKey, v.toString()); },
        [&] { d.setDate(kKey, v.toDateTime()); }};
    set[type]();
    return d.contains(kKey);
}

QVariant get(const UserDefaults &d, int type) {
    const std::function<QVariant()> read[] = {
        [&] { return QVariant(d.boolForKey(kKey)); }, [&] { return QVariant(d.doubleForKey(kKey)); },
        [&] { return QVariant(d.integerForKey(kKey)); }, [&] { return QVariant(d.stringForKey(kKey)); },
        [&] { return QVariant(d.dateForKey(kKey).value_or(QDateTime())); }};
    return read[type]();
}

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool setMode(const QString &path, mode_t mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// Runs @p check where file permissions bite: in a child process as "nobody" when this one is root.
// Returns what check() returned, or -1 when it could not run.
int withoutPrivileges(const std::function<int()> &check) {
    if (::geteuid() != 0)
        return check();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(99);
        ::_exit(check());
    }
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

class TestPreferenceStore : public QObject {
    Q_OBJECT

    QTemporaryDir m_standardDir;
    std::unique_ptr<QTemporaryDir> m_dir; // a fresh one for every row
    QString m_path;

  private Q_SLOTS:
    // standard() reads the variable once, so it must be set before anything touches it.
    void initTestCase() { qputenv("LUNAFOLD_CONFIG_DIR", (m_standardDir.path() + "/a/b").toUtf8()); }
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_path = m_dir->filePath("lunafold.ini");
    }
    void cleanup() { lunafold::setWriteFault({}); }

    void testRegisteredDefaultsAreNeverWritten() {
        UserDefaults d(m_path);
        d.registerDefaults({{"flag", true}, {"name", "moonlit"}});
        d.setBool("flag", false); // a stored value wins over the default
        QVERIFY(!d.boolForKey("flag") && d.stringForKey("name") == QLatin1String("moonlit"));
        d.removeObjectForKey("flag");
        QVERIFY(d.boolForKey("flag") && d.contains("flag") && !d.contains("other"));
        QVERIFY2(!readAll(m_path).contains("moonlit") && !readAll(m_path).contains("flag"), readAll(m_path));
    }

    // Rows: a value stored with the setter of its type, or as INI text of another type, read by the
    // getter of the type after a restart: with no default, a registered one and a wrongly typed one.
    void testTypedValue_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("raw"); // INI text the getter must treat as absent
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("registered");
        const QDateTime offset(QDate(2024, 2, 29), QTime(5, 30, 1, 123), QTimeZone(19800));
        QTest::newRow("bool false") << Bool << false << QVariant(false) << QVariant(true);
        QTest::newRow("double 1/3") << Double << false << QVariant(1.0 / 3.0) << QVariant(1.0);
        QTest::newRow("integer min") << Integer << false << QVariant(std::numeric_limits<qint64>::min())
                                     << QVariant(1);
        QTest::newRow("empty string") << String << false << QVariant("") << QVariant("x");
        QTest::newRow("ini syntax") << String << false << QVariant("@a,b=[c];\"d\"\n Fü🌕 ") << QVariant("x");
        QTest::newRow("date +05:30.123") << Date << false << QVariant(offset) << QVariant(offset.addDays(1));
        QTest::newRow("text as bool") << Bool << true << QVariant("yes") << QVariant(true);
        QTest::newRow("double as integer") << Integer << true << QVariant("2.5") << QVariant(9);
        QTest::newRow("bare date") << Date << true << QVariant("2024-01-02") << QVariant(offset);
        QTest::newRow("list as text") << String << true << QVariant("a, b") << QVariant("x");
    }

    void testTypedValue() {
        QFETCH(int, type);
        QFETCH(bool, raw);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, registered);
        const QByteArray text = "[General]\n" + kKey.toUtf8() + "=" + stored.toString().toUtf8() + "\n";
        QVERIFY(raw ? writeAll(m_path, text) : put(m_path, type, stored));
        const QVariant bare = raw ? QVariantList{false, 0.0, 0, QString(), QDateTime()}.at(type) : stored;
        // A copy under another name is read from disk, not from any in-process cache.
        QVERIFY(QFile::copy(m_path, m_path + ".copy"));
        for (const QString &file : {m_path, m_path + ".copy"}) {
            UserDefaults d(file);
            QCOMPARE(get(d, type), bare);
            d.registerDefaults({{kKey, registered}});
            QCOMPARE(get(d, type), raw ? registered : stored);
            d.registerDefaults({{kKey, QStringList{"x"}}}); // a wrongly typed default counts as absent
            QCOMPARE(get(d, type), bare);
        }
    }

    void testUnreadableFileIsSetAside_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("NUL byte") << QByteArray("[General]\nlunafold.value=1\0\n", 28);
        QTest::newRow("no equals sign") << QByteArray("[General]\nlunafold.value=1\nstray\n");
        QTest::newRow("invalid UTF-8") << QByteArray("[General]\nlunafold.value=1\nx=\xff\n");
    }

    void testUnreadableFileIsSetAside() {
        QFETCH(QByteArray, bytes);
        const QRegularExpression logged('^' + QRegularExpression::escape(kPrefs1 + m_path) +
                                        "\\.corrupt-\\d{8}T\\d{6}(-\\d+)?$");
        QStringList log;
        // Twice within a second or so: the second copy must not replace the first.
        for (int run = 1; run <= 2; ++run) {
            QVERIFY(writeAll(m_path, bytes));
            UserDefaults d(m_path, [&log](const QString &line) { log << line; });
            QCOMPARE(log.size(), run);
            QVERIFY2(logged.match(log.last()).hasMatch(), qPrintable(log.last()));
            QCOMPARE(readAll(log.last().mid(kPrefs1.size())), bytes);
            d.registerDefaults({{kKey, 42}});
            QCOMPARE(d.integerForKey(kKey), 42); // nothing half-read from the bad file
            d.setInteger("fresh", run);
        }
        QVERIFY(log[0] != log[1]);
        QVERIFY(readAll(m_path).contains("fresh=2"));
    }

    // Rows: a file that is there but out of reach is the user's to fix, not corruption: it is never
    // set aside or written over, and the store runs on defaults in memory.
    void testUnreachableFileIsLeftAlone_data() {
        QTest::addColumn<bool>("folder");
        QTest::newRow("no read permission") << false;
        QTest::newRow("a folder in its place") << true;
    }
    void testUnreachableFileIsLeftAlone() {
        QFETCH(bool, folder);
        const QByteArray bytes = "[General]\nlunafold.value=7\n";
        QVERIFY(folder ? QDir().mkpath(m_path) : writeAll(m_path, bytes) && setMode(m_path, 0));
        // Writable for anyone, so that setting the file aside would have succeeded.
        QVERIFY(setMode(m_dir->path(), 0777));
        const int outcome = withoutPrivileges([this] {
            QStringList log;
            UserDefaults d(m_path, [&log](const QString &line) { log << line; });
            d.registerDefaults({{kKey, 42}});
            const bool defaults = d.integerForKey(kKey) == 42;
            d.setInteger(kKey, 9);
            const bool said = log.size() == 1 && log[0].startsWith("PREFS3.") && log[0].endsWith(m_path);
            return (defaults ? 0 : 1) | (d.integerForKey(kKey) == 9 ? 0 : 2) | (said ? 0 : 4);
        });
        QCOMPARE(outcome, 0);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"lunafold.ini"});
        QVERIFY(folder ? QFileInfo(m_path).isDir() : setMode(m_path, 0600) && readAll(m_path) == bytes);
    }

    void testFailedWriteGoesOnInMemoryAndIsSaidOnce() {
        QStringList log;
        UserDefaults d(m_path, [&log](const QString &line) { log << line; });
        d.setInteger("runs", 1);
        lunafold::setWriteFault([](WriteStep s) { return s == WriteStep::Write ? ENOSPC : 0; });
        d.setInteger("runs", 2);
        d.setInteger("runs", 3);
        lunafold::setWriteFault({});
        QCOMPARE(d.integerForKey("runs"), 3); // this run goes on with what it was told
        QCOMPARE(log.size(), 1);              // said once, not at every setter
        QVERIFY2(log[0].startsWith("PREFS2.") && log[0].contains(std::strerror(ENOSPC)), qPrintable(log[0]));
        d.setInteger("other", 1); // with room again, everything is written
        QCOMPARE(UserDefaults(m_path).integerForKey("runs"), 3);
    }

    void testStandardUsesConfigDirectory() {
        UserDefaults &standard = UserDefaults::standard();
        const QString expected = m_standardDir.path() + "/a/b/lunafold.ini"; // folders created
        QCOMPARE(standard.filePath(), expected);
        standard.setString("probe", "here");
        QVERIFY(readAll(expected).contains("probe=here"));
    }

    // Whole files or none: failures at every step of a write, a full disk, and targets that are
    // not plain files.
    void aFailedStepKeepsTheOldFile_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("error");
        QTest::newRow("open") << int(WriteStep::Open) << EACCES;
        QTest::newRow("write: disk full") << int(WriteStep::Write) << ENOSPC;
        QTest::newRow("sync") << int(WriteStep::Sync) << EIO;
        QTest::newRow("close") << int(WriteStep::Close) << EDQUOT;
        QTest::newRow("rename") << int(WriteStep::Rename) << EXDEV;
    }
    void aFailedStepKeepsTheOldFile() {
        QFETCH(int, step);
        QFETCH(int, error);
        const QString path = m_dir->filePath(QStringLiteral("kept.json"));
        QCOMPARE(writeFileSafely(path, "old and whole\n"), QString());
        lunafold::setWriteFault([&](WriteStep s) { return int(s) == step ? error : 0; });
        QCOMPARE(writeFileSafely(path, QByteArray(100000, 'n')),
                 QString::fromLocal8Bit(std::strerror(error)));
        QCOMPARE(readAll(path), QByteArray("old and whole\n"));
        // No half-written temporary is left behind.
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.json"});
    }

    void aFullDiskKeepsTheOldFile() {
        const QString mountPoint = m_dir->filePath(QStringLiteral("tiny"));
        QVERIFY(QDir().mkpath(mountPoint));
        const QByteArray where = QFile::encodeName(mountPoint);
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=16k") != 0)
            QSKIP("cannot mount a small tmpfs here (needs root); the injected failures above stand in");
        const auto unmount = qScopeGuard([&where] { ::umount2(where.constData(), MNT_DETACH); });
        const QString path = mountPoint + QStringLiteral("/pending.json");
        // The old file and a copy of the same size fit; the bigger replacement does not.
        QCOMPARE(writeFileSafely(path, QByteArray(3217, 'p')), QString());
        QCOMPARE(writeFileSafely(path, QByteArray(40000, 'q')),
                 QString::fromLocal8Bit(std::strerror(ENOSPC)));
        QCOMPARE(readAll(path), QByteArray(3217, 'p'));
    }

    void specialTargetsAreWrittenNotReplaced() {
        // A full device node is tst_clifaults' (DevicesAreWrittenNeverReplaced).
        QCOMPARE(writeFileSafely(QStringLiteral("/dev/null"), "x"), QString());
        QVERIFY(!writeFileSafely(m_dir->path(), "x").isEmpty()); // a folder is never replaced

        // A link stays a link; the file it points to gets the new bytes.
        const QString real = m_dir->filePath(QStringLiteral("real.ini")),
                      link = m_dir->filePath(QStringLiteral("link.ini"));
        QCOMPARE(writeFileSafely(real, "a"), QString());
        QVERIFY(QFile::link(real, link));
        QCOMPARE(writeFileSafely(link, "b"), QString());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(real), QByteArray("b"));
    }
};

QTEST_GUILESS_MAIN(TestPreferenceStore)
#include "tst_preferencestore.moc"
