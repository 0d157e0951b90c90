#pragma once

#include "document/DeviceFileReader.h"

#include <QString>

class Document;

// What a load met, for the window to tell once it has put the list in order.
struct LoadOutcome {
    // The read's failure message; empty on success.
    QString failure;
    // The file read without a failure but held no device data (no SFA line, no entry).
    bool noDeviceData = false;
};

// The load, save and new commands on the document, from the moment the
// operator has chosen a file: the window asks for the name, forwards it here
// and then shows the document as it stands. Failures throw std::runtime_error
// with the operator's message, except where a command says otherwise.
class DocumentCommands
{
public:
    explicit DocumentCommands(Document &document) : m_document(document) {}

    // New: the list becomes the two-entry new document, which is no file: Send
    // is not offered for it. The header values, kept lines and file names stay
    // as they are.
    void newDocument();

    // Load of a chosen file: the open dialog takes the name and the file
    // replaces the list. What could be read is on screen, so the list counts as
    // the file's even after a failure, whose message is returned for the
    // window to show once it has put the list in order; a file with no device
    // data in it does not count as saved.
    LoadOutcome load(const QString &fileName, bool online);

    // Save of a chosen file outside online mode: the list is written, the list
    // shows the file read back and both dialogs take the name. A list that
    // would not read back as it stands is refused before the file is touched
    // (see ComposeCheckedPlainFile). On a failure the list, the file, the file
    // names and the flag stay as they were, so Send still uploads the file on
    // screen.
    void save(const QString &fileName);

    // Replaces the list with a device data file; the header values, kept
    // lines, file name and save dialog name follow it, also when the file fails
    // part-way (the failure is thrown after them). False when the file read
    // but held no device data.
    bool LoadDeviceFile(const QString &fileName, bool online);
    // Writes the list in the plain variant once it has been read back in
    // memory to the list; returns that read-back. The file names are left to
    // the caller, which knows whether the write counts.
    DeviceFileReadResult WriteDeviceFile(const QString &fileName);

private:
    Document &m_document;
};
