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
      SpinVerze(new QSpinBox)
{
    setObjectName("Panel1");
    auto *dateLabel = new QLabel(QString::fromUtf8("Založeno:"));
    dateLabel->setObjectName("Label1");
    dateLabel->setBuddy(DatePicker);
    DatePicker->setObjectName("DatePicker");
    DatePicker->setDisplayFormat("dd.MM.yy");
    DatePicker->setCalendarPopup(true);
    TimePicker->setObjectName("TimePicker");
    TimePicker->setDisplayFormat("HH:mm:ss");
    auto *versionLabel = new QLabel(QStringLiteral("Ver.:"));
    versionLabel->setObjectName("Label3");
    versionLabel->setBuddy(SpinVerze);
    SpinVerze->setObjectName("SpinVerze");
    SpinVerze->setRange(INT_MIN, INT_MAX);
    // The version is written into files as plain decimal, whatever the system's number style.
    SpinVerze->setLocale(QLocale::c());
    auto *strip = new QHBoxLayout(this);
    strip->setContentsMargins(0, 2, 0, 0);
    strip->addWidget(dateLabel);
    strip->addWidget(DatePicker);
    strip->addWidget(TimePicker);
    strip->addSpacing(8);
    strip->addWidget(versionLabel);
    strip->addWidget(SpinVerze, 1);

    showDocument();
    connect(&m_document, &Document::headerChanged, this, &HeaderValueStrip::showDocument);
    const auto takeStamp = [this] { m_document.editCreated(DatePicker->date(), TimePicker->time()); };
    connect(DatePicker, &QDateEdit::dateChanged, this, takeStamp);
    connect(TimePicker, &QTimeEdit::timeChanged, this, takeStamp);
    connect(SpinVerze, &QSpinBox::valueChanged, &m_document, &Document::editVersion);
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
