#pragma once

#include "editing/ListEditCommand.h"

// The record whose header is at the row deleted; keeps its entries.
class DeleteRecordCommand : public ListEditCommand
{
public:
    DeleteRecordCommand(Document &document, ShowSelection showSelection, int row);

protected:
    int carryOut() override;
    void takeBack() override;

private:
    int m_row;
    PackedEntries m_deleted;
};
