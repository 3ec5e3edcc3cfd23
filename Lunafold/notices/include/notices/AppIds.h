// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lunafold {

/// The application's one reverse-DNS id: desktop file, icons, metainfo, bus names.
inline constexpr QLatin1String kAppId{"app.lunafold.Lunafold"};
/// Where the running app exports org.freedesktop.Application (the id as a path).
inline constexpr QLatin1String kAppObjectPath{"/app/lunafold/Lunafold"};
/// Owned by the resident notifier alone: one notifier per session, and its D-Bus activation.
inline constexpr QLatin1String kNotifierService{"app.lunafold.Lunafold.Notifier"};
/// Owned by the process that shows the due notices; the app and the notifier queue for it.
inline constexpr QLatin1String kDelivererService{"app.lunafold.Lunafold.Deliverer"};
/// The pending notices, in the user's data folder.
inline constexpr QLatin1String kPendingFileName{"pending-notifications.json"};

} // namespace lunafold
