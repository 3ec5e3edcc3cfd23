// SPDX-License-Identifier: MIT
// The sound player: the log lines for a missing and an unreadable sound, and the howl really
// played into a sound server (the test runs beside a PulseAudio null sink).
#include "common/Log.h"
#include "ui/app/SoundPlayer.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace lunafold;

class TestSound : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_log;

  private Q_SLOTS:
    void initTestCase() {
        setLogSink([this](const QString &line) { m_log << line; });
        qputenv("LUNAFOLD_SOUNDS_DIR", m_dir.path().toLocal8Bit());
    }
    void init() { m_log.clear(); }

    void missingAndUnreadableSoundsAreLogged() {
        SoundPlayer::playSound(u"wolfhowl"_qs, u"caf"_qs);
        QFile bad(m_dir.filePath(u"broken.caf"_qs));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("caff, but not really");
        bad.close();
        SoundPlayer::playSound(u"broken"_qs, u"caf"_qs);
        QCOMPARE(m_log.size(), 2);
        QCOMPARE(m_log[0], u"UIHEL02. Path not found for sound or similar issue"_qs);
        QVERIFY2(m_log[1].startsWith(u"UIHEL01. Error playing sound -  "_qs), qPrintable(m_log[1]));
        QVERIFY(m_log[1].size() > 33); // the reason follows
        QVERIFY(!SoundPlayer::isPlaying());
    }

    void howlPlays() {
        qputenv("LUNAFOLD_SOUNDS_DIR", LUNAFOLD_SOUNDS);
        QVERIFY(!SoundPlayer::soundPath(u"wolfhowl"_qs, u"caf"_qs).isEmpty());
        SoundPlayer::playSound(u"wolfhowl"_qs, u"caf"_qs);
        QVERIFY2(m_log.isEmpty(), qPrintable(m_log.join(u'\n')));
        QTRY_VERIFY(SoundPlayer::isPlaying());
        SoundPlayer::playSound(u"moonalert"_qs, u"caf"_qs); // replaces the howl
        QVERIFY(m_log.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!SoundPlayer::isPlaying(), 5000); // 1.6 s of chime, then idle
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
