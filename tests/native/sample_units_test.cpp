#include <gtest/gtest.h>

#include <string>

#include "tools/sampledb/sample_units.h"
#include "ui/forms/choice_lists.h"

TEST(SampleUnits, ChoiceFieldsHoldItemsOfTheirLists) {
    sampledb::UnitMaker maker(7);
    for (int i = 0; i < 50; ++i) {
        const auto u = maker.next();
        for (const auto& list : forms::kChoiceLists) {
            const std::string& v = u[static_cast<std::size_t>(list.field - 1)];
            bool found = false;
            for (std::size_t k = 0; k < list.count; ++k) found = found || v == list.items[k];
            EXPECT_TRUE(found) << "field " << list.field << ": " << v;
        }
        EXPECT_FALSE(u[2].empty());  // every unit has a name
        EXPECT_NE(u[26].find_first_not_of("0123456789"), 0u);
    }
    sampledb::UnitMaker again(7);
    EXPECT_EQ(again.next(), sampledb::UnitMaker(7).next()) << "the same seed makes the same units";
}
