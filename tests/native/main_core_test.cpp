#include <gtest/gtest.h>

#include "ui/main/clock_text.h"
#include "ui/main/record_rows.h"

using namespace ui;

TEST(ClockText, HidesZeroPartsFromTheRight) {
    const struct {
        LocalTime t;
        const char* text;
    } cases[] = {
        {{2012, 9, 21, 9, 5, 0}, "2012年9月21日9时5分"},
        {{2012, 9, 21, 0, 0, 0}, "2012年9月21日"},
        {{2012, 9, 21, 13, 0, 0}, "2012年9月21日13时"},
        {{2012, 9, 21, 0, 7, 0}, "2012年9月21日0时7分"},
        {{2012, 9, 21, 0, 0, 5}, "2012年9月21日0时0分5秒"},
        {{2026, 12, 1, 23, 59, 59}, "2026年12月1日23时59分59秒"},
    };
    for (const auto& c : cases) EXPECT_EQ(clockText(c.t), c.text);
}

TEST(ClockText, StatusBarText) {
    EXPECT_EQ(statusClockText({2012, 9, 21, 9, 5, 0}), "        当前日期： 2012年9月21日    9时5分");
    EXPECT_EQ(statusClockText({2012, 9, 21, 0, 0, 0}), "        当前日期： 2012年9月21日    ");
}

TEST(RecordRows, CellsKeepAnyBytes) {
    RecordRows rows;
    const int r = rows.append(57);
    EXPECT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.recordNumber(r), 57);
    for (int k = 0; k < RecordRows::kColumns; ++k) EXPECT_EQ(rows.text(r, k), "");
    const std::string withZero("a\0b", 3);
    const std::string longText(300, 'x');  // needs a two-byte length
    rows.setText(r, 0, "社会");
    rows.setText(r, 70, "行一\r\n行二");
    rows.setText(r, 35, withZero);
    rows.setText(r, 36, longText);
    rows.setText(r, 36, longText + "y");
    EXPECT_EQ(rows.text(r, 0), "社会");
    EXPECT_EQ(rows.text(r, 70), "行一\r\n行二");
    EXPECT_EQ(rows.text(r, 35), withZero);
    EXPECT_EQ(rows.text(r, 36), longText + "y");
    EXPECT_EQ(rows.text(r, 37), "");
    EXPECT_EQ(rows.text(r, 71), "");
    EXPECT_EQ(rows.text(1, 0), "");
    EXPECT_EQ(rows.recordNumber(-1), 0);
    rows.setText(5, 0, "ignored");
    EXPECT_EQ(rows.size(), 1);
}

TEST(RecordRows, BuilderFillsColumnsInOrder) {
    RecordRows rows;
    {
        RecordRows::Builder b(rows, 3);
        b.cellBuffer() = "first";
        b.next();
        b.cellBuffer() += "sec";
        b.cellBuffer() += "ond";
        b.next();
        EXPECT_EQ(b.finish(), 0);  // the remaining 69 cells are empty
    }
    EXPECT_EQ(rows.text(0, 0), "first");
    EXPECT_EQ(rows.text(0, 1), "second");
    EXPECT_EQ(rows.text(0, 2), "");
    EXPECT_EQ(rows.text(0, 70), "");
    EXPECT_EQ(rows.recordNumber(0), 3);
    rows.clear();
    EXPECT_EQ(rows.size(), 0);
}
