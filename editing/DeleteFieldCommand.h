#pragma once

#include "editing/ListEditCommand.h"

// The field at the row's position deleted from every record; keeps the
// deleted entries, one per record.
class DeleteFieldCommand : public ListEditCommand
{
public:
    DeleteFieldCommand(Document &document, ShowSelection showSelection, int row);

protected:
    int carryOut() override;
    void takeBack() override;

private:
    int m_row;
    int m_perRecord = 1;
    PackedEntries m_deleted;
};
