#pragma once

#include "editing/ListEditCommand.h"

// A record appended with the number and name typed; undone, the list is cut
// back to where it ended.
class AddRecordCommand : public ListEditCommand
{
public:
    AddRecordCommand(Document &document, ShowSelection showSelection, int selectedBefore, QByteArray number,
                     QByteArray name);

protected:
    int carryOut() override;
    void takeBack() override;

private:
    QByteArray m_number;
    QByteArray m_recordName;
    int m_header = 0;
};
