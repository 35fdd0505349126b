#pragma once

#include <string>

namespace varnolt {

// How the virtual line answers a dial of an entry.
enum class LineAnswer { Connect = 0, Busy = 1, NoAnswer = 2, NoDialTone = 3 };

// One entry of the simulated service's phonebook: what a dialer stores about a
// connection, plus the behaviour of the remote side the virtual line plays.
struct PhonebookEntry {
    static constexpr const char* kDevice = "Simulated modem";
    static constexpr int kDefaultConnectSeconds = 3;
    static constexpr int kMaxConnectSeconds = 3600;
    static constexpr int kMaxDropSeconds = 86400;
    static constexpr int kMaxNameChars = 256;
    static constexpr int kMaxPhoneChars = 128;

    std::string name;
    std::string phoneNumber;
    std::string device = kDevice;
    LineAnswer answer = LineAnswer::Connect;
    int connectSeconds = kDefaultConnectSeconds;  // until the line is up
    int dropSeconds = 0;                          // until the remote side hangs up; 0: never
    // When set, the remote side accepts only this account and refuses others.
    bool accountRequired = false;
    std::string accountUser;
    std::string accountPassword;

    bool operator==(const PhonebookEntry&) const = default;
};

}  // namespace varnolt
