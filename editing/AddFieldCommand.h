#pragma once

#include "editing/ListEditCommand.h"

// A field added behind the selected entry's position in every record; undone,
// that position is dropped again. Keeps the texts only.
class AddFieldCommand : public ListEditCommand
{
public:
    AddFieldCommand(Document &document, ShowSelection showSelection, int selected, EditedTexts field);

protected:
    int carryOut() override;
    void takeBack() override;

private:
    int m_selected;
    EditedTexts m_field;
    int m_perRecord = 1;
};
