// SPDX-License-Identifier: MIT
#include "common/SafeWrite.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace lunafold {
namespace {

std::mutex faultMutex;
std::function<int(WriteStep)> &faultHook() {
    static std::function<int(WriteStep)> hook;
    return hook;
}

// 0 or the errno a test wants this step to fail with.
int injected(WriteStep step) {
    std::lock_guard lock(faultMutex);
    return faultHook() ? faultHook()(step) : 0;
}

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes everything, retrying short writes and interruptions; 0 or the errno.
int writeAll(int fd, const QByteArray &bytes) {
    if (const int e = injected(WriteStep::Write)) {
        // A full disk typically takes part of the data first.
        (void)!::write(fd, bytes.constData(), static_cast<std::size_t>(bytes.size() / 2));
        return e;
    }
    const char *p = bytes.constData();
    std::size_t left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

int closeChecked(int fd) {
    const int e = injected(WriteStep::Close);
    if (::close(fd) != 0 && errno != EINTR)
        return errno;
    return e;
}

// The standard streams, named as paths: written through the descriptor the process already has,
// so that a shell's redirection (append, a pipe, a terminal) is honoured.
int standardStream(const QByteArray &path) {
    for (int fd : {1, 2}) {
        const QByteArray n = QByteArray::number(fd);
        if (path == (fd == 1 ? "/dev/stdout" : "/dev/stderr") || path == "/dev/fd/" + n ||
            path == "/proc/self/fd/" + n)
            return fd;
    }
    return -1;
}

QString writeDirectly(const QByteArray &path, const QByteArray &bytes) {
    if (const int fd = standardStream(path); fd >= 0) {
        std::fflush(fd == 1 ? stdout : stderr);
        const int e = writeAll(fd, bytes);
        return e ? reason(e) : QString();
    }
    if (const int e = injected(WriteStep::Open))
        return reason(e);
    const int fd = ::open(path.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return reason(errno);
    const int e = writeAll(fd, bytes);
    const int c = closeChecked(fd);
    return e ? reason(e) : c ? reason(c) : QString();
}

void syncFolder(const QByteArray &folder) {
    // Makes the rename itself durable; not every file system allows it, so failures are ignored.
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void setWriteFault(std::function<int(WriteStep)> fault) {
    std::lock_guard lock(faultMutex);
    faultHook() = std::move(fault);
}

QString writeFileSafely(const QString &path, const QByteArray &bytes) {
    if (path.isEmpty())
        return reason(ENOENT);
    QByteArray target = QFile::encodeName(path);
    if (standardStream(target) >= 0)
        return writeDirectly(target, bytes);
    struct stat info {};
    if (::lstat(target.constData(), &info) == 0 && S_ISLNK(info.st_mode)) {
        // Replace what the link points to, not the link.
        char resolved[PATH_MAX];
        if (::realpath(target.constData(), resolved))
            target = resolved;
    }
    const bool exists = ::stat(target.constData(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode))
        return reason(EISDIR);
    if (exists && !S_ISREG(info.st_mode))
        return writeDirectly(target, bytes);

    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    const QByteArray name = target.mid(slash + 1);
    // Hidden, beside the target (a rename never crosses file systems), and unique.
    QByteArray temporary;
    int fd = -1;
    if (const int e = injected(WriteStep::Open))
        return reason(e);
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary =
            folder + "/." + name + ".tmp-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // Created with the umask applied, or with the mode of the file it replaces.
        const mode_t mode = exists ? (info.st_mode & 07777) : 0666;
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            return reason(errno);
        if (fd >= 0 && exists)
            (void)::fchmod(fd, info.st_mode & 07777);
    }
    if (fd < 0)
        return reason(EEXIST);

    int error = writeAll(fd, bytes);
    if (!error) {
        error = injected(WriteStep::Sync);
        if (!error && ::fsync(fd) != 0)
            error = errno;
    }
    const int closeError = closeChecked(fd);
    if (!error)
        error = closeError;
    if (!error) {
        error = injected(WriteStep::Rename);
        if (!error && ::rename(temporary.constData(), target.constData()) != 0)
            error = errno;
    }
    if (error) {
        ::unlink(temporary.constData());
        return reason(error);
    }
    syncFolder(folder);
    return {};
}

} // namespace lunafold
