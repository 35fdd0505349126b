#include "QtLocale.h"

#include <QLocale>

namespace varnolt {

std::string QtLocale::CurrencySymbol() const {
    QString symbol = QLocale::system().currencySymbol(QLocale::CurrencySymbol);
    return symbol.isEmpty() ? std::string("EUR") : symbol.toStdString();
}

}  // namespace varnolt
