#include "editing/AddRecordCommand.h"

AddRecordCommand::AddRecordCommand(Document &document, ShowSelection showSelection, int selectedBefore,
                                   QByteArray number, QByteArray name)
    : ListEditCommand(document, std::move(showSelection), selectedBefore, {ListEditName::AddRecord, number.trimmed()}),
      m_number(std::move(number)), m_recordName(std::move(name))
{
}

int AddRecordCommand::carryOut()
{
    m_header = editing().addRecord(m_number, m_recordName);
    return m_header;
}

void AddRecordCommand::takeBack()
{
    editing().truncate(m_header);
}
