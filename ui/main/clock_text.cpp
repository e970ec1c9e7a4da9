#include "ui/main/clock_text.h"

namespace ui {

std::string clockText(const LocalTime& t) {
    using std::to_string;
    std::string s = to_string(t.year) + "年" + to_string(t.month) + "月" + to_string(t.day) + "日";
    if (t.second != 0)
        s += to_string(t.hour) + "时" + to_string(t.minute) + "分" + to_string(t.second) + "秒";
    else if (t.minute != 0)
        s += to_string(t.hour) + "时" + to_string(t.minute) + "分";
    else if (t.hour != 0)
        s += to_string(t.hour) + "时";
    return s;
}

std::string statusClockText(const LocalTime& t) {
    const std::string text = clockText(t);
    const std::string day = "日";
    const auto split = text.find(day);
    std::string date = text, time;
    if (split != std::string::npos) {
        date = text.substr(0, split + day.size());
        time = text.substr(split + day.size(), 99);
    }
    return "        当前日期： " + date + "    " + time;
}

}  // namespace ui
