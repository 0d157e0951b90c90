#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// The file text received so far, with what the receiver shows of it.
//
// A file is complete once an "SFE" record has arrived: the letters "SFE" at the
// start of a line (the start of the text or right after a line feed), so a
// record name holding them does not cut the file. Each chunk is searched only
// where an end can have appeared (its own bytes and the two before them), so
// the time spent stays linear in the data received.
class ReceiveBuffer
{
public:
    void append(QByteArrayView chunk);
    void clear();
    const QByteArray &text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }
    // Whether an "SFE" line start has arrived since the last clear.
    bool holdsFileEnd() const { return m_fileEnd; }
    // The bar position: (characters div 10) mod 100, running 0 to 99 per 1000 characters.
    int progress() const { return int(m_text.size() / 10 % 100); }
    // The memo line after a chunk was appended, when the chunk ends a line
    // that began before it: the part after the first CR LF of the 48
    // characters that begin 50 before the end (the first 48 when shorter),
    // or those characters but the first when they hold no CR LF.
    std::optional<QByteArray> logLine(QByteArrayView chunk) const;

private:
    QByteArray m_text;
    bool m_fileEnd = false;
};
