#pragma once

#include <QByteArray>
#include <QByteArrayView>

// A device data file cut into the segments the upload sends one by one: from
// the start of what remains up to and including the next CR LF, or, when no
// CR LF is left, one character. Keeps the count sent for the progress shown.
class UploadText
{
public:
    explicit UploadText(QByteArray text) : m_text(std::move(text)) {}

    qint64 size() const { return m_text.size(); }
    qint64 taken() const { return m_position; }
    bool atEnd() const { return m_position >= m_text.size(); }
    // The next segment; call only while not atEnd.
    QByteArrayView next();
    // Whole percent of the text taken so far, the fraction dropped; 100 for an empty text.
    int percent() const;

    // The text of a segment as a log line: without its line end.
    static QByteArrayView logLine(QByteArrayView segment);
    // The lines of a text: each CR LF ends one, and a rest after the last is one more.
    static qsizetype lineCount(QByteArrayView text);

private:
    QByteArray m_text;
    qint64 m_position = 0;
    // Once no line end is left, the rest goes character by character without searching again.
    bool m_noLineEndLeft = false;
};
