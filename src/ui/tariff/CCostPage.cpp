#include "CCostPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ReportList.h"
#include "app/SvgPixmap.h"
#include "qt/CoreText.h"
#include "tariff/CTimeField.h"

namespace varnolt {
namespace {

constexpr const char* kDayTexts[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

QIcon ScaleIconImage(ScaleIcon icon) {
    switch (icon) {
        case ScaleIcon::Root:
            return SvgIcon(":/icons/scales/root.svg");
        case ScaleIcon::Builtin:
            return SvgIcon(":/icons/scales/builtin.svg");
        case ScaleIcon::UserDefined:
            break;
    }
    return SvgIcon(":/icons/scales/userdefined.svg");
}

// The logic names tree items by its own texts, whatever language the tree shows.
constexpr int kItemTextRole = Qt::UserRole;

QTreeWidgetItem* MakeTreeItem(const ScaleTreeItem& item, const QString& shown) {
    auto* treeItem = new QTreeWidgetItem(QStringList{shown});
    treeItem->setData(0, kItemTextRole, QString::fromStdString(item.text));
    treeItem->setIcon(0, ScaleIconImage(item.icon));
    return treeItem;
}

}  // namespace

CCostPage::CCostPage(SettingsStore& store, const Locale& locale, Prompts& prompts, QWidget* parent)
    : CSheetPage(parent), m_logic(store, locale, prompts, *this) {
    setObjectName("CCostPage");
}

CCostPage::~CCostPage() = default;

void CCostPage::OnInitPage() {
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName("scaleTree");
    m_tree->setAccessibleName(tr("Scales"));
    m_tree->setHeaderHidden(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setIconSize(QSize(16, 16));
    m_tree->setUniformRowHeights(true);
    // A shallow tree: a small indent leaves the longest label its room.
    m_tree->setIndentation(m_tree->iconSize().width());

    auto* fields = new QGridLayout;
    const char* timeNames[] = {"fromHourEdit", "fromMinuteEdit", "toHourEdit", "toMinuteEdit"};
    const QString timeTexts[] = {tr("From hour"), tr("From minute"), tr("To hour"),
                                 tr("To minute")};
    for (std::size_t i = 0; i < m_times.size(); ++i) {
        m_times[i] = new CTimeField(kTimeFieldMaximum[i], this);
        m_times[i]->setObjectName(timeNames[i]);
        m_times[i]->setAccessibleName(timeTexts[i]);
    }
    const QString rowCaptions[] = {tr("From:"), tr("To:")};
    for (int row = 0; row < 2; ++row) {
        auto* caption = new QLabel(rowCaptions[row], this);
        caption->setBuddy(m_times[static_cast<std::size_t>(row * 2)]);
        fields->addWidget(caption, row, 0);
        fields->addWidget(m_times[static_cast<std::size_t>(row * 2)], row, 1);
        fields->addWidget(new QLabel(":", this), row, 2);
        fields->addWidget(m_times[static_cast<std::size_t>(row * 2 + 1)], row, 3);
        fields->addWidget(new QLabel(tr("h"), this), row, 4);
    }
    m_cycle = new QComboBox(this);
    m_cycle->setObjectName("cycleBox");
    m_unit = new QComboBox(this);
    m_unit->setObjectName("unitBox");
    m_unitLabel = new QLabel(tr("Unit in $:"), this);
    m_unitLabel->setObjectName("unitLabel");
    m_unitLabel->setBuddy(m_unit);
    auto* cycleLabel = new QLabel(tr("Cycle in secs."), this);
    cycleLabel->setBuddy(m_cycle);
    fields->addWidget(cycleLabel, 2, 0);
    fields->addWidget(m_cycle, 2, 1, 1, 4);
    fields->addWidget(m_unitLabel, 3, 0);
    fields->addWidget(m_unit, 3, 1, 1, 4);
    for (QComboBox* box : {m_cycle, m_unit}) {
        // Any typed text is kept as it is: no completion from the choices
        // ("15" would become "150"), and typing never adds a choice.
        box->setEditable(true);
        box->setCompleter(nullptr);
        box->setInsertPolicy(QComboBox::NoInsert);
    }
    fields->setRowStretch(4, 1);

    m_add = new QPushButton(tr("&Add"), this);
    m_add->setObjectName("addButton");
    m_delete = new QPushButton(tr("&Delete"), this);
    m_delete->setObjectName("deleteButton");
    m_save = new QPushButton(tr("&Save"), this);
    m_save->setObjectName("saveButton");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_save);
    buttons->addStretch(1);

    auto* dayGroup = new QGroupBox(tr("Sundays and public holidays"), this);
    dayGroup->setObjectName("dayGroup");
    // Mon to Thu above Fri to Sun: narrow enough to leave the tree its width.
    auto* dayGrid = new QGridLayout(dayGroup);
    for (std::size_t day = 0; day < m_days.size(); ++day) {
        m_days[day] = new QCheckBox(tr(kDayTexts[day]), dayGroup);
        m_days[day]->setObjectName(QStringLiteral("day%1Box").arg(kDayTexts[day]));
        dayGrid->addWidget(m_days[day], static_cast<int>(day / 4), static_cast<int>(day % 4));
    }

    // The tree on the left; the period's fields, the buttons and the day
    // boxes beside it, so that the lists below get the most room.
    auto* editRow = new QHBoxLayout;
    editRow->addLayout(fields);
    editRow->addLayout(buttons);
    auto* edit = new QVBoxLayout;
    edit->addLayout(editRow, 1);
    edit->addWidget(dayGroup);
    auto* top = new QHBoxLayout;
    top->addWidget(m_tree, 1);
    top->addLayout(edit);

    // Made in reading order, which Tab follows.
    m_weekdayChoice = new QRadioButton(tr("on weekdays"), this);
    m_weekdayChoice->setObjectName("weekdayChoice");
    m_weekdayList = MakeList("weekdayList");
    m_weekdayList->setAccessibleName(tr("Periods on weekdays"));
    m_holidayChoice = new QRadioButton(tr("on sundays && public holidays"), this);
    m_holidayChoice->setObjectName("holidayChoice");
    m_holidayList = MakeList("holidayList");
    m_holidayList->setAccessibleName(tr("Periods on sundays and public holidays"));
    // Column widths follow the Sunday/holiday list's real size.
    m_holidayList->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_weekdayChoice);
    layout->addWidget(m_weekdayList, 2);  // weekday lists are the longer ones
    layout->addWidget(m_holidayChoice);
    layout->addWidget(m_holidayList, 1);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] {
        m_inTreeChange = true;
        m_logic.OnSelectionChanged();
        m_inTreeChange = false;
    });
    for (QRadioButton* choice : {m_weekdayChoice, m_holidayChoice}) {
        connect(choice, &QRadioButton::clicked, this, [this] { m_logic.OnListChoice(); });
    }
    connect(m_add, &QPushButton::clicked, this, [this] { m_logic.OnAdd(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { m_logic.OnDelete(); });
    connect(m_save, &QPushButton::clicked, this, [this] { m_logic.OnSave(); });
    for (PeriodList list : {PeriodList::Weekday, PeriodList::Holiday}) {
        connect(List(list), &QTreeWidget::itemClicked, this,
                [this, list] { m_logic.OnListClicked(list); });
    }

    m_logic.OnInitPage();
    // The whole tree without scrolling: the root and its seven scales.
    const int treeRows = 1 + m_tree->topLevelItem(0)->childCount();
    m_tree->setMinimumHeight(treeRows * m_tree->sizeHintForRow(0) + 2 * m_tree->frameWidth());
}

bool CCostPage::MayLeave() {
    return m_logic.MayLeave();
}

void CCostPage::OnSelectScale(int scale) {
    if (scale < 0 || scale >= static_cast<int>(kAllScales.size())) {
        return;
    }
    EnsureInitialised();
    m_logic.SelectScale(kAllScales[static_cast<std::size_t>(scale)]);
}

QTreeWidget* CCostPage::MakeList(const char* name) {
    QTreeWidget* list = MakeReportList(this, name, kPeriodColumnHeadings);
    // The columns are sized to fit, so the list never scrolls sideways.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

bool CCostPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_holidayList && event->type() == QEvent::Resize) {
        ApplyColumnWidths();
    }
    return CSheetPage::eventFilter(watched, event);
}

void CCostPage::ApplyColumnWidths() {
    const int width = PeriodColumnWidth(m_holidayList->contentsRect().width());
    for (QTreeWidget* list : {m_weekdayList, m_holidayList}) {
        for (int column = 0; column < kScaleFieldCount; ++column) {
            list->setColumnWidth(column, width);
        }
    }
}

QTreeWidget* CCostPage::List(PeriodList list) const {
    return list == PeriodList::Weekday ? m_weekdayList : m_holidayList;
}

void CCostPage::SetUnitCaption(const std::string& caption) {
    m_unitLabel->setText(CoreText(caption));
}

void CCostPage::SetChoices(ScaleField box, const std::vector<std::string>& choices, int selected) {
    QComboBox* combo = box == ScaleField::Cycle ? m_cycle : m_unit;
    combo->clear();
    for (const std::string& choice : choices) {
        combo->addItem(QString::fromStdString(choice));
    }
    combo->setCurrentIndex(selected);
}

void CCostPage::FillTree(const ScaleTreeItem& root, const std::vector<ScaleTreeItem>& scales) {
    // Building the tree selects nothing; the logic selects a scale next.
    const QSignalBlocker blocker(m_tree);
    m_tree->clear();
    QTreeWidgetItem* rootItem = MakeTreeItem(root, CoreText(root.text));
    for (const ScaleTreeItem& scale : scales) {
        // Scale names are data.
        rootItem->addChild(MakeTreeItem(scale, QString::fromStdString(scale.text)));
    }
    m_tree->addTopLevelItem(rootItem);
    rootItem->setExpanded(true);
}

void CCostPage::SelectTreeItem(const std::string& text) {
    const QModelIndexList found = m_tree->model()->match(
        m_tree->model()->index(0, 0), kItemTextRole, QString::fromStdString(text), 1,
        Qt::MatchExactly | Qt::MatchCaseSensitive | Qt::MatchRecursive);
    if (found.isEmpty()) {
        return;
    }
    QTreeWidgetItem* item = m_tree->itemFromIndex(found.front());
    if (m_inTreeChange) {
        // Turning back from a click: the click selects its item after this
        // handler, so the way back has to wait for it.
        QTimer::singleShot(0, this, [this, text] { SelectTreeItem(text); });
        return;
    }
    if (m_tree->currentItem() == item) {
        m_logic.OnSelectionChanged();  // no change for the tree to report
        return;
    }
    m_tree->setCurrentItem(item);
}

std::string CCostPage::SelectedTreeText() const {
    const QTreeWidgetItem* item = m_tree->currentItem();
    return item != nullptr ? item->data(0, kItemTextRole).toString().toStdString() : std::string();
}

void CCostPage::EnableControl(ScaleControl control, bool enable) {
    switch (control) {
        case ScaleControl::TimeFields:
            for (CTimeField* field : m_times) {
                field->setEnabled(enable);
            }
            break;
        case ScaleControl::Cycle:
            m_cycle->setEnabled(enable);
            break;
        case ScaleControl::Unit:
            m_unit->setEnabled(enable);
            break;
        case ScaleControl::Add:
            m_add->setEnabled(enable);
            break;
        case ScaleControl::Delete:
            m_delete->setEnabled(enable);
            break;
        case ScaleControl::Save:
            m_save->setEnabled(enable);
            break;
        case ScaleControl::ListChoice:
            m_weekdayChoice->setEnabled(enable);
            m_holidayChoice->setEnabled(enable);
            break;
        case ScaleControl::DayBoxes:
            for (QCheckBox* day : m_days) {
                day->setEnabled(enable);
            }
            break;
        case ScaleControl::WeekdayList:
            m_weekdayList->setEnabled(enable);
            break;
        case ScaleControl::HolidayList:
            m_holidayList->setEnabled(enable);
            break;
    }
}

std::string CCostPage::FieldText(ScaleField field) const {
    switch (field) {
        case ScaleField::Cycle:
            return m_cycle->currentText().toStdString();
        case ScaleField::Unit:
            return m_unit->currentText().toStdString();
        default:
            return m_times.at(static_cast<std::size_t>(field))->text().toStdString();
    }
}

void CCostPage::SetFieldText(ScaleField field, const std::string& text) {
    const QString qtext = QString::fromStdString(text);
    switch (field) {
        case ScaleField::Cycle:
            m_cycle->setEditText(qtext);
            break;
        case ScaleField::Unit:
            m_unit->setEditText(qtext);
            break;
        default:
            m_times.at(static_cast<std::size_t>(field))->SetText(qtext);
            break;
    }
}

PeriodList CCostPage::ChosenList() const {
    return m_holidayChoice->isChecked() ? PeriodList::Holiday : PeriodList::Weekday;
}

void CCostPage::ChooseList(PeriodList list) {
    (list == PeriodList::Weekday ? m_weekdayChoice : m_holidayChoice)->setChecked(true);
}

bool CCostPage::IsDayChecked(int day) const {
    return m_days.at(static_cast<std::size_t>(day))->isChecked();
}

void CCostPage::CheckDay(int day, bool checked) {
    m_days.at(static_cast<std::size_t>(day))->setChecked(checked);
}

void CCostPage::ClearRows(PeriodList list) {
    List(list)->clear();
}

void CCostPage::AppendRow(PeriodList list, const PeriodRow& row) {
    AppendReportRow(List(list), row);
}

void CCostPage::DeleteRow(PeriodList list, int row) {
    delete List(list)->takeTopLevelItem(row);
}

int CCostPage::RowCount(PeriodList list) const {
    return List(list)->topLevelItemCount();
}

PeriodRow CCostPage::Row(PeriodList list, int row) const {
    const QTreeWidgetItem* item = List(list)->topLevelItem(row);
    PeriodRow cells;
    for (int column = 0; column < kScaleFieldCount; ++column) {
        cells[static_cast<std::size_t>(column)] = item->text(column).toStdString();
    }
    return cells;
}

int CCostPage::SelectedRow(PeriodList list) const {
    return FirstSelectedRow(List(list));
}

}  // namespace varnolt
