#pragma once

#include "link/transfers/ReceiveBuffer.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// Divides what the device sends into its messages and file text, however the
// line divides the bytes: a real line hands them over a few at a time, so a
// message may come in pieces down to one byte per notification, and file text
// may be divided anywhere.
//
// A message can stand only where a line of file text can begin: while the
// receive buffer is empty or ends with a line feed. There, bytes that could
// still become a message are held until they are one or prove to be file text;
// inside a line everything is file text, so a record name holding "EL" or
// "SDOWN$!" is never taken for a message. The device's messages:
//   "STRANS$!"          the device is ready to give its directory
//   "SDOWN$!"           the device is ready to take a file
//   "SOK$!" CR LF       an acknowledgement, dropped
//   "*KORAX@D" ... "$!" the device repeating a command, dropped
//   "EL" ... "$!"       the rest of a repeated delete command, dropped
// A repeated command that meets a line feed before its "$!" is file text.
//
// File text goes into the receive buffer byte for byte, a line at a time, so
// that the end of a file ("SFE" at the start of a line) is seen at the piece
// that brings it; what follows in the same notification stays for the next
// piece. A file taken before its end line's line end has arrived leaves that
// line end to come: it is passed over, also after a clear, so that it neither
// stays in the buffer nor begins the next file. Feed a notification's bytes with feed(), then take what they hold
// with next() until it gives nothing; next() may be called again from inside
// the handling of an item (a nested event loop), the order stays the same.
class LinkReceiver
{
public:
    enum class Kind {
        DirectoryReady, // "STRANS$!"
        ReadyForFile,   // "SDOWN$!"
        FileText,       // bytes appended to the receive buffer
    };
    struct Item {
        Kind kind;
        QByteArray text; // FileText: the bytes appended
        bool operator==(const Item &) const = default;
    };

    void feed(QByteArrayView chunk);
    std::optional<Item> next();

    const ReceiveBuffer &buffer() const { return m_buffer; }
    // The file received: the buffer's text; the buffer is then empty.
    QByteArray takeFile();
    // A new exchange: no file text, nothing held, no end pending (the rest of
    // the last file's end line is still passed over).
    void clear();
    // Bytes not yet taken (held as the possible start of a message).
    QByteArrayView held() const { return QByteArrayView(m_input).sliced(m_taken); }

private:
    bool atLineStart() const;
    // At a line start: a whole message, a dropped one, or nothing decided yet.
    enum class Reading { Message, Dropped, Held, FileText };
    Reading readMessage(Kind &kind, qsizetype &length) const;
    Item takeLineOfText();
    // Passes over the line end of a file taken before it; true when one was passed.
    bool passEndLineRest();

    // Bytes fed and not yet taken start at m_taken.
    QByteArray m_input;
    qsizetype m_taken = 0;
    bool m_endLineRest = false;
    ReceiveBuffer m_buffer;
};
