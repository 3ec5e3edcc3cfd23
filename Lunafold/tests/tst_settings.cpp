// SPDX-License-Identifier: MIT
// The Settings tab's view-models: notification toggles that save and reschedule, the calendar
// export, and About's contact address.
#include "Fakes.h"
#include "common/UserDefaults.h"
#include "core/services/NotificationScheduler.h"
#include "core/services/SavedData.h"
#include "core/viewmodels/NotificationsViewModel.h"
#include "ui/quick/ActivityViewController.h"
#include "ui/viewmodels/AboutViewModel.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

using namespace lunafold;

namespace {

const Instant kQuiet = Instant::trusted(1712836800); // 2024-04-11T12:00Z: no phase within four days

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<UserDefaults> m_store;
    std::unique_ptr<SavedData> m_settings;
    test::RecordingCenter m_center;
    int m_reschedules = 0;

    std::unique_ptr<NotificationsViewModel> screen() {
        return std::make_unique<NotificationsViewModel>(m_settings.get(), [this] {
            ++m_reschedules;
            NotificationScheduler::rescheduleNotifications(
                {&m_center, m_settings.get(), [] { return kQuiet; }, [](const QString &) {}});
        });
    }
    bool stored(const char *key) {
        return UserDefaults(m_dir.filePath(u"prefs.ini"_qs)).boolForKey(QString::fromLatin1(key));
    }

  private Q_SLOTS:
    void init() {
        QFile::remove(m_dir.filePath(u"prefs.ini"_qs));
        m_store = std::make_unique<UserDefaults>(m_dir.filePath(u"prefs.ini"_qs));
        m_settings = std::make_unique<SavedData>(*m_store);
        m_reschedules = 0;
        m_center.pending = QList<NotificationRequest>(8); // the defaults' notices, scheduled at start-up
    }

    void togglesSaveAndOnlyNoticesReschedule() {
        auto view = screen();
        QSignalSpy changed(view.get(), &NotificationsViewModel::changed);
        view->setNotifyFull(false);
        QCOMPARE(m_center.pending.size(), 4); // the full-moon notices are gone at once
        view->setNotifyNew(false);
        view->setNotify12(true);
        view->setNotify12(true); // the same value again is no change
        view->setNotifyExact(true);
        view->setNotifyQuarter(true); // 4 occurrences × 2 quarters × 3 notices
        view->setNotifyHowl(true);
        view->setUseCurrentLocation(false); // saved, but the notices do not depend on it
        QCOMPARE(m_reschedules, 6);
        QCOMPARE(changed.count(), 7);
        QCOMPARE(m_center.pending.size(), 24);
        QVERIFY(stored("lunafold.notify12") && !stored("lunafold.notifyFull"));
        QVERIFY(m_store->contains(u"lunafold.usecurrloc"_qs) && !stored("lunafold.usecurrloc"));
    }

    void calendarExport() {
        auto view = screen();
        // The dialog's file URL, a missing folder made; a file where a folder should be is an error.
        QCOMPARE(view->exportCalendar(QUrl::fromLocalFile(m_dir.filePath(u"no/dir/x.ics"_qs)).toString()),
                 QString());
        QVERIFY(QFile::exists(m_dir.filePath(u"no/dir/x.ics"_qs)));
        QVERIFY(!view->exportCalendar(m_dir.filePath(u"no/dir/x.ics/y.ics"_qs)).isEmpty());
    }

    // A fresh account: the XDG user folders are named but not made yet. The suggested files are in
    // them, and saving there works.
    void savesGoToTheUsersFoldersEvenBeforeTheyExist() {
        const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
        const QString fresh = m_dir.filePath(u"home"_qs);
        QVERIFY(QDir().mkpath(fresh + u"/.config"_qs));
        QFile dirs(fresh + u"/.config/user-dirs.dirs"_qs);
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
        dirs.close();
        qputenv("HOME", QFile::encodeName(fresh));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(fresh + u"/.config"_qs));
        auto view = screen();
        const QString ics = view->suggestedCalendarFile();
        ActivityViewController share;
        share.present({QUuid::createUuid(), QImage(8, 8, QImage::Format_RGB32)});
        const QString png = share.suggestedFileName();
        const QString icsError = view->exportCalendar(ics), pngError = share.save(png);
        qputenv("HOME", home);
        config.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config);
        QVERIFY2(ics.startsWith(fresh + u"/Dokumente/"_qs), qPrintable(ics));
        QVERIFY2(png.startsWith(fresh + u"/Bilder/"_qs), qPrintable(png));
        QCOMPARE(icsError + pngError, QString());
        QCOMPARE(QImage(png).size(), QSize(8, 8));
    }

    void contactAddressCarriesTheDiagnostics() {
        std::optional<bool> decision; // never answered
        AboutViewModel about(
            {[&decision] { return decision; }, [] { return u"whileInUse"_qs; }, u"0.1.0"_qs, QString()});
        QCOMPARE(about.versionLine(), u"Version Number 0.1.0"_qs);
        const auto items = [&about] { return QUrlQuery(about.contactUrl()).queryItems(QUrl::FullyDecoded); };
        QStringList pairs; // the device's own values aside; no notification state until the screen reads it
        for (const auto &[name, value] : items())
            pairs << name + u'=' +
                         (QStringList{"os", "device", "tz", "locale"}.contains(name) ? u"*"_qs : value);
        QCOMPARE(pairs.join(u'&'),
                 u"app=Lunafold&ver=0.1.0 (?)&os=*&device=*&loc=whileInUse&notif=&tz=*&locale=*"_qs);
        about.opened();
        QTRY_COMPARE(about.notificationAuthStatus(), u"notDetermined"_qs);
        decision = false;
        about.opened();
        QTRY_COMPARE(about.notificationAuthStatus(), u"denied"_qs);

        AboutViewModel unversioned({{}, {}, QString(), u"7"_qs});
        QCOMPARE(unversioned.versionLine(), QString());
        QCOMPARE(QUrlQuery(unversioned.contactUrl()).queryItemValue(u"ver"_qs), u"? (7)"_qs);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
