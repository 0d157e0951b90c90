#include "editing/RenumberCommand.h"

RenumberCommand::RenumberCommand(Document &document, ShowSelection showSelection, int selected)
    : ListEditCommand(document, std::move(showSelection), selected, {ListEditName::Renumber, {}}), m_selected(selected)
{
}

int RenumberCommand::carryOut()
{
    m_numbers = editing().recordNumbers();
    editing().renumber();
    return m_selected;
}

void RenumberCommand::takeBack()
{
    editing().restoreRecordNumbers(m_numbers);
    m_numbers.clear();
}
