#include "platform/base/error.h"

#include <gtest/gtest.h>

TEST(Error, CarriesNumberDescriptionAndSource)
{
    try {
        throw platform::Error(3021, QStringLiteral("No current record."), QStringLiteral("DAO.Recordset"));
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), 3021);
        EXPECT_EQ(e.description(), QStringLiteral("No current record."));
        EXPECT_EQ(e.source(), QStringLiteral("DAO.Recordset"));
        EXPECT_STREQ(e.what(), "3021: No current record.");
    }
}
