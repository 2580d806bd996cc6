#include "platform/base/codepage.h"

namespace platform {
namespace {

// Characters of bytes 0x80 to 0x9F; the unassigned bytes keep their own value.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char16_t windows1252Char(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : char16_t(byte); }

int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return 0x80 + i;
    return -1;
}

QString fromWindows1252(const QByteArray& bytes)
{
    QString out;
    out.resize(bytes.size());
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = QChar(windows1252Char(static_cast<unsigned char>(bytes[i])));
    return out;
}

QByteArray toWindows1252(const QString& text, bool* ok)
{
    QByteArray out;
    out.reserve(text.size());
    bool all = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const int b = windows1252Byte(c);
        if (b < 0) {
            all = false;
            out.append('?');
            // A surrogate pair is one character: one "?" for both halves.
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
        } else {
            out.append(static_cast<char>(b));
        }
    }
    if (ok)
        *ok = all;
    return out;
}

bool isWindows1252(const QString& text)
{
    for (const QChar c : text)
        if (windows1252Byte(c.unicode()) < 0)
            return false;
    return true;
}

}  // namespace platform
