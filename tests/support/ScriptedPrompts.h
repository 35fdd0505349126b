#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Prompts.h"

namespace varnolt::test {

// Answers message boxes from a script and records every box shown. A box with
// no scripted answer gets the first button's answer (Ok or Yes) and is counted
// as unexpected, so tests can assert that nothing surprising was asked.
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
        return buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
    }

    const std::vector<Shown>& shown() const { return m_shown; }
    int unscripted() const { return m_unscripted; }
    bool AllAnswersUsed() const { return m_answers.empty(); }

private:
    std::deque<PromptAnswer> m_answers;
    std::vector<Shown> m_shown;
    int m_unscripted = 0;
};

}  // namespace varnolt::test
