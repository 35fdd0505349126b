#pragma once

#include <QString>
#include <string>

namespace varnolt {

// The shown form of a text the core marked with VARNOLT_TEXT: its translation
// in the context "CoreText", or the text itself when there is none.
QString CoreText(const std::string& text);

}  // namespace varnolt
