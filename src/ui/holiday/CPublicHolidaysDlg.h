#pragma once

#include <QDialog>

#include "holiday/PublicHolidays.h"

class QComboBox;
class QSpinBox;

namespace varnolt {

// The modal "Insert public holidays" dialog: a year and a state (or nationwide).
class CPublicHolidaysDlg final : public QDialog {
    Q_OBJECT
public:
    CPublicHolidaysDlg(int year, GermanState state, QWidget* parent = nullptr);

    int Year() const;
    GermanState State() const;

private:
    QSpinBox* m_year = nullptr;
    QComboBox* m_state = nullptr;
};

}  // namespace varnolt
