#include "InsertHolidayForm.h"

#include "app/NumberText.h"
#include "app/UiText.h"

namespace varnolt {
namespace {

bool Fail(Prompts& prompts, const char* message) {
    prompts.MessageBox(message, VARNOLT_TEXT("Error..."), PromptIcon::Stop, PromptButtons::Ok);
    return false;
}

}  // namespace

InsertHolidayTexts InsertHolidayForm::InitialTexts() const {
    return {m_entry.description, FormatInt(m_entry.day), FormatInt(m_entry.month),
            FormatInt(m_entry.year)};
}

bool InsertHolidayForm::Accept(const InsertHolidayTexts& texts, Prompts& prompts) {
    // Each field is read just before its check, so a failure leaves the later
    // fields' values as they were.
    ScanLeadingInt(texts.day, m_entry.day);
    if (m_entry.day < 1 || m_entry.day > 31) {
        return Fail(prompts, VARNOLT_TEXT("The day range is only valid between 1 to 31 !"));
    }
    ScanLeadingInt(texts.month, m_entry.month);
    if (m_entry.month < 1 || m_entry.month > 12) {
        return Fail(prompts, VARNOLT_TEXT("The month range is only valid between 1 to 12 !"));
    }
    ScanLeadingInt(texts.year, m_entry.year);
    if (m_entry.year < 0) {
        return Fail(prompts, VARNOLT_TEXT("You have to define a possitiv year !"));
    }
    m_entry.description = texts.description;
    return true;
}

}  // namespace varnolt
