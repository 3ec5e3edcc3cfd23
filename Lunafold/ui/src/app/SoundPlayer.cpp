// SPDX-License-Identifier: MIT
#include "ui/app/SoundPlayer.h"

#include "common/Log.h"
#include "common/ResourcePaths.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>

#include <sndfile.h>

#include <memory>

namespace lunafold {
namespace {

// One sound at a time: the slot keeps the player alive after playSound returns.
struct Player {
    QByteArray pcm;
    QBuffer buffer;
    std::unique_ptr<QAudioSink> sink;
};
std::unique_ptr<Player> &slot() {
    static std::unique_ptr<Player> player;
    return player;
}
// The audio output must go before the application object that runs it.
void releaseSlot() {
    slot().reset();
}

void fail(const QString &description) {
    logLine(QStringLiteral("UIHEL01. Error playing sound - ") + u' ' + description);
}

} // namespace

QString SoundPlayer::soundDirectory() {
    return resourceDirectory(QStringLiteral("sounds"), "LUNAFOLD_SOUNDS_DIR");
}

QString SoundPlayer::soundPath(const QString &name, const QString &type) {
    const QString file = name + u'.' + type;
    const QFileInfo info(soundDirectory() + u'/' + file);
    return info.isFile() ? info.absoluteFilePath() : QString();
}

void SoundPlayer::playSound(const QString &name, const QString &type) {
    const QString path = soundPath(name, type);
    if (path.isEmpty()) {
        logLine(QStringLiteral("UIHEL02. Path not found for sound or similar issue"));
        return;
    }
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) {
        fail(QString::fromLocal8Bit(sf_strerror(nullptr)));
        return;
    }
    auto player = std::make_unique<Player>();
    player->pcm.resize(static_cast<qsizetype>(info.frames * info.channels) * 2);
    const sf_count_t frames =
        sf_readf_short(file, reinterpret_cast<short *>(player->pcm.data()), info.frames);
    sf_close(file);
    if (frames <= 0) {
        fail(QStringLiteral("The sound file holds no audio."));
        return;
    }
    player->pcm.resize(static_cast<qsizetype>(frames * info.channels) * 2);

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        fail(QStringLiteral("No audio output is available."));
        return;
    }
    QAudioFormat format;
    format.setSampleRate(info.samplerate);
    format.setChannelCount(info.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        fail(QStringLiteral("The audio output cannot play %1 Hz, %2 channels.")
                 .arg(info.samplerate)
                 .arg(info.channels));
        return;
    }
    player->buffer.setBuffer(&player->pcm);
    player->buffer.open(QIODevice::ReadOnly);
    player->sink = std::make_unique<QAudioSink>(device, format);
    player->sink->start(&player->buffer);
    if (player->sink->error() != QAudio::NoError) {
        fail(QStringLiteral("The audio output refused to start."));
        return;
    }
    static const bool cleanup = [] {
        qAddPostRoutine(releaseSlot);
        return true;
    }();
    Q_UNUSED(cleanup);
    slot() = std::move(player); // the previous sound stops here
}

bool SoundPlayer::isPlaying() {
    const auto &player = slot();
    return player && player->sink && player->sink->state() == QAudio::ActiveState;
}

} // namespace lunafold
