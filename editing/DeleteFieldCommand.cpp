#include "editing/DeleteFieldCommand.h"

DeleteFieldCommand::DeleteFieldCommand(Document &document, ShowSelection showSelection, int row)
    : ListEditCommand(document, std::move(showSelection), row,
                      {ListEditName::DeleteField, QByteArray::number(row % ListEditing(document).entriesPerRecord())}),
      m_row(row)
{
}

int DeleteFieldCommand::carryOut()
{
    m_perRecord = editing().entriesPerRecord();
    m_deleted = editing().deleteAt(m_row);
    return -1;
}

void DeleteFieldCommand::takeBack()
{
    editing().insertField(m_perRecord, m_row % m_perRecord, m_deleted);
    m_deleted.clear();
}
