#include "platform/udisks_unmount.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QVariantMap>

namespace corvane::platform {
namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");
// Unmounting a card that is busy flushing can take a while.
constexpr int kCallTimeoutMs = 60000;

}  // namespace

UdisksUnmount UnmountThroughUdisks(const std::string& device) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        return {false, "no system bus"};
    }
    const QDBusReply<bool> registered = bus.interface()->isServiceRegistered(kService);
    const QDBusReply<QStringList> activatable = bus.interface()->activatableServiceNames();
    if (!(registered.isValid() && registered.value()) &&
        !(activatable.isValid() && activatable.value().contains(kService))) {
        return {false, "udisks2 does not run here"};
    }
    QDBusMessage resolve = QDBusMessage::createMethodCall(
        kService, QStringLiteral("/org/freedesktop/UDisks2/Manager"),
        QStringLiteral("org.freedesktop.UDisks2.Manager"), QStringLiteral("ResolveDevice"));
    QVariantMap devicePath;
    devicePath.insert(QStringLiteral("path"), QString::fromStdString(device));
    resolve << devicePath << QVariantMap();
    const QDBusMessage resolved = bus.call(resolve, QDBus::Block, kCallTimeoutMs);
    if (resolved.type() == QDBusMessage::ErrorMessage) {
        return {false, "udisks2: " + resolved.errorMessage().toStdString()};
    }
    QList<QDBusObjectPath> objects;
    if (!resolved.arguments().isEmpty()) {
        resolved.arguments().constFirst().value<QDBusArgument>() >> objects;
    }
    if (objects.isEmpty()) {
        return {false, "udisks2 does not know " + device};
    }
    QDBusMessage unmount = QDBusMessage::createMethodCall(
        kService, objects.constFirst().path(), QStringLiteral("org.freedesktop.UDisks2.Filesystem"),
        QStringLiteral("Unmount"));
    unmount << QVariantMap();
    const QDBusMessage reply = bus.call(unmount, QDBus::Block, kCallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        return {false, "udisks2: " + reply.errorMessage().toStdString()};
    }
    return {true, {}};
}

}  // namespace corvane::platform
