// melvane-explore: runs the input explorer for a number of events on some threads, prints its
// progress and every finding with the shortest reproduction found, or replays a reproduction.
//
//   melvane-explore --events 10000000 --seed 1 --threads 2
//   melvane-explore --replay finding.txt
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "game/explorer/explorer.h"

namespace {

using namespace melvane::explorer;

struct Options {
    std::uint64_t events = 1'000'000;
    std::uint64_t seed = 1;
    unsigned threads = 1;
    std::uint64_t runLength = 20'000;
    std::uint64_t shrinkBudget = 2'000'000;
    int shrinkPerKind = 2;
    std::string outDir = ".";
    std::vector<std::string> filters;
    std::string replayFile;
    bool meters = false;
    bool trace = false;
    std::optional<std::uint64_t> onlySeed;
};

void usage()
{
    std::cout << "usage: melvane-explore [--events N] [--seed S] [--threads T] [--run-length L]\n"
                 "                       [--filter NAME]... [--all-filters] [--out DIR] [--shrink-budget STEPS]\n"
                 "                       [--shrink-per-kind K]\n"
                 "       melvane-explore --run-seed X [--run-length L]   (the one run of seed X)\n"
                 "       melvane-explore --replay FILE [--meters] [--trace]\n"
                 "       melvane-explore --list-filters\n"
                 "Runs N events in runs of L events, run i from seed S's i-th run seed, on T threads.\n"
                 "The first K findings of each kind (2 by default) are shrunk and written to\n"
                 "DIR/explore-finding-<run seed>.txt.\n";
}

bool parse(int argc, char **argv, Options &o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::cerr << a << " needs a value\n";
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--events")
            o.events = std::stoull(value());
        else if (a == "--seed")
            o.seed = std::stoull(value(), nullptr, 0);
        else if (a == "--threads")
            o.threads = static_cast<unsigned>(std::stoul(value()));
        else if (a == "--run-length")
            o.runLength = std::stoull(value());
        else if (a == "--shrink-per-kind")
            o.shrinkPerKind = std::stoi(value());
        else if (a == "--shrink-budget")
            o.shrinkBudget = std::stoull(value());
        else if (a == "--out")
            o.outDir = value();
        else if (a == "--filter")
            o.filters.push_back(value());
        else if (a == "--all-filters")
            for (const KnownFinding &k : knownFindings())
                o.filters.push_back(k.name);
        else if (a == "--replay")
            o.replayFile = value();
        else if (a == "--meters")
            o.meters = true;
        else if (a == "--trace")
            o.trace = true;
        else if (a == "--run-seed")
            o.onlySeed = std::stoull(value(), nullptr, 0);
        else if (a == "--list-filters") {
            for (const KnownFinding &k : knownFindings())
                std::cout << k.name << ": " << k.description << "\n";
            std::exit(0);
        } else {
            usage();
            return false;
        }
    }
    if (o.threads == 0 || o.runLength == 0)
        return false;
    for (const std::string &f : o.filters) {
        bool exists = false;
        for (const KnownFinding &k : knownFindings())
            exists = exists || k.name == f;
        if (!exists) {
            std::cerr << "no such filter: " << f << " (see --list-filters)\n";
            return false;
        }
    }
    return true;
}

int replayFile(const Options &o)
{
    std::ifstream in(o.replayFile);
    if (!in) {
        std::cerr << "cannot read " << o.replayFile << "\n";
        return 2;
    }
    std::string error;
    const auto r = readReproduction(in, &error);
    if (!r) {
        std::cerr << o.replayFile << ": " << error << "\n";
        return 2;
    }
    Settings traced = r->settings;
    if (o.trace)
        traced.trace = [](const std::string &line) { std::cout << "  trace " << line << "\n"; };
    const RunResult result = replay(traced, r->steps);
    std::cout << reproduction(r->settings, r->steps, o.meters);
    return result.failure ? 1 : 0;
}

struct Shared {
    std::mutex lock;
    std::atomic<std::uint64_t> nextRun{0};
    std::atomic<std::uint64_t> eventsDone{0};
    std::atomic<std::uint64_t> runsDone{0};
    Stats stats;
    std::map<std::string, std::uint64_t> findings; // by kind
    std::map<std::string, int> shrunk;             // by kind
    std::map<std::string, std::uint64_t> firstSeed; // by kind: the run seed it was first met in
    std::map<std::string, std::uint64_t> known;    // by filter
    std::uint64_t failures = 0;
};

void work(const Options &o, Shared &s, std::uint64_t runs)
{
    for (;;) {
        const std::uint64_t index = s.nextRun++;
        if (index >= runs)
            return;
        const std::uint64_t length = std::min(o.runLength, o.events - index * o.runLength);
        Settings settings;
        settings.seed = o.onlySeed ? *o.onlySeed : runSeed(o.seed, index);
        settings.filters = o.filters;
        const RunResult result = explore(settings, length);
        // A run that a finding ended early counts the steps it carried out, not its length.
        s.eventsDone += result.stats.steps;
        ++s.runsDone;
        bool doShrink = false;
        std::string kind;
        {
            const std::lock_guard<std::mutex> guard(s.lock);
            s.stats.add(result.stats);
            for (const auto &[name, count] : result.stats.known)
                s.known[name] += count;
            if (result.failure) {
                if (!result.failure->known.empty()) {
                    ++s.known[result.failure->known];
                } else {
                    ++s.failures;
                    kind = findingKind(*result.failure);
                    if (s.findings[kind]++ == 0)
                        s.firstSeed[kind] = settings.seed;
                    doShrink = s.shrunk[kind]++ < o.shrinkPerKind;
                }
            }
        }
        if (!doShrink)
            continue;
        const std::vector<Step> shortest = shrink(settings, result.steps, *result.failure, o.shrinkBudget);
        const std::string text = reproduction(settings, shortest);
        const std::string file = o.outDir + "/explore-finding-" + std::to_string(settings.seed) + ".txt";
        std::ofstream(file) << text;
        const std::lock_guard<std::mutex> guard(s.lock);
        std::cout << "\n=== finding: " << kind << "\n    run " << index << " (seed " << settings.seed << "), step "
                  << result.failure->step + 1 << " of the run; shrunk from " << result.steps.size() << " to "
                  << shortest.size() << " steps; written to " << file << "\n"
                  << "    replay: melvane-explore --replay " << file << "\n"
                  << text << std::flush;
    }
}

} // namespace

int main(int argc, char **argv)
{
    Options o;
    if (!parse(argc, argv, o))
        return 2;
    if (!o.replayFile.empty())
        return replayFile(o);

    if (o.onlySeed)
        o.events = std::min(o.events, o.runLength);
    const std::uint64_t runs = (o.events + o.runLength - 1) / o.runLength;
    std::cout << "melvane-explore: " << o.events << " events in " << runs << " runs of up to " << o.runLength
              << " from seed " << o.seed << " on " << o.threads << " thread(s)";
    for (const std::string &f : o.filters)
        std::cout << "; filter " << f;
    std::cout << std::endl;

    Shared shared;
    const auto started = std::chrono::steady_clock::now();
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < o.threads; ++t)
        workers.emplace_back([&] { work(o, shared, runs); });

    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    std::thread progress([&] {
        double lastPrint = 0;
        while (shared.runsDone < runs) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            if (elapsed() - lastPrint < 10 || shared.runsDone >= runs)
                continue;
            lastPrint = elapsed();
            const std::lock_guard<std::mutex> guard(shared.lock);
            std::printf("[%7.0f s] %llu events, %llu runs, %.0f events/s, %llu findings\n", elapsed(),
                        static_cast<unsigned long long>(shared.eventsDone.load()),
                        static_cast<unsigned long long>(shared.runsDone.load()),
                        static_cast<double>(shared.eventsDone.load()) / elapsed(),
                        static_cast<unsigned long long>(shared.failures));
            std::fflush(stdout);
        }
    });
    for (std::thread &w : workers)
        w.join();
    progress.join();

    const double seconds = elapsed();
    const Stats &st = shared.stats;
    std::cout << "\nmelvane-explore: " << shared.eventsDone << " events in " << runs
              << " runs, " << seconds << " s, " << static_cast<double>(shared.eventsDone) / seconds
              << " events/s\n"
              << "  inputs delivered " << st.delivered << " (" << st.deliveredInside
              << " inside a running handler), not deliverable " << st.dropped << ", kept back by filters "
              << st.keptBack << ", clock advances " << st.advances
              << ", timer ticks " << st.ticks << "\n"
              << "  spins " << st.spins << " (free " << st.freeSpins << "), awards " << st.awards << ", collects "
              << st.collects << ", gambles " << st.gambles << ", cards " << st.cards << ", restarts " << st.restarts
              << " (kills " << st.kills << ", " << st.killsAtSave << " of them at a save; rounds resumed "
              << st.resumedRounds << "), profile selections " << st.playerSwitches << "\n"
              << "  quick stops " << st.quickStops << ", reality checks " << st.realityChecks
              << ", autoplay stopped by a limit, a key or a check " << st.autoplayStops << "\n"
              << "  checks " << st.checks << ", virtual time " << st.virtualMs / 3'600'000 << " h\n";
    std::cout << "  delivered inside:";
    for (const auto &[name, count] : st.deliveredIn)
        std::cout << " " << name << " " << count << ";";
    std::cout << "\n";
    for (const auto &[name, count] : shared.known)
        std::cout << "  known finding " << name << ": set aside " << count << " times\n";
    if (shared.findings.empty())
        std::cout << "  findings: none\n";
    for (const auto &[kind, count] : shared.findings)
        std::cout << "  finding x" << count << ": " << kind << " (first in --run-seed " << shared.firstSeed[kind]
                  << ")\n";
    return shared.findings.empty() ? 0 : 1;
}
