#include "schema.h"

namespace schema {

namespace {

using K = Kind;

// Code tables: a key and the name other tables store. T_B_Line_Type spells its key LngID
// because the route and group trees select it under that name.
QVector<Column> codeColumns(const QString &key = "lngid") {
    return {{key, K::AutoNumber, "编号"}, {"strName", K::Text, "名称"}};
}

Table codeTable(const QString &name) {
    return {name, codeColumns()};
}

QVector<Table> codeTables() {
    return {
        codeTable("T_B_Cost_Type"),
        codeTable("T_B_Customer_Type"),
        codeTable("T_B_Team_Grade"),
        {"T_B_Line_Type", codeColumns("LngID")},
        codeTable("T_B_Occupation_Type"),
        codeTable("T_B_Education_Degree"),
        codeTable("T_B_OuterLink_Type"),
        codeTable("T_B_CompanySize"),
        codeTable("T_B_TravelAuto_Degrea"),
        codeTable("T_B_Hotel_Degree"),
        {"T_B_Room_Type",
         codeColumns() + QVector<Column>{{"intPersonnum", K::Integer, "房间人数"}}},
        codeTable("T_B_SteamBoat_Degree"),
        codeTable("T_B_Train_Degree"),
        codeTable("T_B_SteamTicket_Degree"),
        codeTable("T_B_TrainTicket_Degree"),
        codeTable("T_B_Sight_Degree"),
        codeTable("T_B_TravelKnow_Degree"),
        codeTable("T_B_AirTicket_Degree"),
        {"T_B_Discount",
         {{"lngid", K::AutoNumber, "编号"},
          {"intFate", K::Integer, "出团前天数"},
          {"intDicount", K::Integer, "退款标准"}}},
        {"T_B_EatGrade",
         {{"lngid", K::AutoNumber, "编号"},
          {"curBreakfast", K::Currency, "早餐"},
          {"curLunch", K::Currency, "午餐"},
          {"curDinner", K::Currency, "晚餐"},
          {"curTotal", K::Currency, "合计"},
          {"strEatDesc", K::Text, "餐标"}}},
        codeTable("T_B_airBuilder"),
        codeTable("T_B_InsureType"),
        codeTable("T_B_OtherType"),
        codeTable("T_B_Company_Type"),
        codeTable("T_B_Cicerone_Degree"),
        codeTable("T_B_Language_Type"),
        codeTable("T_B_Paper_Type"),
        codeTable("T_B_Payoff_Type"),
        codeTable("T_B_Privence_Infor"),
        codeTable("T_B_City_Infor"),
        codeTable("T_B_Quote_Type"),
    };
}

QVector<Column> touristColumns() {
    return {
        {"lngid", K::AutoNumber, "编号"},     {"strName", K::Text, "姓名"},
        {"strsex", K::Text, "性别"},          {"datbirth", K::DateTime, "出生日期"},
        {"strver", K::Text, "证件"},          {"strver_num", K::Text, "证件号码"},
        {"str_type", K::Text, "类型"},        {"strtel1", K::Text, "电话"},
        {"strmtel", K::Text, "手机"},         {"str_email", K::Text, "电子邮件"},
        {"str_addr", K::Text, "住址"},        {"str_zip", K::Text, "邮编"},
        {"str_company", K::Text, "工作单位"}, {"strcity", K::Text, "所在地区"},
        {"strMarry", K::Text, "婚否"},        {"strEducation", K::Text, "教育程度"},
        {"strSalary", K::Text, "工资收入"},   {"strFaverate", K::Text, "个人爱好"},
        {"strFrom", K::Text, "游客来源"},     {"suggest", K::Text, "反馈意见"},
        {"str_note", K::Text, "备注"},        {"strgroupid", K::Text, "团队"},
        {"strLineName", K::Text, "线路"},     {"strwork", K::Text, "业务员"},
        {"shouldpay", K::Currency, "应付款"}, {"infactpay", K::Currency, "实付款"},
        {"weishou", K::Currency, "未收"},     {"datReg_time", K::DateTime, "报名时间"},
    };
}

// Ticket, visa, guide and coach companies share one layout.
QVector<Column> otherSupplierColumns() {
    return {
        {"strOtherCompany_name", K::Text, "单位名称"}, {"strLink_Name", K::Text, "联系人"},
        {"StrLink_Phone", K::Text, "联系电话"},        {"StrLink_Fax", K::Text, "传真"},
        {"StrLink_Mail", K::Text, "电子邮件"},         {"StrLink_postCode", K::Text, "邮政编码"},
        {"StrLink_Address", K::Text, "联系地址"},      {"StrLink_web", K::Text, "网址"},
        {"StrOherCompany_Explain", K::Text, "说明"},
    };
}

QVector<Table> buildTables() {
    QVector<Table> result = {
        {"T_I_User_Infor",
         {
             {"lngid", K::AutoNumber, "编号"},
             {"strUser_Identity", K::Text, "个人帐号"},
             {"strUser_Password", K::Text, "密码"},
             {"strUser_Name", K::Text, "姓名"},
             {"bitUser_Sex", K::Text, "性别"},
             {"datUser_Birthday", K::DateTime, "出生日期"},
             {"bitUser_Marry", K::Text, "婚姻状况"},
             {"strEducationDegree", K::Text, "学历"},
             {"bitFullTime", K::Text, "是否在职"},
             {"bitCicerone", K::Text, "是否导游"},
             {"strUser_Phone", K::Text, "办公电话"},
             {"strUser_HomePhone", K::Text, "住宅电话"},
             {"StrUser_Address", K::Text, "家庭住址"},
             {"strUser_Mail", K::Text, "电子邮件"},
             {"strDepartment_Name", K::Text, "所属部门"},
             {"qiantai", K::YesNo, "前台处理权"},
             {"xianlu", K::YesNo, "线路维护权"},
             {"jitiao", K::YesNo, "团队计调权"},
             {"kehugx", K::YesNo, "客户信息维护"},
             {"caiwu", K::YesNo, "财务审核权"},
             {"xtwh", K::YesNo, "系统维护权"},
             {"ziliao", K::YesNo, "资料录入权"},
             {"data", K::YesNo, "数据维护权"},
         }},
        {"T_I_Department_Infor1",
         {
             {"lngid", K::AutoNumber, "编号"},
             {"strDepartment_Name", K::Text, "部门名称"},
             {"strDepartment_Memo", K::Text, "部门说明"},
         }},
        {"T_I_Company_Infor",
         {
             {"strTravel_Name", K::Text, "旅行社名称"},
             {"strTravel_Code", K::Text, "旅行社代码"},
             {"StrCityName", K::Text, "所在城市"},
             {"strTravel_Manager", K::Text, "总经理"},
             {"strLink_Phone", K::Text, "电话"},
             {"strLink_Postcode", K::Text, "邮编"},
             {"strLink_Address", K::Text, "联系地址"},
             {"strLink_Fax", K::Text, "传真"},
             {"strLink_Mail", K::Text, "电子邮件"},
             {"strTravel_web", K::Text, "主页"},
             {"bitInterNational", K::YesNo, "是否国际旅社"},
             {"strCount_Name", K::Text, "银行帐户名"},
             {"strCount_Num", K::Text, "银行帐号"},
             {"strCount_Bank", K::Text, "开户行"},
         }},
        {"T_I_PowerGroup", {{"strPowerGroupName", K::Text, "权限组名称"}}},
    };

    result += codeTables();

    result += {
        {"T_Line_BaseInfor",
         {
             {"lngid", K::AutoNumber, "编号"},
             {"strBeginCityName", K::Text, "始发地"},
             {"strEndCityName", K::Text, "目的地"},
             {"strLineName", K::Text, "线路名称"},
             {"strlineSName", K::Text, "线路简称"},
             {"PersonCost", K::Currency, "成人报价"},
             {"ChildCost", K::Currency, "儿童报价"},
             {"intlineFate", K::Integer, "行程天数"},
             {"strLineAreaName", K::Text, "线路区域"},
             {"strFoodDegree", K::Text, "用餐标准"},
             {"BitlineState", K::Text, "线路状态"},
             {"strLineDegree", K::Text, "线路等级"},
             {"strLineType", K::Text, "线路类型"},
             {"LineDayAnPai", K::LongText, "线路日程安排"},
             {"LineAddMemo", K::LongText, "线路附加说明"},
         }},
        {"T_Group_BaseInfor",
         {
             {"lngid", K::AutoNumber, "编号"},
             {"strGroupID", K::Text, "团队编号"},
             {"strLineName", K::Text, "线路名称"},
             {"strLineAreaName", K::Text, "线路区域"},
             {"strGroupDegree", K::Text, "团队等级"},
             {"strFoodDegree", K::Text, "用餐标准"},
             {"strCiceCroneDegree", K::Text, "导游等级"},
             {"intCiceroneNum", K::Integer, "导游人数"},
             {"intMaxNum", K::Integer, "报名最大人数"},
             {"intTotalNum", K::Integer, "当前报名人数"},
             {"intGroupState", K::Text, "团队状态"},
             {"dtBeginTime", K::DateTime, "出团时间"},
             {"dtEndTime", K::DateTime, "回团时间"},
             {"strWork", K::Text, "业务员"},
             {"strGroupDesc", K::LongText, "团队说明"},
             {"bitUpLoad", K::Any, "是否发布"},
         }},
        {"T_tourist_data", touristColumns()},
        // Only emptied by the initialise command; it mirrors the tourist table.
        {"T_tourist_data2", touristColumns()},
        {"T_company_data",
         {
             {"strCompany_Name", K::Text, "单位名称"},
             {"strCompany_Jname", K::Text, "简称"},
             {"strCompany_linkman", K::Text, "联系人"},
             {"strCompany_tel", K::Text, "联系人电话"},
             {"strCompany_fax", K::Text, "传真"},
             {"strCompany_email", K::Text, "电子邮件"},
             {"strCompany_zip", K::Text, "邮编"},
             {"strCompany_addr", K::Text, "地址"},
             {"strCompany_city", K::Text, "所在城市"},
             {"strCompany_homepage", K::Text, "网址"},
             {"strCompany_occupation", K::Text, "行业"},
             {"strCompany_model", K::Text, "规模描述"},
             {"strCompany_bank", K::Text, "开户行"},
             {"strCompany_account", K::Text, "帐号"},
             {"strCompany_note", K::Text, "备注"},
         }},
        {"T_Auditing_Bill",
         {
             {"strGroupID", K::Text, "团队编号"},
             {"strAuditingType", K::Text, "审核科目"},
             {"strBillInfactID", K::Text, "单据号"},
             {"strEnterpriseName", K::Text, "核算对象"},
             {"curInfactCost", K::Currency, "金额"},
             {"bitDirection", K::Text, "收付"},
             {"strConfirmPerson", K::Text, "审核人"},
             {"bitConfirm", K::Text, "审核否"},
             {"dtConfirmTime", K::DateTime, "确认时间"},
             {"strothermsg", K::LongText, "补充说明"},
         }},
        {"T_I_Travel_Infor",
         {
             {"strTravel_Name", K::Text, "旅行社名称"},
             {"strTravel_Code", K::Text, "旅行社代码"},
             {"StrCityName", K::Text, "所在城市"},
             {"strTravel_Manager", K::Text, "负责人"},
             {"strLinkMan", K::Text, "联系人"},
             {"strLink_Phone", K::Text, "联系人电话"},
             {"strLink_Fax", K::Text, "传真"},
             {"strLink_Mail", K::Text, "电子邮件"},
             {"strLink_Postcode", K::Text, "邮编"},
             {"strLink_Address", K::Text, "地址"},
             {"strTravel_web", K::Text, "网址"},
             {"strCountBank", K::Text, "开户行"},
             {"strTravelCount", K::Text, "帐号"},
             {"strTravelSize", K::Text, "规模描述"},
             {"IntTravelKnow_ID", K::Text, "熟悉程度"},
             {"bitInterNational", K::Text, "是否为国际旅行社"},
             {"beizhu", K::Text, "备注"},
             {"strTravel_Explain", K::Text, "说明"},
         }},
        {"T_I_TrainLine_Infor",
         {
             {"strTrainLine_Code", K::Text, "车次"},
             {"StrBeginCityName", K::Text, "始发城市"},
             {"StrEndCityName", K::Text, "抵达城市"},
             {"timLeave_Time", K::DateTime, "始发时间"},
             {"timArrive_Time", K::DateTime, "抵达时间"},
             {"intTrainLine_Night", K::Integer, "过夜数"},
             {"TrainLine_detail", K::Text, "备注"},
             {"intTrainType_ID", K::Any, "车型代码"},
             {"IntTrainLine_Distance", K::Integer, "距离"},
             {"BitAir_Conditing", K::YesNo, "是否空调"},
         }},
        {"T_I_Car_Infor",
         {
             {"StrBeginCityName", K::Text, "始发城市"},
             {"StrEndCityName", K::Text, "终点城市"},
             {"timLeave_Time", K::DateTime, "离站时间"},
             {"timArrive_Time", K::DateTime, "到站时间"},
             {"IntCarLine_night", K::Integer, "过夜数"},
             {"bitCar_Seat", K::Any, "客车等级"},
             {"bitAir_Condition", K::Any, "是否空调"},
             {"strCar_Explain", K::Text, "备注"},
         }},
        {"T_I_Steam_Infor",
         {
             {"strSteam_Code", K::Text, "船次/船名"},
             {"StrBeginCityName", K::Text, "始发城市"},
             {"StrEndCityName", K::Text, "抵达城市"},
             {"timLeave_Time", K::DateTime, "开船时间"},
             {"timArrive_Time", K::DateTime, "到港时间"},
             {"intSteam_night", K::Integer, "过夜数"},
             {"StrSteam_up", K::Text, "上下水"},
             {"strSteam_type", K::Text, "轮船等级"},
             {"strSteam_Schedule", K::Text, "班期描述"},
         }},
        {"T_I_AirLine_Infor",
         {
             {"StrBeginCityName", K::Text, "始发城市"},
             {"strEndCityName", K::Text, "抵达城市"},
             {"strAirLine_Code", K::Text, "航班号"},
             {"strAirLine_Schedule", K::Text, "班期"},
             {"timLeave_Time", K::DateTime, "起飞时间"},
             {"timArrive_Time", K::DateTime, "到达时间"},
             {"intAirLine_night", K::Integer, "过夜数"},
             {"strAir_Code", K::Text, "机型"},
             {"strAirwaysName", K::Text, "航空公司"},
         }},
        {"T_I_Sight_Infor",
         {
             {"strSight_Name", K::Text, "景点名称"},
             {"StrCityName", K::Text, "所在城市"},
             {"intTravel_Time", K::Integer, "耗时"},
             {"StrLink_Name", K::Text, "联系人"},
             {"StrLink_Phone", K::Text, "联系电话"},
             {"StrLink_Fax", K::Text, "传真"},
             {"StrLink_Address", K::Text, "联系地址"},
             {"StrLink_Mail", K::Text, "电子邮件"},
             {"StrLink_Postcode", K::Text, "邮政编码"},
             {"strSight_web", K::Text, "主页"},
             {"strSight_Explain", K::LongText, "景点说明"},
         }},
        {"T_I_Hotel_Infor",
         {
             {"strHotel_Name", K::Text, "酒店名称"},
             {"StrCityName", K::Text, "所在城市"},
             {"intHotelDegree_ID", K::Text, "酒店等级"},
             {"intRoom_Num", K::Integer, "房间数"},
             {"strLink_Name", K::Text, "联系人"},
             {"strLink_Phone", K::Text, "联系电话"},
             {"strLink_Fax", K::Text, "传真"},
             {"strLink_Mail", K::Text, "电子邮件"},
             {"strLink_Postcode", K::Text, "邮政编码"},
             {"strAddress", K::Text, "联系地址"},
             {"strhotel_Explain", K::LongText, "酒店说明"},
             {"bitAirport_Service", K::Any, "机场接送"},
         }},
        {"T_I_Ground_Infor",
         {
             {"strGround_Name", K::Text, "场所名称"},
             {"StrCityName", K::Text, "所在城市"},
             {"strLink_Name", K::Text, "联系人"},
             {"strLink_Phone", K::Text, "联系电话"},
             {"strLink_Fax", K::Text, "传真"},
             {"strLink_Mail", K::Text, "电子邮件"},
             {"strLink_Address", K::Text, "联系地址"},
             {"strGround_web", K::Text, "主页地址"},
             {"strGround_Explain", K::LongText, "说明"},
         }},
        {"T_I_dingpiao", otherSupplierColumns()},
        {"T_I_qianzheng", otherSupplierColumns()},
        {"T_I_daoyou", otherSupplierColumns()},
        {"T_I_Other_Infor", otherSupplierColumns()},
        {"T_I_AntoCost",
         {
             {"strAutoDegree", K::Text, "旅游车等级"},
             {"strcityname", K::Text, "所在城市"},
             {"strTarget", K::Text, "目的地"},
             {"curAutoCost", K::Currency, "总成本"},
         }},
    };
    return result;
}

QString sqlType(Kind kind) {
    switch (kind) {
    case Kind::AutoNumber:
        return "INTEGER PRIMARY KEY AUTOINCREMENT";
    case Kind::Text:
    case Kind::LongText:
        return "TEXT COLLATE NOCASE";
    case Kind::Integer:
        return "INTEGER";
    case Kind::Currency:
        return "CURRENCY";
    case Kind::DateTime:
        return "DATETIME";
    case Kind::YesNo:
        return "BOOLEAN";
    case Kind::Any:
        break;
    }
    // No declared type: SQLite keeps whatever value is stored, as stored.
    return {};
}

QString quoted(const QString &identifier) {
    return '"' + QString(identifier).replace('"', "\"\"") + '"';
}

} // namespace

const QVector<Table> &tables() {
    static const QVector<Table> all = buildTables();
    return all;
}

const Table *findTable(const QString &name) {
    for (const Table &table : tables()) {
        if (table.name.compare(name, Qt::CaseInsensitive) == 0)
            return &table;
    }
    return nullptr;
}

const Column *findColumn(const Table &table, const QString &column) {
    for (const Column &candidate : table.columns) {
        if (candidate.name.compare(column, Qt::CaseInsensitive) == 0)
            return &candidate;
    }
    return nullptr;
}

QString createStatement(const Table &table) {
    QStringList definitions;
    for (const Column &column : table.columns) {
        const QString type = sqlType(column.kind);
        definitions << (type.isEmpty() ? quoted(column.name) : quoted(column.name) + ' ' + type);
    }
    return "CREATE TABLE " + quoted(table.name) + " (" + definitions.join(", ") + ')';
}

QStringList indexStatements() {
    // The columns lists filter on: a group's registrations, groups by state and departure.
    return {"CREATE INDEX ix_tourist_group ON T_tourist_data(strgroupid)",
            "CREATE INDEX ix_group_state ON T_Group_BaseInfor(intGroupState)",
            "CREATE INDEX ix_group_begin ON T_Group_BaseInfor(dtBeginTime)"};
}

} // namespace schema
