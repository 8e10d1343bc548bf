#pragma once

#include <string>

#include "game/audit/audit.h"
#include "mathtool/json.h"

namespace melvane::mathtool {

// Reads a journal file without changing it and audits every game in it. Throws UsageError with
// one line when the file cannot be read as a journal.
AuditReport auditJournalFile(const std::string &path);

Json auditReport(const std::string &path, const AuditReport &report);
std::string auditText(const std::string &path, const AuditReport &report);

} // namespace melvane::mathtool
