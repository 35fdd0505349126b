#include "AutoconnectChoice.h"

#include "platform/SettingsStore.h"

namespace varnolt {

AutoconnectChoice AutoconnectChoice::Read(const SettingsStore& store) {
    return {store.ReadInt(kSection, kOnKey, 0) != 0,
            store.ReadString(kSection, kTypeKey, kPhonebook),
            store.ReadString(kSection, kEntryKey, kUnknownEntry)};
}

}  // namespace varnolt
