// The items of the record forms' choice boxes, in list order, by field number.
#pragma once

#include <array>
#include <cstddef>

namespace forms {

struct ChoiceList {
    int field;            // field number of the unit record (1..71)
    const char* control;  // name of the choice box on the form
    const char* const* items;
    std::size_t count;
};

inline constexpr std::size_t kChoiceListCount = 19;
extern const std::array<ChoiceList, kChoiceListCount> kChoiceLists;

// The list of field n, or nullptr when field n is typed into a text box.
const ChoiceList* choiceListFor(int field);

}  // namespace forms
