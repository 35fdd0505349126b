#pragma once

#include <string>

namespace varnolt {

enum class PromptIcon { None, Stop, Question, Exclamation, Information };
enum class PromptButtons { Ok, OkCancel, YesNo };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// Modal message boxes. Tests answer them with scripted prompts.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual PromptAnswer MessageBox(const std::string& text, const std::string& title,
                                    PromptIcon icon, PromptButtons buttons) = 0;
};

}  // namespace varnolt
