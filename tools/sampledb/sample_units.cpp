#include "tools/sampledb/sample_units.h"

#include <cstdio>
#include <string_view>

#include "ui/forms/choice_lists.h"

namespace sampledb {

namespace {

const char* const kSurnames[] = {"王", "李", "张", "刘", "陈", "杨", "赵", "黄", "周", "吴", "徐", "孙", "马", "朱", "胡", "郭"};
const char* const kGiven[] = {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳", "杰", "娟", "涛", "明", "超", "秀英", "建华", "志强"};
const char* const kPlaces[] = {"新城", "东湖", "南岭", "西江", "北辰", "青山", "云台", "金沙"};
const char* const kWords[] = {"华泰", "恒信", "永安", "瑞丰", "鼎盛", "宏达", "天成", "佳和", "远航", "嘉禾", "众诚", "兴业"};
const char* const kTrades[] = {"机械制造", "食品加工", "建筑工程", "物流", "商贸", "电子科技", "纺织", "餐饮管理", "物业服务", "汽车配件"};
const char* const kSuffixes[] = {"有限公司", "有限责任公司", "股份有限公司", "厂", "店"};
const char* const kDistricts[] = {"经开区", "高新区", "城关区", "滨江区", "工业园区"};
const char* const kRoads[] = {"人民路", "建设路", "解放大道", "朝阳街", "长江路", "文化路", "工业大道"};
const char* const kRemarks[] = {"", "", "", "已复查", "整改中", "新登记单位", "重点关注：拖欠工资投诉", "2012年度年审已完成"};

bool contains(std::string_view s, const char* part) { return s.find(part) != std::string_view::npos; }

}  // namespace

std::string UnitMaker::digits(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>('0' + between(0, 9));
    return s;
}

std::string UnitMaker::person() { return std::string(pick(kSurnames)) + pick(kGiven); }

std::string UnitMaker::company() {
    return std::string(pick(kPlaces)) + pick(kWords) + pick(kTrades) + pick(kSuffixes);
}

std::string UnitMaker::address() {
    return std::string(pick(kDistricts)) + pick(kRoads) + std::to_string(between(1, 399)) + "号";
}

std::string UnitMaker::phone(bool mobile) {
    return mobile ? "13" + digits(9) : "0" + std::to_string(between(310, 999)) + "-" + digits(7);
}

records::UnitTexts UnitMaker::next() {
    records::UnitTexts u;
    const int staff = between(3, 2500);
    ++serial_;
    for (int n = 1; n <= static_cast<int>(records::kFieldCount); ++n) {
        const std::string_view name = records::field(n).name;
        std::string& v = u[static_cast<std::size_t>(n - 1)];
        char buf[64];
        if (const forms::ChoiceList* list = forms::choiceListFor(n)) {
            v = list->items[between(0, static_cast<int>(list->count) - 1)];
        } else if (contains(name, "电话") || contains(name, "传真")) {
            v = phone(contains(name, "法定代表人") && between(0, 1));
        } else if (contains(name, "邮政编码")) {
            v = std::to_string(between(100, 850)) + digits(3);
        } else if (contains(name, "电子邮箱")) {
            std::snprintf(buf, sizeof buf, "unit%05d@example.com", serial_);
            v = buf;
        } else if (contains(name, "地址")) {
            v = address();
        } else if (contains(name, "名称")) {
            v = n == 3 || between(0, 3) == 0 ? company() : std::string();
        } else if (contains(name, "负责人") || contains(name, "联系人")) {
            v = person();
        } else if (contains(name, "网格编号")) {
            std::snprintf(buf, sizeof buf, "WG-%03d", between(1, 120));
            v = buf;
        } else if (contains(name, "编码") || contains(name, "代码") || contains(name, "号码") || contains(name, "编号")) {
            v = digits(n == 5 ? 15 : n == 2 ? 9 : 10);
        } else if (contains(name, "期限")) {
            std::snprintf(buf, sizeof buf, "%d-%02d-%02d", between(2013, 2035), between(1, 12), between(1, 28));
            v = buf;
        } else if (contains(name, "最底月工资")) {
            v = std::to_string(between(18, 30) * 100);
        } else if (contains(name, "小时最底工资")) {
            v = std::to_string(between(16, 28));
        } else if (contains(name, "平均工资")) {
            v = std::to_string(between(35, 120) * 100);
        } else if (contains(name, "资本") || contains(name, "金额")) {
            v = std::to_string(between(0, 5) == 0 ? 0 : between(1, 5000) * 100);
        } else if (contains(name, "总数")) {
            v = std::to_string(staff);
        } else if (contains(name, "备注")) {
            v = pick(kRemarks);
        } else {
            // The remaining fields count people or posts: parts of the staff.
            v = std::to_string(between(0, staff / (between(0, 2) ? 20 : 3) + 1));
        }
    }
    return u;
}

}  // namespace sampledb
