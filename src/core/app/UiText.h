#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Marks a user-visible text built in the core or a service for the translation
// tools (scripts/update-translations). They keep the English text; the Qt side
// translates it where it is shown, through CoreText().
#define VARNOLT_TEXT(text) text

namespace varnolt {

// A marked template with %1, %2... replaced by data (names, numbers, paths).
// The filled text stays plain English for the core and its tests; the Qt side
// asks FilledTextParts for the template and the data to translate the one and
// keep the other. Remembering them beats parsing the text back: the data may
// hold any character, including the template's own words.
std::string FillText(const char* templ, std::initializer_list<std::string_view> args);

// A marked text without data, remembered like a filled one: translated also
// where it becomes the data of another text (a reason in a message).
inline std::string MarkedText(const char* text) {
    return FillText(text, {});
}

struct FilledTextParts {
    std::string templ;
    std::vector<std::string> args;
};
// The parts of a text FillText made recently; nullopt for any other text.
std::optional<FilledTextParts> FindFilledText(const std::string& text);

}  // namespace varnolt
