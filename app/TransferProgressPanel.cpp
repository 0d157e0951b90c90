#include "app/TransferProgressPanel.h"

#include "i18n/CodePage.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include <climits>

TransferProgressPanel::TransferProgressPanel(QPushButton &cancel, QWidget *parent)
    : QFrame(parent), m_bar(new QProgressBar), m_percent(new QLabel(QStringLiteral("0 %"))), m_log(new QPlainTextEdit)
{
    setObjectName("Progress");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    m_bar->setObjectName("ProgressBar1");
    m_bar->setTextVisible(false);
    m_percent->setObjectName("Procenta");
    m_percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = m_percent->font();
    bold.setBold(true);
    bold.setPointSize(10);
    m_percent->setFont(bold);
    m_log->setObjectName("Memo1");
    m_log->setReadOnly(true);
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_bar, 0, 0);
    grid->addWidget(m_percent, 0, 1);
    grid->addWidget(m_log, 1, 0);
    grid->addWidget(&cancel, 1, 1, Qt::AlignBottom);
    grid->setColumnStretch(0, 1);
    hide();

    m_showLater.setSingleShot(true);
    m_showLater.setInterval(LogBatchMs);
    m_showLater.callOnTimeout([this] { showPendingLines(); });
}

void TransferProgressPanel::placeOver(const QRect &list)
{
    resize(QSize(385, 96).expandedTo(minimumSizeHint()));
    move(list.center() - rect().center());
    raise();
}

void TransferProgressPanel::clearLog()
{
    m_pendingLines.clear();
    m_log->clear();
}

void TransferProgressPanel::showProgressPanel(bool shown)
{
    if (!shown)
        m_pendingLines.clear();
    setVisible(shown);
    if (shown)
        repaint();
}

// The bar counts in ints: a larger text is shown in proportion.
void TransferProgressPanel::setProgress(qint64 position, qint64 maximum)
{
    const qint64 scale = maximum / INT_MAX + 1;
    if (m_bar->maximum() != maximum / scale || m_bar->minimum() != 0)
        m_bar->setRange(0, int(maximum / scale));
    m_bar->setValue(int(position / scale));
}

void TransferProgressPanel::setPercentText(QByteArrayView text)
{
    // The label changes far less often than it is set; an unchanged text costs no relayout.
    const QString shown = CodePage::toUnicode(text);
    if (shown != m_percent->text())
        m_percent->setText(shown);
}

void TransferProgressPanel::setLogText(QByteArrayView text)
{
    m_pendingLines.clear();
    m_log->setPlainText(CodePage::toUnicode(text));
}

void TransferProgressPanel::addLogLine(QByteArrayView line)
{
    m_pendingLines << CodePage::toUnicode(line);
    const bool due = !m_sinceShown.isValid() || m_sinceShown.elapsed() >= LogBatchMs;
    if (due || m_bar->value() == m_bar->maximum())
        showPendingLines();
    else if (!m_showLater.isActive())
        m_showLater.start();
}

// A line of the memo of its own, after the lines that came before it.
void TransferProgressPanel::showWaiting(const QString &text)
{
    m_pendingLines << text;
    showPendingLines();
}

void TransferProgressPanel::showPendingLines()
{
    m_showLater.stop();
    m_sinceShown.restart();
    if (m_pendingLines.isEmpty())
        return;
    m_log->appendPlainText(m_pendingLines.join(u'\n'));
    m_pendingLines.clear();
}
