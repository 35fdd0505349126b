#pragma once

#include <string>
#include <vector>

#include "app/SheetWindow.h"
#include "connection/ConnectionView.h"
#include "platform/Sound.h"

namespace varnolt::test {

// The page's controls, the sheet's window and the speaker, for tests that
// watch nothing of them but the status lines shown.
struct QuietScreen final : ConnectionView, SheetWindow, Sound {
    void ShowStatus(const std::string& text, const std::string&) override {
        statuses.push_back(text);
    }
    void SetProgressRange(int) override {}
    void SetProgress(int) override {}
    void EnableDialing(bool) override {}
    void EnableCancel(bool) override {}
    void SetCaption(const std::string&) override {}
    void SetCallSummary(const std::string&) override {}
    void RestoreSheet() override {}
    void MinimizeSheet() override {}
    void CloseSheetLater() override {}
    void PlayWave(const std::string&) override {}

    std::vector<std::string> statuses;
};

}  // namespace varnolt::test
