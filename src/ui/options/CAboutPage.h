#pragma once

#include <string>

#include "app/CSheetPage.h"
#include "options/StorageLocation.h"

namespace varnolt {

// The "About" page: the program's name along the left edge, its icon, name and
// edition, what it is and where it keeps its data. It reads and writes nothing
// in the settings store.
class CAboutPage final : public CSheetPage {
    Q_OBJECT
public:
    // Where the settings store and the simulated service's phonebook are kept;
    // otherService names the remote-access service when it is not the simulated one.
    CAboutPage(StorageLocation settings, StorageLocation phonebook, std::string otherService = {},
               QWidget* parent = nullptr);
    ~CAboutPage() override;

protected:
    void OnInitPage() override;

private:
    StorageLocation m_settings;
    StorageLocation m_phonebook;
    std::string m_otherService;
};

}  // namespace varnolt
