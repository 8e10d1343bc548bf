#include "platform/qt/linkopener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include "game/ports/host.h"

namespace melvane {

bool openWithDesktop(const std::string &link)
{
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(link));
    return url.isValid() && QDesktopServices::openUrl(url);
}

void openlink(Host &host, const LinkHandler &handler, const std::string &link)
{
    // Starting a browser can take a while: the pointer says so.
    host.setMousePointer(MousePointer::Busy);
    const bool opened = handler && handler(link);
    if (!opened) {
        // The busy pointer must not hang over the message.
        host.setMousePointer(MousePointer::Default);
        host.showMessage({QCoreApplication::translate("melvane::LinkOpener", kExecuteLinkTitle).toStdString(),
                          QCoreApplication::translate("melvane::LinkOpener", "error Opening Link to %1\r\n\r\n%2")
                              .arg(QString::fromStdString(link), QString::number(kNoProgramForLinkError))
                              .toStdString(),
                          MessageIcon::Information, MessageButtons::Ok});
    }
    host.setMousePointer(MousePointer::Default);
}

} // namespace melvane
