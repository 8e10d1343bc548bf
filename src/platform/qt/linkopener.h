#pragma once

#include <functional>
#include <string>

#include <QtGlobal>

namespace melvane {

class Host;

// The link opener of the module `url`: hands a link to the system, which starts the program
// that handles it (the browser for a web page). True when the system took the link.
using LinkHandler = std::function<bool(const std::string &link)>;

// The system's own opener: Qt's desktop services.
bool openWithDesktop(const std::string &link);

// Qt says only whether a link was taken, never why not. The number shown for a refusal is the
// one Windows reports when no program is associated with a link: the usual cause.
inline constexpr int kNoProgramForLinkError = 1155;

// Title of the message shown when a link cannot be opened.
inline constexpr const char *kExecuteLinkTitle = QT_TRANSLATE_NOOP("melvane::LinkOpener", "ExecuteLink");

// Opens `link` with `handler` under the busy pointer; a link that cannot be opened is reported
// in a message naming the link and the error number. Nothing else changes.
void openlink(Host &host, const LinkHandler &handler, const std::string &link);

} // namespace melvane
