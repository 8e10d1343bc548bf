#pragma once

// Durations and sizes the game uses, in one place.
namespace melvane::timing {

inline constexpr int kTmrtickMs = 300;
inline constexpr int kTmrautospinMs = 500;
inline constexpr int kPresentationTimerMs = 100; // Timerflash, timerballflash, Timerscatter, Timerwincounter, Timerrespin

inline constexpr int kTwipsPerPixel = 15;

// The free-spin award holds the machine until the clock's whole seconds have advanced by this.
inline constexpr int kAwardWaitSeconds = 12;

// The gamble holds a lost card on screen this long.
inline constexpr int kGambleLossHoldMs = 3000;

// The session clock under the reels moves on once a second.
inline constexpr int kSessionClockMs = 1000;

// A quick stop lands the reels still turning one after the other, this far apart, so each
// landing's click is heard.
inline constexpr int kQuickStopLandingMs = 30;

} // namespace melvane::timing
