#include "clipsynth.h"

#include "compositions.h"
#include "voices.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <string>

namespace melvane::clipsynth {
namespace {

constexpr std::array<ClipFormat, 25> formats{{
    {101, 11025, 8, 5688, false},
    {102, 11025, 8, 24496, false},
    {103, 11025, 8, 32212, false},
    {104, 11025, 8, 200564, false},
    {105, 11025, 8, 246132, false},
    {106, 11025, 8, 12848, false},
    {107, 11025, 8, 100380, false},
    {108, 11025, 8, 200104, false},
    {109, 11025, 8, 64892, false},
    {110, 11025, 8, 145196, false},
    {111, 11025, 8, 91868, false},
    {112, 11025, 8, 117156, false},
    {113, 11025, 8, 3884, false},
    {114, 22050, 16, 5080, false},
    {115, 22050, 16, 4512, false},
    {116, 11025, 8, 4868, false},
    {117, 11025, 8, 6976, false},
    {119, 11025, 8, 8792, false},
    {120, 11025, 16, 17536, false},
    {121, 11025, 8, 8792, false},
    {122, 11025, 8, 8792, false},
    {123, 11025, 8, 8792, false},
    {124, 11025, 8, 259036, true},
    {125, 11025, 8, 239644, true},
    {126, 11025, 8, 104736, false},
}};

constexpr double pi = 3.14159265358979323846;

// Short enough not to blunt an attack, long enough that the first and last samples sit on
// the midpoint and the clip starts and stops without a click.
constexpr double fadeInSeconds = 0.001;
constexpr double fadeOutSeconds = 0.01;

void fade(std::vector<double> &samples, int sampleRate)
{
    const auto span = [&](double seconds) {
        return std::min(samples.size() / 2, static_cast<std::size_t>(seconds * sampleRate));
    };
    const std::size_t in = span(fadeInSeconds);
    const std::size_t out = span(fadeOutSeconds);
    for (std::size_t i = 0; i < in; ++i)
        samples[i] *= 0.5 * (1.0 - std::cos(pi * static_cast<double>(i) / static_cast<double>(in)));
    for (std::size_t i = 0; i < out; ++i)
        samples[samples.size() - 1 - i] *= 0.5 * (1.0 - std::cos(pi * static_cast<double>(i) / static_cast<double>(out)));
}

// Decaying tones and noise bursts leave a small offset from the midpoint. A looped clip loses
// its mean everywhere, which keeps its seam continuous. A clip played once loses it only where
// it sounds, tapering off before it falls silent, so a silent tail stays exactly on the
// midpoint instead of sitting a few steps off it.
void removeOffset(std::vector<double> &samples, int sampleRate, bool looped)
{
    if (samples.empty())
        return;
    double peak = 0.0;
    for (double sample : samples)
        peak = std::max(peak, std::abs(sample));
    std::size_t sounding = samples.size();
    if (!looped) {
        while (sounding > 0 && std::abs(samples[sounding - 1]) <= peak * 1e-4)
            --sounding;
    }
    const std::size_t taper = looped ? 0 : std::min(sounding, static_cast<std::size_t>(fadeOutSeconds * sampleRate));
    std::vector<double> weight(samples.size(), 0.0);
    for (std::size_t i = 0; i < sounding; ++i) {
        const std::size_t left = sounding - i;
        weight[i] = left > taper ? 1.0
                                 : 0.5 * (1.0 - std::cos(pi * static_cast<double>(left) / static_cast<double>(taper + 1)));
    }
    const double total = std::accumulate(weight.begin(), weight.end(), 0.0);
    if (total <= 0.0)
        return;
    const double offset = std::accumulate(samples.begin(), samples.end(), 0.0) / total;
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] -= offset * weight[i];
}

void putText(std::vector<std::uint8_t> &bytes, const char (&text)[5])
{
    bytes.insert(bytes.end(), text, text + 4);
}

void putLittleEndian(std::vector<std::uint8_t> &bytes, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xffu));
}

} // namespace

std::span<const ClipFormat> clipFormats()
{
    return formats;
}

const ClipFormat *findClipFormat(int number)
{
    const auto found = std::find_if(formats.begin(), formats.end(), [&](const ClipFormat &f) { return f.number == number; });
    return found == formats.end() ? nullptr : &*found;
}

std::size_t sampleCount(const ClipFormat &format)
{
    const std::size_t bytesPerSample = static_cast<std::size_t>(format.bitsPerSample / 8);
    if (format.fileBytes < waveHeaderBytes || bytesPerSample == 0 || (format.fileBytes - waveHeaderBytes) % bytesPerSample != 0)
        throw std::invalid_argument("clip " + std::to_string(format.number) + " has no whole number of samples");
    return (format.fileBytes - waveHeaderBytes) / bytesPerSample;
}

std::vector<double> synthesiseClip(const ClipFormat &format)
{
    std::vector<double> samples(sampleCount(format), 0.0);
    const double seconds = static_cast<double>(samples.size()) / format.sampleRate;
    const Composition composition = compose(format.number, seconds);
    renderNotes(composition.notes, format.sampleRate, format.looped, samples);

    removeOffset(samples, format.sampleRate, format.looped);
    if (!format.looped)
        fade(samples, format.sampleRate);

    double peak = 0.0;
    for (double sample : samples)
        peak = std::max(peak, std::abs(sample));
    if (peak > 0.0) {
        const double gain = composition.peak / peak;
        for (double &sample : samples)
            sample *= gain;
    }
    return samples;
}

std::vector<std::uint8_t> encodeWave(const ClipFormat &format, std::span<const double> samples)
{
    const auto bytesPerSample = static_cast<std::uint32_t>(format.bitsPerSample / 8);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size()) * bytesPerSample;
    const auto rate = static_cast<std::uint32_t>(format.sampleRate);

    std::vector<std::uint8_t> bytes;
    bytes.reserve(waveHeaderBytes + dataBytes);
    putText(bytes, "RIFF");
    putLittleEndian(bytes, static_cast<std::uint32_t>(waveHeaderBytes) - 8 + dataBytes, 4);
    putText(bytes, "WAVE");
    putText(bytes, "fmt ");
    putLittleEndian(bytes, 16, 4);
    putLittleEndian(bytes, 1, 2); // PCM
    putLittleEndian(bytes, 1, 2); // mono
    putLittleEndian(bytes, rate, 4);
    putLittleEndian(bytes, rate * bytesPerSample, 4);
    putLittleEndian(bytes, bytesPerSample, 2);
    putLittleEndian(bytes, static_cast<std::uint32_t>(format.bitsPerSample), 2);
    putText(bytes, "data");
    putLittleEndian(bytes, dataBytes, 4);

    for (double sample : samples) {
        const double clamped = std::clamp(sample, -1.0, 1.0);
        if (format.bitsPerSample == 8) {
            // Unsigned 8-bit PCM sits on 128; 127 steps either way keeps it symmetric.
            bytes.push_back(static_cast<std::uint8_t>(128 + std::lround(clamped * 127.0)));
        } else {
            const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767.0));
            putLittleEndian(bytes, static_cast<std::uint16_t>(value), 2);
        }
    }
    return bytes;
}

std::vector<std::uint8_t> renderClip(const ClipFormat &format)
{
    const std::vector<double> samples = synthesiseClip(format);
    return encodeWave(format, samples);
}

} // namespace melvane::clipsynth
