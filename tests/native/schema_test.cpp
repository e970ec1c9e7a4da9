#include <gtest/gtest.h>

#include <numeric>

#include "records/schema.h"

using records::field;
using records::kFields;

TEST(Schema, LiteralsAreGbkBytes) {
    // The sources are UTF-8; the compiler must have turned the table name into GBK.
    EXPECT_EQ(std::string(records::kTable), "\xB5\xA5\xCE\xBB\xD0\xC5\xCF\xA2");
}

TEST(Schema, HeadersAndWidths) {
    ASSERT_EQ(kFields.size(), 71u);
    const int total = std::accumulate(kFields.begin(), kFields.end(), 0, [](int s, const auto& f) { return s + f.width; });
    EXPECT_EQ(total, 9952);
    for (int n = 1; n <= 71; ++n) {
        if (n == 39) continue;
        EXPECT_STREQ(field(n).header, field(n).name) << "field " << n;
    }
    EXPECT_STREQ(field(39).name, "外籍职工人数");
    EXPECT_STREQ(field(39).header, "名籍职工人数");
    EXPECT_STREQ(field(1).name, "社会保险登记证编码");
    EXPECT_STREQ(field(71).name, "备注");
}

TEST(Schema, OnlyFieldsWithParenthesesOrAngleBracketsAreBracketed) {
    for (int n = 1; n <= 71; ++n) {
        const bool expected = n == 7 || n == 38 || n == 41;
        EXPECT_EQ(records::needsBrackets(field(n)), expected) << "field " << n;
    }
    EXPECT_EQ(records::searchName(field(7)), "[法定代表人(负责人)]");
    EXPECT_EQ(records::searchName(field(38)), "[已办理<台港澳人员就业证>人数]");
    EXPECT_EQ(records::searchName(field(8)), "法定代表人联系电话");
    EXPECT_EQ(records::bracketedName(field(8)), "[法定代表人联系电话]");
}
