#include "engine/DrawRecord.h"
#include "engine/Dates.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(DrawRecord, RecordOf307OnFirstJanuary2002IsTwentyFourLittleEndianBytes)
{
    quor3::DrawRecord r;
    r.DrawDate = quor3::encodeDate(2002, 1, 1);
    r.Digit1 = 3;
    r.Digit2 = 0;
    r.Digit3 = 7;
    const std::string bytes = quor3::encodeDraws({r});
    const unsigned char expected[24] = {0x00, 0x00, 0x00, 0x00, 0x20, 0x31, 0xE2, 0x40, 3, 0, 0, 0,
                                        0,    0,    0,    0,    7,    0,    0,    0,    0, 0, 0, 0};
    ASSERT_EQ(bytes.size(), 24u);
    EXPECT_EQ(0, std::memcmp(bytes.data(), expected, 24));
    EXPECT_EQ(r.DrawDate, 37257.0);
}
