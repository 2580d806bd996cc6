// The netpbm reader of tqjpeg, called directly: a header never makes it
// allocate more than the file can fill.

#include "tools/tqjpeg/pnm.h"

#include <QByteArray>
#include <QSize>

#include <gtest/gtest.h>

TEST(Pnm, HeadersLargerThanTheirDataAreRefusedBeforeAllocating)
{
    struct Case {
        const char* name;
        QByteArray data;
        QSize size;          // empty: refused with `error`
        const char* error;
    };
    const QByteArray pad(100, '\x7f');
    const Case cases[] = {
        {"120 bytes declaring 29581 x 380833 colour pixels", "P6\n29581 380833\n255\n" + pad, {}, "picture data is truncated"},
        {"the largest sides of a grey picture", "P5 2147483647 2147483647 65535\n" + pad, {}, "picture data is truncated"},
        {"plain text of a million samples in a few bytes", "P2 1000 1000 255\n1 2 3", {}, "picture data is truncated"},
        {"binary one byte short", QByteArray("P5 2 2 255\n") + QByteArray(3, 'a'), {}, "picture data is truncated"},
        {"binary of two bytes a sample, one short", QByteArray("P5 1 2 65535\n") + QByteArray(3, 'a'), {}, "picture data is truncated"},
        {"binary exactly filled", QByteArray("P6 2 2 255\n") + QByteArray(12, 'a'), {2, 2}, nullptr},
        {"plain text exactly filled", "P3 2 1 255\n1 2 3 4 5 6", {2, 1}, nullptr},
        {"plain text with one sample missing", "P3 2 1 255\n1 2 3 4 5", {}, "picture data is truncated"},
        {"plain text with a word for a sample", "P3 2 1 255\n1 2 3 4 5 x y", {}, "picture data is truncated or malformed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        const jpeg::PixelArea image = tqjpeg::ReadPnm(std::string_view(c.data.constData(), c.data.size()), error);
        EXPECT_EQ(image.isNull() ? QSize() : QSize(image.width(), image.height()), c.size);
        EXPECT_EQ(error, c.error ? c.error : "");
    }
}
