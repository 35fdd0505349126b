#pragma once

#include "app/CSheetPage.h"

class QButtonGroup;

namespace varnolt {

class SettingsStore;

// The "Window styles" page: four radio buttons choosing how the caption shows
// a running call. Checks the stored style when built and stores a choice at
// once; a stored value without a button checks none.
class CStylePage final : public CSheetPage {
    Q_OBJECT
public:
    explicit CStylePage(SettingsStore& store, QWidget* parent = nullptr);

protected:
    void OnInitPage() override;

private:
    SettingsStore& m_store;
    QButtonGroup* m_buttons = nullptr;
};

}  // namespace varnolt
