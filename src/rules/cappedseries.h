#pragma once

#include <complex>
#include <cstddef>
#include <vector>

namespace melvane {

// A distribution of whole non-negative amounts, known exactly up to a cap: chance[a] is the
// chance of the amount a for a = 0..cap, and `over` the chance of any amount above the cap.
// Amounts only grow when added, so a sum of such amounts is known exactly up to the same cap
// from what each part holds up to it: nothing above the cap ever comes back below it.
struct CappedSeries {
    std::vector<double> chance;
    double over = 0;

    CappedSeries() = default;
    explicit CappedSeries(std::size_t cap) : chance(cap + 1, 0.0) {}

    std::size_t cap() const { return chance.size() - 1; }
    double below() const; // the chance held up to the cap
    double total() const { return below() + over; }

    // The sum with another distribution's chances (a mixture's parts, already weighted).
    CappedSeries &operator+=(const CappedSeries &other);
};

// Sums of independent amounts under one cap, by fast Fourier transform: a distribution that
// takes part in several sums is transformed once.
class SeriesConvolver {
public:
    explicit SeriesConvolver(std::size_t cap);

    struct Spectrum {
        std::vector<std::complex<double>> bins;
        double below = 0;
        double over = 0;
    };
    Spectrum transform(const CappedSeries &s) const;
    // The distribution of the sum of the two amounts, exact up to rounding: results below 1e-17
    // of the total chance, rounding noise in practice, are set to 0.
    CappedSeries sum(const Spectrum &a, const Spectrum &b) const;

    std::size_t cap() const { return cap_; }

private:
    void fft(std::vector<std::complex<double>> &x, bool inverse) const;

    std::size_t cap_;
    std::size_t size_;
    std::vector<std::complex<double>> roots_;
    std::vector<std::size_t> reversed_;
};

// The distribution of the sum of two independent amounts, up to the common cap.
CappedSeries convolve(const CappedSeries &a, const CappedSeries &b);

} // namespace melvane
