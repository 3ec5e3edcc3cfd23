// SPDX-License-Identifier: MIT
#include "core/services/SavedData.h"

#include "common/UserDefaults.h"

#include <QVariantMap>

#include <mutex>

namespace lunafold {
namespace {

struct Flag {
    const char *key;
    bool initial;
    void (SavedData::*changed)();
};

// Declaration order; "usecurrloc" is the one abbreviated key.
const Flag kFlags[7] = {
    {"lunafold.usecurrloc", true, &SavedData::useCurrentLocationChanged},
    {"lunafold.notifyHowl", false, &SavedData::notifyHowlChanged},
    {"lunafold.notify12", false, &SavedData::notify12Changed},
    {"lunafold.notifyExact", false, &SavedData::notifyExactChanged},
    {"lunafold.notifyFull", true, &SavedData::notifyFullChanged},
    {"lunafold.notifyNew", true, &SavedData::notifyNewChanged},
    {"lunafold.notifyQuarter", false, &SavedData::notifyQuarterChanged},
};

} // namespace

SavedData &SavedData::shared() {
    static std::once_flag once;
    static SavedData *instance = nullptr;
    std::call_once(once,
                   [] { instance = new SavedData(UserDefaults::standard()); }); // lives with the process
    return *instance;
}

SavedData::SavedData(UserDefaults &defaults, QObject *parent) : QObject(parent), m_defaults(defaults) {
    for (int i = 0; i < 7; ++i)
        m_values[i] = kFlags[i].initial;
    for (const Flag &f : kFlags)
        m_defaults.registerDefaults({{QString::fromLatin1(f.key), f.initial}});
    load();
}

void SavedData::set(int index, bool value) {
    if (m_values[index] == value)
        return;
    m_values[index] = value;
    // Looked up first: GCC's bounds sanitizer mis-evaluates an indexed member pointer in the call.
    const auto changed = kFlags[index].changed;
    Q_EMIT(this->*changed)();
}

void SavedData::load() {
    for (int i = 0; i < 7; ++i)
        set(i, m_defaults.boolForKey(QString::fromLatin1(kFlags[i].key)));
}

void SavedData::save() {
    for (int i = 0; i < 7; ++i)
        m_defaults.setBool(QString::fromLatin1(kFlags[i].key), m_values[i]);
}

} // namespace lunafold
