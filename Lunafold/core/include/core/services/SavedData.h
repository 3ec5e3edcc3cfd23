// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace lunafold {

class UserDefaults;

/// The user's preferences: whether the device location is used and which notices are wanted.
/// Observable; persisted only by an explicit save().
class SavedData : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool useCurrentLocation READ useCurrentLocation WRITE setUseCurrentLocation NOTIFY
                   useCurrentLocationChanged)
    Q_PROPERTY(bool notifyHowl READ notifyHowl WRITE setNotifyHowl NOTIFY notifyHowlChanged)
    Q_PROPERTY(bool notify12 READ notify12 WRITE setNotify12 NOTIFY notify12Changed)
    Q_PROPERTY(bool notifyExact READ notifyExact WRITE setNotifyExact NOTIFY notifyExactChanged)
    Q_PROPERTY(bool notifyFull READ notifyFull WRITE setNotifyFull NOTIFY notifyFullChanged)
    Q_PROPERTY(bool notifyNew READ notifyNew WRITE setNotifyNew NOTIFY notifyNewChanged)
    Q_PROPERTY(bool notifyQuarter READ notifyQuarter WRITE setNotifyQuarter NOTIFY notifyQuarterChanged)

  public:
    /// The app's instance on the standard preference store, created on first use (thread-safe).
    static SavedData &shared();
    /// Registers the defaults in @p defaults, then loads.
    explicit SavedData(UserDefaults &defaults, QObject *parent = nullptr);

    bool useCurrentLocation() const { return m_values[0]; }
    bool notifyHowl() const { return m_values[1]; }
    bool notify12() const { return m_values[2]; }
    bool notifyExact() const { return m_values[3]; }
    bool notifyFull() const { return m_values[4]; }
    bool notifyNew() const { return m_values[5]; }
    bool notifyQuarter() const { return m_values[6]; }

    void setUseCurrentLocation(bool v) { set(0, v); }
    void setNotifyHowl(bool v) { set(1, v); }
    void setNotify12(bool v) { set(2, v); }
    void setNotifyExact(bool v) { set(3, v); }
    void setNotifyFull(bool v) { set(4, v); }
    void setNotifyNew(bool v) { set(5, v); }
    void setNotifyQuarter(bool v) { set(6, v); }

    /// Reads the seven stored flags (registered defaults where nothing is stored).
    Q_INVOKABLE void load();
    /// Writes all seven flags.
    Q_INVOKABLE void save();

  Q_SIGNALS:
    void useCurrentLocationChanged();
    void notifyHowlChanged();
    void notify12Changed();
    void notifyExactChanged();
    void notifyFullChanged();
    void notifyNewChanged();
    void notifyQuarterChanged();

  private:
    void set(int index, bool value);

    UserDefaults &m_defaults;
    bool m_values[7];
};

} // namespace lunafold
