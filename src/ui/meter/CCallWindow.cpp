#include "CCallWindow.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "meter/CallWindowPlace.h"
#include "qt/CoreText.h"

namespace varnolt {
namespace {

struct Row {
    const char* name;
    const char* label;
};
constexpr Row kRows[] = {
    {"callEntry", QT_TRANSLATE_NOOP("CCallWindow", "Entry:")},
    {"callSince", QT_TRANSLATE_NOOP("CCallWindow", "Connected since:")},
    {"callDuration", QT_TRANSLATE_NOOP("CCallWindow", "Duration:")},
    {"callUnits", QT_TRANSLATE_NOOP("CCallWindow", "Units charged:")},
    {"callFee", QT_TRANSLATE_NOOP("CCallWindow", "Fee so far:")},
    {"callUnitPrice", QT_TRANSLATE_NOOP("CCallWindow", "Unit price:")},
    {"callCycle", QT_TRANSLATE_NOOP("CCallWindow", "Cycle:")},
    {"callSent", QT_TRANSLATE_NOOP("CCallWindow", "Sent:")},
    {"callReceived", QT_TRANSLATE_NOOP("CCallWindow", "Received:")},
};
constexpr int kFeeRow = 4;
// Shown only where the service counts the call's bytes.
constexpr std::size_t kFirstTrafficRow = 7;
// The free margin kept to the screen's edge where the window first opens.
constexpr int kMargin = 16;

// Whether the window's top left corner, by which it is dragged, is on a screen.
bool Reachable(const QPoint& topLeft) {
    const QRect grip(topLeft, QSize(48, 24));
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(grip)) {
            return true;
        }
    }
    return false;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

CCallWindow::CCallWindow(SettingsStore& store, std::function<void()> hangUp, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      m_store(store),
      m_hangUp(std::move(hangUp)) {
    setObjectName("CCallWindow");
    setWindowTitle(tr("Call meter"));
    // It appears at the connect without taking the keyboard from what the user does.
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_form = new QFormLayout;
    QFormLayout* form = m_form;
    for (std::size_t row = 0; row < m_values.size(); ++row) {
        auto* value = new QLabel(this);
        value->setObjectName(kRows[row].name);
        auto* label = new QLabel(tr(kRows[row].label), this);
        label->setBuddy(value);
        form->addRow(label, value);
        m_values[row] = value;
    }
    QFont bold = m_values[kFeeRow]->font();
    bold.setBold(true);
    m_values[kFeeRow]->setFont(bold);
    m_message = new QLabel(this);
    m_message->setObjectName("messageLabel");
    m_message->setWordWrap(true);
    m_message->hide();
    m_hangUpButton = new QPushButton(tr("Hang up"), this);
    m_hangUpButton->setObjectName("hangUpButton");
    connect(m_hangUpButton, &QPushButton::clicked, this, [this] { m_hangUp(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addWidget(m_hangUpButton, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CCallWindow::~CCallWindow() {
    if (isVisible()) {
        KeepPlace();
    }
}

void CCallWindow::ShowCall(const CallMeterTexts& texts) {
    m_message->clear();
    m_message->hide();
    UpdateCall(texts);
    MoveToPlace();
    show();
}

void CCallWindow::UpdateCall(const CallMeterTexts& texts) {
    const std::array<const std::string*, kRowCount> values = {
        &texts.entry, &texts.since, &texts.duration, &texts.units,   &texts.fee,
        &texts.unitPrice, &texts.cycle, &texts.sent, &texts.received};
    for (std::size_t row = 0; row < m_values.size(); ++row) {
        m_values[row]->setText(Text(*values[row]));
        if (row >= kFirstTrafficRow) {
            m_form->setRowVisible(static_cast<int>(row), !values[row]->empty());
        }
    }
}

void CCallWindow::ShowMessage(const std::string& text) {
    // Both limits may be passed in one call: each keeps its line.
    const QString shown = m_message->text();
    m_message->setText(shown.isEmpty() ? CoreText(text) : shown + '\n' + CoreText(text));
    m_message->show();
}

void CCallWindow::CloseCall() {
    hide();
}

void CCallWindow::hideEvent(QHideEvent* event) {
    // Also when the user closes it during a call: it opens there next time.
    if (!event->spontaneous()) {
        KeepPlace();
    }
    QWidget::hideEvent(event);
}

void CCallWindow::MoveToPlace() {
    const std::optional<CallWindowPlace> place = ReadCallWindowPlace(m_store);
    if (place && Reachable({place->x, place->y})) {
        move(place->x, place->y);
        return;
    }
    adjustSize();
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    move(free.right() + 1 - kMargin - frameGeometry().width(), free.top() + kMargin);
}

void CCallWindow::KeepPlace() {
    const CallWindowPlace place{pos().x(), pos().y()};
    if (ReadCallWindowPlace(m_store) != place) {
        WriteCallWindowPlace(m_store, place);
    }
}

}  // namespace varnolt
