#include "app/HeaderValueStrip.h"

#include "document/Document.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>
#include <QTimeEdit>

#include <climits>

HeaderValueStrip::HeaderValueStrip(Document &document, QWidget *parent)
    : QFrame(parent), m_document(document), DatePicker(new QDateEdit), TimePicker(new QTimeEdit),
      SpinVerze(new QSpinBox), m_dateLabel(new QLabel(QString::fromUtf8("Založeno:"))),
      m_versionLabel(new QLabel(QStringLiteral("Ver.:")))
{
    setObjectName("Panel1");
    m_dateLabel->setObjectName("Label1");
    m_dateLabel->setBuddy(DatePicker);
    DatePicker->setObjectName("DatePicker");
    DatePicker->setDisplayFormat("dd.MM.yy");
    DatePicker->setCalendarPopup(true);
    TimePicker->setObjectName("TimePicker");
    TimePicker->setDisplayFormat("HH:mm:ss");
    m_versionLabel->setObjectName("Label3");
    m_versionLabel->setBuddy(SpinVerze);
    SpinVerze->setObjectName("SpinVerze");
    SpinVerze->setRange(INT_MIN, INT_MAX);
    // The version is written into files as plain decimal, whatever the system's number style.
    SpinVerze->setLocale(QLocale::c());
    auto *strip = new QHBoxLayout(this);
    strip->setContentsMargins(0, 2, 0, 0);
    strip->addWidget(m_dateLabel);
    strip->addWidget(DatePicker);
    strip->addWidget(TimePicker);
    strip->addSpacing(8);
    strip->addWidget(m_versionLabel);
    // A wider window widens the list, not the version box.
    strip->addWidget(SpinVerze);
    strip->addStretch(1);

    showDocument();
    connect(&m_document, &Document::headerChanged, this, &HeaderValueStrip::showDocument);
    const auto takeStamp = [this] { m_document.editCreated(DatePicker->date(), TimePicker->time()); };
    connect(DatePicker, &QDateEdit::dateChanged, this, takeStamp);
    connect(TimePicker, &QTimeEdit::timeChanged, this, takeStamp);
    connect(SpinVerze, &QSpinBox::valueChanged, &m_document, &Document::editVersion);
}

QList<QWidget *> HeaderValueStrip::tabOrder() const
{
    return {DatePicker, TimePicker, SpinVerze};
}

LanguageRows HeaderValueStrip::languageRows()
{
    using namespace LanguageTargets;
    return {
        caption("9", m_dateLabel),      // creation date of the file
        caption("132", m_versionLabel), // version of the file
    };
}

void HeaderValueStrip::setValuesEnabled(bool enabled)
{
    SpinVerze->setEnabled(enabled);
    DatePicker->setEnabled(enabled);
    TimePicker->setEnabled(enabled);
}

void HeaderValueStrip::showDocument()
{
    // Both pickers show the document before either hands its value back.
    {
        const QSignalBlocker blockDate(DatePicker);
        const QSignalBlocker blockTime(TimePicker);
        DatePicker->setDate(m_document.createdDate());
        TimePicker->setTime(m_document.createdTime());
    }
    // The version box is not blocked: a version set by a load is a change of its text like a typed one.
    SpinVerze->setValue(m_document.version());
}
