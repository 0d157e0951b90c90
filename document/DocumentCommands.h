#pragma once

#include "document/DeviceFileReader.h"

#include <QString>

class Document;

// The load, save and new commands on the document, from the moment the
// operator has chosen a file: the window asks for the name, forwards it here
// and then shows the document as it stands. Failures throw std::runtime_error
// with the operator's message, except where a command says otherwise.
class DocumentCommands
{
public:
    explicit DocumentCommands(Document &document) : m_document(document) {}

    // New: the list becomes the two-entry new document; the header values,
    // kept lines, flags and file names stay as they are.
    void newDocument();

    // Load of a chosen file: the open dialog takes the name and the file
    // replaces the list. What could be read is on screen, so the list counts as
    // the file's even after a failure, whose message is returned (empty on
    // success) for the window to show once it has put the list in order.
    QString load(const QString &fileName, bool online);

    // Save of a chosen file outside online mode: the save dialog takes the
    // name, the list is written and the list shows the file read back. A list
    // that would not read back as it stands is refused before the file is
    // touched (see ComposeCheckedPlainFile). On a failure the list, the file
    // and the flag stay as they were.
    void save(const QString &fileName);

    // Replaces the list with a device data file; the header values, kept
    // lines, file name and save dialog name follow it, also when the file fails
    // part-way (the failure is thrown after them).
    void LoadDeviceFile(const QString &fileName, bool online);
    // Writes the list in the plain variant once it has been read back in
    // memory to the list; returns that read-back. The open dialog takes the
    // save dialog's name whatever the outcome.
    DeviceFileReadResult WriteDeviceFile(const QString &fileName);

private:
    // The list, header values, kept lines and file name become what a read gave.
    void show(DeviceFileReadResult &&read, const QString &fileName);

    Document &m_document;
};
