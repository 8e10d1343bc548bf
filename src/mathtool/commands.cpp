#include "mathtool/commands.h"

#include "mathtool/audit.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <random>

#include "rules/grid.h"
#include "rules/payoutcontrol.h"
#include "mathtool/gameengine.h"
#include "mathtool/plot.h"

namespace melvane::mathtool {

namespace {

Json::RawNumber exact(const Decimal4 &d) { return {d.toString()}; }

std::string rowName(Row row)
{
    switch (row) {
    case Row::Top:
        return "top";
    case Row::Middle:
        return "middle";
    case Row::Bottom:
        return "bottom";
    }
    return "";
}

Json payoutName(int machinepay) { return std::string(payoutSettingName(machinepay)); }

Json estimateJson(const Estimate &e) { return Json::Object{{"value", e.value}, {"low", e.low}, {"high", e.high}}; }

std::string format(const char *pattern, double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, pattern, value);
    return buf;
}

std::string percent(double share) { return format("%.4f%%", 100.0 * share); }

std::string oneIn(double probability) { return probability > 0 ? format("%.1f", 1.0 / probability) : "never"; }

std::string withThousands(std::uint64_t n)
{
    std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

std::string padded(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

// "[low, high]", built by appending: GCC 12 at -O3 warns falsely on "[" + std::string.
std::string interval(const std::string &low, const std::string &high)
{
    std::string text(1, '[');
    text.append(low).append(", ").append(high).push_back(']');
    return text;
}

class ProgressBar {
public:
    ProgressBar(std::ostream *to, std::uint64_t total) : to_(to), total_(total), start_(Clock::now()) {}
    void operator()(std::uint64_t done) const
    {
        if (to_ == nullptr || total_ == 0)
            return;
        constexpr int kWidth = 30;
        const double share = static_cast<double>(done) / static_cast<double>(total_);
        const int filled = static_cast<int>(share * kWidth);
        const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
        std::string bar(static_cast<std::size_t>(filled), '#');
        bar.append(static_cast<std::size_t>(kWidth - filled), '.');
        *to_ << "\r[" << bar << "] " << format("%5.1f%%", 100.0 * share) << "  "
             << format("%.1f M spins/s", seconds > 0 ? static_cast<double>(done) / seconds / 1e6 : 0.0) << std::flush;
        if (done >= total_)
            *to_ << "\n" << std::flush;
    }

private:
    using Clock = std::chrono::steady_clock;
    std::ostream *to_;
    std::uint64_t total_;
    Clock::time_point start_;
};

} // namespace

Json evalReport(const SpinEvaluation &e)
{
    Json::Array cells, outOfPlay, pays, wildCells, stops;
    for (int s : e.stops)
        stops.emplace_back(s);
    for (int cell = 1; cell <= kCells; ++cell) {
        cells.emplace_back(Json::Object{
            {"cell", cell},
            {"reel", reelOfCell(cell)},
            {"row", rowName(rowOfCell(cell))},
            {"symbol", std::string(symbolName(e.cells[static_cast<std::size_t>(cell)]))},
        });
        if (!cellInPlay(cell, e.waysmult))
            outOfPlay.emplace_back(cell);
        if (e.tables.wildcell[static_cast<std::size_t>(cell)] != 0)
            wildCells.emplace_back(cell);
    }
    Json drumPair;
    for (const SymbolPay &p : e.ways.list()) {
        Json::Object entry{
            {"symbol", std::string(symbolName(p.symbol))},
            {"signature", exact(e.tables.signature(p.symbol))},
            {"run", p.run},
            {"ways", p.ways},
            {"pay", static_cast<std::int64_t>(p.pay)},
            {"coins", static_cast<std::int64_t>(p.pay) * e.coinbet},
        };
        if (p.run == 2)
            drumPair = Json(std::move(entry));
        else
            pays.emplace_back(std::move(entry));
    }
    return Json::Object{
        {"ways", waysForWaysmult(e.waysmult)},
        {"waysmult", e.waysmult},
        {"coins", e.coinbet},
        {"stake", e.stake()},
        {"stops", std::move(stops)},
        {"cells", std::move(cells)},
        {"outOfPlay", std::move(outOfPlay)},
        {"pays", std::move(pays)},
        {"drumPair", std::move(drumPair)},
        {"scattercode", static_cast<int>(e.tables.scattercode)},
        {"scatterwin", e.scatter.scatterwin},
        {"freeSpinsAdded", e.freeSpinsAdded},
        {"spinwin", e.spinwin},
        {"wildCells", std::move(wildCells)},
    };
}

Json rtpReport(const std::vector<RtpFigures> &table)
{
    Json::Array rows;
    for (const RtpFigures &f : table) {
        rows.emplace_back(Json::Object{
            {"ways", f.ways},
            {"waysmult", f.waysmult},
            {"payout", f.machinepay},
            {"payoutName", payoutName(f.machinepay)},
            {"baseReturn", f.baseReturn},
            {"bonusReturn", f.bonusReturn},
            {"totalReturn", f.totalReturn},
            {"hitFrequency", f.hitFrequency},
            {"bonusOneIn", f.bonusProbability > 0 ? 1.0 / f.bonusProbability : 0.0},
            {"freeSpinsPerBonus", f.spinsPerBonus},
            {"discardedPaidDraws", f.discardedBase},
            {"discardedFreeDraws", f.discardedFree},
        });
    }
    return Json::Object{{"method", "full cycle of 22^5 stop sets per ways setting"}, {"rows", std::move(rows)}};
}

std::string rtpText(const std::vector<RtpFigures> &table)
{
    std::string out = "Exact return to player: every one of the 22^5 stop sets of each ways setting, with the\n"
                      "payout control's redraws, the Wild multiplier and retriggers in the free spins.\n"
                      "Returns are shares of the stake; a bonus counts with the paid spin that started it.\n\n";
    out += "ways  payout                 base       bonus      total      hits     bonus 1 in  "
           "spins/bonus  discarded (paid / free)\n";
    for (const RtpFigures &f : table) {
        out += padded(std::to_string(f.ways), 6);
        out += padded(std::string(payoutSettingName(f.machinepay)) + " (" + std::to_string(f.machinepay) + ")", 23);
        out += padded(percent(f.baseReturn), 11);
        out += padded(percent(f.bonusReturn), 11);
        out += padded(percent(f.totalReturn), 11);
        out += padded(format("%.2f%%", 100.0 * f.hitFrequency), 9);
        out += padded(oneIn(f.bonusProbability), 12);
        out += padded(format("%.3f", f.spinsPerBonus), 13);
        out += format("%.3f%%", 100.0 * f.discardedBase) + " / " + format("%.3f%%", 100.0 * f.discardedFree) + "\n";
    }
    return out;
}

// The settings and the run that every simulation report starts with.
static Json::Object runSettings(const SimulateCommand &c, std::uint64_t spins, std::uint64_t seed, double seconds)
{
    return Json::Object{
        {"spins", spins},
        {"ways", waysForWaysmult(c.waysmult)},
        {"coins", c.coinbet},
        {"stake", c.coinbet * c.waysmult},
        {"payout", c.machinepay},
        {"payoutName", payoutName(c.machinepay)},
        {"seed", seed},
        {"seconds", seconds},
    };
}

Json simulateReport(const SimulateCommand &c, std::uint64_t seed, const SimulationFigures &m, const RtpFigures &x,
                    const Volatility &xv, double seconds)
{
    const auto figure = [](const Estimate &measured, double exactValue) {
        return Json::Object{{"measured", estimateJson(measured)}, {"exact", exactValue}};
    };
    Json::Object report = runSettings(c, c.spins, seed, seconds);
    report.insert(report.end(), {
        {"totalReturn", figure(m.totalReturn, x.totalReturn)},
        {"baseReturn", figure(m.baseReturn, x.baseReturn)},
        {"bonusReturn", figure(m.bonusReturn, x.bonusReturn)},
        {"hitFrequency", figure(m.hitFrequency, x.hitFrequency)},
        {"bonusProbability", figure(m.bonusProbability, x.bonusProbability)},
        {"freeSpinsPerBonus", figure(m.spinsPerBonus, x.spinsPerBonus)},
        {"discardedPaidDraws", figure(m.discardedBase, x.discardedBase)},
        {"discardedFreeDraws", figure(m.discardedFree, x.discardedFree)},
        {"standardDeviation", figure(m.standardDeviation, xv.standardDeviation)},
    });
    return report;
}

std::string simulateText(const SimulateCommand &c, std::uint64_t seed, const SimulationFigures &m,
                         const RtpFigures &x, const Volatility &xv, double seconds)
{
    std::string out = "Simulated " + withThousands(c.spins) + " paid spins at " +
                      std::to_string(waysForWaysmult(c.waysmult)) + " ways, " + std::to_string(c.coinbet) +
                      (c.coinbet == 1 ? " coin" : " coins") + " (stake " + std::to_string(c.coinbet * c.waysmult) +
                      " coins), payout " + std::string(payoutSettingName(c.machinepay)) + " (" +
                      std::to_string(c.machinepay) + "), seed " + std::to_string(seed) + "\n";
    out += format("%.2f s", seconds) + ", " +
           format("%.1f M paid spins/s", seconds > 0 ? static_cast<double>(c.spins) / seconds / 1e6 : 0.0) + "\n\n";
    out += "figure                      measured     95% interval                exact\n";
    const auto line = [&out](const std::string &name, const Estimate &e, double exactValue, bool asPercent) {
        const auto show = [asPercent](double v) { return asPercent ? percent(v) : format("%.4f", v); };
        out += padded(name, 28) + padded(show(e.value), 13) + padded(interval(show(e.low), show(e.high)), 28) +
               show(exactValue);
        const bool inside = exactValue >= e.low && exactValue <= e.high;
        out += inside ? "\n" : "   (outside)\n";
    };
    line("return to player", m.totalReturn, x.totalReturn, true);
    line("  from paid spins", m.baseReturn, x.baseReturn, true);
    line("  from free spins", m.bonusReturn, x.bonusReturn, true);
    line("hit frequency", m.hitFrequency, x.hitFrequency, true);
    line("bonus frequency", m.bonusProbability, x.bonusProbability, true);
    out += padded("  bonus 1 in", 28) + padded(oneIn(m.bonusProbability.value), 13) +
           padded(interval(oneIn(m.bonusProbability.high), oneIn(m.bonusProbability.low)), 28) +
           oneIn(x.bonusProbability) + "\n";
    line("free spins per bonus", m.spinsPerBonus, x.spinsPerBonus, false);
    line("discarded paid draws", m.discardedBase, x.discardedBase, true);
    line("discarded free draws", m.discardedFree, x.discardedFree, true);
    line("standard deviation (stakes)", m.standardDeviation, xv.standardDeviation, false);
    return out;
}

Json gameEngineReport(const SimulateCommand &c, std::uint64_t seed, const GameEngineResult &r, const RtpFigures &x,
                      double seconds)
{
    Json::Object report = {{"engine", "game"}};
    for (auto &field : runSettings(c, r.games, seed, seconds))
        report.push_back(std::move(field));
    report.insert(report.end(), {
        {"virtualHours", r.virtualHours},
        {"bonuses", r.bonuses},
        {"totalReturn", Json::Object{{"measured", estimateJson(r.totalReturn)}, {"exact", x.totalReturn}}},
    });
    return report;
}

std::string gameEngineText(const SimulateCommand &c, std::uint64_t seed, const GameEngineResult &r,
                           const RtpFigures &x, double seconds)
{
    std::string out = "Played the game itself in autoplay on a virtual clock: " + withThousands(r.games) +
                      " paid spins at " + std::to_string(waysForWaysmult(c.waysmult)) + " ways, " +
                      std::to_string(c.coinbet) + (c.coinbet == 1 ? " coin" : " coins") + ", payout " +
                      std::string(payoutSettingName(c.machinepay)) + " (" + std::to_string(c.machinepay) +
                      "), seed " + std::to_string(seed) + (c.journal ? ", every step journaled in memory" : "") +
                      "\n";
    out += format("%.2f s", seconds) + ", " +
           format("%.0f paid spins/s", seconds > 0 ? static_cast<double>(r.games) / seconds : 0.0) + ", " +
           format("%.1f hours of play", r.virtualHours) + ", " + withThousands(r.bonuses) + " bonuses\n\n";
    out += "return to player (total / wager)  measured " + percent(r.totalReturn.value) + "  95% interval " +
           interval(percent(r.totalReturn.low), percent(r.totalReturn.high)) + "  exact " + percent(x.totalReturn) +
           ((x.totalReturn >= r.totalReturn.low && x.totalReturn <= r.totalReturn.high) ? "\n" : "  (outside)\n");
    return out;
}

namespace {

std::string payoutText(int machinepay)
{
    return std::string(payoutSettingName(machinepay)) + " (" + std::to_string(machinepay) + ")";
}

std::string bandName(const WinBand &b)
{
    const auto whole = [](double v) { return std::to_string(static_cast<long long>(v)); };
    if (b.high == 0)
        return "no win";
    if (std::isinf(b.high))
        return "over " + whole(b.low) + "x";
    if (b.low == 0)
        return "up to " + whole(b.high) + "x";
    return whole(b.low) + "-" + whole(b.high) + "x";
}

// A chance too small for "%.4f%%" in the e notation.
std::string smallPercent(double share) { return share > 0 && share < 1e-6 ? format("%.3e%%", 100.0 * share) : percent(share); }

std::string runName(const PayContribution &c)
{
    return c.symbol == Symbol::Scatter ? std::to_string(c.run) + " Scatters" : std::to_string(c.run) + " reels";
}

} // namespace

Json parReport(const ParCommand &c, const ParSheet &s)
{
    const int stake = c.coinbet * c.waysmult;
    Json::Array sessions, bands, contributions;
    for (const SessionRange &r : s.volatility.sessions)
        sessions.emplace_back(Json::Object{{"spins", r.spins}, {"low", r.low}, {"high", r.high}});
    for (const WinBand &b : s.bands) {
        bands.emplace_back(Json::Object{
            {"band", bandName(b)},
            {"low", b.low},
            {"high", std::isinf(b.high) ? Json(nullptr) : Json(b.high)},
            {"chance", b.chance()},
            {"baseChance", b.baseChance},
            {"bonusChance", b.bonusChance},
            {"return", b.returned()},
            {"baseReturn", b.baseReturn},
            {"bonusReturn", b.bonusReturn},
            {"shareOfReturn", b.returned() / s.rtp.totalReturn},
            {"waitSpins", b.waitSpins()},
        });
    }
    for (const PayContribution &p : s.contributions) {
        contributions.emplace_back(Json::Object{
            {"symbol", std::string(symbolName(p.symbol))},
            {"run", p.run},
            {"paidSpins", p.paidSpins},
            {"freeSpins", p.freeSpins},
            {"total", p.total()},
        });
    }
    Json::Object report{
        {"method", "full cycle of 22^5 stop sets; bonus round totals by branching-process moments and convolution"},
        {"ways", s.rtp.ways},
        {"waysmult", s.rtp.waysmult},
        {"payout", s.rtp.machinepay},
        {"payoutName", payoutName(s.rtp.machinepay)},
        {"coins", c.coinbet},
        {"stake", stake},
        {"totalReturn", s.rtp.totalReturn},
        {"baseReturn", s.rtp.baseReturn},
        {"bonusReturn", s.rtp.bonusReturn},
        {"hitFrequency", s.rtp.hitFrequency},
        {"bonusOneIn", s.rtp.bonusProbability > 0 ? 1.0 / s.rtp.bonusProbability : 0.0},
        {"standardDeviation", s.volatility.standardDeviation},
        {"standardDeviationCoins", s.volatility.standardDeviation * stake},
        {"baseStandardDeviation", s.baseStandardDeviation},
        {"bonusRoundMean", s.bonusRoundMean},
        {"bonusRoundStandardDeviation", s.bonusRoundStandardDeviation},
        {"volatilityIndex", s.volatility.volatilityIndex},
        {"volatility", std::string(volatilityWord(s.volatility.volatilityIndex))},
        {"sessions", std::move(sessions)},
        {"bands", std::move(bands)},
        {"bandTruncation", s.bandTruncation},
        {"contributions", std::move(contributions)},
    };
    if (c.plot)
        report.emplace_back("plot", *c.plot);
    return report;
}

std::string parText(const ParCommand &c, const ParSheet &s)
{
    const int stake = c.coinbet * c.waysmult;
    std::string out = "PAR sheet: " + std::to_string(s.rtp.ways) + " ways, payout " + payoutText(s.rtp.machinepay) +
                      ", " + std::to_string(c.coinbet) + (c.coinbet == 1 ? " coin" : " coins") + " (stake " +
                      std::to_string(stake) + " coins)\n"
                      "Exact from the full cycle of 22^5 stop sets. Returns are shares of the stake; a paid spin\n"
                      "counts with the whole bonus it starts.\n\n";
    out += padded("return to player", 30) + percent(s.rtp.totalReturn) + "  (paid spins " +
           percent(s.rtp.baseReturn) + ", free spins " + percent(s.rtp.bonusReturn) + ")\n";
    out += padded("hit frequency", 30) + format("%.2f%%", 100.0 * s.rtp.hitFrequency) + "  (bonus 1 in " +
           oneIn(s.rtp.bonusProbability) + ", " + format("%.3f", s.rtp.spinsPerBonus) + " free spins per bonus)\n";
    out += padded("standard deviation", 30) + format("%.4f stakes", s.volatility.standardDeviation) + " (" +
           format("%.2f coins", s.volatility.standardDeviation * stake) + ") per paid spin\n";
    out += padded("  paid spin alone", 30) + format("%.4f stakes", s.baseStandardDeviation) + "\n";
    out += padded("  a bonus round", 30) + format("mean %.3f stakes", s.bonusRoundMean) +
           format(", standard deviation %.3f stakes", s.bonusRoundStandardDeviation) + "\n";
    out += padded("volatility index", 30) + format("%.4f", s.volatility.volatilityIndex) + " (" +
           std::string(volatilityWord(s.volatility.volatilityIndex)) + ")\n\n";

    out += "9 in 10 sessions return between (normal approximation, 1.645 x sd / sqrt(spins)):\n";
    for (const SessionRange &r : s.volatility.sessions)
        out += "  " + padded(withThousands(r.spins) + " spins", 16) + padded(format("%.2f%%", 100.0 * r.low), 10) +
               "and " + format("%.2f%%", 100.0 * r.high) + "\n";

    out += "\nwin of a paid spin    chance        base game     bonus rounds  1 in           return     share\n";
    for (const WinBand &b : s.bands) {
        out += padded(bandName(b), 22) + padded(smallPercent(b.chance()), 14) + padded(smallPercent(b.baseChance), 14) +
               padded(smallPercent(b.bonusChance), 14) + padded(oneIn(b.chance()), 15) +
               padded(percent(b.returned()), 11) + format("%.2f%%", 100.0 * b.returned() / s.rtp.totalReturn) + "\n";
    }
    out += "(bonus rounds above " + std::to_string(kBandEdges.back()) + " stakes together; at most " +
           format("%.1e", s.bandTruncation) + " of any band's chance left out by the retrigger depth followed)\n";

    out += "\nwhat pays               paid spins   free spins   total      share\n";
    double paid = 0, free = 0;
    for (const PayContribution &p : s.contributions) {
        paid += p.paidSpins;
        free += p.freeSpins;
        out += padded(std::string(symbolName(p.symbol)), 10) + padded(runName(p), 14) + padded(percent(p.paidSpins), 13) +
               padded(percent(p.freeSpins), 13) + padded(percent(p.total()), 11) +
               format("%.2f%%", 100.0 * p.total() / s.rtp.totalReturn) + "\n";
    }
    out += padded("total", 24) + padded(percent(paid), 13) + padded(percent(free), 13) + padded(percent(paid + free), 11) +
           "100.00%\n";
    if (c.plot)
        out += "\nwin bands drawn in " + *c.plot + "\n";
    return out;
}

int run(const Command &command, std::ostream &out, std::ostream *progressTo)
{
    if (std::holds_alternative<HelpCommand>(command)) {
        out << usageText();
        return 0;
    }
    if (std::holds_alternative<VersionCommand>(command)) {
        out << versionText();
        return 0;
    }
    if (const auto *e = std::get_if<EvalCommand>(&command)) {
        out << evalReport(evaluateSpin(e->stops, e->waysmult, e->coinbet)).dump() << "\n";
        return 0;
    }
    if (const auto *r = std::get_if<RtpCommand>(&command)) {
        const auto table = exactRtpTable();
        out << (r->json ? rtpReport(table).dump() + "\n" : rtpText(table));
        return 0;
    }
    if (const auto *a = std::get_if<AuditCommand>(&command)) {
        const AuditReport report = auditJournalFile(a->journal);
        out << (a->json ? auditReport(a->journal, report).dump() + "\n" : auditText(a->journal, report));
        return report.mismatches.empty() ? 0 : 1;
    }
    if (const auto *p = std::get_if<ParCommand>(&command)) {
        const ParSheet sheet = parSheet(enumerateCycle(OutcomeTable(p->waysmult)), p->machinepay);
        if (p->plot)
            plotWinBands(sheet, *p->plot, p->plotFormat);
        out << (p->json ? parReport(*p, sheet).dump() + "\n" : parText(*p, sheet));
        return 0;
    }
    const auto &s = std::get<SimulateCommand>(command);
    const std::uint64_t seed = s.seed ? *s.seed : (std::uint64_t{std::random_device{}()} << 32) ^ std::random_device{}();
    const OutcomeDistribution cycle = enumerateOutcomes(OutcomeTable(s.waysmult));
    const RtpFigures exactFigures = exactRtp(cycle, s.machinepay);
    const Volatility exactVolatility = volatilityOf(shownSpins(cycle, s.machinepay));
    const auto start = std::chrono::steady_clock::now();
    const auto secondsSinceStart = [start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    if (s.engine == Engine::Game) {
        GameEngineRequest request;
        request.spins = s.spins;
        request.waysmult = s.waysmult;
        request.coinbet = s.coinbet;
        request.machinepay = s.machinepay;
        request.seed = seed;
        request.journal = s.journal;
        request.progress = ProgressBar(progressTo, s.spins);
        const GameEngineResult result = playGameEngine(request);
        const double seconds = secondsSinceStart();
        out << (s.json ? gameEngineReport(s, seed, result, exactFigures, seconds).dump() + "\n"
                       : gameEngineText(s, seed, result, exactFigures, seconds));
        return 0;
    }
    SimulationRequest request;
    request.spins = s.spins;
    request.waysmult = s.waysmult;
    request.machinepay = s.machinepay;
    request.seed = seed;
    request.progress = ProgressBar(progressTo, s.spins);
    const SimulationTotals totals = simulate(request);
    const double seconds = secondsSinceStart();
    const SimulationFigures measured = summarize(totals, s.waysmult);
    out << (s.json ? simulateReport(s, seed, measured, exactFigures, exactVolatility, seconds).dump() + "\n"
                   : simulateText(s, seed, measured, exactFigures, exactVolatility, seconds));
    return 0;
}

} // namespace melvane::mathtool
