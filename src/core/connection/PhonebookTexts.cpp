#include "PhonebookTexts.h"

#include "app/NumberText.h"
#include "app/UiText.h"

namespace varnolt {

namespace {
std::string Join(std::string_view a, std::string_view b) {
    std::string text;
    text.reserve(a.size() + b.size());
    text.append(a).append(b);
    return text;
}
}  // namespace

std::string UserItemText(std::string_view userName) {
    return FillText(VARNOLT_TEXT("User: %1"), {userName});
}

std::string PasswordItemText(bool hasPassword) {
    return hasPassword ? VARNOLT_TEXT("Password: *****")
                       : VARNOLT_TEXT("Password: <no password defined>");
}

std::string RedialItemText(int seconds) {
    return FillText(VARNOLT_TEXT("Redial after %1 secs"), {FormatInt(seconds)});
}

std::string ScaleItemText(std::string_view identifier) {
    return FillText(VARNOLT_TEXT("Scale: %1"), {identifier});
}

std::string CostsItemText(std::string_view storedAmount, std::string_view currencySymbol) {
    std::string_view amount = storedAmount == "<unknown>" ? "0" : storedAmount;
    return FillText(VARNOLT_TEXT("Costs: %1 %2"), {amount, currencySymbol});
}

std::string LastConnectItemText(std::string_view lastConnect) {
    return FillText(VARNOLT_TEXT("Last connect: %1"), {lastConnect});
}

std::string ProviderSection(std::string_view description) {
    return Join("Provider ", description);
}

std::string ProviderKey(int number) {
    return "Provider #" + FormatInt(number);
}

std::string ProviderMemberKey(int number) {
    return "Phonebook #" + FormatInt(number);
}

}  // namespace varnolt
