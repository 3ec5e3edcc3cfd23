// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace lunafold {

/// Folders of the files the programs read at run time (place data, basemap, sounds). Nothing is
/// compiled in: an installed program finds them under ../share/lunafold beside its own folder or
/// in the XDG data directories, a program in the build tree under the build's share/lunafold.
///
/// @param name      the folder under share/lunafold ("geodata", "basemap", "sounds")
/// @param envVar    an environment variable that, when set, names the folder (tests)
/// @return          the first existing folder, or the first candidate when none exists (so that
///                  the caller's "not found" message names a sensible place)
QString resourceDirectory(const QString &name, const char *envVar = nullptr);

/// The candidates resourceDirectory() tries, in order, without the environment override.
QStringList resourceDirectoryCandidates(const QString &name);

/// The folder of the running executable (from /proc, so it works before any QCoreApplication).
QString executableDirectory();

/// Where the user's pending notifications and permission answer are kept:
/// $LUNAFOLD_DATA_DIR, else ~/.local/share/lunafold.
QString userDataDirectory();

} // namespace lunafold
