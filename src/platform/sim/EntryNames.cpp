#include "EntryNames.h"

#include <cstdint>

#include "PhonebookEntry.h"
#include "app/UiText.h"
#include "connection/EntrySection.h"

namespace varnolt {
namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes the character at pos and moves past it. A byte that starts no valid
// sequence (overlong forms and surrogates included) yields kInvalid and is
// passed over alone.
char32_t Decode(const std::string& text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length = 0;
    char32_t c = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        ++pos;
        return kInvalid;
    }
    if (pos + length > text.size() || byte(pos + 1) < low || byte(pos + 1) > high) {
        ++pos;
        return kInvalid;
    }
    for (int i = 1; i < length; ++i) {
        if (!IsContinuation(byte(pos + i))) {
            ++pos;
            return kInvalid;
        }
        c = (c << 6) | (byte(pos + i) & 0x3F);
    }
    pos += length;
    return c;
}

void Encode(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Capitals and the distance to their small letters. In an alternating range
// capital and small letter take turns, starting with a capital.
struct FoldRange {
    char32_t first;
    char32_t last;
    std::int32_t delta;
    bool alternating;
};

// clang-format off
constexpr FoldRange kFolds[] = {
    {'A', 'Z', 0x20, false},
    {0xB5, 0xB5, 0x3BC - 0xB5, false},      // micro sign
    {0xC0, 0xD6, 0x20, false},              // Latin-1
    {0xD8, 0xDE, 0x20, false},
    {0x100, 0x12F, 1, true},                // Latin Extended-A
    {0x132, 0x137, 1, true},
    {0x139, 0x148, 1, true},
    {0x14A, 0x177, 1, true},
    {0x178, 0x178, 0xFF - 0x178, false},
    {0x179, 0x17E, 1, true},
    {0x17F, 0x17F, 's' - 0x17F, false},
    {0x386, 0x386, 0x26, false},            // Greek
    {0x388, 0x38A, 0x25, false},
    {0x38C, 0x38C, 0x40, false},
    {0x38E, 0x38F, 0x3F, false},
    {0x391, 0x3A1, 0x20, false},
    {0x3A3, 0x3A9, 0x20, false},
    {0x3C2, 0x3C2, 1, false},               // final sigma
    {0x400, 0x40F, 0x50, false},            // Cyrillic
    {0x410, 0x42F, 0x20, false},
    {0x1E9E, 0x1E9E, 0xDF - 0x1E9E, false}, // capital sharp s
};
// clang-format on

char32_t FoldChar(char32_t c) {
    for (const FoldRange& range : kFolds) {
        if (c >= range.first && c <= range.last) {
            if (range.alternating && (c - range.first) % 2 != 0) {
                return c;
            }
            return static_cast<char32_t>(static_cast<std::int32_t>(c) + range.delta);
        }
    }
    return c;
}

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

std::string FoldCase(const std::string& name) {
    std::string folded;
    folded.reserve(name.size());
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t start = pos;
        const char32_t c = Decode(name, pos);
        if (c == kInvalid) {
            folded += name[start];
        } else {
            Encode(FoldChar(c), folded);
        }
    }
    return folded;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a == b || FoldCase(a) == FoldCase(b);
}

std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        Decode(text, pos);
    }
    return count;
}

std::string EntryNameProblem(const std::string& name) {
    if (name.find_first_not_of(' ') == std::string::npos) {
        return MarkedText(VARNOLT_TEXT("Please enter a name for the entry."));
    }
    for (std::size_t pos = 0; pos < name.size();) {
        const char32_t c = Decode(name, pos);
        if (c == kInvalid) {
            return MarkedText(
                VARNOLT_TEXT("The entry name contains bytes that are not valid UTF-8 text."));
        }
        if (IsControl(c)) {
            return MarkedText(VARNOLT_TEXT(
                "The entry name must not contain control characters such as tabs or line "
                "breaks."));
        }
    }
    static_assert(PhonebookEntry::kMaxNameChars == 256, "the message names the limit");
    if (CharacterCount(name) > PhonebookEntry::kMaxNameChars) {
        return MarkedText(
            VARNOLT_TEXT("The entry name is too long: it may have at most 256 characters."));
    }
    return {};
}

std::string ReservedNameProblem(const std::string& name) {
    switch (ReservedEntryName(name)) {
        case ReservedName::None:
            break;
        case ReservedName::ProgramSection:
            return FillText(VARNOLT_TEXT("\"%1\" is the name of one of the program's own settings "
                                         "sections. Please choose another name."),
                            {name});
        case ReservedName::ProgramPrefix:
            return MarkedText(
                VARNOLT_TEXT("Entry names beginning with \"__\" are kept for the "
                             "program's own settings. Please choose another name."));
        case ReservedName::ProviderSection:
            return MarkedText(VARNOLT_TEXT(
                "The name \"Provider\" and names beginning with \"Provider \" are kept for the "
                "settings of providers. Please choose another name."));
        case ReservedName::AutolaunchSection:
            return MarkedText(VARNOLT_TEXT(
                "Entry names ending in \" Autolaunch #\" and a number are kept for the settings "
                "of autolaunch applications. Please choose another name."));
    }
    return {};
}

}  // namespace varnolt
