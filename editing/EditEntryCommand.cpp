#include "editing/EditEntryCommand.h"

#include "document/Document.h"

namespace
{

ListEditName editName(Document &document, int row, const EditedTexts &texts)
{
    if (!texts.number.isEmpty())
        return {ListEditName::EditRecord, texts.number.trimmed()};
    const int perRecord = ListEditing(document).entriesPerRecord();
    return {ListEditName::EditField, QByteArray::number(row % perRecord)};
}

} // namespace

EditEntryCommand::EditEntryCommand(Document &document, ShowSelection showSelection, int row, EditedTexts texts)
    : ListEditCommand(document, std::move(showSelection), row, editName(document, row, texts)), m_row(row),
      m_texts(std::move(texts))
{
}

int EditEntryCommand::carryOut()
{
    // A renamed field changes the entry at its position in every record,
    // anything else the entry alone.
    const bool renamesField = editing().editRenamesField(m_row, m_texts);
    const int perRecord = editing().entriesPerRecord();
    m_first = renamesField ? m_row % perRecord : m_row;
    m_step = renamesField ? perRecord : document().entries().count() - m_row;
    m_before = editing().entriesFrom(m_first, m_step);
    editing().editEntry(m_row, m_texts);
    return m_row;
}

void EditEntryCommand::takeBack()
{
    editing().restoreFrom(m_first, m_step, m_before);
    m_before.clear();
}
