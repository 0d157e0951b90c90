#pragma once

#include <QString>

class Document;
class Prompts;
class QWidget;
class TransferSession;
class TransferView;
struct KeptTexts;

// The backup as the list's popup menu starts it: with the directory shown,
// asks for a folder (the last one chosen proposed again), runs DeviceBackup
// on the window's link and tells its summary in a box; a backup cut by the
// line has told the operator already.
class BackupCommand
{
public:
    BackupCommand(QWidget &window, TransferSession &session, const Document &document, TransferView &view,
                  const KeptTexts &texts, Prompts &prompts);

    void run();

private:
    QWidget &m_window;
    TransferSession &m_session;
    const Document &m_document;
    TransferView &m_view;
    const KeptTexts &m_texts;
    Prompts &m_prompts;
    QString m_folder;
};
