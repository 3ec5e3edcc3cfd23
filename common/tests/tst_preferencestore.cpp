// SPDX-License-Identifier: MIT
#include "common/UserDefaults.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <sys/stat.h>

using lunafold::UserDefaults;

namespace {

enum Kind { Bool, Double, Integer, String, Date, RawIni };

const QString kKey = QStringLiteral("lunafold.value");
const QString kPrefs1 = QStringLiteral("PREFS1. Preference file could not be read; set aside as ");

UserDefaults::LogFunction into(QStringList &lines) {
    return [&lines](const QString &line) { lines.append(line); };
}

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

void put(UserDefaults &d, int kind, const QVariant &value) {
    switch (kind) {
    case Bool:
        return d.setBool(kKey, value.toBool());
    case Double:
        return d.setDouble(kKey, value.toDouble());
    case Integer:
        return d.setInteger(kKey, value.toLongLong());
    case String:
        return d.setString(kKey, value.toString());
    case Date:
        return d.setDate(kKey, value.toDateTime());
    }
}

// Absent values come back as an invalid QVariant so rows can state them.
QVariant get(const UserDefaults &d, int kind) {
    switch (kind) {
    case Bool:
        return d.boolForKey(kKey);
    case Double:
        return d.doubleForKey(kKey);
    case Integer:
        return d.integerForKey(kKey);
    case Date:
        return d.dateForKey(kKey) ? QVariant(*d.dateForKey(kKey)) : QVariant();
    }
    const QString text = d.stringForKey(kKey);
    return text.isNull() ? QVariant() : QVariant(text);
}

QDateTime utc(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
}

} // namespace

class TestPreferenceStore : public QObject {
    Q_OBJECT

    QTemporaryDir m_standardDir;

  private Q_SLOTS:
    // standard() reads the variable once, so it must be set before anything touches it.
    void initTestCase() { qputenv("LUNAFOLD_CONFIG_DIR", (m_standardDir.path() + "/a/b").toUtf8()); }

    void testRegisteredDefaultsAreNeverWritten() {
        QTemporaryDir dir;
        const QString path = dir.filePath("lunafold.ini");
        QStringList log;
        {
            UserDefaults d(path, into(log));
            d.registerDefaults({{"flag", true}, {"count", 7}, {"name", "moonlit"}, {"ratio", 2.5}});
            d.registerDefaults({{"when", utc(2024, 1, 2, 3, 4)}});
            QVERIFY(d.boolForKey("flag") && d.contains("flag"));
            QCOMPARE(d.integerForKey("count"), 7);
            QCOMPARE(d.doubleForKey("ratio"), 2.5);
            QCOMPARE(d.stringForKey("name"), QStringLiteral("moonlit"));
            QCOMPARE(d.dateForKey("when").value_or(QDateTime()), utc(2024, 1, 2, 3, 4));
            d.setBool("flag", false); // a stored value wins over the default
            QCOMPARE(d.boolForKey("flag"), false);
            d.removeObjectForKey("flag");
            QCOMPARE(d.boolForKey("flag"), true);
            d.setInteger("other", 1);
        }
        const QByteArray bytes = readAll(path);
        QVERIFY(bytes.contains("other=1"));
        QVERIFY(!bytes.contains("moonlit") && !bytes.contains("count") && !bytes.contains("flag"));
        UserDefaults d(path, into(log));
        QVERIFY(!d.contains("flag") && d.stringForKey("name").isNull() && !d.dateForKey("when"));
        QVERIFY(log.isEmpty());
    }

    void testRoundTripSurvivesRestart_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("registered"); // differs, so a lost value shows
        QTest::newRow("bool false") << int(Bool) << QVariant(false) << QVariant(true);
        QTest::newRow("double 1/3") << int(Double) << QVariant(1.0 / 3.0) << QVariant(1.0);
        QTest::newRow("integer min") << int(Integer) << QVariant(std::numeric_limits<qint64>::min())
                                     << QVariant(1);
        QTest::newRow("empty string") << int(String) << QVariant(QString("")) << QVariant("x");
        QTest::newRow("ini syntax") << int(String) << QVariant("@a, b = [c]; \"d\"\n Füll 🌕 ")
                                    << QVariant("x");
        QTest::newRow("date with offset and ms")
            << int(Date) << QVariant(QDateTime(QDate(2024, 2, 29), QTime(5, 30, 1, 123), QTimeZone(19800)))
            << QVariant(utc(2000, 1, 1, 0, 0));
    }

    void testRoundTripSurvivesRestart() {
        QFETCH(int, kind);
        QFETCH(QVariant, value);
        QFETCH(QVariant, registered);
        QTemporaryDir dir;
        const QString path = dir.filePath("lunafold.ini");
        {
            UserDefaults d(path);
            put(d, kind, value);
            QCOMPARE(get(d, kind), value);
        }
        // A copy under another name is read from disk, not from any in-process cache.
        const QString copy = dir.filePath("copy.ini");
        QVERIFY(QFile::copy(path, copy));
        for (const QString &file : {path, copy}) {
            UserDefaults d(file);
            d.registerDefaults({{kKey, registered}});
            QCOMPARE(get(d, kind), value);
            QVERIFY(kind != Date || d.dateForKey(kKey)->timeSpec() == Qt::UTC);
        }
    }

    void testWriteReplacesFileAtomically() {
        QTemporaryDir dir;
        const QString path = dir.filePath("lunafold.ini");
        UserDefaults d(path);
        d.setInteger("a", 1);
        struct stat before {
        }, after{};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
        d.setInteger("b", 2);
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
        // A new inode means a complete temporary file was renamed over the old one.
        QVERIFY(before.st_ino != after.st_ino);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"lunafold.ini"});
    }

    void testWrongTypeFallsBack_data() {
        QTest::addColumn<int>("storedKind");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("getter");
        QTest::addColumn<QVariant>("registered");
        QTest::addColumn<QVariant>("zero");
        QTest::newRow("text as bool")
            << int(String) << QVariant("yes") << int(Bool) << QVariant(true) << QVariant(false);
        QTest::newRow("double as integer")
            << int(Double) << QVariant(2.5) << int(Integer) << QVariant(9) << QVariant(0);
        QTest::newRow("text as double")
            << int(String) << QVariant("abc") << int(Double) << QVariant(1.5) << QVariant(0.0);
        QTest::newRow("bare date") << int(String) << QVariant("2024-01-02") << int(Date)
                                   << QVariant(utc(2001, 1, 1, 0, 0)) << QVariant();
        QTest::newRow("list as text")
            << int(RawIni) << QVariant("a, b") << int(String) << QVariant("def") << QVariant();
    }

    void testWrongTypeFallsBack() {
        QFETCH(int, storedKind);
        QFETCH(QVariant, stored);
        QFETCH(int, getter);
        QFETCH(QVariant, registered);
        QFETCH(QVariant, zero);
        QTemporaryDir dir;
        const QString path = dir.filePath("lunafold.ini");
        if (storedKind == RawIni)
            writeAll(path, "[General]\n" + kKey.toUtf8() + "=" + stored.toString().toUtf8() + "\n");
        UserDefaults d(path);
        put(d, storedKind, stored);
        QCOMPARE(get(d, getter), zero);
        d.registerDefaults({{kKey, registered}});
        QCOMPARE(get(d, getter), registered);
        d.registerDefaults({{kKey, QStringList{"x"}}}); // a wrongly typed default counts as absent too
        QCOMPARE(get(d, getter), zero);
    }

    void testUnreadableFileIsSetAside_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("directory"); // stands in for an unreadable file, even as root
        QTest::newRow("binary") << QByteArray("[General\n\0\x01 bad", 15) << false;
        QTest::newRow("NUL byte") << QByteArray("[General]\nlunafold.value=1\0\n", 28) << false;
        QTest::newRow("no equals sign") << QByteArray("[General]\nlunafold.value=1\nstray\n") << false;
        QTest::newRow("invalid UTF-8") << QByteArray("[General]\nlunafold.value=1\nx=\xff\n") << false;
        QTest::newRow("directory") << QByteArray("inside") << true;
    }

    void testUnreadableFileIsSetAside() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, directory);
        QTemporaryDir dir;
        const QString path = dir.filePath("lunafold.ini");
        const QString inner = directory ? QStringLiteral("/inner") : QString();
        QVERIFY(!directory || QDir().mkpath(path));
        writeAll(path + inner, bytes);
        QStringList log;
        {
            UserDefaults d(path, into(log));
            QCOMPARE(log.size(), 1);
            QVERIFY(log[0].startsWith(kPrefs1));
            d.registerDefaults({{kKey, 42}});
            QCOMPARE(d.integerForKey(kKey), 42); // nothing half-read from the bad file
            d.setInteger("fresh", 5);
        }
        const QFileInfo aside(log[0].mid(kPrefs1.size()));
        QCOMPARE(aside.absolutePath(), QFileInfo(path).absolutePath());
        QVERIFY(QRegularExpression("^lunafold\\.ini\\.corrupt-\\d{8}T\\d{6}$")
                    .match(aside.fileName())
                    .hasMatch());
        QCOMPARE(readAll(aside.filePath() + inner), bytes);
        UserDefaults again(path, into(log));
        QCOMPARE(again.integerForKey("fresh"), 5);
        QCOMPARE(log.size(), 1);
    }

    void testSetAsideNeverOverwritesEarlierCopy() {
        QTemporaryDir dir;
        const QString path = dir.filePath("lunafold.ini");
        QStringList log;
        for (const char *bytes : {"[first\n", "[second\n"}) {
            writeAll(path, bytes);
            UserDefaults d(path, into(log));
        }
        QCOMPARE(log.size(), 2);
        QCOMPARE(readAll(log[0].mid(kPrefs1.size())) + readAll(log[1].mid(kPrefs1.size())),
                 QByteArray("[first\n[second\n"));
    }

    void testStandardUsesConfigDirectory() {
        UserDefaults &standard = UserDefaults::standard();
        QCOMPARE(&UserDefaults::standard(), &standard);
        const QString expected = m_standardDir.path() + "/a/b/lunafold.ini"; // folders created
        QCOMPARE(standard.filePath(), expected);
        standard.setString("probe", "here");
        QVERIFY(readAll(expected).contains("probe=here"));
    }
};

QTEST_GUILESS_MAIN(TestPreferenceStore)
#include "tst_preferencestore.moc"
