#pragma once

#include "i18n/KeptTexts.h"

#include <QByteArrayView>
#include <QString>

// How the last command ended, as the status line tells it in the language in
// use: each outcome is a kept text with its values put in. The texts are read
// at the moment an outcome is composed, so a change of language holds for the
// next one. A file is named without its folder (the title names the file with
// its folder); a reason is put on one line, as the status line has one.
class CommandOutcome
{
public:
    explicit CommandOutcome(const KeptTexts &texts) : m_texts(texts) {}

    QString loaded(const QString &fileName, qsizetype entries) const;
    QString saved(const QString &fileName) const;
    QString sent(const QString &fileName, qsizetype lines) const;
    QString received(const QString &fileName, qint64 bytes) const;
    // fileNumber as the link names it ("007").
    QString writtenBack(QByteArrayView fileNumber, qsizetype lines) const;
    QString newList() const;
    QString deletedOnDevice(QByteArrayView fileNumber, QByteArrayView name) const;
    QString cancelled() const;
    // A command that did not complete, with the message that tells why.
    QString stopped(const QString &reason) const;
    // command: what was undone or redone, as the undo stack names it.
    QString undone(const QString &command) const;
    QString redone(const QString &command) const;

private:
    // The text with %1 and %2 replaced by the values in one pass; a language
    // without the text tells nothing.
    static QString filled(const QByteArray &text, const QString &first = {}, const QString &second = {});

    const KeptTexts &m_texts;
};
