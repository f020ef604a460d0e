#include "views/ui/desktop_properties.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QUrl>

namespace nubo {

bool showDesktopProperties(const QStringList& paths) {
    const QString service = "org.freedesktop.FileManager1";
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr ||
        !bus.interface()->isServiceRegistered(service).value())
        return false;
    QStringList uris;
    for (const QString& path : paths)
        uris << QUrl::fromLocalFile(path).toString();
    QDBusMessage call = QDBusMessage::createMethodCall(service, "/org/freedesktop/FileManager1",
                                                       service, "ShowItemProperties");
    call << uris << QString();
    // Sent without waiting: the file manager opens its dialog in its own time.
    return bus.send(call);
}

}  // namespace nubo
