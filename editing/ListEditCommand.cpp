#include "editing/ListEditCommand.h"

ListEditCommand::ListEditCommand(Document &document, ShowSelection showSelection, int selectedBefore, ListEditName name)
    : m_document(document), m_editing(document), m_showSelection(std::move(showSelection)),
      m_selectedBefore(selectedBefore), m_name(std::move(name))
{
}

void ListEditCommand::redo()
{
    m_selectedAfter = carryOut();
    if (m_showSelection)
        m_showSelection(m_selectedAfter);
}

void ListEditCommand::undo()
{
    takeBack();
    if (m_showSelection)
        m_showSelection(m_selectedBefore);
}
