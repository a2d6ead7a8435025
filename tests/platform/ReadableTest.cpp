#include "platform/Accessibility.h"
#include "platform/Colours.h"

#include <gtest/gtest.h>

TEST(Colours, ContrastIsMeasuredAsTheGuidelinesDo)
{
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::white), 1.0, 0.01);
    EXPECT_NEAR(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01);
    EXPECT_NEAR(contrastRatio(Qt::red, Qt::white), contrastRatio(Qt::white, Qt::red), 1e-9);
}

// The hot list's red, the cold list's blue and a chart's blue on a dark, a
// mid and a light face: readable, and still of their own hue.
TEST(Colours, ColouredTextsKeepTheirHueAndBecomeReadable)
{
    for (const QColor hue : {QColor(Qt::red), QColor(Qt::blue), QColor(0x2f, 0x6f, 0xc8)})
        for (const QColor back : {QColor(0x1e, 0x1e, 0x1e), QColor(0x2b, 0x2b, 0x2b), QColor(0xef, 0xef, 0xef)}) {
            const QColor shown = readableOn(hue, back);
            SCOPED_TRACE((hue.name() + " on " + back.name() + " -> " + shown.name()).toStdString());
            EXPECT_GE(contrastRatio(shown, back), 4.5);
            EXPECT_NEAR(shown.hslHueF(), hue.hslHueF(), 0.01);
        }
    // A colour that is readable already stays as it is.
    EXPECT_EQ(readableOn(Qt::blue, Qt::white), QColor(Qt::blue));
}

TEST(Accessibility, DrawsAreSpokenDigitByDigit)
{
    const struct {
        const char* shown;
        const char* spoken;
    } rows[] = {
        {"12/31/2003 :        0   5   6", "12/31/2003: 0 5 6"},
        {"1/2/2004 :        9   0   0", "1/2/2004: 9 0 0"},
        {"1/2/2004  056", "1/2/2004: 0 5 6"},
        {"Line 3: no date", "Line 3: no date"},
        {"12/31/2003 : 1056", "12/31/2003 : 1056"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(spokenEntryLine(row.shown).toStdString(), row.spoken) << row.shown;
    EXPECT_EQ(spokenDigits("0  5  6").toStdString(), "0 5 6");
    EXPECT_EQ(spokenDigits("056").toStdString(), "0 5 6");
}
