#pragma once

#include <QAudioDevice>
#include <QByteArray>
#include <QIODevice>

#include <compare>
#include <map>
#include <memory>
#include <optional>

namespace melvane {

// The shape of a clip's samples: PCM at a rate and width (8 bits unsigned, 16 bits signed).
struct PcmFormat {
    int sampleRate = 0;
    int bitsPerSample = 0;
    int channels = 0;

    friend auto operator<=>(const PcmFormat &, const PcmFormat &) = default;
};

// A clip held in memory: its format and its samples, ready to hand to a sink.
struct PcmClip {
    PcmFormat format;
    QByteArray samples;
};

// Reads a RIFF/WAVE file of uncompressed 8- or 16-bit PCM; nothing for anything else.
std::optional<PcmClip> readWave(const QByteArray &file);

// Serves a clip's samples from memory to a QAudioSink, once or round and round. It is
// sequential, so the sink keeps pulling and learns from bytesAvailable() when the clip is
// over; a looped clip never is.
class PcmReader : public QIODevice {
public:
    // An open reader with nothing to read.
    PcmReader();
    // Starts over with new samples from their beginning.
    void load(const QByteArray &samples, bool looped);

    // Always: the reader has no position to seek to.
    bool isSequential() const override;
    // What is left of the pass; without end while looped.
    qint64 bytesAvailable() const override;
    // One pass of the clip: the sink sizes its pre-buffer by it, so a short click starts at
    // once instead of waiting for more data than it has.
    qint64 size() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    QByteArray samples_;
    bool looped_ = false;
    qint64 position_ = 0;
};

// Where a ClipPlayer sends its sound.
class ClipSink {
public:
    virtual ~ClipSink() = default;
    // Starts the samples now and returns at once, replacing whatever the sink plays;
    // looped samples repeat until the next start() or stop().
    virtual void start(const PcmFormat &format, const QByteArray &samples, bool looped) = 0;
    // Silences the sink and returns at once.
    virtual void stop() = 0;
};

// The real sink: Qt Multimedia on an audio output, one QAudioSink per sample format.
class QtClipSink : public ClipSink {
public:
    // Plays on the default audio output of the machine.
    QtClipSink();
    // Plays on the given output.
    explicit QtClipSink(const QAudioDevice &output);
    ~QtClipSink() override;
    QtClipSink(const QtClipSink &) = delete;
    QtClipSink &operator=(const QtClipSink &) = delete;

    // Cuts off the clip playing, in whatever format, and starts this one on its format's sink.
    void start(const PcmFormat &format, const QByteArray &samples, bool looped) override;
    // Stops the sink that plays.
    void stop() override;
    // Whether a clip is sounding now: false after stop(), and when the output refused the clip.
    bool sounding() const;

private:
    struct Channel;
    QAudioDevice output_;
    std::map<PcmFormat, std::unique_ptr<Channel>> channels_;
    Channel *current_ = nullptr;
};

// Plays the game's clips from memory, one at a time, never waiting for a clip to end.
class ClipPlayer {
public:
    // Plays on the default audio output, or stays silent when the machine has none.
    ClipPlayer();
    // Plays through `sink`; a null sink keeps the player silent.
    explicit ClipPlayer(std::unique_ptr<ClipSink> sink);
    ~ClipPlayer();
    ClipPlayer(const ClipPlayer &) = delete;
    ClipPlayer &operator=(const ClipPlayer &) = delete;

    // Reads the 25 clips from the resources into memory on the first call only; a clip that
    // cannot be read stays silent.
    void loadAll();
    // Starts a clip and returns at once, cutting off the clip playing. A looped clip repeats
    // until the next play() or stop(). A clip that is not loaded cuts off the one playing and
    // leaves silence.
    void play(int clipNumber, bool looped);
    // Silences whatever plays.
    void stop();
    // Whether sound can come out at all.
    bool hasOutput() const;
    // How many clips are held in memory.
    int loadedClips() const;

private:
    std::unique_ptr<ClipSink> sink_;
    std::map<int, PcmClip> clips_;
    bool loaded_ = false;
};

} // namespace melvane
