#include "document/NewDocument.h"

std::vector<Entry> NewDocumentEntries()
{
    return {Entry{"xx", "jmeno", "", ""}, Entry{"", "0", "$00", ""}};
}
