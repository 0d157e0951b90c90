#pragma once

#include <QByteArrayView>

// How the receiver tells the device's messages from file text, by what a chunk
// (the characters of one received-characters notification) begins with or
// holds. A message split over two chunks is not recognised: its parts are
// taken as file text.
class DeviceMessages
{
public:
    enum Start {
        Dropped,        // "*KORAX@D" (the device repeating a command) or "EL"
        DirectoryReady, // "STRANS$!": the device waits for the directory request
        Other
    };

    static Start start(QByteArrayView chunk);
    // "SDOWN$!" anywhere: the device is ready to take a file.
    static bool asksForFile(QByteArrayView chunk) { return chunk.contains("SDOWN$!"); }
    // Begins with "SOK$!\r\n": an acknowledgement, not file text.
    static bool isAcknowledgement(QByteArrayView chunk) { return chunk.startsWith("SOK$!\r\n"); }
};
