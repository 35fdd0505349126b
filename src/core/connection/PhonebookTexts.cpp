#include "PhonebookTexts.h"

#include "app/NumberText.h"

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
    return Join("User: ", userName);
}

std::string PasswordItemText(bool hasPassword) {
    return hasPassword ? "Password: *****" : "Password: <no password defined>";
}

std::string RedialItemText(int seconds) {
    return "Redial after " + FormatInt(seconds) + " secs";
}

std::string ScaleItemText(std::string_view identifier) {
    return Join("Scale: ", identifier);
}

std::string CostsItemText(std::string_view storedAmount, std::string_view currencySymbol) {
    std::string_view amount = storedAmount == "<unknown>" ? "0" : storedAmount;
    std::string text = Join("Costs: ", amount);
    text.append(" ").append(currencySymbol);
    return text;
}

std::string LastConnectItemText(std::string_view lastConnect) {
    return Join("Last connect: ", lastConnect);
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
