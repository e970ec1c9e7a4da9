// The status-bar clock.
#pragma once

#include <string>

namespace ui {

struct LocalTime {
    int year, month, day, hour, minute, second;
};

// "2012年9月21日9时5分": the time part names hours, minutes and seconds only
// as far as they are not zero from the right (midnight shows no time).
std::string clockText(const LocalTime& t);

// The status bar's text: eight blanks, "当前日期：", a blank, the date part
// (up to and including "日"), four blanks, and the time part.
std::string statusClockText(const LocalTime& t);

}  // namespace ui
