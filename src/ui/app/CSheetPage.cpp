#include "CSheetPage.h"

namespace varnolt {

void CSheetPage::EnsureInitialised() {
    if (!m_initialised) {
        m_initialised = true;
        OnInitPage();
    }
}

void CSheetPage::showEvent(QShowEvent* event) {
    EnsureInitialised();
    QWidget::showEvent(event);
}

}  // namespace varnolt
