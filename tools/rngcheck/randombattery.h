#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace melvane::rngcheck {

// The upper tail of the chi-square distribution: the chance of a statistic at least `chi2`
// with `df` degrees of freedom.
double chiSquareUpperTail(double chi2, double df);
// The chance of a standard normal value at least |z| away from 0, on either side.
double normalTwoSided(double z);

// One statistical test: its statistic, the degrees of freedom where it has them (0 for a
// normal score) and the p-value.
struct TestResult {
    std::string name;
    double statistic = 0;
    double df = 0;
    double pValue = 0;
    bool passesAt(double level) const { return pValue >= level; }
};

// Chi-square of counts against equal expected counts.
TestResult chiSquareEqual(const std::string &name, const std::vector<std::uint64_t> &counts);
// Chi-square of the independence of two draws in a contingency table (rows x columns).
TestResult chiSquareIndependence(const std::string &name, const std::vector<std::vector<std::uint64_t>> &table);
// Runs up and down of values 1..k drawn independently and uniformly: counts the steps that
// start a run (a rise after anything but a rise, a fall after anything but a fall) and scores
// the count against its exact mean and variance for such values, ties included.
TestResult runsUpDown(const std::string &name, const std::vector<int> &values, int k);
// Runs up and down of values from a continuous distribution (ties have no weight).
TestResult runsUpDownContinuous(const std::string &name, const std::vector<double> &values);
// Lag-1 serial correlation, scored as sqrt(n) r.
TestResult serialCorrelation(const std::string &name, const std::vector<int> &values);

struct BatteryConfig {
    std::uint64_t spins = 2'000'000;        // five stops each
    std::uint64_t drawsPerTest = 10'000'000; // for the multiplier, card and payout draws
};

// Every draw the game makes, drawn from `uniform` through the game's own formula: the stops of
// whole spins (with the uniforms behind them), the Wild multiplier, the card and the three
// payout settings; then uniformity, runs, serial correlation and the independence of the five
// stops of a spin.
std::vector<TestResult> runBattery(const std::function<double()> &uniform, const BatteryConfig &config);

// How many values the battery draws for a configuration.
std::uint64_t drawsOf(const BatteryConfig &config);

} // namespace melvane::rngcheck
