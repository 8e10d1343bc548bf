#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace melvane::clipsynth {

// The instruments of the game's little band.
enum class Voice {
    Bell,    // struck metal: the landing chimes and sparkles
    Pluck,   // mallet or plucked string: quick melodies
    Brass,   // sustained bright horn: fanfares and big leads
    Pad,     // soft organ chord under a melody
    Organ,   // drawbar organ stab for the blues
    Bass,    // plucked bass line
    Buzz,    // hollow reed, for the sad figure
    Kick,    // bass drum, and timpani when pitched higher
    Snare,   // snare drum
    Hat,     // closed hi-hat
    Crash,   // cymbal wash on a final chord
    Click,   // woodblock tick of a button
    Knock,   // dry wooden knock of a reel stop
};

// One note of a score. Times are in seconds; pitch is a MIDI note number (69 = A 440 Hz).
struct Note {
    double start = 0.0;
    double length = 0.0; // how long the key is held; the voice's release follows
    double pitch = 60.0;
    double gain = 1.0;
    Voice voice = Voice::Pluck;
    double bend = 0.0; // semitones the pitch glides by over the held length
};

// Reads a note name such as "C4", "F#5" or "Bb3" as a MIDI note number.
double pitchOf(std::string_view name);

// Frequency in hertz of a MIDI note number.
double frequencyOf(double pitch);

// How long a note of the voice sounds after its key is released.
double releaseOf(Voice voice);

// Mixes the notes into `samples` at the given rate. With `wrap`, what sounds past the end
// continues from the start, as it would when the clip repeats; without, it is cut off.
void renderNotes(const std::vector<Note> &notes, int sampleRate, bool wrap, std::vector<double> &samples);

} // namespace melvane::clipsynth
