// Settings (SysSetting) and the store row (SystemInfo) through CSysBLL.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "support/ShopDbTest.h"

namespace {

class SysSettings : public ShopDbTest {
protected:
    CSysBLL sys;
};

TEST_F(SysSettings, ReadsWithDefaults) {
    Exec(L"INSERT INTO SysSetting (SettingType, SettingVal) VALUES ('Null', NULL), ('Word', 'abc')");
    // A delivered setting; a missing one (keys are case-sensitive); NULL.
    EXPECT_EQ(sys.GetSysSettingForint(db, L"MoneyDecimalDot", 42), 2);
    EXPECT_EQ(sys.GetSysSettingForint(db, L"moneyDecimalDot", 42), 42);
    EXPECT_EQ(sys.GetSysSettingForCString(db, L"Nope", L"dflt") + L"|" + sys.GetSysSettingForCString(db, L"Null", L"x"),
              L"dflt|");
}

TEST_F(SysSettings, WritesInsertOnceThenUpdateAndKeepQuotes) {
    const int before = Int(L"SELECT count(*) FROM SysSetting");
    for (const wchar_t* value : {L"A4", L"小票"}) EXPECT_EQ(sys.UpdateSysSetting(db, L"Printer", value), 0);
    EXPECT_EQ(sys.UpdateSysSetting(db, L"it's", L"a', SettingType='IsUseDataSync"), 0);
    EXPECT_EQ(sys.GetSysSetting(db, L"it's") + L"|" + sys.GetSysSetting(db, L"IsUseDataSync"),
              L"a', SettingType='IsUseDataSync|0");
    EXPECT_EQ(Int(L"SELECT count(*) FROM SysSetting"), before + 2);
    // Function states are created on first read; setting one never read creates nothing.
    EXPECT_EQ(sys.GetFunState(db, L"Fun"), 0);
    EXPECT_EQ(sys.SetFunState(db, L"Fun", 3), 0);
    EXPECT_EQ(sys.GetFunState(db, L"Fun"), 3);
    sys.SetFunState(db, L"Other", 1);
    EXPECT_EQ(sys.GetSysSetting(db, L"Other"), L"");
}

TEST_F(SysSettings, WhatTheBillsDecide) {
    // The sale bill type most used, decided once; a shop without bills starts with sales.
    Exec(L"INSERT INTO SaleBills (BillType, DiscountRate) VALUES (1, 1), (2, 1.2), (2, 1), (0, 1), (0, 1)");
    EXPECT_EQ(sys.GetSysSetting_SaleBillType(db), 2);
    Exec(L"INSERT INTO SaleBills (BillType) VALUES (1), (1), (1)");
    EXPECT_EQ(sys.GetSysSetting_SaleBillType(db), 2);
    // Discount rates are in use once a bill has one below 1.
    EXPECT_EQ(sys.IsUseDiscountRate(db), 0);
    Exec(L"INSERT INTO PurBills (DiscountRate) VALUES (0.95)");
    EXPECT_EQ(sys.IsUseDiscountRate(db), 1);
    Exec(L"DELETE FROM SysSetting WHERE SettingType='BillType'; DELETE FROM SaleBills;");
    EXPECT_EQ(sys.GetSysSetting_SaleBillType(db), 1);
}

TEST_F(SysSettings, StoreRowColumnsSignatureAndSafeAddress) {
    EXPECT_EQ(sys.SaveSystemInfo(db, L"CompanyName", L"小店's"), 0);
    // A column argument that is more than a name never reaches the statement.
    EXPECT_EQ(sys.SaveSystemInfo(db, L"Industry='x', CompanyName", L"y"), -1);
    EXPECT_EQ(Text(L"SELECT Industry || '|' || CompanyName FROM SystemInfo"), L"|小店's");
    EXPECT_EQ(sys.SaveSMSSign(db, L"  【小店'S】, 欢迎  "), 0);
    EXPECT_EQ(sys.GetSMSSign(db), L"【小店*S】， 欢迎");
    // The safe address in any case, the number, and the number of a QQ mail address.
    sys.UpdateSafeEmail(db, L"12345@QQ.com");
    sys.UpdateSafeQQ(db, L"67890");
    const std::pair<const wchar_t*, int> answers[] = {
        {L" 12345@qq.com ", 1}, {L"67890", 1}, {L"12345", 1}, {L"1234", 0}, {L"' or ''='", 0}};
    for (const auto& [text, valid] : answers)
        EXPECT_EQ(sys.ValidateSafeEmail(db, text), valid) << CString(text).ToUtf8();
}

TEST_F(SysSettings, InstallationIdentifier) {
    // A version-4 GUID in "%x-%x-%x-%02x%02x-%02x%02x%02x%02x%02x%02x", then "-" and the suffix.
    const std::wstring guid = L"[0-9a-f]{1,8}-[0-9a-f]{1,4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}";
    CString id;
    sys.GetUserGUID(db, id, L"_ZUM12345678901");  // the suffix is cut to 10 characters
    sys.GetUserGUID(db, id, L"_ZUMother");        // and kept once made
    EXPECT_TRUE(std::regex_match(id.str(), std::wregex(guid + L"-_ZUM123456"))) << id;
    // An identifier without the marker is replaced, every time by another.
    Exec(L"UPDATE SystemInfo SET SysGUID='old-style-id'");
    std::set<std::wstring> seen;
    for (int i = 0; i < 20; ++i) sys.GetUserGUID(db, id, L""), seen.insert(id.str());
    EXPECT_TRUE(std::regex_match(id.str(), std::wregex(guid))) << id;
    EXPECT_EQ(seen.size(), 20u);
}

}  // namespace
