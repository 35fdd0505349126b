#pragma once

#include <QDialog>
#include <QIcon>
#include <array>
#include <string>

#include "provider/ProviderDialogLogic.h"

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace varnolt {

// "Provider": a provider's description and its entries, moved in from the
// phonebook's entries with ">>" and back with "<<" (or by double clicks). OK
// saves the provider once its checks pass; until then the dialog stays open.
class CProviderDialog final : public QDialog, private ProviderDialogView {
    Q_OBJECT
public:
    // `description` is the caller's: OK leaves the typed description in it.
    // `number` is the provider's, 0 for a new one.
    CProviderDialog(std::string& description, int number, SettingsStore& store,
                    RemoteAccess& dialer, Prompts& prompts, QWidget* parent = nullptr);

private:
    void SetDescription(const std::string& text) override;
    void FillList(List list, const std::vector<std::string>& names, bool expand) override;
    void AppendEntry(List list, const std::string& name) override;
    void RemoveEntry(List list, int index) override;

    QTreeWidget* Tree(List list) const;
    QTreeWidgetItem* Root(List list) const;
    // The selected entry's place under the list's root; none for the root.
    std::optional<int> SelectedEntry(List list) const;
    QTreeWidgetItem* EntryItem(const std::string& name) const;

    ProviderDialogLogic m_logic;
    // Entry, phonebook root, provider root.
    std::array<QIcon, 3> m_images;
    QLineEdit* m_description = nullptr;
    QTreeWidget* m_available = nullptr;
    QTreeWidget* m_members = nullptr;
};

}  // namespace varnolt
