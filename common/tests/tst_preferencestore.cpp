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

constexpr int Bool = 0, Double = 1, Integer = 2, String = 3, Date = 4; // the types of put() and get()

const QString kKey = QStringLiteral("lunafold.value");
const QString kPrefs1 = QStringLiteral("PREFS1. Preference file could not be read; set aside as ");

void put(const QString &path, int type, const QVariant &v) {
    UserDefaults d(path);
    const std::function<void()> set[] = {
        [&] { d.setBool(kKey, v.toBool()); }, [&] { d.setDouble(kKey, v.toDouble()); },
        [&] { d.setInteger(kKey, v.toLongLong()); }, [&] { d.setString(kKey, v.toString()); },
        [&] { d.setDate(kKey, v.toDateTime()); }};
    set[type]();
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

void writeAll(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

ino_t inode(const QString &path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
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

    void testRegisteredDefaultsAreNeverWritten() {
        UserDefaults d(m_path);
        d.registerDefaults({{"flag", true}, {"name", "moonlit"}});
        d.setBool("flag", false); // a stored value wins over the default
        QVERIFY(!d.boolForKey("flag") && d.stringForKey("name") == QLatin1String("moonlit"));
        const ino_t before = inode(m_path);
        d.removeObjectForKey("flag");
        QVERIFY(d.boolForKey("flag") && d.contains("flag") && !d.contains("other"));
        // The write renamed a complete temporary file over the old one.
        QVERIFY(before != 0 && inode(m_path) != before);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"lunafold.ini"});
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
        raw ? writeAll(m_path, text) : put(m_path, type, stored);
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
            writeAll(m_path, bytes);
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
