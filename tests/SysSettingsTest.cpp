// Settings (SysSetting) and the store row (SystemInfo) through CSysBLL.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "support/ShopDbTest.h"

namespace {

using Lines = std::vector<CString>;

class SysSettings : public ShopDbTest {
protected:
    CSysBLL sys;
};

TEST_F(SysSettings, ReadsWithDefaults) {
    Exec(L"INSERT INTO SysSetting (SettingType, SettingVal) VALUES ('Null', NULL), ('Num', '17'), ('Word', 'abc')");
    const struct {
        const wchar_t *key, *text;
        int number;            // default 42
        const wchar_t* value;  // default "dflt"
    } reads[] = {
        // A new shop's settings; BillType is decided later.
        {L"IsUseDataSync", L"0", 0, L"0"},  {L"AccountMode", L"0", 0, L"0"}, {L"IsUseEachDiscount", L"0", 0, L"0"},
        {L"MoneyDecimalDot", L"2", 2, L"2"}, {L"BillType", L"", 42, L"dflt"},
        // Missing, NULL, a number, a word; keys are case-sensitive.
        {L"Nope", L"", 42, L"dflt"}, {L"Null", L"", 42, L""}, {L"Num", L"17", 17, L"17"}, {L"Word", L"abc", 0, L"abc"},
        {L"num", L"", 42, L"dflt"},
    };
    for (const auto& r : reads) {
        SCOPED_TRACE(CString(r.key).ToUtf8());
        EXPECT_EQ(sys.GetSysSetting(db, r.key), r.text);
        EXPECT_EQ(sys.GetSysSettingForint(db, r.key, 42), r.number);
        EXPECT_EQ(sys.GetSysSettingForCString(db, r.key, L"dflt"), r.value);
    }
    // The helper's locked read logs an error; the unlocked one lets it pass.
    CSysBLLEx ex;
    EXPECT_EQ(ex.GetSysSetting(db, L"MoneyDecimalDot"), L"2");
    Exec(L"DROP TABLE SysSetting");
    EXPECT_EQ(ex.GetSysSetting(db, L"MoneyDecimalDot"), L"");
    EXPECT_EQ(TakeLog(), Lines{L"GetSysSetting Err:no such table: SysSetting"});
    EXPECT_THROW(sys.GetSysSetting(db, L"MoneyDecimalDot"), CppSQLite3Exception);
}

TEST_F(SysSettings, WritesInsertOnceThenUpdateAndKeepQuotes) {
    const int before = Int(L"SELECT count(*) FROM SysSetting");
    EXPECT_EQ(sys.UpdateSysSetting(db, L"Printer", L"A4"), 0);
    EXPECT_EQ(sys.UpdateSysSetting(db, L"Printer", L"小票"), 0);
    EXPECT_EQ(sys.GetSysSetting(db, L"Printer"), L"小票");
    EXPECT_EQ(sys.UpdateSysSetting(db, L"it's", L"O'Neil's"), 0);
    EXPECT_EQ(sys.UpdateSysSetting(db, L"it's", L"x' WHERE 1=1 --"), 0);
    EXPECT_EQ(sys.GetSysSettingForCString(db, L"it's", L""), L"x' WHERE 1=1 --");
    EXPECT_EQ(sys.UpdateSysSetting(db, L"Mode", L"a', SettingType='IsUseDataSync"), 0);
    EXPECT_EQ(sys.GetSysSetting(db, L"IsUseDataSync"), L"0");  // no other row touched
    EXPECT_EQ(Int(L"SELECT count(*) FROM SysSetting"), before + 3);

    // Function states are created on first read; setting one never read creates nothing.
    EXPECT_EQ(sys.GetFunState(db, L"q'uote"), 0);
    EXPECT_EQ(sys.GetSysSetting(db, L"q'uote"), L"0");
    EXPECT_EQ(sys.SetFunState(db, L"q'uote", 3), 0);
    EXPECT_EQ(sys.GetFunState(db, L"q'uote"), 3);
    EXPECT_EQ(sys.SetFunState(db, L"Other", 1), 0);
    EXPECT_EQ(Int(L"SELECT count(*) FROM SysSetting WHERE SettingType='Other'"), 0);
}

TEST_F(SysSettings, SaleBillTypeIsDecidedOnceFromTheBills) {
    Exec(L"INSERT INTO SaleBills (BillType) VALUES (1), (2), (2), (0), (0)");
    EXPECT_EQ(sys.GetSysSetting_SaleBillType(db), 2);
    EXPECT_EQ(sys.GetSysSetting(db, L"BillType"), L"2");
    Exec(L"INSERT INTO SaleBills (BillType) VALUES (1), (1), (1)");
    EXPECT_EQ(sys.GetSysSetting_SaleBillType(db), 2);  // already decided
    Exec(L"DELETE FROM SysSetting WHERE SettingType='BillType'");
    EXPECT_EQ(sys.GetSysSetting_SaleBillType(db), 1);
    EXPECT_EQ(sys.GetSysSetting(db, L"BillType"), L"1");
    // A shop without bills, and a tie, start with sales.
    Exec(L"DELETE FROM SysSetting WHERE SettingType='BillType'; DELETE FROM SaleBills;");
    EXPECT_EQ(sys.GetSysSetting_SaleBillType(db), 1);
    Exec(L"UPDATE SysSetting SET SettingVal='-1' WHERE SettingType='BillType'; "
         L"INSERT INTO SaleBills (BillType) VALUES (1), (2);");
    EXPECT_EQ(sys.GetSysSetting_SaleBillType(db), 1);
}

TEST_F(SysSettings, DiscountRateInUse) {
    EXPECT_EQ(sys.IsUseDiscountRate(db), 0);
    Exec(L"INSERT INTO SaleBills (DiscountRate) VALUES (1), (1.2)");
    EXPECT_EQ(sys.IsUseDiscountRate(db), 0);
    Exec(L"INSERT INTO PurBills (DiscountRate) VALUES (0.95)");
    EXPECT_EQ(sys.IsUseDiscountRate(db), 1);
    Exec(L"DELETE FROM PurBills; INSERT INTO SaleBills (DiscountRate) VALUES (0.8)");
    EXPECT_EQ(sys.IsUseDiscountRate(db), 1);
    Exec(L"DROP TABLE PurBills");
    EXPECT_EQ(sys.IsUseDiscountRate(db), 0);
    EXPECT_EQ(TakeLog(), Lines{L"IsUseDiscountRate Err:no such table: PurBills"});
    EXPECT_EQ(CSysBLL::m_lock.HeldCount(), 0);
}

// --- Store row ---------------------------------------------------------------------------------

TEST_F(SysSettings, StoreColumnsByName) {
    EXPECT_EQ(sys.SaveSystemInfo(db, L"CompanyName", L"老王's 小店"), 0);
    EXPECT_EQ(sys.GetSystemInfo(db, L"CompanyName"), L"老王's 小店");
    EXPECT_EQ(sys.GetSystemInfo(db, L"version"), L"1.0.0.1");
    EXPECT_TRUE(TakeLog().empty());

    EXPECT_EQ(sys.GetSystemInfo(db, L"Nope"), L"");
    EXPECT_EQ(sys.SaveSystemInfo(db, L"Nope", L"x"), -1);
    // A column argument that is more than a name never reaches the statement.
    EXPECT_EQ(sys.SaveSystemInfo(db, L"Industry='x', CompanyName", L"y"), -1);
    EXPECT_EQ(TakeLog(), (Lines{L"GetSystemInfo Error:Invalid field name requested: Nope",
                                L"SaveSystemInfo Error:no such column: Nope",
                                L"SaveSystemInfo Error:invalid column name: Industry='x', CompanyName"}));
    EXPECT_EQ(Text(L"SELECT Industry || '|' || CompanyName FROM SystemInfo"), L"|老王's 小店");
}

TEST_F(SysSettings, HoursSignatureAndSafeAddress) {
    EXPECT_EQ(sys.AddUsedHour(db, 1.5), 0);
    EXPECT_EQ(sys.AddUsedHour(db, 0.333), 0);  // two decimals
    EXPECT_DOUBLE_EQ(sys.GetUsedHour(db), 1.83);
    Exec(L"UPDATE SystemInfo SET CompanyName='小店'");
    EXPECT_EQ(sys.GetSMSSign(db), L"小店");  // the store's name until one is saved
    EXPECT_EQ(sys.SaveSMSSign(db, L"  【小店'S】, 欢迎  "), 0);
    EXPECT_EQ(sys.GetSMSSign(db), L"【小店*S】， 欢迎");
    EXPECT_EQ(sys.SaveKuaipanAccount(db, L"o'neil@kuaipan"), 0);
    EXPECT_EQ(sys.GetKuaipanAccount(db), L"o'neil@kuaipan");

    // The safe address in any case, the number, and the number of a QQ mail address.
    EXPECT_EQ(sys.UpdateSafeEmail(db, L"12345@QQ.com"), 0);
    EXPECT_EQ(sys.UpdateSafeQQ(db, L"67890"), 0);
    const std::pair<const wchar_t*, int> answers[] = {{L" 12345@qq.com ", 1}, {L"67890", 1}, {L"12345", 1},
                                                      {L"1234", 0},           {L"", 0},      {L"' or ''='", 0}};
    for (const auto& [text, valid] : answers)
        EXPECT_EQ(sys.ValidateSafeEmail(db, text), valid) << CString(text).ToUtf8();
    EXPECT_EQ(sys.UpdateSafeEmail(db, L"boss@example.com"), 0);
    EXPECT_EQ(sys.ValidateSafeEmail(db, L"boss"), 0);  // only QQ mail accepts the short form
    EXPECT_EQ(sys.ValidateSafeEmail(db, L"Boss@Example.com"), 1);
    EXPECT_EQ(sys.UpdateSafeQQ(db, L""), 0);
    EXPECT_EQ(sys.ValidateSafeEmail(db, L"67890"), 0);
    CString contact, email;
    sys.GetContactMail(db, contact, email);
    EXPECT_EQ(email, L"boss@example.com");

    // Without the store row: the fallbacks; without the table: logged errors.
    Exec(L"DELETE FROM SystemInfo");
    EXPECT_EQ(sys.GetAppVersion(db) + L"|" + sys.GetSMSSign(db), L"1.0.0.1|");
    EXPECT_EQ(sys.GetUsedHour(db), 0.0);
    Exec(L"DROP TABLE SystemInfo");
    EXPECT_EQ(sys.AddUsedHour(db, 1), -1);
    EXPECT_EQ(sys.GetUsedHour(db), 0.0);
    EXPECT_EQ(sys.GetSafeEmail(db), L"");
    EXPECT_EQ(sys.UpdateSafeQQ(db, L"1"), -1);
    EXPECT_EQ(sys.ValidateSafeEmail(db, L"1"), 0);
    EXPECT_EQ(sys.GetKuaipanAccount(db), L"");
    EXPECT_EQ(TakeLog(), (Lines{L"CSysBLL::AddUsedHour() 异常.", L"CSysBLL::GetUsedHour() 异常.",
                                L"GetSafeEmail Error:no such table: SystemInfo",
                                L"UpdateSafeQQ Error:no such table: SystemInfo",
                                L"ValidateSafeEmail Error:no such table: SystemInfo",
                                L"GetKuaipanAccount Error:no such table: SystemInfo"}));
    EXPECT_THROW(sys.GetAppVersion(db), CppSQLite3Exception);
}

TEST_F(SysSettings, InstallationIdentifier) {
    // "%x-%x-%x-%02x%02x-%02x%02x%02x%02x%02x%02x" of a version-4 GUID, then "-" and the suffix.
    const std::wstring guid = L"[0-9a-f]{1,8}-[0-9a-f]{1,4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}";
    CString id, again;
    sys.GetUserGUID(db, id, L"_ZUM12345678901");  // the suffix is cut to 10 characters
    EXPECT_TRUE(std::regex_match(id.str(), std::wregex(guid + L"-_ZUM123456"))) << id;
    EXPECT_EQ(Text(L"SELECT SysGUID FROM SystemInfo"), id);
    sys.GetUserGUID(db, again, L"_ZUMother");
    EXPECT_EQ(again, id);  // kept once made

    // An identifier without the marker is replaced, every time by another.
    Exec(L"UPDATE SystemInfo SET SysGUID='old-style-id'");
    std::set<std::wstring> seen;
    for (int i = 0; i < 20; ++i) {
        sys.GetUserGUID(db, id, L"");
        EXPECT_TRUE(std::regex_match(id.str(), std::wregex(guid))) << id;
        seen.insert(id.str());
    }
    EXPECT_EQ(seen.size(), 20u);
    EXPECT_EQ(sys.SetUserGUID(db, L"given'_ZUM"), 0);
    sys.GetUserGUID(db, id, L"_ZUM");
    EXPECT_EQ(id, L"given'_ZUM");
}

}  // namespace
