// SPDX-License-Identifier: MIT
// Whole files or none: failures at every step of a write, a full disk, and targets that are not
// plain files.
#include "common/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using lunafold::writeFileSafely;
using lunafold::WriteStep;

namespace {

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestSafeWrite : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

  private Q_SLOTS:
    void cleanup() { lunafold::setWriteFault({}); }

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
        const QString path = m_dir.filePath(QStringLiteral("kept.json"));
        QCOMPARE(writeFileSafely(path, "old and whole\n"), QString());
        lunafold::setWriteFault([&](WriteStep s) { return int(s) == step ? error : 0; });
        QCOMPARE(writeFileSafely(path, QByteArray(100000, 'n')),
                 QString::fromLocal8Bit(std::strerror(error)));
        QCOMPARE(readAll(path), QByteArray("old and whole\n"));
        // No half-written temporary is left behind.
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.json"});
        lunafold::setWriteFault({});
        QCOMPARE(writeFileSafely(path, "new\n"), QString());
        QCOMPARE(readAll(path), QByteArray("new\n"));
    }

    void aFullDiskKeepsTheOldFile() {
        const QString mountPoint = m_dir.filePath(QStringLiteral("tiny"));
        QVERIFY(QDir().mkpath(mountPoint));
        const QByteArray where = QFile::encodeName(mountPoint);
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=16k") != 0)
            QSKIP("cannot mount a small tmpfs here (needs root); the injected failures above stand in");
        const QString path = mountPoint + QStringLiteral("/pending.json");
        const QString error = writeFileSafely(path, QByteArray(3217, 'p'));
        // The old file and a copy of the same size fit; the bigger replacement does not.
        const QString big = writeFileSafely(path, QByteArray(40000, 'q'));
        const QByteArray after = readAll(path);
        ::umount2(where.constData(), MNT_DETACH);
        QCOMPARE(error, QString());
        QCOMPARE(big, QString::fromLocal8Bit(std::strerror(ENOSPC)));
        QCOMPARE(after, QByteArray(3217, 'p'));
    }

    void specialTargetsAreWrittenNotReplaced() {
        // A private "full" device (1,7), so that a failure here never touches the system's /dev/full.
        const QString full = m_dir.filePath(QStringLiteral("full"));
        if (::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            QSKIP("cannot make a device node here");
        QCOMPARE(writeFileSafely(full, "x"), QString::fromLocal8Bit(std::strerror(ENOSPC)));
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(full).constData(), &info) == 0 && S_ISCHR(info.st_mode));
        QCOMPARE(writeFileSafely(QStringLiteral("/dev/null"), "x"), QString());
        QVERIFY(!writeFileSafely(m_dir.path(), "x").isEmpty()); // a folder is never replaced

        // A link stays a link; the file it points to gets the new bytes.
        const QString real = m_dir.filePath(QStringLiteral("real.ini")),
                      link = m_dir.filePath(QStringLiteral("link.ini"));
        QCOMPARE(writeFileSafely(real, "a"), QString());
        QVERIFY(QFile::link(real, link));
        QCOMPARE(writeFileSafely(link, "b"), QString());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(real), QByteArray("b"));
    }
};

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"
