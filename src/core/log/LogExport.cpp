#include "log/LogExport.h"

#include <ostream>
#include <string>
#include <string_view>

#include "app/AppIdentity.h"
#include "app/UiText.h"

namespace varnolt {
namespace {

constexpr std::string_view kTitle = "Varnolt LOG-file";
const std::string kCredits[] = {std::string(kProgramCaption) + " - dial-up calls and their fees",
                                "\u00a9 Kessendral, exported from the settings store"};
constexpr std::size_t kInnerWidth = 61;

// Text mode: every line feed goes out as CR LF.
void Write(std::ostream& out, std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Characters, not bytes: UTF-8 continuation bytes do not count.
std::size_t Characters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return count;
}

// The text centred between two bars; an odd blank goes to the right.
std::string Framed(std::string_view text) {
    const std::size_t length = Characters(text);
    const std::size_t blanks = length < kInnerWidth ? kInnerWidth - length : 0;
    std::string line = "|";
    line.append(blanks / 2, ' ').append(text).append(blanks - blanks / 2, ' ');
    return line + "|\n";
}

std::string AsciiBanner() {
    std::string frame = "+";
    frame.append(kInnerWidth, '-').append("+\n");
    return frame + Framed(kTitle) + frame + Framed(kCredits[0]) + frame + Framed(kCredits[1]) +
           frame + "\n\n";
}

std::string AsciiBlock(const CLogRecord& r) {
    return std::string(33, '-') + "\nPhonebook\t" + r.entry + "\nUser\t\t" + r.user + "\nFrom\t\t" +
           r.from + "\nTo\t\t" + r.to + "\nCosts\t\t" + r.costs + "\nTotal costs\t" + r.totalCosts +
           "\n";
}

std::string TabbedBanner() {
    return std::string(kTitle) + "\n" + kCredits[0] + "\n" + kCredits[1] + "\n\n\n";
}

std::string TabbedLine(const CLogRecord& r) {
    return r.entry + "\t" + r.user + "\t" + r.from + "\t" + r.to + "\t" + r.costs + "\t" +
           r.totalCosts + "\t\n";
}

}  // namespace

FileRequest LogExportRequest(LogExportFormat format) {
    if (format == LogExportFormat::Ascii) {
        return {VARNOLT_TEXT("Export LOG into ASCII-file ..."),
                {{VARNOLT_TEXT("Varnolt LOG files (*.LOG)"), "*.LOG"}},
                "*.LOG",
                "LOG"};
    }
    return {VARNOLT_TEXT("Export LOG into Excel-file ..."),
            {{VARNOLT_TEXT("Tabbed text files (*.TXT)"), "*.TXT"}},
            "*.TXT",
            "TXT"};
}

void WriteLogExport(std::ostream& out, LogExportFormat format,
                    const std::vector<CLogRecord>& records) {
    const bool ascii = format == LogExportFormat::Ascii;
    if (ascii) {
        Write(out, AsciiBanner());
    } else {
        Write(out, TabbedBanner());
        Write(out, "Phonebook\tUser\tFrom\tTo\tCosts\tTotal costs\t\n");
    }
    for (const CLogRecord& record : records) {
        if (!out) {
            return;
        }
        Write(out, ascii ? AsciiBlock(record) : TabbedLine(record));
    }
}

}  // namespace varnolt
