#include "rules/cappedseries.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <stdexcept>

namespace melvane {

double CappedSeries::below() const { return std::accumulate(chance.begin(), chance.end(), 0.0); }

CappedSeries &CappedSeries::operator+=(const CappedSeries &other)
{
    if (other.chance.size() != chance.size())
        throw std::invalid_argument("capped series of different caps");
    for (std::size_t a = 0; a < chance.size(); ++a)
        chance[a] += other.chance[a];
    over += other.over;
    return *this;
}

SeriesConvolver::SeriesConvolver(std::size_t cap) : cap_(cap), size_(1)
{
    // A linear convolution up to the cap needs room for twice the cap without wrapping round.
    while (size_ < 2 * (cap + 1))
        size_ *= 2;
    roots_.resize(size_ / 2);
    for (std::size_t k = 0; k < roots_.size(); ++k)
        roots_[k] = std::polar(1.0, -2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(size_));
    reversed_.resize(size_);
    int bits = 0;
    while ((std::size_t{1} << bits) < size_)
        ++bits;
    for (std::size_t i = 0; i < size_; ++i) {
        std::size_t r = 0;
        for (int b = 0; b < bits; ++b)
            if ((i >> b) & 1u)
                r |= std::size_t{1} << (bits - 1 - b);
        reversed_[i] = r;
    }
}

void SeriesConvolver::fft(std::vector<std::complex<double>> &x, bool inverse) const
{
    for (std::size_t i = 0; i < size_; ++i)
        if (i < reversed_[i])
            std::swap(x[i], x[reversed_[i]]);
    for (std::size_t half = 1; half < size_; half *= 2) {
        const std::size_t stride = size_ / (2 * half);
        for (std::size_t start = 0; start < size_; start += 2 * half) {
            for (std::size_t k = 0; k < half; ++k) {
                const std::complex<double> root = inverse ? std::conj(roots_[k * stride]) : roots_[k * stride];
                const std::complex<double> odd = x[start + k + half] * root;
                x[start + k + half] = x[start + k] - odd;
                x[start + k] += odd;
            }
        }
    }
}

SeriesConvolver::Spectrum SeriesConvolver::transform(const CappedSeries &s) const
{
    if (s.cap() != cap_)
        throw std::invalid_argument("capped series of another cap");
    Spectrum out;
    out.bins.assign(size_, {0.0, 0.0});
    for (std::size_t a = 0; a <= cap_; ++a)
        out.bins[a] = s.chance[a];
    fft(out.bins, false);
    out.below = s.below();
    out.over = s.over;
    return out;
}

CappedSeries SeriesConvolver::sum(const Spectrum &a, const Spectrum &b) const
{
    std::vector<std::complex<double>> product(size_);
    for (std::size_t k = 0; k < size_; ++k)
        product[k] = a.bins[k] * b.bins[k];
    fft(product, true);
    CappedSeries out(cap_);
    const double scale = 1.0 / static_cast<double>(size_);
    // Rounding leaves about 1e-20 of the total chance on amounts that cannot occur; below this
    // a result is taken for such noise (it moves a sum's total by at most cap x 1e-17).
    const double noise = 1e-17 * (a.below + a.over) * (b.below + b.over);
    double kept = 0;
    for (std::size_t t = 0; t <= cap_; ++t) {
        const double v = product[t].real() * scale;
        out.chance[t] = v > noise ? v : 0.0;
        kept += out.chance[t];
    }
    // Above the cap: whatever either part had there, and the sums of two amounts up to the cap
    // that pass it.
    out.over = a.over * (b.below + b.over) + a.below * b.over + std::max(0.0, a.below * b.below - kept);
    return out;
}

CappedSeries convolve(const CappedSeries &a, const CappedSeries &b)
{
    const SeriesConvolver c(a.cap());
    return c.sum(c.transform(a), c.transform(b));
}

} // namespace melvane
