#include "compositions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace melvane::clipsynth {
namespace {

// A note of a melody table: when and for how long, in beats, and which pitch.
struct Step {
    double beat;
    double beats;
    std::string_view pitch;
};

// A note of a riff, in semitones above the root of the chord it is played over.
struct Interval {
    double beat;
    double beats;
    int semitones;
    double bend = 0.0;
};

// One bar of harmony: the bass note and three chord tones above it.
struct Chord {
    std::string_view bass;
    std::array<std::string_view, 3> tones;
};

constexpr double third = 1.0 / 3.0;
constexpr double swung = 2.0 / 3.0; // where the off-beat eighth falls in a shuffle

class Score {
public:
    Score(std::vector<Note> &notes, double beatSeconds) : notes_(notes), beat_(beatSeconds)
    {
    }

    void add(double beat, double beats, double pitch, double gain, Voice voice, double bend = 0.0)
    {
        notes_.push_back({beat * beat_, beats * beat_, pitch, gain, voice, bend});
    }

    void add(double beat, double beats, std::string_view name, double gain, Voice voice, double bend = 0.0)
    {
        add(beat, beats, pitchOf(name), gain, voice, bend);
    }

    // Plays the steps whose beat lies in [from, from + span) at `at`, transposed.
    void melody(std::span<const Step> steps, double from, double span, double at, double transpose, double gain,
                Voice voice, double legato = 0.9)
    {
        for (const Step &step : steps) {
            if (step.beat >= from && step.beat < from + span)
                add(at + step.beat - from, step.beats * legato, pitchOf(step.pitch) + transpose, gain, voice);
        }
    }

    void chord(double beat, double beats, const Chord &chord, double transpose, double gain, Voice voice)
    {
        for (std::string_view tone : chord.tones)
            add(beat, beats, pitchOf(tone) + transpose, gain, voice);
    }

private:
    std::vector<Note> &notes_;
    double beat_;
};

// A dry woodblock tick, silent after 60 ms although its file runs 0.10 s: the click must not
// linger over whatever the button starts.
Composition click()
{
    Composition c{{}, 0.8};
    c.notes.push_back({0.0, 0.05, pitchOf("B6"), 1.0, Voice::Click});
    return c;
}

Composition reelKnock()
{
    Composition c{{}, 0.85};
    c.notes.push_back({0.0, 0.08, pitchOf("F3"), 1.0, Voice::Knock});
    return c;
}

// Reels 1 to 5 climb a C major arpeggio, so a full set of landings sounds like a phrase.
Composition landingChime(int reel, double seconds)
{
    static constexpr std::array<std::string_view, 5> pitches{"C5", "E5", "G5", "C6", "E6"};
    Composition c{{}, 0.75};
    const double held = seconds - releaseOf(Voice::Bell) - 0.02;
    c.notes.push_back({0.0, held, pitchOf(pitches[static_cast<std::size_t>(reel - 1)]), 1.0, Voice::Bell});
    return c;
}

// A falling "wah-wah" on a hollow reed: refused, or lost.
Composition sadFigure()
{
    Composition c{{}, 0.8};
    c.notes.push_back({0.0, 0.1, pitchOf("E4"), 1.0, Voice::Buzz});
    c.notes.push_back({0.12, 0.17, pitchOf("Eb4"), 1.0, Voice::Buzz, -0.8});
    return c;
}

// A quick climb to the top of the chord: money collected, or the black card won.
Composition collectCue()
{
    static constexpr Step run[] = {{0.0, 0.06, "C6"}, {0.05, 0.06, "E6"}, {0.1, 0.2, "G6"}};
    Composition c{{}, 0.85};
    Score s(c.notes, 1.0);
    s.melody(run, 0.0, 1.0, 0.0, 0.0, 0.6, Voice::Pluck, 1.0);
    s.add(0.1, 0.22, "C7", 0.25, Voice::Bell);
    s.add(0.0, 0.04, "C5", 0.25, Voice::Hat);
    return c;
}

// One step longer than the collect cue, ending on a sparkle: the gamble won.
Composition gambleWonCue()
{
    static constexpr Step run[] = {
        {0.0, 0.07, "G5"}, {0.07, 0.07, "C6"}, {0.14, 0.07, "E6"}, {0.21, 0.28, "G6"}};
    Composition c{{}, 0.85};
    Score s(c.notes, 1.0);
    s.melody(run, 0.0, 1.0, 0.0, 0.0, 0.6, Voice::Pluck, 1.0);
    s.add(0.21, 0.3, "C7", 0.3, Voice::Bell);
    s.add(0.21, 0.3, "E6", 0.15, Voice::Bell);
    return c;
}

// Two notes, a fourth apart: the smallest win.
Composition dingDing()
{
    Composition c{{}, 0.85};
    c.notes.push_back({0.0, 0.1, pitchOf("G5"), 0.8, Voice::Pluck});
    c.notes.push_back({0.1, 0.28, pitchOf("C6"), 0.8, Voice::Pluck});
    c.notes.push_back({0.1, 0.25, pitchOf("C7"), 0.15, Voice::Bell});
    return c;
}

// A rising arpeggio that rings out on a chord: the start-up greeting and a modest win.
Composition arpeggioGreeting()
{
    static constexpr Step run[] = {{0.0, 0.2, "C5"}, {0.08, 0.2, "E5"}, {0.16, 0.2, "G5"}};
    static constexpr Chord tonic{"C3", {"C4", "E4", "G4"}};
    Composition c{{}, 0.87};
    Score s(c.notes, 1.0);
    s.melody(run, 0.0, 1.0, 0.0, 0.0, 0.6, Voice::Pluck, 1.0);
    s.add(0.24, 0.75, "C6", 0.6, Voice::Bell);
    s.add(0.24, 0.75, "E6", 0.3, Voice::Bell);
    s.chord(0.24, 0.6, tonic, 0.0, 0.12, Voice::Pad);
    return c;
}

Composition risingFigure()
{
    static constexpr Step tune[] = {{0, 0.5, "G4"},
                                               {0.5, 0.5, "C5"},
                                               {1, 0.5, "E5"},
                                               {1.5, 0.5, "G5"},
                                               {2, 0.5, "E5"},
                                               {2.5, 0.5, "G5"},
                                               {3, 3.2, "C6"}};
    static constexpr Step bass[] = {{0, 1, "C3"}, {1, 1, "E3"}, {2, 1, "G3"}, {3, 3, "C3"}};
    static constexpr Chord tonic{"C3", {"C4", "E4", "G4"}};
    Composition c{{}, 0.88};
    Score s(c.notes, 0.3);
    s.melody(tune, 0.0, 8.0, 0.0, 0.0, 0.55, Voice::Pluck, 1.0);
    s.melody(bass, 0.0, 8.0, 0.0, 0.0, 0.4, Voice::Bass, 0.9);
    s.chord(3.0, 2.8, tonic, 0.0, 0.1, Voice::Pad);
    s.add(3.0, 2.5, "G6", 0.15, Voice::Bell);
    return c;
}

// A horn call over timpani: the first win that earns brass.
Composition hornCall()
{
    static constexpr Step call[] = {{0, third, "G4"},
                                               {third, third, "G4"},
                                               {2 * third, third, "G4"},
                                               {1, 1, "C5"},
                                               {2, 0.5, "E5"},
                                               {2.5, 0.5, "G5"},
                                               {3, 4.5, "C6"}};
    static constexpr Chord tonic{"C3", {"E4", "G4", "C5"}};
    Composition c{{}, 0.89};
    Score s(c.notes, 0.32);
    s.melody(call, 0.0, 8.0, 0.0, -12.0, 0.55, Voice::Brass, 0.92);
    s.add(3.0, 4.5, "E5", 0.3, Voice::Brass);
    s.add(3.0, 4.5, "G4", 0.25, Voice::Brass);
    s.chord(3.0, 4.2, tonic, 0.0, 0.1, Voice::Pad);
    s.add(1.0, 0.5, "G2", 0.5, Voice::Kick);
    s.add(3.0, 1.5, "C3", 0.6, Voice::Kick);
    s.add(3.0, 1.4, "C3", 0.5, Voice::Bass);
    s.add(3.0, 4.0, "C5", 0.12, Voice::Crash);
    return c;
}

// Tune A: a bright pop melody over C G Am F C F G C.
constexpr Step tuneA[] = {
    {0, 1, "E5"}, {1, 0.5, "G5"}, {1.5, 0.5, "C6"}, {2, 1, "G5"}, {3, 1, "E5"},
    {4, 1, "D5"}, {5, 0.5, "G5"}, {5.5, 0.5, "B5"}, {6, 2, "D6"},
    {8, 1, "C6"}, {9, 0.5, "B5"}, {9.5, 0.5, "A5"}, {10, 1, "E5"}, {11, 1, "A5"},
    {12, 0.5, "F5"}, {12.5, 0.5, "G5"}, {13, 1, "A5"}, {14, 2, "C6"},
    {16, 0.5, "G5"}, {16.5, 0.5, "E5"}, {17, 0.5, "G5"}, {17.5, 0.5, "C6"}, {18, 1, "E6"}, {19, 1, "D6"},
    {20, 1, "C6"}, {21, 1, "A5"}, {22, 1, "F5"}, {23, 1, "A5"},
    {24, 0.5, "G5"}, {24.5, 0.5, "A5"}, {25, 0.5, "B5"}, {25.5, 0.5, "D6"}, {26, 1, "F6"}, {27, 1, "D6"},
    {28, 3, "C6"}, {31, 0.5, "G5"}, {31.5, 0.5, "B5"},
};
constexpr Chord chordsA[] = {{"C3", {"E4", "G4", "C5"}},
                                        {"G2", {"D4", "G4", "B4"}},
                                        {"A2", {"E4", "A4", "C5"}},
                                        {"F2", {"F4", "A4", "C5"}},
                                        {"C3", {"E4", "G4", "C5"}},
                                        {"F2", {"F4", "A4", "C5"}},
                                        {"G2", {"D4", "G4", "B4"}},
                                        {"C3", {"E4", "G4", "C5"}}};

// Tune B: a wider, climbing melody over C Em F G Am F G C.
constexpr Step tuneB[] = {
    {0, 0.5, "C5"}, {0.5, 0.5, "E5"}, {1, 0.5, "G5"}, {1.5, 1.5, "C6"}, {3, 1, "G5"},
    {4, 1.5, "B5"}, {5.5, 0.5, "G5"}, {6, 2, "E5"},
    {8, 0.5, "A5"}, {8.5, 0.5, "C6"}, {9, 1, "F6"}, {10, 1, "E6"}, {11, 1, "C6"},
    {12, 1.5, "D6"}, {13.5, 0.5, "B5"}, {14, 1, "G5"}, {15, 1, "B5"},
    {16, 1, "C6"}, {17, 1, "E6"}, {18, 1, "A6"}, {19, 1, "G6"},
    {20, 1, "F6"}, {21, 0.5, "E6"}, {21.5, 0.5, "D6"}, {22, 2, "C6"},
    {24, 0.5, "B5"}, {24.5, 0.5, "C6"}, {25, 0.5, "D6"}, {25.5, 0.5, "E6"}, {26, 1, "F6"}, {27, 1, "D6"},
    {28, 4, "E6"},
};
constexpr Chord chordsB[] = {{"C3", {"E4", "G4", "C5"}},
                                        {"E2", {"E4", "G4", "B4"}},
                                        {"F2", {"F4", "A4", "C5"}},
                                        {"G2", {"D4", "G4", "B4"}},
                                        {"A2", {"E4", "A4", "C5"}},
                                        {"F2", {"F4", "A4", "C5"}},
                                        {"G2", {"D4", "G4", "B4"}},
                                        {"C3", {"E4", "G4", "C5"}}};

struct Tune {
    std::span<const Step> melody;
    std::span<const Chord, 8> chords;
};

// The arrangement grows with the win: each flag adds a layer.
struct JingleStyle {
    int clip;
    int key;          // semitones above C
    double bpm;
    int tune;         // 0: tune A, 1: tune B
    Voice lead;
    int leadOctave;   // semitones the lead sits from the table
    bool sparkle;     // a bell an octave above the lead
    bool drums;
    bool fanfareIntro;
    bool modulate;    // a whole tone up at each new round of the tune
    bool stabs;       // brass chord stabs on the off-beats
    bool doubledLead; // the melody on plucks as well, an octave above the brass
    double minEnding; // seconds at least for the final chord to ring
};

// In the order of the win bands they are played for.
constexpr JingleStyle jingleStyles[] = {
    {109, 0, 140, 0, Voice::Pluck, 0, false, false, false, false, false, false, 1.5},
    {111, 2, 144, 1, Voice::Pluck, 0, true, false, false, false, false, false, 1.6},
    {110, -2, 144, 0, Voice::Brass, -12, true, true, false, false, false, false, 1.8},
    {108, -3, 148, 1, Voice::Brass, -12, true, true, false, true, false, false, 2.0},
    {104, 0, 150, 0, Voice::Brass, -12, true, true, true, true, false, true, 2.0},
    {107, 2, 156, 1, Voice::Brass, -12, true, true, true, false, true, true, 2.2},
    {105, -2, 152, 1, Voice::Brass, -12, true, true, true, true, true, true, 2.4},
    {112, 0, 160, 0, Voice::Brass, -12, true, true, true, true, true, true, 2.6},
};

void drumBar(Score &s, double at, bool full)
{
    s.add(at, 0.5, "G1", 0.55, Voice::Kick);
    s.add(at + 2, 0.5, "G1", 0.55, Voice::Kick);
    if (full) {
        s.add(at + 1, 0.3, "F#3", 0.35, Voice::Snare);
        s.add(at + 3, 0.3, "F#3", 0.35, Voice::Snare);
    }
    for (int eighth = 0; eighth < 8; ++eighth)
        s.add(at + 0.5 * eighth, 0.1, "C5", eighth % 2 == 0 ? 0.12 : 0.07, Voice::Hat);
}

// Every big win is the same little band playing one of the two tunes; the style decides how
// much of the band plays, how fast and in which key, and the clip's length how many bars.
Composition bandJingle(const JingleStyle &style, double seconds)
{
    const Tune tune = style.tune == 0 ? Tune{tuneA, chordsA} : Tune{tuneB, chordsB};
    const double beat = 60.0 / style.bpm;
    const double bar = 4.0 * beat;
    const double introBeats = style.fanfareIntro ? 4.0 : 0.0;
    const int bodyBars = std::max(1, static_cast<int>(std::floor((seconds - introBeats * beat - style.minEnding) / bar)));
    const double endingBeats = (seconds - introBeats * beat) / beat - 4.0 * bodyBars;

    // The body always ends on the tune's dominant bar (bar 7 of 8), so the final chord
    // lands as a cadence; a longer body starts further back in the tune.
    std::vector<int> order(static_cast<std::size_t>(bodyBars));
    for (int j = 0; j < bodyBars; ++j)
        order[static_cast<std::size_t>(bodyBars - 1 - j)] = ((6 - j) % 8 + 8) % 8;

    Composition c{{}, 0.89};
    Score s(c.notes, beat);
    double key = style.key;

    if (style.fanfareIntro) {
        for (int i = 0; i < 3; ++i)
            s.add(third * i, third * 0.85, pitchOf("G4") + key, 0.5, Voice::Brass);
        s.add(1.0, 0.9, pitchOf("G4") + key, 0.5, Voice::Brass);
        s.add(1.0, 0.9, pitchOf("D4") + key, 0.3, Voice::Brass);
        s.add(0.0, 0.6, pitchOf("G2") + key, 0.6, Voice::Kick);
        s.add(1.0, 0.6, pitchOf("G2") + key, 0.6, Voice::Kick);
        for (int i = 0; i < 8; ++i)
            s.add(2.0 + 0.25 * i, 0.15, "F#3", 0.12 + 0.04 * i, Voice::Snare);
    }

    for (std::size_t i = 0; i < order.size(); ++i) {
        const int index = order[i];
        if (style.modulate && i > 0 && index == 0)
            key += 2.0;
        const double at = introBeats + 4.0 * static_cast<double>(i);
        const double from = 4.0 * index;
        const Chord &chord = tune.chords[static_cast<std::size_t>(index)];
        const double root = pitchOf(chord.bass) + key;

        s.melody(tune.melody, from, 4.0, at, key + style.leadOctave, 0.5, style.lead);
        if (style.doubledLead)
            s.melody(tune.melody, from, 4.0, at, key, 0.25, Voice::Pluck);
        if (style.sparkle)
            s.melody(tune.melody, from, 4.0, at, key + style.leadOctave + 12.0, 0.14, Voice::Bell, 0.6);
        s.chord(at, 3.9, chord, key, 0.09, Voice::Pad);

        if (style.drums) {
            // A walking root-fifth-octave-fifth bass drives the louder wins.
            s.add(at, 0.9, root, 0.45, Voice::Bass);
            s.add(at + 1, 0.9, root + 7, 0.4, Voice::Bass);
            s.add(at + 2, 0.9, root + 12, 0.4, Voice::Bass);
            s.add(at + 3, 0.9, root + 7, 0.4, Voice::Bass);
            drumBar(s, at, true);
        } else {
            s.add(at, 1.9, root, 0.45, Voice::Bass);
            s.add(at + 2, 1.9, root, 0.4, Voice::Bass);
        }
        if (style.stabs) {
            s.chord(at + 1.5, 0.35, chord, key, 0.07, Voice::Brass);
            s.chord(at + 3.5, 0.35, chord, key, 0.07, Voice::Brass);
        }
    }

    // The final chord rings out and has fallen silent just before the clip ends.
    const double end = introBeats + 4.0 * bodyBars;
    const double held = endingBeats - 0.4 / beat;
    const Chord &tonic = tune.chords[7];
    s.add(end, held, pitchOf("C6") + key + style.leadOctave, 0.5, style.lead);
    s.chord(end, held, tonic, key, 0.1, Voice::Pad);
    s.add(end, std::min(held, 2.0 / beat), pitchOf("C2") + key, 0.5, Voice::Bass);
    if (style.lead == Voice::Brass) {
        s.chord(end, held, tonic, key, 0.12, Voice::Brass);
        s.add(end, held, pitchOf("G5") + key + style.leadOctave, 0.3, Voice::Brass);
    }
    if (style.doubledLead)
        s.add(end, held, pitchOf("C6") + key, 0.25, Voice::Pluck);
    if (style.drums) {
        s.add(end, 0.8, pitchOf("C2") + key, 0.7, Voice::Kick);
        s.add(end, std::min(held, 1.6 / beat), "C5", 0.1, Voice::Crash);
    }
    if (style.sparkle) {
        static constexpr std::array<std::string_view, 4> cascade{"C6", "E6", "G6", "C7"};
        for (std::size_t i = 0; i < cascade.size(); ++i) {
            const double at = end + 0.25 * static_cast<double>(i);
            s.add(at, i + 1 == cascade.size() ? held - 0.75 : 0.5, pitchOf(cascade[i]) + key, 0.16, Voice::Bell);
        }
    }
    return c;
}

Composition freeSpinFanfare()
{
    static constexpr Step lead[] = {
        {0, third, "G4"}, {third, third, "G4"}, {2 * third, third, "G4"}, {1, 1.5, "C5"}, {2.5, 0.5, "G4"}, {3, 1, "C5"},
        {4, third, "E5"}, {4 + third, third, "E5"}, {4 + 2 * third, third, "E5"}, {5, 1.5, "G5"}, {6.5, 0.5, "E5"}, {7, 1, "G5"},
        {8, 2, "C6"}, {10, 0.5, "B5"}, {10.5, 0.5, "A5"}, {11, 1, "G5"},
        {12, 0.5, "A5"}, {12.5, 0.5, "B5"}, {13, 1, "C6"}, {14, 0.5, "D6"}, {14.5, 0.5, "B5"}, {15, 1, "G5"},
        {16, 2.4, "C6"},
    };
    static constexpr Step harmony[] = {
        {0, third, "E4"}, {third, third, "E4"}, {2 * third, third, "E4"}, {1, 1.5, "G4"}, {2.5, 0.5, "E4"}, {3, 1, "G4"},
        {4, third, "C5"}, {4 + third, third, "C5"}, {4 + 2 * third, third, "C5"}, {5, 1.5, "E5"}, {6.5, 0.5, "C5"}, {7, 1, "E5"},
        {8, 2, "G5"}, {10, 0.5, "G5"}, {10.5, 0.5, "F5"}, {11, 1, "D5"},
        {12, 0.5, "F5"}, {12.5, 0.5, "G5"}, {13, 1, "A5"}, {14, 0.5, "B5"}, {14.5, 0.5, "G5"}, {15, 1, "D5"},
        {16, 2.4, "G5"}, {16, 2.4, "E5"},
    };
    static constexpr Step timpani[] = {
        {1, 1, "C2"}, {3, 1, "C2"}, {5, 1, "C2"}, {7, 1, "G1"}, {8, 1.5, "C2"},
        {10, 1, "G1"}, {12, 1, "F1"}, {14, 1, "G1"}, {16, 2.5, "C2"},
    };
    static constexpr Step bass[] = {
        {0, 1.8, "C2"}, {2, 1.8, "C2"}, {4, 1.8, "C2"}, {6, 1.8, "C2"}, {8, 1.8, "C2"},
        {10, 1.8, "G2"}, {12, 1.8, "F2"}, {14, 1.8, "G2"}, {16, 2.4, "C2"},
    };
    struct Block {
        double beat;
        double beats;
        Chord chord;
    };
    static constexpr Block chords[] = {
        {0, 8, {"C3", {"C4", "E4", "G4"}}},
        {8, 2, {"C3", {"C4", "E4", "G4"}}},
        {10, 2, {"G2", {"B3", "D4", "G4"}}},
        {12, 2, {"F2", {"A3", "C4", "F4"}}},
        {14, 2, {"G2", {"B3", "D4", "G4"}}},
        {16, 2.4, {"C3", {"C4", "E4", "G4"}}},
    };
    static constexpr std::array<std::string_view, 4> cascade{"C6", "E6", "G6", "C7"};

    Composition c{{}, 0.89};
    Score s(c.notes, 0.5);
    s.melody(lead, 0, 32, 0, 0, 0.55, Voice::Brass, 0.92);
    s.melody(harmony, 0, 32, 0, 0, 0.3, Voice::Brass, 0.92);
    s.melody(timpani, 0, 32, 0, 0, 0.6, Voice::Kick, 1.0);
    s.melody(bass, 0, 32, 0, 0, 0.35, Voice::Bass, 1.0);
    for (const Block &block : chords)
        s.chord(block.beat, block.beats, block.chord, 0.0, 0.08, Voice::Pad);
    for (int i = 0; i < 8; ++i)
        s.add(14.0 + 0.25 * i, 0.15, "F#3", 0.1 + 0.05 * i, Voice::Snare);
    s.add(16.0, 2.4, "C5", 0.16, Voice::Crash);
    for (std::size_t i = 0; i < cascade.size(); ++i)
        s.add(16.0 + 0.25 * static_cast<double>(i), 2.4 - 0.25 * static_cast<double>(i), cascade[i], 0.16, Voice::Bell);
    return c;
}

// A bouncy oom-pah tune in F, played twice round; the second time with bells and snare.
Composition freeSpinTuneA(double seconds)
{
    static constexpr Step melody[] = {
        {0, 0.5, "C5"}, {0.5, 0.5, "F5"}, {1, 0.5, "A5"}, {1.5, 0.5, "C6"}, {2, 1, "A5"}, {3, 1, "F5"},
        {4, 0.5, "G5"}, {4.5, 0.5, "A5"}, {5, 1, "Bb5"}, {6, 0.5, "A5"}, {6.5, 0.5, "G5"}, {7, 1, "F5"},
        {8, 1, "D6"}, {9, 0.5, "C6"}, {9.5, 0.5, "Bb5"}, {10, 1, "D6"}, {11, 1, "F6"},
        {12, 1.5, "E6"}, {13.5, 0.5, "D6"}, {14, 1, "C6"}, {15, 1, "G5"},
        {16, 0.5, "A5"}, {16.5, 0.5, "C6"}, {17, 1, "F6"}, {18, 0.5, "E6"}, {18.5, 0.5, "D6"}, {19, 1, "C6"},
        {20, 1, "D6"}, {21, 1, "A5"}, {22, 0.5, "F5"}, {22.5, 0.5, "A5"}, {23, 1, "D6"},
        {24, 0.5, "Bb5"}, {24.5, 0.5, "A5"}, {25, 0.5, "G5"}, {25.5, 0.5, "Bb5"}, {26, 1, "D6"}, {27, 1, "G5"},
        {28, 1.5, "C6"}, {29.5, 0.5, "Bb5"}, {30, 1, "G5"}, {31, 1, "E5"},
    };
    static constexpr Chord chords[] = {{"F2", {"F4", "A4", "C5"}},
                                                  {"F2", {"F4", "A4", "C5"}},
                                                  {"Bb2", {"D4", "F4", "Bb4"}},
                                                  {"C3", {"E4", "G4", "C5"}},
                                                  {"F2", {"F4", "A4", "C5"}},
                                                  {"D3", {"D4", "F4", "A4"}},
                                                  {"G2", {"D4", "G4", "Bb4"}},
                                                  {"C3", {"E4", "G4", "Bb4"}}};
    Composition c{{}, 0.7};
    Score s(c.notes, seconds / 64.0);
    for (int pass = 0; pass < 2; ++pass) {
        for (int bar = 0; bar < 8; ++bar) {
            const double at = 32.0 * pass + 4.0 * bar;
            const Chord &chord = chords[static_cast<std::size_t>(bar)];
            const double root = pitchOf(chord.bass);
            s.melody(melody, 4.0 * bar, 4.0, at, 0.0, 0.45, Voice::Pluck, 0.85);
            if (pass == 1)
                s.melody(melody, 4.0 * bar, 4.0, at, 12.0, 0.13, Voice::Bell, 0.6);
            s.add(at, 0.9, root, 0.5, Voice::Bass);
            s.add(at + 2, 0.9, root + 7, 0.45, Voice::Bass);
            s.chord(at + 1, 0.5, chord, 0.0, 0.08, Voice::Pluck);
            s.chord(at + 3, 0.5, chord, 0.0, 0.08, Voice::Pluck);
            drumBar(s, at, pass == 1);
        }
    }
    return c;
}

// A twelve-bar shuffle blues in A: boogie bass, organ stabs and a muted horn.
Composition freeSpinTuneB(double seconds)
{
    static constexpr Interval call[] = {
        {0, swung, 7}, {swung, third, 10}, {1, 1, 12}, {2, swung, 10}, {2 + swung, third, 7}, {3, 1, 3, 1.0}};
    static constexpr Interval answer[] = {{swung, third, 7}, {1, swung, 10}, {1 + swung, third, 7}, {2, 2, 0}};
    static constexpr Interval turnaround[] = {
        {0, swung, 0}, {swung, third, 4}, {1, swung, 7}, {1 + swung, third, 10}, {2, 1, 12}, {3, 0.75, 10}};
    static constexpr std::array<int, 8> boogie{0, 4, 7, 9, 10, 9, 7, 4};
    struct BluesBar {
        std::string_view root; // of the chord, in the horn's octave
        std::array<std::string_view, 3> stab;
        int riff; // 0 call, 1 answer, 2 turnaround
    };
    static constexpr BluesBar form[] = {
        {"A4", {"C#4", "E4", "G4"}, 0}, {"A4", {"C#4", "E4", "G4"}, 1},
        {"A4", {"C#4", "E4", "G4"}, 0}, {"A4", {"C#4", "E4", "G4"}, 1},
        {"D5", {"C4", "D4", "F#4"}, 0}, {"D5", {"C4", "D4", "F#4"}, 1},
        {"A4", {"C#4", "E4", "G4"}, 0}, {"A4", {"C#4", "E4", "G4"}, 1},
        {"E4", {"D4", "G#4", "B4"}, 0}, {"D5", {"C4", "D4", "F#4"}, 0},
        {"A4", {"C#4", "E4", "G4"}, 1}, {"E4", {"D4", "G#4", "B4"}, 2},
    };
    Composition c{{}, 0.7};
    Score s(c.notes, seconds / 48.0);
    for (std::size_t bar = 0; bar < std::size(form); ++bar) {
        const BluesBar &b = form[bar];
        const double at = 4.0 * static_cast<double>(bar);
        const double root = pitchOf(b.root);
        const double bassRoot = root - 12.0 * std::round((root - pitchOf("A2")) / 12.0);
        const std::span<const Interval> riff = b.riff == 0 ? std::span<const Interval>(call)
                                               : b.riff == 1 ? std::span<const Interval>(answer)
                                                             : std::span<const Interval>(turnaround);
        for (const Interval &note : riff)
            s.add(at + note.beat, note.beats * 0.9, root + note.semitones - 12.0, 0.42, Voice::Brass, note.bend);
        for (std::size_t eighth = 0; eighth < boogie.size(); ++eighth) {
            const double beat = at + static_cast<double>(eighth / 2) + (eighth % 2 == 0 ? 0.0 : swung);
            s.add(beat, eighth % 2 == 0 ? swung * 0.9 : third * 0.9, bassRoot + boogie[eighth], 0.42, Voice::Bass);
        }
        for (double offbeat : {1.0 + swung, 3.0 + swung})
            for (std::string_view tone : b.stab)
                s.add(at + offbeat, third * 0.9, tone, 0.06, Voice::Organ);
        s.add(at, 0.5, "A1", 0.5, Voice::Kick);
        s.add(at + 2, 0.5, "A1", 0.5, Voice::Kick);
        s.add(at + 1, 0.3, "F#3", 0.3, Voice::Snare);
        s.add(at + 3, 0.3, "F#3", 0.3, Voice::Snare);
        for (int beat = 0; beat < 4; ++beat) {
            s.add(at + beat, 0.1, "C5", 0.11, Voice::Hat);
            s.add(at + beat + swung, 0.08, "C5", 0.06, Voice::Hat);
        }
    }
    return c;
}

} // namespace

Composition compose(int clipNumber, double seconds)
{
    for (const JingleStyle &style : jingleStyles) {
        if (style.clip == clipNumber)
            return bandJingle(style, seconds);
    }
    switch (clipNumber) {
    case 101: return dingDing();
    case 102: return risingFigure();
    case 103: return hornCall();
    case 106: return arpeggioGreeting();
    case 113: return sadFigure();
    case 114: return reelKnock();
    case 115: return click();
    case 116: return collectCue();
    case 117: return gambleWonCue();
    case 119: case 120: case 121: case 122: case 123: return landingChime(clipNumber - 118, seconds);
    case 124: return freeSpinTuneA(seconds);
    case 125: return freeSpinTuneB(seconds);
    case 126: return freeSpinFanfare();
    default: break;
    }
    throw std::invalid_argument("no clip " + std::to_string(clipNumber));
}

} // namespace melvane::clipsynth
