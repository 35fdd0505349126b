#pragma once

#include <string>
#include <string_view>
#include "app/UiText.h"

namespace varnolt {

// Fixed texts of the Phonebook tree. Items are classified by them, so every
// part of the program that looks for an item uses these.
inline constexpr std::string_view kRootText = "Varnolt";
inline constexpr std::string_view kOverallIndicatorText =
    VARNOLT_TEXT("Overall call-fee indicator");
inline constexpr std::string_view kPhonebookText = VARNOLT_TEXT("Phonebook");
inline constexpr std::string_view kProviderText = VARNOLT_TEXT("Provider");
inline constexpr std::string_view kLoginSettingsText = VARNOLT_TEXT("Login settings");
inline constexpr std::string_view kAutolaunchText = VARNOLT_TEXT("Autolaunch");
inline constexpr std::string_view kCallFeeIndicatorText = VARNOLT_TEXT("Call-fee indicator");
// What an empty phonebook shows under "Phonebook".
inline constexpr std::string_view kNoEntriesText =
    VARNOLT_TEXT("No entries yet: right-click here (or press Shift+F10) and choose New entry.");
// Said of an entry whose line is up already, made before or by another program.
inline constexpr std::string_view kConnectedOutsideText =
    VARNOLT_TEXT(
        "Connected outside Varnolt: this line is not metered and is not dialed again.");

// Store names read by the tree.
inline constexpr std::string_view kAllEntriesSection = "All entries";
inline constexpr std::string_view kProviderListSection = "_Provider List_";

// "User: %s"
std::string UserItemText(std::string_view userName);
// "Password: *****" or "Password: <no password defined>"
std::string PasswordItemText(bool hasPassword);
// "Redial after N secs"
std::string RedialItemText(int seconds);
// "Scale: " + a scale identifier
std::string ScaleItemText(std::string_view identifier);
// "Costs: amount symbol"; a stored "<unknown>" amount shows as 0
std::string CostsItemText(std::string_view storedAmount, std::string_view currencySymbol);
// "Last connect: text"
std::string LastConnectItemText(std::string_view lastConnect);

// Section of a provider and the list keys of the provider store.
std::string ProviderSection(std::string_view description);
std::string ProviderKey(int number);
std::string ProviderMemberKey(int number);

}  // namespace varnolt
