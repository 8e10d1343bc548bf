#include "soundtestsupport.h"

#include "platform/qt/clipplayer.h"
#include "platform/qt/sounds/clipresources.h"

#include <QMediaDevices>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace melvane {
namespace {

using testing::embeddedClip;
using testing::RecordingSink;
using testing::SinkCall;

QByteArray littleEndian(quint32 value, int width)
{
    QByteArray bytes;
    for (int i = 0; i < width; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xffu));
    return bytes;
}

QByteArray chunk(const char *id, const QByteArray &body)
{
    QByteArray bytes = QByteArray(id, 4) + littleEndian(static_cast<quint32>(body.size()), 4) + body;
    if (body.size() % 2 == 1)
        bytes.append('\0');
    return bytes;
}

QByteArray fmtBody(int format, int channels, int rate, int bits)
{
    const int block = channels * bits / 8;
    return littleEndian(static_cast<quint32>(format), 2) + littleEndian(static_cast<quint32>(channels), 2) +
           littleEndian(static_cast<quint32>(rate), 4) + littleEndian(static_cast<quint32>(rate * block), 4) +
           littleEndian(static_cast<quint32>(block), 2) + littleEndian(static_cast<quint32>(bits), 2);
}

QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + littleEndian(static_cast<quint32>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

const QByteArray someSamples("\x80\x90\xa0\x90\x80\x70", 6);

struct WaveCase {
    const char *name;
    QByteArray file;
    bool readable;
    PcmFormat format;
    QByteArray samples;
};

std::vector<WaveCase> waveCases()
{
    const QByteArray fmt8 = chunk("fmt ", fmtBody(1, 1, 11025, 8));
    const QByteArray fmt16 = chunk("fmt ", fmtBody(1, 1, 22050, 16));
    const QByteArray data = chunk("data", someSamples);
    QByteArray truncated = riff(fmt8 + data);
    truncated.chop(2);
    return {
        {"PlainEightBitFile", riff(fmt8 + data), true, {11025, 8, 1}, someSamples},
        {"PlainSixteenBitFile", riff(fmt16 + data), true, {22050, 16, 1}, someSamples},
        {"OtherChunksBeforeTheData", riff(chunk("LIST", "INFOsomething") + fmt8 + chunk("odd", "x") + data), true,
         {11025, 8, 1}, someSamples},
        {"SixteenBitDataWithAStrayByte", riff(fmt16 + chunk("data", someSamples + "\x01")), true, {22050, 16, 1},
         someSamples},
        {"NotRiff", "RIFX" + riff(fmt8 + data).mid(4), false, {}, {}},
        {"NotWave", riff(fmt8 + data).replace("WAVE", "AVI "), false, {}, {}},
        {"FloatingPointSamples", riff(chunk("fmt ", fmtBody(3, 1, 11025, 32)) + data), false, {}, {}},
        {"TwentyFourBitSamples", riff(chunk("fmt ", fmtBody(1, 1, 11025, 24)) + data), false, {}, {}},
        {"DataBeforeFormat", riff(data + fmt8), false, {}, {}},
        {"DataCutShort", truncated, false, {}, {}},
        {"NoData", riff(fmt8), false, {}, {}},
        {"Empty", QByteArray(), false, {}, {}},
    };
}

class ReadWave : public ::testing::TestWithParam<WaveCase> {};

TEST_P(ReadWave, ReadsPcmAndRefusesEverythingElse)
{
    const WaveCase &c = GetParam();
    const std::optional<PcmClip> clip = readWave(c.file);
    ASSERT_EQ(clip.has_value(), c.readable);
    if (clip) {
        EXPECT_EQ(clip->format, c.format);
        EXPECT_EQ(clip->samples, c.samples);
    }
}

std::string waveCaseName(const ::testing::TestParamInfo<WaveCase> &param)
{
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Files, ReadWave, ::testing::ValuesIn(waveCases()), waveCaseName);

TEST(PcmReader, OnceEndsAfterOnePass)
{
    PcmReader reader;
    reader.load("abcde", false);
    EXPECT_EQ(reader.read(3), "abc");
    EXPECT_EQ(reader.bytesAvailable(), 2);
    EXPECT_EQ(reader.read(10), "de");
    EXPECT_EQ(reader.bytesAvailable(), 0);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.read(10), "");
}

TEST(PcmReader, LoopedRunsFromTheEndBackIntoTheStart)
{
    PcmReader reader;
    reader.load("abcde", true);
    EXPECT_EQ(reader.read(12), "abcdeabcdeab");
    EXPECT_EQ(reader.read(4), "cdea");
    EXPECT_GT(reader.bytesAvailable(), 0);
    EXPECT_FALSE(reader.atEnd());
}

TEST(PcmReader, LoadingStartsTheNewSamplesFromTheirBeginning)
{
    PcmReader reader;
    reader.load("abcde", true);
    EXPECT_EQ(reader.read(3), "abc");
    reader.load("xyz", false);
    EXPECT_EQ(reader.size(), 3);
    EXPECT_EQ(reader.read(10), "xyz");
    EXPECT_TRUE(reader.atEnd());
}

TEST(PcmReader, EmptyLoopEndsInsteadOfSpinning)
{
    PcmReader reader;
    reader.load(QByteArray(), true);
    EXPECT_EQ(reader.bytesAvailable(), 0);
    EXPECT_EQ(reader.read(10), "");
}

class ClipPlayerContract : public ::testing::Test {
protected:
    ClipPlayerContract() { player.loadAll(); }

    // The calls as text, such as "start 105 once", "stop", so a test reads like the story.
    std::vector<std::string> story() const
    {
        std::vector<std::string> lines;
        for (const SinkCall &call : calls) {
            if (call.kind == SinkCall::Stop) {
                lines.push_back("stop");
                continue;
            }
            std::string clip = "unknown";
            for (int number : clipNumbers) {
                if (embeddedClip(number).mid(44) == call.samples)
                    clip = std::to_string(number);
            }
            lines.push_back("start " + clip + (call.looped ? " looped" : " once"));
        }
        return lines;
    }

    std::vector<SinkCall> calls;
    ClipPlayer player{std::make_unique<RecordingSink>(calls)};
};

TEST_F(ClipPlayerContract, LoadsAllTwentyFiveClips)
{
    EXPECT_EQ(player.loadedClips(), 25);
    EXPECT_TRUE(player.hasOutput());
}

struct FormatCase {
    int clip;
    PcmFormat format;
};

std::string formatCaseName(const ::testing::TestParamInfo<FormatCase> &param)
{
    return "Clip" + std::to_string(param.param.clip);
}

class ClipPlayerFormats : public ClipPlayerContract, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(ClipPlayerFormats, StartsTheClipsSamplesInTheClipsOwnFormat)
{
    player.play(GetParam().clip, false);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, SinkCall::Start);
    EXPECT_EQ(calls[0].format, GetParam().format);
    EXPECT_EQ(calls[0].samples, embeddedClip(GetParam().clip).mid(44));
    EXPECT_FALSE(calls[0].looped);
}

INSTANTIATE_TEST_SUITE_P(EachFormat, ClipPlayerFormats,
                         ::testing::Values(FormatCase{101, {11025, 8, 1}}, FormatCase{114, {22050, 16, 1}},
                                           FormatCase{115, {22050, 16, 1}}, FormatCase{120, {11025, 16, 1}},
                                           FormatCase{124, {11025, 8, 1}}),
                         formatCaseName);

// The player hands each clip to the sink at once, never waiting for the last to end; the sink
// cuts off what plays (PcmReader's reload above, the PulseAudio round trip across formats).
TEST_F(ClipPlayerContract, SpinStartHandsTheSinkTheClickAndTheStopWithoutWaitingForTheWinSound)
{
    player.play(105, false);
    player.play(115, false);
    player.stop();
    EXPECT_EQ(story(), (std::vector<std::string>{"start 105 once", "start 115 once", "stop"}));
}

TEST_F(ClipPlayerContract, FreeSpinTunesLoopUntilTheNextClipOrStop)
{
    player.play(124, true);
    player.play(119, false);
    player.play(125, true);
    player.stop();
    EXPECT_EQ(story(), (std::vector<std::string>{"start 124 looped", "start 119 once", "start 125 looped", "stop"}));
}

TEST_F(ClipPlayerContract, EveryClipPlaysItsOwnSamples)
{
    for (int number : clipNumbers)
        player.play(number, false);
    std::vector<std::string> expected;
    for (int number : clipNumbers)
        expected.push_back("start " + std::to_string(number) + " once");
    EXPECT_EQ(story(), expected);
}

TEST_F(ClipPlayerContract, StopSilencesEvenWhenNothingPlays)
{
    player.stop();
    EXPECT_EQ(story(), (std::vector<std::string>{"stop"}));
}

TEST_F(ClipPlayerContract, AClipTheGameDoesNotHaveCutsOffThePlayingOneAndPlaysNothing)
{
    player.play(124, true);
    player.play(118, false);
    EXPECT_EQ(story(), (std::vector<std::string>{"start 124 looped", "stop"}));
}

TEST(ClipPlayer, PlaysNothingBeforeTheClipsAreLoaded)
{
    std::vector<SinkCall> calls;
    ClipPlayer player(std::make_unique<RecordingSink>(calls));
    player.play(101, false);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, SinkCall::Stop);
}

TEST(ClipPlayer, LoadingTwiceKeepsOneCopyOfEachClip)
{
    std::vector<SinkCall> calls;
    ClipPlayer player(std::make_unique<RecordingSink>(calls));
    player.loadAll();
    player.loadAll();
    EXPECT_EQ(player.loadedClips(), 25);
}

// Without a device the player must not even make a sink: a sound call that waited on a
// missing device would freeze the game's window.
TEST(ClipPlayerWithoutAudioDevice, MakesNoSinkAndPlaysNothingYetKeepsEveryClip)
{
    ASSERT_TRUE(QMediaDevices::audioOutputs().isEmpty()) << "the tests pin the sound server away";
    ClipPlayer player;
    EXPECT_FALSE(player.hasOutput());
    player.loadAll();
    EXPECT_EQ(player.loadedClips(), 25);
    for (int number : clipNumbers) {
        player.play(number, number == 124 || number == 125);
        player.stop();
    }
}

TEST(ClipPlayerWithoutAudioDevice, QtSinkRefusesQuietlyInEveryFormat)
{
    QtClipSink sink;
    const QByteArray samples(4000, '\x80');
    for (const PcmFormat &format : {PcmFormat{11025, 8, 1}, PcmFormat{22050, 16, 1}, PcmFormat{11025, 16, 1}}) {
        sink.start(format, samples, false);
        EXPECT_FALSE(sink.sounding()) << format.sampleRate;
        sink.start(format, samples, true);
        EXPECT_FALSE(sink.sounding()) << format.sampleRate;
        sink.stop();
        EXPECT_FALSE(sink.sounding());
    }
}

} // namespace
} // namespace melvane
