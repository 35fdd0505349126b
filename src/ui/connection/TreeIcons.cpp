#include "TreeIcons.h"

#include "app/SvgPixmap.h"

namespace varnolt {

namespace {

const char* IconFile(ImageRole role) {
    switch (role) {
        case ImageRole::Program:
            return "program";
        case ImageRole::CallFeeIndicator:
            return "call-fee-indicator";
        case ImageRole::Costs:
            return "costs";
        case ImageRole::LastConnect:
            return "last-connect";
        case ImageRole::Phonebook:
            return "phonebook";
        case ImageRole::Entry:
            return "entry";
        case ImageRole::LoginSettings:
            return "login-settings";
        case ImageRole::User:
            return "user";
        case ImageRole::Password:
            return "password";
        case ImageRole::Redial:
            return "redial";
        case ImageRole::Autolaunch:
            return "autolaunch";
        case ImageRole::Application:
            return "application";
        case ImageRole::Scale:
            return "scale";
        case ImageRole::ProviderList:
            return "provider-list";
        case ImageRole::Provider:
            return "provider";
    }
    return "program";
}

}  // namespace

QIcon TreeRoleIcon(ImageRole role) {
    return SvgIcon(QStringLiteral(":/icons/tree/%1.svg").arg(IconFile(role)));
}

}  // namespace varnolt
