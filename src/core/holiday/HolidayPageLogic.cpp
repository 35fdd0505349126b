#include "HolidayPageLogic.h"

#include <numeric>

#include "app/NumberText.h"
#include "app/UiText.h"

namespace varnolt {
namespace {

std::string FieldText(int value) {
    return value == 0 ? "ERROR" : FormatInt(value);
}

}  // namespace

int HolidayColumnWidth(int column, int clientWidth) {
    if (column < 0 || column >= kHolidayColumnCount) {
        return 0;
    }
    return static_cast<int>(clientWidth * kHolidayColumnShares[column]);
}

HolidayRow HolidayRowTexts(const CHolidayEntry& entry) {
    return {entry.description, FieldText(entry.day), FieldText(entry.month),
            entry.year == EveryYear ? "every year" : FieldText(entry.year)};
}

void HolidayPageLogic::FillList() {
    m_view.ClearRows();
    m_numbers.clear();
    for (const CHolidayEntry& entry : m_database.ReadAll(&m_numbers)) {
        m_view.AppendRow(HolidayRowTexts(entry));
    }
}

void HolidayPageLogic::OnInsert() {
    const LocalDateTime today = m_clock.Now();
    CHolidayEntry entry{"", today.day, today.month, today.year};
    if (m_view.RunInsertDialog(entry)) {
        m_database.Insert(entry);
        FillList();
    }
}

void HolidayPageLogic::OnInsertPublicHolidays() {
    int year = m_clock.Now().year;
    GermanState state = GermanState::Nationwide;
    if (!m_view.RunPublicHolidaysDialog(year, state)) {
        return;
    }
    const PublicHolidayInsertion result = InsertPublicHolidays(m_store, year, state);
    FillList();
    if (!result.kept) {
        m_prompts.MessageBox(
            VARNOLT_TEXT("The public holidays could not be saved, as the settings store cannot "
                         "be written; none was inserted."),
            "Error...", PromptIcon::Stop, PromptButtons::Ok);
        return;
    }
    m_prompts.MessageBox(
        FillText(VARNOLT_TEXT("%1 public holidays inserted, %2 skipped as already present."),
                 {FormatInt(result.inserted), FormatInt(result.skipped)}),
        VARNOLT_TEXT("Insert public holidays"), PromptIcon::Information, PromptButtons::Ok);
}

void HolidayPageLogic::OnDelete() {
    if (m_view.RowCount() == 0) {
        m_prompts.MessageBox(VARNOLT_TEXT("The holiday database is empty, nothing to remove !"),
                             VARNOLT_TEXT("Error..."), PromptIcon::Stop, PromptButtons::Ok);
        return;
    }
    const int row = m_view.FirstSelectedRow();
    if (row < 0) {
        m_prompts.MessageBox(
            VARNOLT_TEXT(
                "First you have to select the holiday, you want to remove from the database !"),
            VARNOLT_TEXT("Error..."), PromptIcon::Stop, PromptButtons::Ok);
        return;
    }
    const std::string question = FillText(
        VARNOLT_TEXT("Are you sure to remove '%1' from database ?"), {m_view.RowDescription(row)});
    if (m_prompts.MessageBox(question, VARNOLT_TEXT("Delete..."), PromptIcon::Question,
                             PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    // The remaining rows already show the shifted order; no refill. The
    // removal numbers the rest 1, 2, ... as the rows stand.
    const int number = static_cast<std::size_t>(row) < m_numbers.size()
                           ? m_numbers[static_cast<std::size_t>(row)]
                           : row + 1;
    m_view.DeleteRow(row);
    m_database.Remove(number, m_view.RowCount());
    m_numbers.resize(static_cast<std::size_t>(m_view.RowCount()));
    std::iota(m_numbers.begin(), m_numbers.end(), 1);
}

void HolidayPageLogic::OnDeleteDatabase() {
    if (m_prompts.MessageBox(VARNOLT_TEXT("Are you sure to delete the database ?"),
                             VARNOLT_TEXT("Delete database..."), PromptIcon::Question,
                             PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    m_database.Clear();
    FillList();
}

}  // namespace varnolt
