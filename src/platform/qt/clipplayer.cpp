#include "platform/qt/clipplayer.h"

#include "platform/qt/sounds/clipresources.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>

#include <algorithm>
#include <cstring>
#include <limits>

namespace melvane {
namespace {

quint32 littleEndian(const QByteArray &bytes, qsizetype at, int width)
{
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    return value;
}

QAudioFormat toAudioFormat(const PcmFormat &format)
{
    QAudioFormat audio;
    audio.setSampleRate(format.sampleRate);
    audio.setChannelCount(format.channels);
    audio.setSampleFormat(format.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return audio;
}

} // namespace

PcmReader::PcmReader()
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void PcmReader::load(const QByteArray &samples, bool looped)
{
    samples_ = samples;
    looped_ = looped && !samples.isEmpty();
    position_ = 0;
}

bool PcmReader::isSequential() const
{
    return true;
}

qint64 PcmReader::bytesAvailable() const
{
    if (looped_)
        return std::numeric_limits<qint32>::max();
    return samples_.size() - position_ + QIODevice::bytesAvailable();
}

qint64 PcmReader::size() const
{
    return samples_.size();
}

qint64 PcmReader::readData(char *data, qint64 maxSize)
{
    qint64 written = 0;
    while (written < maxSize && !samples_.isEmpty()) {
        if (position_ == samples_.size()) {
            if (!looped_)
                break;
            position_ = 0;
        }
        const qint64 chunk = std::min(maxSize - written, samples_.size() - position_);
        std::memcpy(data + written, samples_.constData() + position_, static_cast<std::size_t>(chunk));
        written += chunk;
        position_ += chunk;
    }
    return written;
}

qint64 PcmReader::writeData(const char *, qint64)
{
    return -1;
}

std::optional<PcmClip> readWave(const QByteArray &file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<PcmFormat> format;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qint64 size = littleEndian(file, at + 4, 4);
        const qsizetype body = at + 8;
        if (size > file.size() - body)
            return std::nullopt;
        if (id == "fmt ") {
            if (size < 16 || littleEndian(file, body, 2) != 1)
                return std::nullopt;
            PcmFormat f;
            f.channels = static_cast<int>(littleEndian(file, body + 2, 2));
            f.sampleRate = static_cast<int>(littleEndian(file, body + 4, 4));
            f.bitsPerSample = static_cast<int>(littleEndian(file, body + 14, 2));
            const auto blockAlign = static_cast<int>(littleEndian(file, body + 12, 2));
            if (f.channels < 1 || f.sampleRate < 1 || (f.bitsPerSample != 8 && f.bitsPerSample != 16) ||
                blockAlign != f.channels * f.bitsPerSample / 8)
                return std::nullopt;
            format = f;
        } else if (id == "data") {
            if (!format)
                return std::nullopt;
            const qint64 frame = format->channels * format->bitsPerSample / 8;
            return PcmClip{*format, file.mid(body, static_cast<qsizetype>(size - size % frame))};
        }
        // Chunks are padded to an even length.
        at = body + static_cast<qsizetype>(size + size % 2);
    }
    return std::nullopt;
}

struct QtClipSink::Channel {
    PcmReader source; // declared first, so the sink that reads it goes first
    std::unique_ptr<QAudioSink> sink;
};

QtClipSink::QtClipSink() : QtClipSink(QMediaDevices::defaultAudioOutput()) {}

QtClipSink::QtClipSink(const QAudioDevice &output) : output_(output) {}

QtClipSink::~QtClipSink()
{
    stop();
}

void QtClipSink::start(const PcmFormat &format, const QByteArray &samples, bool looped)
{
    std::unique_ptr<Channel> &slot = channels_[format];
    if (!slot) {
        slot = std::make_unique<Channel>();
        slot->sink = std::make_unique<QAudioSink>(output_, toAudioFormat(format));
    }
    // Only one clip sounds at a time, whatever its format.
    if (current_ && current_ != slot.get())
        current_->sink->stop();
    Channel &channel = *slot;
    channel.sink->stop();
    channel.source.load(samples, looped);
    channel.sink->start(&channel.source);
    current_ = &channel;
}

void QtClipSink::stop()
{
    if (current_)
        current_->sink->stop();
    current_ = nullptr;
}

bool QtClipSink::sounding() const
{
    return current_ != nullptr && current_->sink->error() == QAudio::NoError &&
           current_->sink->state() != QAudio::StoppedState;
}

ClipPlayer::ClipPlayer()
{
    // Asked once: without an output every later call is a cheap no-op instead of a sink
    // that fails, warns or waits each time.
    if (!QMediaDevices::audioOutputs().isEmpty())
        sink_ = std::make_unique<QtClipSink>();
}

ClipPlayer::ClipPlayer(std::unique_ptr<ClipSink> sink) : sink_(std::move(sink)) {}

ClipPlayer::~ClipPlayer() = default;

void ClipPlayer::loadAll()
{
    if (loaded_)
        return;
    loaded_ = true;
    for (int number : clipNumbers) {
        QFile file(clipResourcePath(number));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        if (std::optional<PcmClip> clip = readWave(file.readAll()))
            clips_.emplace(number, std::move(*clip));
    }
}

void ClipPlayer::play(int clipNumber, bool looped)
{
    if (!sink_)
        return;
    const auto found = clips_.find(clipNumber);
    if (found == clips_.end()) {
        sink_->stop();
        return;
    }
    sink_->start(found->second.format, found->second.samples, looped);
}

void ClipPlayer::stop()
{
    if (sink_)
        sink_->stop();
}

bool ClipPlayer::hasOutput() const
{
    return sink_ != nullptr;
}

int ClipPlayer::loadedClips() const
{
    return static_cast<int>(clips_.size());
}

} // namespace melvane
