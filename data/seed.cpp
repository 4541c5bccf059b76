#include "seed.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <QtDebug>

namespace schema {

namespace {

struct SeedRows {
    QString table;
    QStringList columns;
    QVector<QVariantList> rows;
};

// A code table filled with names only, kept in the order the drop-downs will show them.
SeedRows names(const QString &table, const QStringList &entries) {
    SeedRows seed{table, {"strName"}, {}};
    for (const QString &entry : entries)
        seed.rows.append({entry});
    return seed;
}

const QString kDepartment = "综合部";

QVector<SeedRows> seedRows() {
    return {
        {"T_I_Department_Infor1",
         {"strDepartment_Name", "strDepartment_Memo"},
         {{kDepartment, "负责日常业务"}}},
        {"T_I_User_Infor",
         {"strUser_Identity", "strUser_Password", "strUser_Name", "strDepartment_Name",
          "bitUser_Sex", "bitFullTime", "bitCicerone", "qiantai", "xianlu", "jitiao", "kehugx",
          "caiwu", "xtwh", "ziliao", "data"},
         {{"admin", "admin", "系统管理员", kDepartment, "男", "是", "否", 1, 1, 1, 1, 1, 1, 1, 1}}},
        // Invented particulars; the agency replaces them in its own-company window.
        {"T_I_Company_Infor",
         {"strTravel_Name", "strTravel_Code", "StrCityName", "strTravel_Manager", "strLink_Phone",
          "strLink_Postcode", "strLink_Address", "strLink_Fax", "strLink_Mail", "strTravel_web",
          "bitInterNational", "strCount_Name", "strCount_Num", "strCount_Bank"},
         {{"澄岚国际旅行社", "CL-0001", "杭州", "林澄", "0571-12345678", "310000",
           "杭州市西湖区示例路1号", "0571-12345679", "service@chenglan-travel.example",
           "www.chenglan-travel.example", 1, "澄岚国际旅行社有限公司", "6200000000000000",
           "示例银行杭州分行"}}},

        names("T_B_Cost_Type", {"交通费", "住宿费", "餐费", "门票费", "导游费"}),
        names("T_B_Customer_Type", {"普通客户", "重要客户", "VIP客户", "潜在客户"}),
        names("T_B_Team_Grade", {"豪华团", "标准团", "经济团"}),
        names("T_B_Line_Type", {"华东线", "华南线", "西南线", "东北线", "港澳线", "出境线"}),
        names("T_B_Occupation_Type",
              {"公务员", "教师", "企业职员", "个体经营", "学生", "离退休人员"}),
        names("T_B_Education_Degree", {"初中及以下", "高中", "大专", "本科", "研究生"}),
        names("T_B_OuterLink_Type", {"直客销售", "同业合作", "网络预订", "电话预订"}),
        names("T_B_CompanySize", {"50人以下", "50-200人", "200-1000人", "1000人以上"}),
        names("T_B_TravelAuto_Degrea", {"豪华大巴", "空调大巴", "中巴", "商务车"}),
        names("T_B_Hotel_Degree", {"五星级", "四星级", "三星级", "二星级", "经济型"}),
        {"T_B_Room_Type",
         {"strName", "intPersonnum"},
         {{"单人间", 1}, {"标准间", 2}, {"三人间", 3}, {"套房", 2}}},
        names("T_B_SteamBoat_Degree", {"豪华游轮", "一级客轮", "二级客轮", "普通客轮"}),
        names("T_B_Train_Degree", {"高铁", "动车", "特快", "快速", "普快"}),
        names("T_B_SteamTicket_Degree", {"一等舱", "二等舱", "三等舱", "四等舱"}),
        names("T_B_TrainTicket_Degree", {"软卧", "硬卧", "软座", "硬座", "一等座", "二等座"}),
        names("T_B_Sight_Degree", {"5A级", "4A级", "3A级", "2A级"}),
        names("T_B_TravelKnow_Degree", {"非常熟悉", "熟悉", "一般", "不熟悉"}),
        names("T_B_AirTicket_Degree", {"头等舱", "公务舱", "经济舱", "折扣舱"}),
        // Days before departure and the percentage refunded when cancelling then.
        {"T_B_Discount", {"intFate", "intDicount"}, {{30, 95}, {15, 80}, {7, 50}, {3, 20}}},
        {"T_B_EatGrade",
         {"curBreakfast", "curLunch", "curDinner", "curTotal", "strEatDesc"},
         {{5, 15, 15, 35, "经济餐"},
          {10, 20, 20, 50, "标准餐"},
          {15, 30, 30, 75, "优质餐"},
          {20, 50, 50, 120, "豪华餐"}}},
        names("T_B_airBuilder", {"国内航线", "国际航线", "港澳台航线"}),
        names("T_B_InsureType", {"旅行社责任险", "旅游意外险", "航空意外险", "境外旅游险"}),
        names("T_B_OtherType", {"签证费", "小费", "行李托运费", "景区交通费"}),
        names("T_B_Company_Type", {"国有企业", "民营企业", "外资企业", "事业单位", "政府机关"}),
        names("T_B_Cicerone_Degree", {"初级", "中级", "高级", "特级"}),
        names("T_B_Language_Type", {"普通话", "英语", "日语", "韩语", "粤语"}),
        names("T_B_Paper_Type", {"身份证", "护照", "军官证", "港澳通行证"}),
        names("T_B_Payoff_Type", {"现金", "银行转账", "支票", "信用卡"}),
        names("T_B_Privence_Infor", {"北京市", "上海市", "浙江省", "广东省", "四川省", "云南省"}),
        names("T_B_City_Infor", {"北京", "上海", "杭州", "广州", "成都", "昆明"}),
        names("T_B_Quote_Type", {"散客", "团体客户", "会员"}),
    };
}

bool insertRows(QSqlDatabase &db, const SeedRows &seed) {
    const QSqlDriver *driver = db.driver();
    QStringList columns;
    QStringList placeholders;
    for (const QString &column : seed.columns) {
        columns << driver->escapeIdentifier(column, QSqlDriver::FieldName);
        placeholders << "?";
    }
    const QString statement = QString("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(driver->escapeIdentifier(seed.table, QSqlDriver::TableName),
                                       columns.join(", "), placeholders.join(", "));

    QSqlQuery query(db);
    if (!query.prepare(statement)) {
        qWarning() << "seed:" << seed.table << query.lastError().text();
        return false;
    }
    for (const QVariantList &row : seed.rows) {
        for (int i = 0; i < row.size(); ++i)
            query.bindValue(i, row.at(i));
        if (!query.exec()) {
            qWarning() << "seed:" << seed.table << query.lastError().text();
            return false;
        }
    }
    return true;
}

} // namespace

bool seed(QSqlDatabase &db) {
    for (const SeedRows &rows : seedRows()) {
        if (!insertRows(db, rows))
            return false;
    }
    return true;
}

} // namespace schema
