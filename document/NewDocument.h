#pragma once

#include "document/Entry.h"

#include <vector>

// The entries of a new document: record header "xx" named "jmeno" with an empty
// header tail, and one field at offset 0 holding the one-byte value $00. Its
// name width is 5 and it has one field per record.
std::vector<Entry> NewDocumentEntries();
