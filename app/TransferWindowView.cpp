#include "app/TransferWindowView.h"

#include "app/Prompts.h"
#include "app/TForm1.h"
#include "i18n/CodePage.h"

#include <QCheckBox>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QTableView>

#include <climits>

TransferWindowView::TransferWindowView(TForm1 &form, Prompts &prompts)
    : m_form(form), m_prompts(prompts), m_onLine(form.findChild<QCheckBox *>("cbOnLine")),
      m_openReceived(form.findChild<QCheckBox *>("cbOtevri")), m_panel(form.findChild<QFrame *>("Progress")),
      m_bar(form.findChild<QProgressBar *>("ProgressBar1")), m_percent(form.findChild<QLabel *>("Procenta")),
      m_log(form.findChild<QPlainTextEdit *>("Memo1")), m_list(form.findChild<QTableView *>("Seznam"))
{
    m_showLater.setSingleShot(true);
    m_showLater.setInterval(LogBatchMs);
    m_showLater.callOnTimeout([this] { showPendingLines(); });
}

bool TransferWindowView::onLineTicked() const
{
    return m_onLine->isChecked();
}

// The session runs the switch itself where it changes the tick; the box's own
// change notice must not run it a second time.
void TransferWindowView::setOnLineTicked(bool ticked)
{
    const QSignalBlocker quiet(m_onLine);
    m_onLine->setChecked(ticked);
}

bool TransferWindowView::openReceivedTicked() const
{
    return m_openReceived->isChecked();
}

void TransferWindowView::updateControls(bool ready)
{
    m_pendingLines.clear(); // the memo is emptied
    m_form.UpdateControls(ready);
}

int TransferWindowView::selectedRow() const
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TransferWindowView::showProgressPanel(bool shown)
{
    if (!shown)
        m_pendingLines.clear();
    m_panel->setVisible(shown);
    if (shown)
        m_panel->repaint();
}

// The bar counts in ints: a larger text is shown in proportion.
void TransferWindowView::setProgress(qint64 position, qint64 maximum)
{
    const qint64 scale = maximum / INT_MAX + 1;
    if (m_bar->maximum() != maximum / scale || m_bar->minimum() != 0)
        m_bar->setRange(0, int(maximum / scale));
    m_bar->setValue(int(position / scale));
}

void TransferWindowView::setPercentText(QByteArrayView text)
{
    // The label changes far less often than it is set; an unchanged text costs no relayout.
    const QString shown = CodePage::toUnicode(text);
    if (shown != m_percent->text())
        m_percent->setText(shown);
}

void TransferWindowView::setLogText(QByteArrayView text)
{
    m_pendingLines.clear();
    m_log->setPlainText(CodePage::toUnicode(text));
}

void TransferWindowView::addLogLine(QByteArrayView line)
{
    m_pendingLines << CodePage::toUnicode(line);
    const bool due = !m_sinceShown.isValid() || m_sinceShown.elapsed() >= LogBatchMs;
    if (due || m_bar->value() == m_bar->maximum())
        showPendingLines();
    else if (!m_showLater.isActive())
        m_showLater.start();
}

// A line of the memo of its own, after the lines that came before it.
void TransferWindowView::showWaiting(const QString &text)
{
    m_pendingLines << text;
    showPendingLines();
}

void TransferWindowView::showPendingLines()
{
    m_showLater.stop();
    m_sinceShown.restart();
    if (m_pendingLines.isEmpty())
        return;
    m_log->appendPlainText(m_pendingLines.join(u'\n'));
    m_pendingLines.clear();
}

std::optional<QString> TransferWindowView::chooseReceiveFile(const QString &proposed)
{
    return m_prompts.saveFileName(&m_form, proposed);
}

void TransferWindowView::showError(const QString &message)
{
    m_prompts.showError(&m_form, message);
}

void TransferWindowView::showStatus(const QString &text)
{
    m_form.findChild<QLabel *>("StatusText")->setText(text);
}

void TransferWindowView::showLineError(const QString &title, const QString &message)
{
    m_prompts.showLineError(&m_form, title, message);
}
