#include "app/TransferWindowView.h"

#include "app/TransferProgressPanel.h"
#include "prompts/Prompts.h"

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableView>

#include <utility>

TransferWindowView::TransferWindowView(TransferWindowParts parts, Prompts &prompts)
    : m_parts(std::move(parts)), m_prompts(prompts)
{
}

bool TransferWindowView::onLineTicked() const
{
    return m_parts.onLine.isChecked();
}

// The session runs the switch itself where it changes the tick; the box's own
// change notice must not run it a second time.
void TransferWindowView::setOnLineTicked(bool ticked)
{
    const QSignalBlocker quiet(m_parts.onLine);
    m_parts.onLine.setChecked(ticked);
}

bool TransferWindowView::openReceivedTicked() const
{
    return m_parts.openReceived.isChecked();
}

void TransferWindowView::updateControls(bool ready)
{
    m_parts.updateControls(ready);
}

int TransferWindowView::selectedRow() const
{
    const QModelIndexList rows = m_parts.list.selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

// The panel part is the panel's own.
void TransferWindowView::showProgressPanel(bool shown)
{
    m_parts.panel.showProgressPanel(shown);
}

void TransferWindowView::setProgress(qint64 position, qint64 maximum)
{
    m_parts.panel.setProgress(position, maximum);
}

void TransferWindowView::setPercentText(QByteArrayView text)
{
    m_parts.panel.setPercentText(text);
}

void TransferWindowView::setLogText(QByteArrayView text)
{
    m_parts.panel.setLogText(text);
}

void TransferWindowView::addLogLine(QByteArrayView line)
{
    m_parts.panel.addLogLine(line);
}

void TransferWindowView::showWaiting(const QString &text)
{
    m_parts.panel.showWaiting(text);
}

std::optional<QString> TransferWindowView::chooseReceiveFile(const QString &proposed)
{
    return m_prompts.saveFileName(&m_parts.window, proposed);
}

bool TransferWindowView::askYesNo(const QString &question)
{
    return m_prompts.askYesNo(&m_parts.window, question);
}

void TransferWindowView::showError(const QString &message)
{
    m_prompts.showError(&m_parts.window, message);
}

// The hint shows an outcome the status line had to cut.
void TransferWindowView::showStatus(const QString &text)
{
    m_parts.status.setText(text);
    m_parts.status.setToolTip(text);
}

void TransferWindowView::showLineError(const QString &title, const QString &message)
{
    m_prompts.showLineError(&m_parts.window, title, message);
}
