#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The commands the program sends to the device: "*KORAX@", a name, for two of
// them "%" and a file number, then "$!"; no line end, one byte per character.
namespace LinkCommands
{
inline constexpr char EnterTransfer[] = "*KORAX@DSTRANS$!";
inline constexpr char Directory[] = "*KORAX@DIR$!";
inline constexpr char EndWork[] = "*KORAX@EW$!";
inline constexpr char Break[] = "*KORAX@BREAK$!";
inline constexpr char TakeFile[] = "*KORAX@DSDOWN$!";

// The width of a file number in a command.
inline constexpr int FileNumberWidth = 3;

// Asks for the device file with this number.
QByteArray read(QByteArrayView fileNumber);
// Deletes the device file with this number.
QByteArray remove(QByteArrayView fileNumber);
} // namespace LinkCommands

// A row's Number as the device names the file: every blank removed, then
// zeros put in front up to width characters; a longer text stays as it is.
QByteArray DeviceFileNumber(int width, QByteArrayView number);
