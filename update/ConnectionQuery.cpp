#include "update/ConnectionQuery.h"

#include <QHostAddress>
#include <QNetworkInformation>
#include <QNetworkInterface>

namespace stellaform {
namespace {

bool isLoopback(const QString& host)
{
    return host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0 || QHostAddress(host).isLoopback();
}

bool anInterfaceIsUp()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& interface : interfaces) {
        const auto flags = interface.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning) &&
            !flags.testFlag(QNetworkInterface::IsLoopBack))
            return true;
    }
    return false;
}

} // namespace

bool platformHasConnection(const QString& host)
{
    if (isLoopback(host))
        return true;
    // The kind of connection is not examined: a local network counts too.
    if (QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        const auto reachability = QNetworkInformation::instance()->reachability();
        if (reachability != QNetworkInformation::Reachability::Unknown)
            return reachability != QNetworkInformation::Reachability::Disconnected;
    }
    return anInterfaceIsUp();
}

} // namespace stellaform
