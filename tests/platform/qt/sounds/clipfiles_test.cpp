#include "soundtestsupport.h"

#include "clipsynth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace melvane {
namespace {

using testing::decodeSamples;
using testing::embeddedClip;

// The clips as the game ships them: exact file size, sample rate, width and playing time.
struct ClipRow {
    int number;
    std::uint32_t bytes;
    int sampleRate;
    int bitsPerSample;
    double seconds;
    bool looped;
};

constexpr ClipRow clipTable[] = {
    {101, 5688, 11025, 8, 0.51, false},   {102, 24496, 11025, 8, 2.22, false},
    {103, 32212, 11025, 8, 2.92, false},  {104, 200564, 11025, 8, 18.19, false},
    {105, 246132, 11025, 8, 22.32, false}, {106, 12848, 11025, 8, 1.16, false},
    {107, 100380, 11025, 8, 9.10, false}, {108, 200104, 11025, 8, 18.15, false},
    {109, 64892, 11025, 8, 5.88, false},  {110, 145196, 11025, 8, 13.17, false},
    {111, 91868, 11025, 8, 8.33, false},  {112, 117156, 11025, 8, 10.62, false},
    {113, 3884, 11025, 8, 0.35, false},   {114, 5080, 22050, 16, 0.11, false},
    // The click's file holds 0.10 s of samples; only its first 0.06 s sound (see
    // ClickFallsSilentAfter60Milliseconds).
    {115, 4512, 22050, 16, 0.10, false},  {116, 4868, 11025, 8, 0.44, false},
    {117, 6976, 11025, 8, 0.63, false},   {119, 8792, 11025, 8, 0.79, false},
    {120, 17536, 11025, 16, 0.79, false}, {121, 8792, 11025, 8, 0.79, false},
    {122, 8792, 11025, 8, 0.79, false},   {123, 8792, 11025, 8, 0.79, false},
    {124, 259036, 11025, 8, 23.49, true}, {125, 239644, 11025, 8, 21.73, true},
    {126, 104736, 11025, 8, 9.50, false},
};

std::vector<ClipRow> rows(bool onlyLooped, bool onlyOnce)
{
    std::vector<ClipRow> selected;
    for (const ClipRow &row : clipTable) {
        if ((!onlyLooped || row.looped) && (!onlyOnce || !row.looped))
            selected.push_back(row);
    }
    return selected;
}

std::string rowName(const ::testing::TestParamInfo<ClipRow> &info)
{
    return "Clip" + std::to_string(info.param.number);
}

std::uint32_t field(const QByteArray &file, int at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(file[at + i]);
    return value;
}

double rms(const std::vector<double> &samples, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += samples[i] * samples[i];
    return std::sqrt(sum / static_cast<double>(std::max<std::size_t>(1, to - from)));
}

// Absolute differences of neighbouring samples, sorted.
std::vector<double> sortedSteps(const std::vector<double> &samples)
{
    std::vector<double> steps;
    for (std::size_t i = 1; i < samples.size(); ++i)
        steps.push_back(std::abs(samples[i] - samples[i - 1]));
    std::sort(steps.begin(), steps.end());
    return steps;
}

// The fundamental by normalised autocorrelation: the shortest lag whose peak comes close to
// the best one, refined between samples by a parabola. Octave errors pick a longer lag, so
// taking the first good peak keeps them out.
double fundamentalHz(const std::vector<double> &samples, int sampleRate, double fromSeconds, double toSeconds)
{
    const auto from = static_cast<std::size_t>(fromSeconds * sampleRate);
    const auto to = static_cast<std::size_t>(toSeconds * sampleRate);
    const auto shortest = static_cast<std::size_t>(sampleRate / 2500);
    const auto longest = static_cast<std::size_t>(sampleRate / 80);
    std::vector<double> score(longest + 2, 0.0);
    for (std::size_t lag = shortest; lag <= longest + 1; ++lag) {
        double product = 0.0, energyA = 0.0, energyB = 0.0;
        for (std::size_t i = from; i + lag < to; ++i) {
            product += samples[i] * samples[i + lag];
            energyA += samples[i] * samples[i];
            energyB += samples[i + lag] * samples[i + lag];
        }
        score[lag] = product / std::sqrt(energyA * energyB + 1e-12);
    }
    const double best = *std::max_element(score.begin(), score.end());
    for (std::size_t lag = shortest + 1; lag <= longest; ++lag) {
        if (score[lag] >= 0.85 * best && score[lag] >= score[lag - 1] && score[lag] >= score[lag + 1]) {
            const double left = score[lag - 1], middle = score[lag], right = score[lag + 1];
            const double denominator = left - 2.0 * middle + right;
            const double shift = denominator == 0.0 ? 0.0 : 0.5 * (left - right) / denominator;
            return sampleRate / (static_cast<double>(lag) + shift);
        }
    }
    return 0.0;
}

class EveryClip : public ::testing::TestWithParam<ClipRow> {
protected:
    QByteArray file = embeddedClip(GetParam().number);
    std::vector<double> samples = decodeSamples(file, GetParam().bitsPerSample);
};

TEST_P(EveryClip, HeaderDescribesMonoPcmInTheTablesFormat)
{
    const ClipRow row = GetParam();
    ASSERT_GE(file.size(), 44) << "clip missing from the resources";
    const int bytesPerSample = row.bitsPerSample / 8;
    EXPECT_EQ(file.left(4), "RIFF");
    EXPECT_EQ(field(file, 4, 4), row.bytes - 8);
    EXPECT_EQ(file.mid(8, 4), "WAVE");
    EXPECT_EQ(file.mid(12, 4), "fmt ");
    EXPECT_EQ(field(file, 16, 4), 16u);
    EXPECT_EQ(field(file, 20, 2), 1u) << "not uncompressed PCM";
    EXPECT_EQ(field(file, 22, 2), 1u) << "not mono";
    EXPECT_EQ(field(file, 24, 4), static_cast<std::uint32_t>(row.sampleRate));
    EXPECT_EQ(field(file, 28, 4), static_cast<std::uint32_t>(row.sampleRate * bytesPerSample));
    EXPECT_EQ(field(file, 32, 2), static_cast<std::uint32_t>(bytesPerSample));
    EXPECT_EQ(field(file, 34, 2), static_cast<std::uint32_t>(row.bitsPerSample));
    EXPECT_EQ(file.mid(36, 4), "data");
    EXPECT_EQ(field(file, 40, 4), row.bytes - 44);
}

TEST_P(EveryClip, HasTheTablesByteSizeAndPlayingTime)
{
    const ClipRow row = GetParam();
    EXPECT_EQ(static_cast<std::uint32_t>(file.size()), row.bytes);
    const double seconds = static_cast<double>(samples.size()) / row.sampleRate;
    EXPECT_NEAR(seconds, row.seconds, 0.005);
}

TEST_P(EveryClip, StaysBelowFullScale)
{
    ASSERT_FALSE(samples.empty());
    const double peak = std::abs(*std::max_element(samples.begin(), samples.end(),
                                                   [](double a, double b) { return std::abs(a) < std::abs(b); }));
    EXPECT_LE(peak, 0.95) << "clipped or too close to clipping";
}

TEST_P(EveryClip, IsClearlyAudible)
{
    EXPECT_GE(rms(samples, 0, samples.size()), 0.03);
}

TEST_P(EveryClip, HasNoDcOffset)
{
    ASSERT_FALSE(samples.empty());
    const double mean = std::accumulate(samples.begin(), samples.end(), 0.0) / static_cast<double>(samples.size());
    EXPECT_LE(std::abs(mean), 0.005);
}

TEST_P(EveryClip, IsWhatTheGeneratorWritesOnEveryRun)
{
    const clipsynth::ClipFormat *format = clipsynth::findClipFormat(GetParam().number);
    ASSERT_NE(format, nullptr);
    const std::vector<std::uint8_t> fresh = clipsynth::renderClip(*format);
    const QByteArray freshBytes(reinterpret_cast<const char *>(fresh.data()), static_cast<qsizetype>(fresh.size()));
    EXPECT_TRUE(freshBytes == file) << "the embedded clip differs from a new synthesis";
}

INSTANTIATE_TEST_SUITE_P(SoundClips, EveryClip, ::testing::ValuesIn(rows(false, false)), rowName);

class OnceClip : public EveryClip {};

TEST_P(OnceClip, StartsAndEndsOnTheMidpoint)
{
    ASSERT_FALSE(samples.empty());
    EXPECT_LE(std::abs(samples.front()), 0.01) << "clicks when it starts";
    EXPECT_LE(std::abs(samples.back()), 0.01) << "clicks when it ends";
}

INSTANTIATE_TEST_SUITE_P(SoundClips, OnceClip, ::testing::ValuesIn(rows(false, true)), rowName);

class LoopedClip : public EveryClip {};

TEST_P(LoopedClip, RunsFromItsEndIntoItsStartWithoutAJump)
{
    ASSERT_GT(samples.size(), 2u);
    const std::vector<double> steps = sortedSteps(samples);
    const double typical = steps[steps.size() / 2];
    const double seam = std::abs(samples.front() - samples.back());
    EXPECT_LE(seam, typical) << "the loop clicks at its seam";
}

TEST_P(LoopedClip, KeepsPlayingMusicThroughout)
{
    // A tune to loop under a whole free-spin round: no second of it may fall silent.
    const auto second = static_cast<std::size_t>(GetParam().sampleRate);
    for (std::size_t from = 0; from + second <= samples.size(); from += second)
        EXPECT_GE(rms(samples, from, from + second), 0.03) << "quiet second starting at sample " << from;
}

INSTANTIATE_TEST_SUITE_P(SoundClips, LoopedClip, ::testing::ValuesIn(rows(true, false)), rowName);

TEST(SoundClips, TheTwoFreeSpinTunesAreDifferentMusic)
{
    const std::vector<double> first = decodeSamples(embeddedClip(124), 8);
    const std::vector<double> second = decodeSamples(embeddedClip(125), 8);
    const std::size_t length = std::min(first.size(), second.size());
    ASSERT_GT(length, 0u);
    double product = 0.0, energyA = 0.0, energyB = 0.0;
    for (std::size_t i = 0; i < length; ++i) {
        product += first[i] * second[i];
        energyA += first[i] * first[i];
        energyB += second[i] * second[i];
    }
    EXPECT_LT(std::abs(product) / std::sqrt(energyA * energyB), 0.2);
}

TEST(SoundClips, LandingChimesRiseInPitchFromReelOneToReelFive)
{
    const int chimes[] = {119, 120, 121, 122, 123};
    std::vector<double> pitches;
    for (int number : chimes) {
        const int bits = number == 120 ? 16 : 8;
        pitches.push_back(fundamentalHz(decodeSamples(embeddedClip(number), bits), 11025, 0.05, 0.35));
    }
    for (std::size_t reel = 0; reel < pitches.size(); ++reel) {
        EXPECT_GT(pitches[reel], 200.0) << "reel " << reel + 1;
        EXPECT_LT(pitches[reel], 2000.0) << "reel " << reel + 1;
        if (reel > 0) {
            // At least a semitone apart, or the rise would not be heard.
            EXPECT_GT(pitches[reel], pitches[reel - 1] * 1.05)
                << "reel " << reel + 1 << " at " << pitches[reel] << " Hz, reel " << reel << " at " << pitches[reel - 1];
        }
    }
}

TEST(SoundClips, ClickFallsSilentAfter60Milliseconds)
{
    const std::vector<double> samples = decodeSamples(embeddedClip(115), 16);
    const std::size_t cut = 22050 * 60 / 1000;
    ASSERT_GT(samples.size(), cut);
    EXPECT_GE(rms(samples, 0, cut), 0.05);
    for (std::size_t i = cut; i < samples.size(); ++i)
        ASSERT_LE(std::abs(samples[i]), 2.0 / 32768.0) << "still sounding at sample " << i;
}

TEST(SoundClips, ReelStopKnockIsDryAndShort)
{
    // A knock, not a ring: it must be over well before the next reel lands.
    const std::vector<double> samples = decodeSamples(embeddedClip(114), 16);
    const std::size_t tenMilliseconds = 220;
    ASSERT_GT(samples.size(), 5 * tenMilliseconds);
    const double attack = rms(samples, 0, 2 * tenMilliseconds);
    const double tail = rms(samples, samples.size() - 2 * tenMilliseconds, samples.size());
    EXPECT_LT(tail, attack / 30.0);
}

} // namespace
} // namespace melvane
