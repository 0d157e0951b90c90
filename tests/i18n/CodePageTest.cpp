#include "i18n/CodePage.h"

#include <gtest/gtest.h>

#include <iconv.h>

namespace
{

// What glibc's converter makes of one byte, or an empty string where it refuses the byte.
QString iconvDecode(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-16LE", "WINDOWS-1250");
    char in[1] = {static_cast<char>(byte)};
    char16_t out[4] = {};
    char *inPtr = in;
    char *outPtr = reinterpret_cast<char *>(out);
    size_t inLeft = 1, outLeft = sizeof out;
    const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    return rc == size_t(-1) ? QString() : QString::fromUtf16(out, 1);
}

} // namespace

TEST(CodePage, UpperHalfMatchesTheSystemConverter)
{
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const QString expected = iconvDecode(static_cast<unsigned char>(byte));
        const QString decoded = CodePage::toUnicode(QByteArray(1, static_cast<char>(byte)));
        if (expected.isEmpty())
            EXPECT_EQ(decoded, QString(QChar(byte))) << "undefined byte " << byte;
        else
            EXPECT_EQ(decoded, expected) << "byte " << byte;
    }
}

TEST(CodePage, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int byte = 0; byte <= 0xFF; ++byte)
        all.append(static_cast<char>(byte));
    EXPECT_EQ(CodePage::fromUnicode(CodePage::toUnicode(all)), all);
}

TEST(CodePage, CzechTextAndUnencodableCharacters)
{
    EXPECT_EQ(CodePage::fromUnicode(QString::fromUtf8("čeština Žluťoučký")),
              QByteArray("\xE8"
                         "e\x9Atina \x8Elu\x9Dou\xE8k\xFD"));
    EXPECT_EQ(CodePage::fromUnicode(QString::fromUtf8("日x😀")), QByteArray("?x?"));
}
