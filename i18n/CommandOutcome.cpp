#include "i18n/CommandOutcome.h"

#include "i18n/CodePage.h"

#include <QFileInfo>
#include <QStringList>

namespace
{

QString withoutFolder(const QString &fileName)
{
    return QFileInfo(fileName).fileName();
}

// Each line of a message trimmed, the lines joined by one blank.
QString onOneLine(const QString &message)
{
    QStringList lines;
    for (const QString &line : message.split(u'\n')) {
        if (const QString trimmed = line.trimmed(); !trimmed.isEmpty())
            lines << trimmed;
    }
    return lines.join(u' ');
}

} // namespace

QString CommandOutcome::loaded(const QString &fileName, qsizetype entries) const
{
    return filled(m_texts.loaded, withoutFolder(fileName), QString::number(entries));
}

QString CommandOutcome::saved(const QString &fileName) const
{
    return filled(m_texts.saved, withoutFolder(fileName));
}

QString CommandOutcome::sent(const QString &fileName, qsizetype lines) const
{
    return filled(m_texts.sent, withoutFolder(fileName), QString::number(lines));
}

QString CommandOutcome::received(const QString &fileName, qint64 bytes) const
{
    return filled(m_texts.received, withoutFolder(fileName), QString::number(bytes));
}

QString CommandOutcome::writtenBack(QByteArrayView fileNumber, qsizetype lines) const
{
    return filled(m_texts.writtenBack, CodePage::toUnicode(fileNumber), QString::number(lines));
}

QString CommandOutcome::newList() const
{
    return filled(m_texts.newList);
}

QString CommandOutcome::deletedOnDevice(QByteArrayView fileNumber, QByteArrayView name) const
{
    return filled(m_texts.deletedOnDevice, CodePage::toUnicode(fileNumber), CodePage::toUnicode(name));
}

QString CommandOutcome::cancelled() const
{
    return filled(m_texts.cancelled);
}

QString CommandOutcome::stopped(const QString &reason) const
{
    return filled(m_texts.stopped, onOneLine(reason));
}

QString CommandOutcome::undone(const QString &command) const
{
    return filled(m_texts.undone, command);
}

QString CommandOutcome::redone(const QString &command) const
{
    return filled(m_texts.redone, command);
}

// A placeholder missing from a translation leaves its value out, and a value
// holding "%2" is not taken for a placeholder.
QString CommandOutcome::filled(const QByteArray &text, const QString &first, const QString &second)
{
    const QString shown = CodePage::toUnicode(text);
    QString result;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QChar next = i + 1 < shown.size() ? shown[i + 1] : QChar();
        if (shown[i] == u'%' && (next == u'1' || next == u'2')) {
            result += next == u'1' ? first : second;
            ++i;
        } else {
            result += shown[i];
        }
    }
    return result;
}
