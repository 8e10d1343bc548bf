#pragma once

#include "platform/qt/clipplayer.h"

#include <QByteArray>

#include <vector>

namespace melvane::testing {

// The bytes of a clip's file as embedded in the program.
QByteArray embeddedClip(int clipNumber);

// A clip's samples as values in [-1, 1) around the midpoint, read straight from the bytes
// after a plain 44-byte header: 8-bit unsigned or 16-bit signed little-endian.
std::vector<double> decodeSamples(const QByteArray &file, int bitsPerSample);

// What a ClipPlayer asked of its sink.
struct SinkCall {
    enum Kind { Start, Stop } kind = Stop;
    PcmFormat format;
    QByteArray samples;
    bool looped = false;
};

// A sink that only writes down what it is asked, into a log the test keeps.
class RecordingSink : public ClipSink {
public:
    explicit RecordingSink(std::vector<SinkCall> &log) : log_(log) {}

    void start(const PcmFormat &format, const QByteArray &samples, bool looped) override
    {
        log_.push_back({SinkCall::Start, format, samples, looped});
    }

    void stop() override { log_.push_back({SinkCall::Stop, {}, {}, false}); }

private:
    std::vector<SinkCall> &log_;
};

} // namespace melvane::testing
