#include <gtest/gtest.h>

#include "records/field_value.h"

using namespace records;

TEST(FieldValue, TextForms) {
    const std::pair<FieldValue, const char*> cases[] = {
        {std::string("单位"), "单位"},
        {std::int32_t{-42}, "-42"},
        {std::int16_t{7}, "7"},
        {std::int8_t{-1}, "-1"},
        {true, "1"},
        {false, "0"},
        {1.5, "1.5"},
        {0.25f, "0.25"},
        {Bytes{"\x01\xAB"}, "01AB"},
    };
    for (const auto& [v, text] : cases) EXPECT_EQ(textForm(v), text);
}

TEST(FieldValue, RecordNumbers) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"12", 12}, {"12.9", 12}, {"-5", -5}, {"abc", 0}, {"", 0}, {" 7", 7}, {"3x", 3}, {"99999999999", 0},
    };
    for (const auto& [text, n] : cases) EXPECT_EQ(parseRecordNumber(text), n) << text;
    EXPECT_EQ(recordNumber(FieldValue{std::int32_t{2147483647}}), 2147483647);
    EXPECT_EQ(recordNumber(FieldValue{31.7}), 31);
}
