#include "voices.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace melvane::clipsynth {
namespace {

constexpr double pi = 3.14159265358979323846;

// Partials above this fraction of the sample rate would fold back as harsh aliases.
constexpr double highestPartialFraction = 0.45;

// A table with linear interpolation is far cheaper than std::sin per sample and per
// partial, and just as deterministic.
class SineTable {
public:
    SineTable()
    {
        for (std::size_t i = 0; i <= size; ++i)
            table_[i] = std::sin(2.0 * pi * static_cast<double>(i) / static_cast<double>(size));
    }

    // Sine of a phase given in cycles, any value >= 0.
    double at(double phase) const
    {
        const double cycles = phase - std::floor(phase);
        const double x = cycles * static_cast<double>(size);
        const auto i = std::min(static_cast<std::size_t>(x), size - 1);
        const double fraction = x - static_cast<double>(i);
        return table_[i] + fraction * (table_[i + 1] - table_[i]);
    }

private:
    static constexpr std::size_t size = 4096;
    std::array<double, size + 1> table_{};
};

const SineTable &sine()
{
    static const SineTable table;
    return table;
}

// A fixed-seed generator, so that the drums sound the same in every build.
class Noise {
public:
    double next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    std::uint32_t state_ = 0x1234567u;
};

struct Partial {
    double ratio;  // of the fundamental
    double amp;
    double decay;  // per second; 0 holds
    double attack; // seconds of its own fade-in, so bright partials can bloom late
};

struct Shape {
    std::vector<Partial> partials;
    double attack;
    double decay;
    double sustain;
    double release;
    double vibratoRate = 0.0;
    double vibratoDepth = 0.0; // fraction of the frequency
    double vibratoDelay = 0.0;
    double detuneCents = 0.0;  // a pair of oscillators either side: a gentle chorus
    bool spreadPhases = false; // see renderAdditive
};

const Shape &shapeOf(Voice voice)
{
    static const Shape bell{{{1.0, 1.0, 2.2, 0.0},
                             {2.0, 0.45, 3.5, 0.0},
                             {3.0, 0.22, 6.0, 0.0},
                             {4.07, 0.12, 9.0, 0.0},
                             {5.2, 0.06, 13.0, 0.0}},
                            0.003, 0.0, 1.0, 0.09};
    static const Shape pluck{{{1.0, 1.0, 3.0, 0.0},
                              {2.0, 0.5, 5.5, 0.0},
                              {3.0, 0.28, 8.0, 0.0},
                              {4.0, 0.14, 11.0, 0.0},
                              {5.0, 0.07, 14.0, 0.0},
                              {6.0, 0.035, 18.0, 0.0}},
                             0.004, 0.0, 1.0, 0.06};
    static const Shape brass = [] {
        Shape s{{}, 0.035, 0.12, 0.82, 0.09, 5.5, 0.0035, 0.18, 0.0, true};
        for (int n = 1; n <= 14; ++n) {
            const double harmonic = static_cast<double>(n);
            s.partials.push_back({harmonic, (n == 1 ? 0.8 : 1.0) / std::pow(harmonic, 1.15), 0.0,
                                  0.012 * harmonic});
        }
        return s;
    }();
    static const Shape pad{{{1.0, 1.0, 0.0, 0.0},
                            {2.0, 0.45, 0.0, 0.0},
                            {3.0, 0.22, 0.0, 0.0},
                            {4.0, 0.12, 0.0, 0.0},
                            {6.0, 0.05, 0.0, 0.0}},
                           0.09, 0.2, 0.85, 0.25, 0.0, 0.0, 0.0, 5.0};
    static const Shape organ{{{1.0, 1.0, 0.0, 0.0},
                              {2.0, 0.7, 0.0, 0.0},
                              {3.0, 0.5, 0.0, 0.0},
                              {4.0, 0.3, 0.0, 0.0},
                              {6.0, 0.15, 0.0, 0.0},
                              {8.0, 0.1, 0.0, 0.0}},
                             0.008, 0.08, 0.7, 0.05, 0.0, 0.0, 0.0, 0.0, true};
    static const Shape bass{{{1.0, 1.0, 1.8, 0.0},
                             {2.0, 0.6, 3.5, 0.0},
                             {3.0, 0.25, 6.0, 0.0},
                             {4.0, 0.1, 9.0, 0.0}},
                            0.006, 0.0, 1.0, 0.06};
    static const Shape buzz{{{1.0, 1.0, 0.0, 0.0},
                             {3.0, 0.33, 0.0, 0.01},
                             {5.0, 0.2, 0.0, 0.02},
                             {7.0, 0.14, 0.0, 0.03},
                             {9.0, 0.1, 0.0, 0.04}},
                            0.012, 0.05, 0.8, 0.04, 0.0, 0.0, 0.0, 0.0, true};
    switch (voice) {
    case Voice::Bell: return bell;
    case Voice::Pluck: return pluck;
    case Voice::Brass: return brass;
    case Voice::Pad: return pad;
    case Voice::Organ: return organ;
    case Voice::Bass: return bass;
    case Voice::Buzz: return buzz;
    default: break;
    }
    throw std::logic_error("voice has no partials");
}

class Canvas {
public:
    Canvas(std::vector<double> &samples, int sampleRate, bool wrap)
        : samples_(samples), rate_(static_cast<double>(sampleRate)), wrap_(wrap)
    {
    }

    double rate() const { return rate_; }

    std::size_t firstSample(const Note &note) const
    {
        return static_cast<std::size_t>(std::llround(std::max(0.0, note.start) * rate_));
    }

    std::size_t sampleSpan(double seconds) const
    {
        return static_cast<std::size_t>(std::ceil(seconds * rate_));
    }

    void add(std::size_t index, double value)
    {
        if (index >= samples_.size()) {
            if (!wrap_ || samples_.empty())
                return;
            index %= samples_.size();
        }
        samples_[index] += value;
    }

private:
    std::vector<double> &samples_;
    double rate_;
    bool wrap_;
};

// 1 while the key is held, then a cosine fall to silence over the release.
double releaseGate(double t, double held, double release)
{
    if (t < held)
        return 1.0;
    if (t >= held + release)
        return 0.0;
    return 0.5 * (1.0 + std::cos(pi * (t - held) / release));
}

double attackRamp(double t, double attack)
{
    return attack <= 0.0 || t >= attack ? 1.0 : t / attack;
}

double adsrLevel(const Shape &shape, double t)
{
    if (t < shape.attack)
        return t / shape.attack;
    if (t < shape.attack + shape.decay)
        return 1.0 - (1.0 - shape.sustain) * (t - shape.attack) / shape.decay;
    return shape.sustain;
}

void renderAdditive(const Note &note, Canvas &canvas)
{
    const Shape &shape = shapeOf(note.voice);
    const double rate = canvas.rate();
    const std::size_t first = canvas.firstSample(note);
    const std::size_t count = canvas.sampleSpan(note.length + shape.release);
    const double base = frequencyOf(note.pitch);

    // The envelope and the pitch curve are shared by every partial: work them out once.
    std::vector<double> envelope(count);
    std::vector<double> step(count);
    const double heldLevel = adsrLevel(shape, note.length);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double level = t < note.length ? adsrLevel(shape, t) : heldLevel;
        envelope[i] = level * releaseGate(t, note.length, shape.release);
        double factor = note.bend == 0.0
                            ? 1.0
                            : std::pow(2.0, note.bend * std::min(t, note.length) / std::max(note.length, 1e-9) / 12.0);
        if (shape.vibratoDepth > 0.0 && t > shape.vibratoDelay) {
            const double depth = shape.vibratoDepth * std::min(1.0, (t - shape.vibratoDelay) / 0.2);
            factor *= 1.0 + depth * std::sin(2.0 * pi * shape.vibratoRate * t);
        }
        step[i] = base * factor / rate;
    }

    const double highest = base * std::pow(2.0, std::max(0.0, note.bend) / 12.0) * (1.0 + shape.vibratoDepth);
    double power = 0.0;
    for (const Partial &partial : shape.partials)
        power += partial.amp * partial.amp;
    const double scale = note.gain / std::sqrt(power);

    const std::array<double, 2> detunes{std::pow(2.0, shape.detuneCents / 1200.0),
                                        std::pow(2.0, -shape.detuneCents / 1200.0)};
    const std::size_t copies = shape.detuneCents > 0.0 ? 2 : 1;
    const SineTable &table = sine();
    const double partialCount = static_cast<double>(shape.partials.size());
    for (std::size_t index = 0; index < shape.partials.size(); ++index) {
        const Partial &partial = shape.partials[index];
        if (highest * partial.ratio >= highestPartialFraction * rate)
            continue;
        // Harmonics all in phase add up to a sawtooth with a cliff in every cycle: a loud
        // peak and steep edges. Schroeder's spread of phases keeps the same spectrum with a
        // flat, smooth wave, so rich tones leave headroom and loop seams stay gentle.
        const double n = static_cast<double>(index);
        const double spread = shape.spreadPhases ? 0.5 * n * (n + 1.0) / partialCount : 0.0;
        const double startPhase = spread - std::floor(spread);
        const double rampSamples = partial.attack * rate;
        for (std::size_t copy = 0; copy < copies; ++copy) {
            const double ratio = partial.ratio * (copies == 2 ? detunes[copy] : 1.0);
            const double amp = scale * partial.amp / static_cast<double>(copies);
            const double fall = std::exp(-partial.decay / rate);
            double decayLevel = 1.0;
            double phase = startPhase;
            for (std::size_t i = 0; i < count; ++i) {
                double level = amp * envelope[i] * decayLevel;
                if (static_cast<double>(i) < rampSamples)
                    level *= static_cast<double>(i) / rampSamples;
                canvas.add(first + i, level * table.at(phase));
                phase += ratio * step[i];
                if (phase >= 1.0)
                    phase -= 1.0;
                decayLevel *= fall;
            }
        }
    }
}

// Drums and knocks: a body that rings for the note's length, then a short fade to silence.
void renderPercussion(const Note &note, Canvas &canvas, Noise &noise)
{
    const double rate = canvas.rate();
    const double release = releaseOf(note.voice);
    const std::size_t first = canvas.firstSample(note);
    const std::size_t count = canvas.sampleSpan(note.length + release);
    const double base = frequencyOf(note.pitch);
    const double ring = std::max(note.length, 1e-3);

    double phase = 0.0;
    double phase2 = 0.0;
    double previousNoise = 0.0;
    double smoothNoise = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double white = noise.next();
        double value = 0.0;
        switch (note.voice) {
        case Voice::Kick: {
            // The pitch drops from well above the note: the thump of a struck skin.
            const double f = base * (1.0 + 1.5 * std::exp(-t / 0.025));
            phase += f / rate;
            value = sine().at(phase) * std::exp(-3.0 * t / ring) + 0.15 * white * std::exp(-t * 400.0);
            break;
        }
        case Voice::Snare: {
            phase += base / rate;
            value = 0.55 * white * std::exp(-3.0 * t / ring) + 0.5 * sine().at(phase) * std::exp(-t * 30.0);
            break;
        }
        case Voice::Hat:
        case Voice::Crash: {
            // The difference of successive noise values leaves mostly the highs.
            const double high = 0.5 * (white - previousNoise);
            value = high * std::exp(-3.0 * t / ring);
            break;
        }
        case Voice::Click: {
            phase += base / rate;
            phase2 += base * 1.66 / rate;
            value = (0.7 * sine().at(phase) + 0.35 * sine().at(phase2)) * std::exp(-t * 110.0) +
                    0.25 * white * std::exp(-t * 900.0);
            break;
        }
        case Voice::Knock: {
            // A low pitch that settles fast, a woody overtone and a muffled tap of noise.
            const double f = base * (1.0 + 0.6 * std::exp(-t / 0.01));
            phase += f / rate;
            phase2 += base * 2.7 / rate;
            smoothNoise += 0.25 * (white - smoothNoise);
            value = sine().at(phase) * std::exp(-t * 45.0) + 0.35 * sine().at(phase2) * std::exp(-t * 90.0) +
                    0.5 * smoothNoise * std::exp(-t * 300.0);
            break;
        }
        default: break;
        }
        previousNoise = white;
        const double attack = note.voice == Voice::Crash ? 0.004 : 0.0008;
        canvas.add(first + i, note.gain * value * attackRamp(t, attack) * releaseGate(t, note.length, release));
    }
}

bool isPercussion(Voice voice)
{
    switch (voice) {
    case Voice::Kick:
    case Voice::Snare:
    case Voice::Hat:
    case Voice::Crash:
    case Voice::Click:
    case Voice::Knock: return true;
    default: return false;
    }
}

} // namespace

double pitchOf(std::string_view name)
{
    static constexpr std::array<int, 7> steps{9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        throw std::invalid_argument("bad note name: " + std::string(name));
    int semitone = steps[static_cast<std::size_t>(name[0] - 'A')];
    std::size_t at = 1;
    for (; at < name.size() && (name[at] == '#' || name[at] == 'b'); ++at)
        semitone += name[at] == '#' ? 1 : -1;
    const std::string_view octave = name.substr(at);
    if (octave.size() != 1 || octave[0] < '0' || octave[0] > '8')
        throw std::invalid_argument("bad note name: " + std::string(name));
    return static_cast<double>(12 * (octave[0] - '0' + 1) + semitone);
}

double frequencyOf(double pitch)
{
    return 440.0 * std::pow(2.0, (pitch - 69.0) / 12.0);
}

double releaseOf(Voice voice)
{
    if (isPercussion(voice))
        return voice == Voice::Click ? 0.005 : voice == Voice::Knock ? 0.015 : 0.04;
    return shapeOf(voice).release;
}

void renderNotes(const std::vector<Note> &notes, int sampleRate, bool wrap, std::vector<double> &samples)
{
    Canvas canvas(samples, sampleRate, wrap);
    Noise noise;
    for (const Note &note : notes) {
        if (isPercussion(note.voice))
            renderPercussion(note, canvas, noise);
        else
            renderAdditive(note, canvas);
    }
}

} // namespace melvane::clipsynth
