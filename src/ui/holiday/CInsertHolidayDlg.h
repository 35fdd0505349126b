#pragma once

#include <QDialog>

#include "holiday/InsertHolidayForm.h"

class QLineEdit;

namespace varnolt {

// "Insert holiday": a description and a date; stays open until its fields pass
// the checks or it is cancelled.
class CInsertHolidayDlg final : public QDialog {
    Q_OBJECT
public:
    CInsertHolidayDlg(const CHolidayEntry& initial, Prompts& prompts, QWidget* parent = nullptr);

    // The holiday entered (year 0 for every year); valid after Insert.
    const CHolidayEntry& Entry() const { return m_form.Entry(); }

private:
    void OnInsert();

    InsertHolidayForm m_form;
    Prompts& m_prompts;
    QLineEdit* m_description = nullptr;
    QLineEdit* m_day = nullptr;
    QLineEdit* m_month = nullptr;
    QLineEdit* m_year = nullptr;
};

}  // namespace varnolt
