#include "ui/forms/choice_lists.h"

#include <iterator>

namespace forms {

namespace {

const char* const kYesNo[] = {"是", "否"};
const char* const kField4[] = {"企业法人营业执照", "营业执照", "中华人民共和国企业法人营业执照", "中华人民共和国营业执照", "个人独资企业营业执照", "合伙企业营业执照", "个体工商户营业执照", "其他批准证件类别"};
const char* const kField9[] = {"企业", "机关", "事业单位", "全额拨款事业单位", "差额拨款事业单位", "自收自支事业单位", "社会团体", "个体工商户(有雇工的)", "民办非企业单位", "基金会", "境外非政府组织驻华代表机构", "其它"};
const char* const kField10[] = {"国有全资", "集体全资", "股份合作", "联营", "国有联营", "集体联营", "国有与集体联营", "其他联营", "有限责任（公司）", "其他有限责任（公司）", "股份有限（公司）", "私有", "私有独资", "私有合伙", "私营有限责任（公司）", "私营股份有限（公司）", "个体经营", "其他私有", "其他内资", "港、澳、台投资", "内地和港、澳或台合资", "内地和港、澳或台合作", "港、澳或台独资", "港、澳或台投资股份有限（公司）", "其他港澳台投资", "国外投资", "中外合资", "中名合作", "外资", "国外投资股份有限（公司）", "其他国外投资", "其他"};
const char* const kField12[] = {"国有企业", "集体企业", "私营企业", "港澳台商投资企业", "外商投资企业", "其他企业", "个体经济组织", "非企业单位", "非法用工主体"};
const char* const kField20[] = {"单位登记（正常）", "单位合并", "单位分立", "单位破产", "单位注销（含撤销、吊销）", "其他"};
const char* const kField23[] = {"职业介绍机构", "职业技能培训机构", "职业技能考核鉴定机构", "人才交流服务机构", "其他"};
const char* const kField25[] = {"严重违法单位，重点监控", "一般违法单位，个案监控", "守法单位，常规管理"};
const char* const kField66[] = {"未参保", "参保缴费", "暂停缴费（中断）", "终止缴费"};
const char* const kField70[] = {"城镇企业职工基本养老保险", "机关事业单位养老保险", "企业年金", "个人储蓄性养老保险", "新型农村社会养老保险", "失业保险", "城镇职工基本医疗保险", "公务员医疗补助", "大额医疗费用补助", "离休人员医疗保障", "1－6级残疾军人医疗补助", "老红军医疗保障", "企业补充医疗保险", "新型农村合作医疗", "城乡居民基本医疗保险", "城镇居民基本医疗保险", "工伤保险", "生育保险"};

#define VO_LIST(field, control, items) ChoiceList{field, control, items, std::size(items)}

}  // namespace

const std::array<ChoiceList, kChoiceListCount> kChoiceLists = {{
    VO_LIST(4, "组合框1", kField4),
    VO_LIST(9, "组合框2", kField9),
    VO_LIST(10, "组合框3", kField10),
    VO_LIST(12, "组合框4", kField12),
    VO_LIST(20, "组合框5", kField20),
    VO_LIST(23, "组合框6", kField23),
    VO_LIST(25, "组合框7", kField25),
    VO_LIST(45, "组合框8", kYesNo),
    VO_LIST(46, "组合框9", kYesNo),
    VO_LIST(48, "组合框10", kYesNo),
    VO_LIST(49, "组合框11", kYesNo),
    VO_LIST(52, "组合框12", kYesNo),
    VO_LIST(57, "组合框13", kYesNo),
    VO_LIST(58, "组合框14", kYesNo),
    VO_LIST(60, "组合框15", kYesNo),
    VO_LIST(62, "组合框16", kYesNo),
    VO_LIST(63, "组合框17", kYesNo),
    VO_LIST(66, "组合框18", kField66),
    VO_LIST(70, "组合框19", kField70),
}};

const ChoiceList* choiceListFor(int field) {
    for (const ChoiceList& l : kChoiceLists)
        if (l.field == field) return &l;
    return nullptr;
}

}  // namespace forms
