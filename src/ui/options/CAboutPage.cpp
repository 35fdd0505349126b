#include "CAboutPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "app/AppIdentity.h"
#include "app/CRASSheet.h"
#include "qt/CoreText.h"

namespace varnolt {
namespace {

// The program's name written bottom to top, dark italic letters on grey, the
// full height of the page.
class NameBanner final : public QWidget {
public:
    explicit NameBanner(QWidget* parent) : QWidget(parent) {
        setObjectName("aboutBanner");
        setFixedWidth(fontMetrics().height() * 3);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xa0, 0xa0, 0xa0));
        QFont name = font();
        name.setItalic(true);
        name.setBold(true);
        name.setPixelSize(width() * 3 / 4);
        painter.setFont(name);
        painter.setPen(QColor(0x20, 0x20, 0x30));
        painter.setRenderHint(QPainter::TextAntialiasing);
        // Turned a quarter to the left, x runs up the banner and y across it.
        painter.translate(0, height());
        painter.rotate(-90);
        const int margin = width() / 4;
        painter.drawText(QRect(margin, 0, height() - 2 * margin, width()),
                         Qt::AlignLeft | Qt::AlignVCenter, QString(kProgramName));
    }
};

QLabel* MakeText(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

}  // namespace

CAboutPage::CAboutPage(StorageLocation settings, StorageLocation phonebook,
                       std::string otherService, QWidget* parent)
    : CSheetPage(parent),
      m_settings(std::move(settings)),
      m_phonebook(std::move(phonebook)),
      m_otherService(std::move(otherService)) {
    setObjectName("CAboutPage");
}

CAboutPage::~CAboutPage() = default;

void CAboutPage::OnInitPage() {
    auto* icon = new QLabel(this);
    icon->setObjectName("aboutIcon");
    icon->setPixmap(CRASSheet::ProgramIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignHCenter);

    QLabel* caption = MakeText(this, "aboutName", QString(kProgramCaption));
    QFont bold = caption->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    caption->setFont(bold);

    QLabel* purpose = MakeText(
        this, "aboutPurpose",
        tr("Varnolt dials your connections through the remote-access service, redials after a "
           "failure, and meters each call's fee by the charge units of its tariff scale "
           "while the line is up. Finished calls are added to the totals and the connection log."));
    QLabel* settings =
        MakeText(this, "settingsLocation",
                 tr("Settings are kept in:\n%1").arg(CoreText(StorageLocationText(m_settings))));
    QLabel* phonebook = MakeText(
        this, "phonebookLocation",
        m_otherService.empty()
            ? tr("The simulated remote-access service keeps its phonebook, user names "
                 "and passwords in:\n%1")
                  .arg(CoreText(StorageLocationText(m_phonebook)))
            : tr("Connections are dialed through %1.").arg(QString::fromStdString(m_otherService)));
    // Names the translation shown; the English source text says there is none.
    QLabel* language = MakeText(this, "aboutLanguage", tr("Language: English"));
    // The paths can be copied from the page.
    settings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    phonebook->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* texts = new QVBoxLayout;
    texts->addSpacing(fontMetrics().height());
    texts->addWidget(icon);
    texts->addWidget(caption);
    texts->addSpacing(fontMetrics().height());
    texts->addWidget(purpose);
    texts->addSpacing(fontMetrics().height() / 2);
    texts->addWidget(settings);
    texts->addWidget(phonebook);
    texts->addWidget(language);
    texts->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, layout->contentsMargins().right(), 0);
    layout->addWidget(new NameBanner(this));
    layout->addLayout(texts, 1);
}

}  // namespace varnolt
