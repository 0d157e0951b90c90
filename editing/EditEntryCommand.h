#pragma once

#include "editing/ListEditCommand.h"

// Edit of one entry with the dialog's texts; a field's new offset is set in
// every record. Keeps the entries the edit changed.
class EditEntryCommand : public ListEditCommand
{
public:
    EditEntryCommand(Document &document, ShowSelection showSelection, int row, EditedTexts texts);

protected:
    int carryOut() override;
    void takeBack() override;

private:
    int m_row;
    EditedTexts m_texts;
    int m_first = 0;
    int m_step = 1;
    PackedEntries m_before;
};
