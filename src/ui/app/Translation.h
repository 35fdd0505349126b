#pragma once

#include <QStringList>
#include <QTranslator>
#include <memory>
#include <vector>

namespace varnolt {

// Installs the program's translation and Qt's own one for the first of the
// user's languages (QLocale::uiLanguages order) that has one; English, the
// source language, ends the search. Removed again when the result goes.
std::vector<std::unique_ptr<QTranslator>> InstallTranslations(const QStringList& uiLanguages);

}  // namespace varnolt
