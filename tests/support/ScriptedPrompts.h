#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Prompts.h"

namespace varnolt::test {

// Answers message boxes and file choosers from scripts and records every one
// shown. A box with no scripted answer gets the first button's answer (Ok or
// Yes or Save), a chooser without one is cancelled; either is counted as unexpected,
// so tests can assert that nothing surprising was asked.
class ScriptedPrompts final : public Prompts {
public:
    struct Shown {
        std::string text;
        std::string title;
        PromptIcon icon;
        PromptButtons buttons;
    };

    void Answer(PromptAnswer answer) { m_answers.push_back(answer); }

    PromptAnswer MessageBox(const std::string& text, const std::string& title, PromptIcon icon,
                            PromptButtons buttons) override {
        m_shown.push_back({text, title, icon, buttons});
        if (!m_answers.empty()) {
            PromptAnswer answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        ++m_unscripted;
        switch (buttons) {
            case PromptButtons::YesNo:
                return PromptAnswer::Yes;
            case PromptButtons::SaveDiscardCancel:
                return PromptAnswer::Save;
            case PromptButtons::HangUpOrKeepConnected:
                return PromptAnswer::No;  // as Enter and Escape answer it
            default:
                return PromptAnswer::Ok;
        }
    }

    // The next file chooser returns `path`, or is cancelled with nullopt.
    void ChooseFile(std::optional<std::string> path) { m_files.push_back(std::move(path)); }

    std::optional<std::string> ChooseOpenFile(const FileRequest& request) override {
        m_choosers.push_back(request);
        return NextFile();
    }
    std::optional<std::string> ChooseSaveFile(const FileRequest& request) override {
        m_saveChoosers.push_back(request);
        return NextFile();
    }

    const std::vector<Shown>& shown() const { return m_shown; }
    const std::vector<FileRequest>& choosers() const { return m_choosers; }
    const std::vector<FileRequest>& saveChoosers() const { return m_saveChoosers; }
    int unscripted() const { return m_unscripted; }

private:
    std::optional<std::string> NextFile() {
        if (m_files.empty()) {
            ++m_unscripted;
            return std::nullopt;
        }
        std::optional<std::string> path = m_files.front();
        m_files.pop_front();
        return path;
    }

    std::deque<PromptAnswer> m_answers;
    std::deque<std::optional<std::string>> m_files;
    std::vector<Shown> m_shown;
    std::vector<FileRequest> m_choosers;
    std::vector<FileRequest> m_saveChoosers;
    int m_unscripted = 0;
};

}  // namespace varnolt::test
