#include "mathtool/audit.h"

#include <QCoreApplication>
#include <QString>

#include "mathtool/arguments.h"
#include "mathtool/messages.h"
#include "platform/sqlite/sqlitejournal.h"

namespace melvane::mathtool {

namespace {
// The mismatches the text report lists before it only counts the rest.
constexpr std::size_t kListed = 50;
} // namespace

AuditReport auditJournalFile(const std::string &path)
{
    std::string error;
    const std::unique_ptr<SqliteJournal> journal = SqliteJournal::openForReading(QString::fromStdString(path), error);
    if (!journal)
        throw UsageError(error);
    // One game at a time: a journal of millions of games is audited in the memory of a few.
    JournalAudit audit;
    if (!journal->forEachGame([&audit](JournalGame &&g) { audit.add(std::move(g)); }, error))
        throw UsageError(filled(QCoreApplication::translate("melvane::MathTool", "%1 could not be read to its end: %2"),
                                {path, error}));
    return audit.finish();
}

Json auditReport(const std::string &path, const AuditReport &report)
{
    Json::Array mismatches;
    for (const AuditMismatch &m : report.mismatches)
        mismatches.emplace_back(
            Json::Object{{"game", m.game}, {"step", m.step}, {"player", m.player}, {"what", m.what}});
    return Json::Object{{"journal", path},
                        {"games", report.games},
                        {"steps", report.steps},
                        {"adjustments", report.adjustments},
                        {"uncredited", report.uncredited},
                        {"mismatches", std::move(mismatches)}};
}

std::string auditText(const std::string &path, const AuditReport &report)
{
    std::string out = "Audit of " + path + ": " + std::to_string(report.games) + " games, " +
                      std::to_string(report.steps) + " steps replayed through the rules, " +
                      std::to_string(report.mismatches.size()) + " mismatches\n";
    if (report.adjustments > 0)
        out += std::to_string(report.adjustments) +
               " adjustments of credit outside play (a cleared player, or a start after a crash)\n";
    if (report.uncredited > 0)
        out += std::to_string(report.uncredited) + " wins no meter could take, at the 32-bit limits\n";
    for (std::size_t i = 0; i < report.mismatches.size() && i < kListed; ++i) {
        const AuditMismatch &m = report.mismatches[i];
        out += "game " + std::to_string(m.game) + ", step " + std::to_string(m.step) + ", player " +
               std::to_string(m.player) + ": " + m.what + "\n";
    }
    if (report.mismatches.size() > kListed)
        out += "... and " + std::to_string(report.mismatches.size() - kListed) + " more (--json lists them all)\n";
    return out;
}

} // namespace melvane::mathtool
