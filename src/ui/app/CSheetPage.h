#pragma once

#include <QWidget>

namespace varnolt {

// Base of the sheet's pages. A page builds its controls the first time it is
// shown (OnInitPage); the sheet's notification handlers are called whether or
// not that has happened yet, and each page decides what a reload means then.
class CSheetPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual void OnReloadPhonebook() {}
    virtual void OnReloadLog() {}
    virtual void OnReloadAutoconnect() {}
    // The Scale manager selects the scale at this position of its list.
    virtual void OnSelectScale(int /*scale*/) {}

    // The Phonebook page reports a connection and hangs it up on request.
    virtual bool IsConnected() const { return false; }
    virtual void OnMenuHangUp() {}
    // The page is about to be left, for another page or because the sheet
    // closes. False keeps the user on it and the sheet open.
    virtual bool MayLeave() { return true; }
    // The user asked to close the program. False keeps it open.
    virtual bool MayClose() { return true; }
    // The sheet is closing (OK, Cancel or destroyed).
    virtual void OnSheetClosing() {}

    bool IsInitialised() const { return m_initialised; }
    // Builds the controls now if that has not happened yet.
    void EnsureInitialised();

    // The least size of every page: 320 by 239 dialog units of the given font.
    static QSize PageSize(const QFont& font);
    // Never less than the page size in the page's own font, and more where the
    // controls need it.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

signals:
    // The controls have just been built; the page's size hints have grown.
    void ControlsBuilt();

protected:
    virtual void OnInitPage() {}
    void showEvent(QShowEvent* event) override;

private:
    bool m_initialised = false;
};

}  // namespace varnolt
