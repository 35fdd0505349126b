#include "CSheetPage.h"

#include <QFontMetrics>

namespace varnolt {

void CSheetPage::EnsureInitialised() {
    if (!m_initialised) {
        m_initialised = true;
        OnInitPage();
        // Controls made while the page is being shown would appear a round of
        // events later and count in no size hint until then.
        if (isVisible()) {
            for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!child->isWindow() && !child->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
                    child->show();
                }
            }
        }
        // The layouts above cache this page's hints from before its controls.
        updateGeometry();
        emit ControlsBuilt();
    }
}

QSize CSheetPage::PageSize(const QFont& font) {
    // Dialog units: a quarter of the average character width across, an eighth
    // of the character height down.
    QFontMetrics metrics(font);
    const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    int averageWidth = (metrics.horizontalAdvance(alphabet) + 26) / 52;
    int height = metrics.height();
    return QSize((320 * averageWidth + 2) / 4, (239 * height + 4) / 8);
}

QSize CSheetPage::minimumSizeHint() const {
    return QWidget::minimumSizeHint().expandedTo(PageSize(font()));
}

QSize CSheetPage::sizeHint() const {
    return QWidget::sizeHint().expandedTo(PageSize(font()));
}

void CSheetPage::showEvent(QShowEvent* event) {
    EnsureInitialised();
    QWidget::showEvent(event);
}

}  // namespace varnolt
