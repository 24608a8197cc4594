// Settings (SysSetting) and the store row (SystemInfo) through CSysBLL.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <set>

#include "support/ShopDbTest.h"

namespace {

// "%x-%x-%x-%02x%02x-%02x%02x%02x%02x%02x%02x" of a version-4 GUID, then "-" and the suffix.
bool IsGuidText(const CString& id, const CString& suffix) {
    CStringArray parts;
    CSysBLL().splitString(id, '-', parts);
    if (parts.GetSize() != (suffix.IsEmpty() ? 5 : 6)) return false;
    if (!suffix.IsEmpty() && parts[5] != suffix) return false;
    const int minLength[] = {1, 1, 4, 4, 12}, maxLength[] = {8, 4, 4, 4, 12};
    for (int i = 0; i < 5; ++i) {
        const CString& p = parts[i];
        if (p.GetLength() < minLength[i] || p.GetLength() > maxLength[i]) return false;
        for (int k = 0; k < p.GetLength(); ++k)
            if (!((p[k] >= L'0' && p[k] <= L'9') || (p[k] >= L'a' && p[k] <= L'f'))) return false;
    }
    return parts[2][0] == L'4' && CString(L"89ab").Find(parts[3][0]) >= 0;  // version 4, RFC 4122 variant
}

class SysSettings : public ShopDbTest {
protected:
    CSysBLL sys;
};

TEST_F(SysSettings, NewShopStartsWithItsSettings) {
    EXPECT_EQ(sys.GetSysSetting(db, L"IsUseDataSync"), L"0");
    EXPECT_EQ(sys.GetSysSettingForint(db, L"AccountMode", -5), 0);
    EXPECT_EQ(sys.GetSysSettingForint(db, L"IsUseEachDiscount", -5), 0);
    EXPECT_EQ(sys.GetSysSettingForint(db, L"MoneyDecimalDot", 0), 2);
    EXPECT_EQ(sys.GetSysSettingForint(db, L"BillType", -1), -1);  // decided later
}

TEST_F(SysSettings, ReadsWithDefaults) {
    EXPECT_EQ(sys.GetSysSetting(db, L"Nope"), L"");
    EXPECT_EQ(sys.GetSysSettingForint(db, L"Nope", 42), 42);
    EXPECT_EQ(sys.GetSysSettingForCString(db, L"Nope", L"dflt"), L"dflt");
    Exec(L"INSERT INTO SysSetting (SettingType, SettingVal) VALUES ('Null', NULL), ('Num', '17'), ('Word', 'abc')");
    EXPECT_EQ(sys.GetSysSetting(db, L"Null"), L"");
    EXPECT_EQ(sys.GetSysSettingForint(db, L"Null", 42), 42);
    EXPECT_EQ(sys.GetSysSettingForCString(db, L"Null", L"dflt"), L"");
    EXPECT_EQ(sys.GetSysSettingForint(db, L"Num", 42), 17);
    EXPECT_EQ(sys.GetSysSettingForint(db, L"Word", 42), 0);
    EXPECT_EQ(sys.GetSysSettingForCString(db, L"Num", L"dflt"), L"17");
    EXPECT_EQ(sys.GetSysSetting(db, L"num"), L"");  // keys are case-sensitive
}

TEST_F(SysSettings, UpdateInsertsOnceThenUpdates) {
    EXPECT_EQ(sys.UpdateSysSetting(db, L"Printer", L"A4"), 0);
    EXPECT_EQ(sys.UpdateSysSetting(db, L"Printer", L"小票"), 0);
    EXPECT_EQ(sys.GetSysSetting(db, L"Printer"), L"小票");
    EXPECT_EQ(Int(L"SELECT count(*) FROM SysSetting WHERE SettingType='Printer'"), 1);
}

TEST_F(SysSettings, FunctionStatesAreCreatedOnFirstRead) {
    EXPECT_EQ(sys.GetFunState(db, L"ShowTips"), 0);
    EXPECT_EQ(sys.GetSysSetting(db, L"ShowTips"), L"0");
    EXPECT_EQ(sys.SetFunState(db, L"ShowTips", 3), 0);
    EXPECT_EQ(sys.GetFunState(db, L"ShowTips"), 3);
    // Setting a state that was never read creates nothing.
    EXPECT_EQ(sys.SetFunState(db, L"Other", 1), 0);
    EXPECT_EQ(Int(L"SELECT count(*) FROM SysSetting WHERE SettingType='Other'"), 0);
}

TEST_F(SysSettings, QuotesInKeysAndValuesAreStoredAsGiven) {
    const int before = Int(L"SELECT count(*) FROM SysSetting");
    EXPECT_EQ(sys.UpdateSysSetting(db, L"it's", L"O'Neil's"), 0);
    EXPECT_EQ(sys.UpdateSysSetting(db, L"it's", L"x' WHERE 1=1 --"), 0);
    EXPECT_EQ(sys.GetSysSetting(db, L"it's"), L"x' WHERE 1=1 --");
    EXPECT_EQ(sys.GetSysSettingForCString(db, L"it's", L""), L"x' WHERE 1=1 --");
    EXPECT_EQ(sys.UpdateSysSetting(db, L"Mode", L"a', SettingType='IsUseDataSync"), 0);
    EXPECT_EQ(sys.GetSysSetting(db, L"IsUseDataSync"), L"0");  // no other row touched
    EXPECT_EQ(Int(L"SELECT count(*) FROM SysSetting"), before + 2);
    EXPECT_EQ(sys.GetFunState(db, L"q'uote"), 0);
    EXPECT_EQ(sys.SetFunState(db, L"q'uote", 1), 0);
    EXPECT_EQ(sys.GetFunState(db, L"q'uote"), 1);
    EXPECT_EQ(sys.GetSysSettingForint(db, L"q'uote", 9), 1);
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

    // A tie, and a shop without bills, start with sales.
    Exec(L"DELETE FROM SysSetting WHERE SettingType='BillType'; DELETE FROM SaleBills;");
    EXPECT_EQ(sys.GetSysSetting_SaleBillType(db), 1);
    Exec(L"UPDATE SysSetting SET SettingVal='-1' WHERE SettingType='BillType'; INSERT INTO SaleBills (BillType) VALUES (1), (2);");
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
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"IsUseDiscountRate Err:no such table: PurBills"});
    EXPECT_EQ(CSysBLL::m_lock.HeldCount(), 0);
}

TEST_F(SysSettings, LockedSettingReadOfTheHelper) {
    CSysBLLEx ex;
    EXPECT_EQ(ex.GetSysSetting(db, L"MoneyDecimalDot"), L"2");
    EXPECT_EQ(ex.GetSysSetting(db, L"Nope"), L"");
    Exec(L"DROP TABLE SysSetting");
    EXPECT_EQ(ex.GetSysSetting(db, L"MoneyDecimalDot"), L"");
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"GetSysSetting Err:no such table: SysSetting"});
    // The unlocked one lets the error pass.
    EXPECT_THROW(sys.GetSysSetting(db, L"MoneyDecimalDot"), CppSQLite3Exception);
}

// --- Store row ---------------------------------------------------------------------------------

TEST_F(SysSettings, StoreColumnsByName) {
    EXPECT_EQ(sys.SaveSystemInfo(db, L"CompanyName", L"老王's 小店"), 0);
    EXPECT_EQ(sys.GetSystemInfo(db, L"CompanyName"), L"老王's 小店");
    EXPECT_EQ(sys.GetSystemInfo(db, L"version"), L"1.0.0.1");
    EXPECT_TRUE(TakeLog().empty());

    EXPECT_EQ(sys.GetSystemInfo(db, L"Nope"), L"");
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"GetSystemInfo Error:Invalid field name requested: Nope"});
    EXPECT_EQ(sys.SaveSystemInfo(db, L"Nope", L"x"), -1);
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"SaveSystemInfo Error:no such column: Nope"});
    // A column argument that is more than a name never reaches the statement.
    EXPECT_EQ(sys.SaveSystemInfo(db, L"Industry='x', CompanyName", L"y"), -1);
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"SaveSystemInfo Error:invalid column name: Industry='x', CompanyName"});
    EXPECT_EQ(Text(L"SELECT Industry || '|' || CompanyName FROM SystemInfo"), L"|老王's 小店");
}

TEST_F(SysSettings, StoreInfoWithTheChosenTypes) {
    CString industry = L"stale", mode = L"stale", types = L"stale";
    EXPECT_EQ(sys.GetStoreInfo(db, industry, mode, types), 1);
    EXPECT_EQ(industry, L"");
    EXPECT_EQ(types, L"");
    Exec(L"UPDATE SystemInfo SET Industry='服装', OperMode='零售'");
    sys.SaveSysProdInfo(db, L"男装", L"服装");
    sys.SaveSysProdInfo(db, L"女装", L"服装");
    sys.SaveSysProdInfo(db, L"手机", L"数码");
    EXPECT_EQ(sys.GetStoreInfo(db, industry, mode, types), 1);
    EXPECT_EQ(industry, L"服装");
    EXPECT_EQ(mode, L"零售");
    EXPECT_TRUE(types == L"男装|女装" || types == L"女装|男装") << types;

    CppSQLite3Query all = sys.GetStoreInfo(db);
    ASSERT_FALSE(all.eof());
    EXPECT_EQ(all.getStringField(L"OperMode"), L"零售");
    all.finalize();

    Exec(L"DROP TABLE UserSelProdType");
    EXPECT_EQ(sys.GetStoreInfo(db, industry, mode, types), 0);
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"GetStoreInfo Err:no such table: UserSelProdType"});
}

TEST_F(SysSettings, VersionHoursAndSignature) {
    EXPECT_EQ(sys.GetAppVersion(db), L"1.0.0.1");
    EXPECT_EQ(sys.SaveNewAppVersion(db, L"1.2.0.7"), 0);
    EXPECT_EQ(sys.GetAppVersion(db), L"1.2.0.7");

    EXPECT_EQ(sys.GetUsedHour(db), 0.0);
    EXPECT_EQ(sys.AddUsedHour(db, 1.5), 0);
    EXPECT_EQ(sys.AddUsedHour(db, 0.333), 0);  // two decimals
    EXPECT_DOUBLE_EQ(sys.GetUsedHour(db), 1.83);

    Exec(L"UPDATE SystemInfo SET CompanyName='小店'");
    EXPECT_EQ(sys.GetSMSSign(db), L"小店");
    EXPECT_EQ(sys.SaveSMSSign(db, L"  【小店'S】, 欢迎  "), 0);
    EXPECT_EQ(sys.GetSMSSign(db), L"【小店*S】， 欢迎");

    Exec(L"DELETE FROM SystemInfo");
    EXPECT_EQ(sys.GetAppVersion(db), L"1.0.0.1");
    EXPECT_EQ(sys.GetUsedHour(db), 0.0);
    EXPECT_EQ(sys.GetSMSSign(db), L"");
    Exec(L"DROP TABLE SystemInfo");
    EXPECT_EQ(sys.AddUsedHour(db, 1), -1);
    EXPECT_EQ(sys.GetUsedHour(db), 0.0);
    EXPECT_EQ(TakeLog(), (std::vector<CString>{L"CSysBLL::AddUsedHour() 异常.", L"CSysBLL::GetUsedHour() 异常."}));
    EXPECT_THROW(sys.GetAppVersion(db), CppSQLite3Exception);
}

TEST_F(SysSettings, SafeAddressAndNumber) {
    EXPECT_EQ(sys.UpdateSafeEmail(db, L"12345@QQ.com"), 0);
    EXPECT_EQ(sys.UpdateSafeQQ(db, L"67890"), 0);
    EXPECT_EQ(sys.GetSafeEmail(db), L"12345@QQ.com");
    EXPECT_EQ(sys.GetSafeQQ(db), L"67890");
    EXPECT_EQ(sys.ValidateSafeEmail(db, L" 12345@qq.com "), 1);
    EXPECT_EQ(sys.ValidateSafeEmail(db, L"67890"), 1);
    EXPECT_EQ(sys.ValidateSafeEmail(db, L"12345"), 1);  // the number of a QQ mail address
    EXPECT_EQ(sys.ValidateSafeEmail(db, L"1234"), 0);
    EXPECT_EQ(sys.ValidateSafeEmail(db, L""), 0);
    EXPECT_EQ(sys.ValidateSafeEmail(db, L"' or ''='"), 0);

    EXPECT_EQ(sys.UpdateSafeEmail(db, L"boss@example.com"), 0);
    EXPECT_EQ(sys.ValidateSafeEmail(db, L"boss"), 0);  // only QQ mail accepts the short form
    EXPECT_EQ(sys.ValidateSafeEmail(db, L"Boss@Example.com"), 1);
    EXPECT_EQ(sys.UpdateSafeQQ(db, L""), 0);
    EXPECT_EQ(sys.ValidateSafeEmail(db, L"67890"), 0);

    Exec(L"UPDATE SystemInfo SET Contact='王老板'");
    CString contact, email;
    sys.GetContactMail(db, contact, email);
    EXPECT_EQ(contact, L"王老板");
    EXPECT_EQ(email, L"boss@example.com");

    EXPECT_EQ(sys.SaveKuaipanAccount(db, L"o'neil@kuaipan"), 0);
    EXPECT_EQ(sys.GetKuaipanAccount(db), L"o'neil@kuaipan");

    Exec(L"DROP TABLE SystemInfo");
    EXPECT_EQ(sys.GetSafeEmail(db), L"");
    EXPECT_EQ(sys.UpdateSafeQQ(db, L"1"), -1);
    EXPECT_EQ(sys.ValidateSafeEmail(db, L"1"), 0);
    EXPECT_EQ(sys.GetKuaipanAccount(db), L"");
    EXPECT_EQ(TakeLog(), (std::vector<CString>{L"GetSafeEmail Error:no such table: SystemInfo",
                                               L"UpdateSafeQQ Error:no such table: SystemInfo",
                                               L"ValidateSafeEmail Error:no such table: SystemInfo",
                                               L"GetKuaipanAccount Error:no such table: SystemInfo"}));
}

TEST_F(SysSettings, FlagsOfTheStore) {
    EXPECT_EQ(sys.GetIsIncludeNetProd(db), 0);
    EXPECT_EQ(sys.UpdateIsIncludeNetProd(db, 1), 0);
    EXPECT_EQ(sys.GetIsIncludeNetProd(db), 1);
    EXPECT_EQ(sys.UpdateSysDownLaodFlag(db, L"1"), 0);
    EXPECT_EQ(Text(L"SELECT Field1 FROM SystemInfo"), L"1");
}

TEST_F(SysSettings, InstallationIdentifier) {
    CString id;
    sys.GetUserGUID(db, id, L"_ZUM12345678901");  // the suffix is cut to 10 characters
    EXPECT_TRUE(IsGuidText(id, L"_ZUM123456")) << id;
    EXPECT_EQ(Text(L"SELECT SysGUID FROM SystemInfo"), id);
    CString again;
    sys.GetUserGUID(db, again, L"_ZUMother");
    EXPECT_EQ(again, id);  // kept once made

    // An identifier without the marker is replaced, every time.
    Exec(L"UPDATE SystemInfo SET SysGUID='old-style-id'");
    std::set<std::wstring> seen;
    for (int i = 0; i < 20; ++i) {
        sys.GetUserGUID(db, id, L"");
        EXPECT_TRUE(IsGuidText(id, L"")) << id;
        seen.insert(id.str());
    }
    EXPECT_EQ(seen.size(), 20u);

    EXPECT_EQ(sys.SetUserGUID(db, L"given'_ZUM"), 0);
    sys.GetUserGUID(db, id, L"_ZUM");
    EXPECT_EQ(id, L"given'_ZUM");
}

}  // namespace
