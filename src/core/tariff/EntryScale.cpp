#include "tariff/EntryScale.h"

#include "connection/EntrySection.h"
#include "tariff/ScaleId.h"

namespace varnolt {

std::string ResolveScaleIdentifier(std::string_view stored) {
    return stored == "Userdefined" ? ScaleIdentifier(ScaleId::User1) : std::string(stored);
}

std::string ResolveEntryScale(const SettingsStore& store, const std::string& entryName) {
    return ResolveScaleIdentifier(
        store.ReadString(EntrySection(entryName), "Scale", ScaleIdentifier(ScaleId::City)));
}

}  // namespace varnolt
