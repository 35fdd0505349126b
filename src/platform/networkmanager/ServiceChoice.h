#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QString>
#include <optional>

namespace varnolt {

enum class ServiceKind { NetworkManager, Simulated, Pppd };

// What --service=auto|networkmanager|simulated|pppd chooses: auto takes
// NetworkManager when its name is owned on `bus`, found without waiting when
// there is no bus at all, and never pppd, which is asked for by name. Nothing
// for a value the option does not know.
std::optional<ServiceKind> ChooseService(const QString& option, const QDBusConnection& bus);

// The command-line options that choose the service, in one place.
class ServiceOptions {
public:
    void AddTo(QCommandLineParser& parser) const;
    // The service chosen; nothing, with a line on stderr, for an unknown name.
    std::optional<ServiceKind> Kind(const QCommandLineParser& parser) const;
    // Whether NetworkManager lists every connection, not only dial-up ones.
    bool AllConnections(const QCommandLineParser& parser) const { return parser.isSet(m_all); }

private:
    QCommandLineOption m_service{
        "service",
        QCoreApplication::translate(
            "varnolt::ServiceOptions",
            "The remote-access service: auto (NetworkManager when it runs, the simulated line "
            "otherwise), networkmanager, simulated or pppd (the modem peers of /etc/ppp/peers)."),
        QCoreApplication::translate("varnolt::ServiceOptions", "name"), "auto"};
    QCommandLineOption m_all{
        "all-connections",
        QCoreApplication::translate("varnolt::ServiceOptions",
                                    "With NetworkManager, list every connection, not only mobile "
                                    "broadband, PPPoE and Bluetooth ones.")};
};

}  // namespace varnolt
