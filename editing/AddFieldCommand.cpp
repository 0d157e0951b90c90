#include "editing/AddFieldCommand.h"

#include "document/Document.h"

namespace
{

QByteArray addedPosition(Document &document, int selected)
{
    return QByteArray::number(selected % ListEditing(document).entriesPerRecord() + 1);
}

} // namespace

AddFieldCommand::AddFieldCommand(Document &document, ShowSelection showSelection, int selected, EditedTexts field)
    : ListEditCommand(document, std::move(showSelection), selected,
                      {ListEditName::AddField, addedPosition(document, selected)}),
      m_selected(selected), m_field(std::move(field))
{
}

int AddFieldCommand::carryOut()
{
    m_perRecord = editing().entriesPerRecord();
    return editing().addField(m_selected, m_field);
}

void AddFieldCommand::takeBack()
{
    editing().dropField(m_perRecord + 1, m_selected % m_perRecord + 1);
}
