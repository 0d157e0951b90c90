#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Splits what the program writes to the device into link commands and files.
//
// Between files the program sends link commands, "*KORAX@" up to "$!", with
// nothing between them. Anything else starts a file: an upload after
// "*KORAX@DSDOWN$!", or an off-line Send that comes without a command. A file
// is complete at the end of its line that begins with "SFE" (a record line
// never begins so); when that line has no line end (a file whose last line
// has none) it is complete once the program closes the port. A command at the
// start of a line in the middle of a file means the program gave up on the
// file (a cancelled upload); that text, like text still open when the port
// closes, is handed back as dropped.
class ProgramInput
{
public:
    struct Item {
        enum Kind { Command, File, Dropped };
        Kind kind;
        QByteArray bytes;
        bool operator==(const Item &other) const = default;
    };

    // Takes the bytes that arrived and returns what they completed, in order.
    QList<Item> take(QByteArrayView bytes);
    // The program closed the port: a file whose "SFE" line has begun is
    // complete, anything else still open is dropped.
    QList<Item> finish();

private:
    void takeCommands(QList<Item> &items);
    void takeFile(QList<Item> &items);
    void emitBytes(QList<Item> &items, Item::Kind kind, qsizetype size);
    // The end of the "SFE" line that begins at the current line start, or -1
    // while it has not fully arrived.
    qsizetype endOfEndLine() const;

    QByteArray m_buffer;
    bool m_inFile = false;
    // Within a file: where the line that has not been looked at yet begins.
    qsizetype m_lineStart = 0;
    // Within a file: how far the search for the next line end has got.
    qsizetype m_searched = 0;
};
