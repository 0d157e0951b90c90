#pragma once

#include "editing/ListEditCommand.h"

// The record headers numbered 1, 2, 3...; keeps their old Numbers only. The
// list must be one that can be renumbered (see ListEditing::canRenumber).
class RenumberCommand : public ListEditCommand
{
public:
    RenumberCommand(Document &document, ShowSelection showSelection, int selected);

protected:
    int carryOut() override;
    void takeBack() override;

private:
    int m_selected;
    PackedEntries m_numbers;
};
