#include "UiText.h"

#include <map>
#include <mutex>

namespace varnolt {
namespace {

// Texts are shown soon after they are filled; a bound keeps the memory small.
constexpr std::size_t kRemembered = 4096;

std::mutex& FilledMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, FilledTextParts>& Filled() {
    static std::map<std::string, FilledTextParts> filled;
    return filled;
}

}  // namespace

std::string FillText(const char* templ, std::initializer_list<std::string_view> args) {
    const std::string_view text(templ);
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? std::size_t(text[i + 1] - '0') - 1 : args.size();
        if (text[i] == '%' && n < args.size()) {
            result.append(args.begin()[n]);
            ++i;
        } else {
            result.push_back(text[i]);
        }
    }
    const std::lock_guard lock(FilledMutex());
    if (Filled().size() >= kRemembered) {
        Filled().clear();
    }
    Filled()[result] = {std::string(text), std::vector<std::string>(args.begin(), args.end())};
    return result;
}

std::optional<FilledTextParts> FindFilledText(const std::string& text) {
    const std::lock_guard lock(FilledMutex());
    const auto found = Filled().find(text);
    return found == Filled().end() ? std::nullopt : std::optional(found->second);
}

}  // namespace varnolt
