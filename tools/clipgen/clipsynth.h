#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace melvane::clipsynth {

// How one clip is stored: mono PCM in a plain 44-byte RIFF/WAVE file of an exact size.
struct ClipFormat {
    int number = 0;
    int sampleRate = 0;
    int bitsPerSample = 0; // 8: unsigned around 128; 16: signed little-endian
    std::uint32_t fileBytes = 0;
    bool looped = false; // the free-spin tunes repeat, so their end must run into their start
};

inline constexpr std::size_t waveHeaderBytes = 44;

// The 25 clips, 101 to 126 without 118, in number order.
std::span<const ClipFormat> clipFormats();

// The format of a clip, or nullptr for a number the game does not have.
const ClipFormat *findClipFormat(int number);

// How many samples fill the clip's file to its exact size.
std::size_t sampleCount(const ClipFormat &format);

// The clip's sound, one value per sample in [-1, 1], with its peak below full scale.
// The same bytes come out on every call.
std::vector<double> synthesiseClip(const ClipFormat &format);

// The complete WAVE file: the 44-byte header, then the samples quantised to the clip's width.
std::vector<std::uint8_t> encodeWave(const ClipFormat &format, std::span<const double> samples);

// The complete WAVE file of a clip, synthesised and encoded.
std::vector<std::uint8_t> renderClip(const ClipFormat &format);

} // namespace melvane::clipsynth
