#pragma once

namespace varnolt::nm {

// NetworkManager's names on the system bus.
constexpr const char* kService = "org.freedesktop.NetworkManager";
constexpr const char* kManagerPath = "/org/freedesktop/NetworkManager";
constexpr const char* kManagerInterface = "org.freedesktop.NetworkManager";
constexpr const char* kSettingsPath = "/org/freedesktop/NetworkManager/Settings";
constexpr const char* kSettingsInterface = "org.freedesktop.NetworkManager.Settings";
constexpr const char* kConnectionInterface = "org.freedesktop.NetworkManager.Settings.Connection";
constexpr const char* kActiveInterface = "org.freedesktop.NetworkManager.Connection.Active";
constexpr const char* kDeviceInterface = "org.freedesktop.NetworkManager.Device";
constexpr const char* kStatisticsInterface = "org.freedesktop.NetworkManager.Device.Statistics";
constexpr const char* kPropertiesInterface = "org.freedesktop.DBus.Properties";

// No call may keep the window waiting longer than this.
constexpr int kCallTimeoutMs = 3000;

}  // namespace varnolt::nm
