#include "ServiceChoice.h"

#include <QDBusConnectionInterface>
#include <iostream>

#include "NmNames.h"

namespace varnolt {

std::optional<ServiceKind> ChooseService(const QString& option, const QDBusConnection& bus) {
    if (option == "networkmanager") {
        return ServiceKind::NetworkManager;
    }
    if (option == "simulated") {
        return ServiceKind::Simulated;
    }
    if (option == "pppd") {
        return ServiceKind::Pppd;
    }
    if (option != "auto") {
        return std::nullopt;
    }
    // Without a bus there is nobody to ask, and asking would only time out.
    if (!bus.isConnected() || bus.interface() == nullptr) {
        return ServiceKind::Simulated;
    }
    return bus.interface()->isServiceRegistered(nm::kService) ? ServiceKind::NetworkManager
                                                              : ServiceKind::Simulated;
}

void ServiceOptions::AddTo(QCommandLineParser& parser) const {
    parser.addOption(m_service);
    parser.addOption(m_all);
}

std::optional<ServiceKind> ServiceOptions::Kind(const QCommandLineParser& parser) const {
    const QString name = parser.value(m_service);
    // The system bus is looked at only when the choice depends on it.
    const std::optional<ServiceKind> kind = name == "auto"
                                                ? ChooseService(name, QDBusConnection::systemBus())
                                                : ChooseService(name, QDBusConnection(QString()));
    if (!kind) {
        std::cerr << "varnolt: "
                  << QCoreApplication::translate(
                         "varnolt::ServiceOptions",
                         "unknown service '%1'; use auto, networkmanager, simulated or pppd")
                         .arg(name)
                         .toStdString()
                  << std::endl;
    }
    return kind;
}

}  // namespace varnolt
