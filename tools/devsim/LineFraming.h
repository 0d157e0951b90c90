#pragma once

#include <QStringView>

#include <optional>

// How a character goes over the line: a start bit, 5 to 8 data bits, a parity
// bit unless the parity is none, and 1, 1.5 or 2 stop bits. The defaults are
// the program's own: 8 data bits, even parity, 1 stop bit, 11 bits in all.
struct LineFraming {
    enum class Parity { None, Odd, Even, Mark, Space };
    enum class StopBits { One, OneAndHalf, Two };

    int dataBits = 8;
    Parity parity = Parity::Even;
    StopBits stopBits = StopBits::One;

    // The bits of one character counted in halves, as 1.5 stop bits need.
    int halfBitsPerCharacter() const;

    // The values as the program's port settings write them ("Even", "1.5"),
    // in any letter case; nothing for any other text.
    static std::optional<Parity> parityNamed(QStringView name);
    static std::optional<StopBits> stopBitsNamed(QStringView text);
};
