#include "editing/DeleteRecordCommand.h"

#include "document/Document.h"

DeleteRecordCommand::DeleteRecordCommand(Document &document, ShowSelection showSelection, int row)
    : ListEditCommand(document, std::move(showSelection), row,
                      {ListEditName::DeleteRecord, document.entries().at(row).cell(Entry::Number).trimmed()}),
      m_row(row)
{
}

int DeleteRecordCommand::carryOut()
{
    m_deleted = editing().deleteAt(m_row);
    return -1;
}

void DeleteRecordCommand::takeBack()
{
    editing().insertRecord(m_row, m_deleted);
    m_deleted.clear();
}
