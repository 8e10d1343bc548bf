#include "randombattery.h"

#include <cmath>
#include <limits>

#include "rules/draw.h"

namespace melvane::rngcheck {

namespace {

// The regularised upper incomplete gamma function Q(a, x), by its series below a + 1 and by
// its continued fraction above (the usual split, accurate to about 1e-14 here).
double upperGamma(double a, double x)
{
    if (x <= 0)
        return 1.0;
    const double logPrefix = a * std::log(x) - x - std::lgamma(a);
    if (x < a + 1) {
        double term = 1.0 / a, sum = term;
        for (int n = 1; n < 100'000; ++n) {
            term *= x / (a + n);
            sum += term;
            if (std::fabs(term) < std::fabs(sum) * 1e-16)
                break;
        }
        return std::max(0.0, 1.0 - sum * std::exp(logPrefix));
    }
    constexpr double tiny = 1e-300;
    double b = x + 1 - a, c = 1 / tiny, d = 1 / b, h = d;
    for (int i = 1; i < 100'000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < tiny)
            d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny)
            c = tiny;
        d = 1 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1) < 1e-16)
            break;
    }
    return std::exp(logPrefix) * h;
}

int sign(int d) { return (d > 0) - (d < 0); }

// 1 when the step from b to c starts a run: it rises or falls, and not as the step from a to b did.
double startsRun(int a, int b, int c)
{
    const int now = sign(c - b);
    return (now != 0 && now != sign(b - a)) ? 1.0 : 0.0;
}

} // namespace

double chiSquareUpperTail(double chi2, double df) { return upperGamma(df / 2, chi2 / 2); }

double normalTwoSided(double z) { return std::erfc(std::fabs(z) / std::sqrt(2.0)); }

TestResult chiSquareEqual(const std::string &name, const std::vector<std::uint64_t> &counts)
{
    std::uint64_t total = 0;
    for (std::uint64_t c : counts)
        total += c;
    const double expected = static_cast<double>(total) / static_cast<double>(counts.size());
    double chi2 = 0;
    for (std::uint64_t c : counts) {
        const double d = static_cast<double>(c) - expected;
        chi2 += d * d / expected;
    }
    const double df = static_cast<double>(counts.size() - 1);
    return {name, chi2, df, chiSquareUpperTail(chi2, df)};
}

TestResult chiSquareIndependence(const std::string &name, const std::vector<std::vector<std::uint64_t>> &table)
{
    const std::size_t rows = table.size(), columns = table.front().size();
    std::vector<double> rowSum(rows, 0), columnSum(columns, 0);
    double total = 0;
    for (std::size_t i = 0; i < rows; ++i)
        for (std::size_t j = 0; j < columns; ++j) {
            const auto v = static_cast<double>(table[i][j]);
            rowSum[i] += v;
            columnSum[j] += v;
            total += v;
        }
    double chi2 = 0;
    for (std::size_t i = 0; i < rows; ++i)
        for (std::size_t j = 0; j < columns; ++j) {
            const double expected = rowSum[i] * columnSum[j] / total;
            if (expected <= 0)
                continue;
            const double d = static_cast<double>(table[i][j]) - expected;
            chi2 += d * d / expected;
        }
    const double df = static_cast<double>((rows - 1) * (columns - 1));
    return {name, chi2, df, chiSquareUpperTail(chi2, df)};
}

TestResult runsUpDown(const std::string &name, const std::vector<int> &values, int k)
{
    // T counts the steps 2..n-1 that start a run; each term looks at three neighbours, so terms
    // two apart share one value and terms three apart none. Its exact moments follow from the
    // joint chances of those neighbours, worked out here by going through every value.
    const double kk = k;
    double p = 0;
    std::vector<double> before(static_cast<std::size_t>(k * k), 0), after(static_cast<std::size_t>(k * k), 0);
    std::vector<double> endingAt(static_cast<std::size_t>(k), 0), startingAt(static_cast<std::size_t>(k), 0);
    for (int a = 0; a < k; ++a)
        for (int b = 0; b < k; ++b)
            for (int c = 0; c < k; ++c) {
                const double g = startsRun(a, b, c);
                p += g;
                before[static_cast<std::size_t>(b * k + c)] += g / kk;  // E[g | middle b, last c]
                after[static_cast<std::size_t>(a * k + b)] += g / kk;   // E[g | first a, middle b]
                endingAt[static_cast<std::size_t>(c)] += g / (kk * kk); // E[g | last c]
                startingAt[static_cast<std::size_t>(a)] += g / (kk * kk);
            }
    p /= kk * kk * kk;
    double lag1 = 0, lag2 = 0;
    for (std::size_t i = 0; i < before.size(); ++i)
        lag1 += before[i] * after[i] / (kk * kk);
    for (std::size_t v = 0; v < endingAt.size(); ++v)
        lag2 += endingAt[v] * startingAt[v] / kk;

    double t = 0;
    for (std::size_t j = 1; j + 1 < values.size(); ++j)
        t += startsRun(values[j - 1], values[j], values[j + 1]);
    const double m = values.size() >= 3 ? static_cast<double>(values.size() - 2) : 0;
    const double mean = m * p;
    const double variance = m * (p - p * p) + 2 * (m - 1) * (lag1 - p * p) + 2 * (m - 2) * (lag2 - p * p);
    const double z = (t - mean) / std::sqrt(variance);
    return {name, z, 0, normalTwoSided(z)};
}

TestResult runsUpDownContinuous(const std::string &name, const std::vector<double> &values)
{
    double runs = values.size() >= 2 ? 1 : 0;
    int previous = 0;
    for (std::size_t i = 1; i < values.size(); ++i) {
        const int s = (values[i] > values[i - 1]) - (values[i] < values[i - 1]);
        if (s != 0 && previous != 0 && s != previous)
            ++runs;
        if (s != 0)
            previous = s;
    }
    const auto n = static_cast<double>(values.size());
    const double mean = (2 * n - 1) / 3, variance = (16 * n - 29) / 90;
    const double z = (runs - mean) / std::sqrt(variance);
    return {name, z, 0, normalTwoSided(z)};
}

TestResult serialCorrelation(const std::string &name, const std::vector<int> &values)
{
    double mean = 0;
    for (int v : values)
        mean += v;
    mean /= static_cast<double>(values.size());
    double products = 0, squares = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double d = values[i] - mean;
        squares += d * d;
        if (i + 1 < values.size())
            products += d * (values[i + 1] - mean);
    }
    const double r = squares > 0 ? products / squares : 1.0;
    const double z = r * std::sqrt(static_cast<double>(values.size()));
    return {name, z, 0, normalTwoSided(z)};
}

std::uint64_t drawsOf(const BatteryConfig &config) { return config.spins * 5 + config.drawsPerTest * 5; }

std::vector<TestResult> runBattery(const std::function<double()> &uniform, const BatteryConfig &config)
{
    constexpr int kStops = 22, kReels = 5;
    std::vector<TestResult> results;

    std::vector<int> stops;
    std::vector<double> uniforms;
    stops.reserve(config.spins * kReels);
    uniforms.reserve(config.spins * kReels);
    std::vector<std::uint64_t> stopCounts(kStops, 0);
    std::vector<std::vector<std::vector<std::uint64_t>>> pairs(
        kReels * kReels, std::vector<std::vector<std::uint64_t>>(kStops, std::vector<std::uint64_t>(kStops, 0)));
    for (std::uint64_t s = 0; s < config.spins; ++s) {
        int spin[kReels];
        for (int r = 0; r < kReels; ++r) {
            const double u = uniform();
            spin[r] = drawIndex(u, kStops);
            uniforms.push_back(u);
            stops.push_back(spin[r]);
            ++stopCounts[static_cast<std::size_t>(spin[r] - 1)];
        }
        for (int a = 0; a < kReels; ++a)
            for (int b = a + 1; b < kReels; ++b)
                ++pairs[static_cast<std::size_t>(a * kReels + b)][static_cast<std::size_t>(spin[a] - 1)]
                       [static_cast<std::size_t>(spin[b] - 1)];
    }
    results.push_back(chiSquareEqual("reel stops, 22 cells", stopCounts));

    const auto drawTest = [&](const std::string &name, int n) {
        std::vector<std::uint64_t> counts(static_cast<std::size_t>(n), 0);
        for (std::uint64_t i = 0; i < config.drawsPerTest; ++i)
            ++counts[static_cast<std::size_t>(drawIndex(uniform(), n) - 1)];
        results.push_back(chiSquareEqual(name, counts));
    };
    drawTest("Wild multiplier draw, 25 cells", 25);
    drawTest("gamble card, 4 cells", 4);
    drawTest("payout control at 5, 5 cells", 5);
    drawTest("payout control at 3, 3 cells", 3);
    drawTest("payout control at 2, 2 cells", 2);

    results.push_back(runsUpDown("runs up and down, consecutive stops", stops, kStops));
    results.push_back(runsUpDownContinuous("runs up and down, the uniforms behind them", uniforms));
    results.push_back(serialCorrelation("serial correlation, consecutive stops", stops));
    for (int a = 0; a < kReels; ++a)
        for (int b = a + 1; b < kReels; ++b)
            results.push_back(chiSquareIndependence("reels " + std::to_string(a + 1) + " and " + std::to_string(b + 1) +
                                                        " of one spin, 22 x 22",
                                                    pairs[static_cast<std::size_t>(a * kReels + b)]));
    return results;
}

} // namespace melvane::rngcheck
