#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "connection/ConnectionDialogs.h"

namespace varnolt::test {

// The Phonebook page's dialogs answered from scripts: each call records the
// values the dialog opened with and returns the next scripted result (nullopt
// acts as Cancel). A dialog without a scripted result is cancelled and counted.
class ScriptedDialogs final : public ConnectionDialogs {
public:
    std::deque<std::optional<LoginSettings>> loginResults;
    std::deque<std::optional<DialCredentials>> dialResults;
    std::deque<std::optional<AutolaunchApplication>> autolaunchResults;
    std::deque<std::optional<std::string>> nameResults;
    // Run while a dialog is open, as a user could act elsewhere meanwhile.
    std::function<void()> whileOpen;

    std::vector<LoginSettings> loginOpened;
    std::vector<std::pair<std::string, DialCredentials>> dialOpened;
    std::vector<AutolaunchApplication> autolaunchOpened;
    std::vector<std::string> nameOpened;
    int unscripted = 0;

    std::optional<LoginSettings> EditLoginSettings(const LoginSettings& initial) override {
        loginOpened.push_back(initial);
        return Next(loginResults);
    }
    std::optional<DialCredentials> AskDialCredentials(const std::string& entryName,
                                                      const DialCredentials& initial) override {
        dialOpened.emplace_back(entryName, initial);
        return Next(dialResults);
    }
    std::optional<AutolaunchApplication> EditAutolaunchApplication(
        const AutolaunchApplication& initial) override {
        autolaunchOpened.push_back(initial);
        return Next(autolaunchResults);
    }
    std::optional<std::string> AskNewEntryName(const std::string& entryName) override {
        nameOpened.push_back(entryName);
        return Next(nameResults);
    }

private:
    template <typename T>
    std::optional<T> Next(std::deque<std::optional<T>>& results) {
        if (whileOpen) {
            whileOpen();
        }
        if (results.empty()) {
            ++unscripted;
            return std::nullopt;
        }
        std::optional<T> result = std::move(results.front());
        results.pop_front();
        return result;
    }
};

}  // namespace varnolt::test
