#include "app/ConsoleTransferView.h"

ConsoleTransferView::ConsoleTransferView(QTextStream &out, QTextStream &err, std::function<void()> silence)
    : m_out(out), m_err(err), m_silence(std::move(silence))
{
}

void ConsoleTransferView::showWaiting(const QString &text)
{
    m_err << "WinOrba: " << text << Qt::endl;
    m_silence();
}

void ConsoleTransferView::showError(const QString &message)
{
    m_err << "WinOrba: " << message << Qt::endl;
}

void ConsoleTransferView::showStatus(const QString &text)
{
    m_out << text << Qt::endl;
}

void ConsoleTransferView::showLineError(const QString &title, const QString &message)
{
    m_err << "WinOrba: " << (title.isEmpty() ? message : title + QStringLiteral(": ") + message) << Qt::endl;
}
