// Operators, login, rights and the function catalogue of CSysBLL.
#include <gtest/gtest.h>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

class SysUsers : public ShopDbTest {
protected:
    CString Users() { return RowsOf(db, L"SELECT ID, UserName, Password, IsDisable, IsRemPwd FROM User ORDER BY ID"); }
    CString Grants(const wchar_t* user) {
        return Text(Fmt(L"SELECT group_concat(ResCode) FROM UserResource WHERE UserName='%s'", user));
    }
    CSysBLL sys;
};

TEST_F(SysUsers, ANewShopHasTheAdministratorWithEveryRight) {
    EXPECT_EQ(Users(), L"1|Admin||0|0");
    EXPECT_TRUE(sys.IsPwdEmpty(db, L"Admin"));
    EXPECT_EQ(sys.GetRescTreeNum(db), 14);
    EXPECT_EQ(Int(L"SELECT count(*) FROM Resource"), Int(L"SELECT count(*) FROM UserResource WHERE UserName='1'"));
}

TEST_F(SysUsers, LoginIsRefusedWithoutChangingAnything) {
    ASSERT_EQ(sys.AddUser(db, L"张三", L"pw", L"男", L"", L""), 1);
    ASSERT_EQ(sys.AddUser(db, L"李四", L"pw", L"女", L"", L""), 1);
    ASSERT_EQ(sys.DisableUserByID(db, 3, 1), 0);
    const CString before = Users();
    const std::pair<const wchar_t*, const wchar_t*> refused[] = {
        {L"张三", L"PW"}, {L"张三", L""}, {L"王五", L"pw"}, {L"李四", L"pw"}, {L"' or 1=1 --", L"' or ''='"}};
    for (const auto& [name, password] : refused) {
        int id = 77;
        bool admin = true;
        EXPECT_FALSE(sys.ValidateLogin(db, name, password, id, admin, 1)) << CString(name);
        EXPECT_FALSE(sys.ValidateLogin2(db, name, password)) << CString(name);
        EXPECT_EQ(id, 77);
        EXPECT_TRUE(admin);
    }
    EXPECT_EQ(Users(), before);
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(SysUsers, LoginComparesNamesAndPasswordsInTheirStoredForm) {
    // Stored and compared safe: trimmed, the quote and the comma replaced.
    ASSERT_EQ(sys.AddUser(db, L" O'Brien ", L"a,b", L"", L"", L""), 1);
    EXPECT_EQ(Text(L"SELECT UserName || '|' || Password || '|' || CreateDate FROM User WHERE ID=2"),
              L"O*Brien|a，b|2013-05-06");
    int id = 0;
    bool admin = true;
    EXPECT_TRUE(sys.ValidateLogin(db, L"O'Brien", L" a,b ", id, admin, 1));
    EXPECT_EQ(id, 2);
    EXPECT_FALSE(admin);
    EXPECT_TRUE(sys.ValidateLogin(db, L"Admin", L"", id, admin, 0));
    EXPECT_EQ(id, 1);
    EXPECT_TRUE(admin);
    EXPECT_EQ(Users(), L"1|Admin||0|0\n2|O*Brien|a，b|0|1");
    CStringArray list;
    sys.GetLocalUsers(db, list);
    EXPECT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list[1], L"O*Brien;a，b;1");
}

TEST_F(SysUsers, AccountsKeepUniqueNamesAndTheAdministrator) {
    EXPECT_EQ(sys.AddUser(db, L"张三", L"", L"", L"", L""), 1);
    EXPECT_EQ(sys.AddUser(db, L"张三", L"x", L"", L"", L""), -2);
    EXPECT_EQ(sys.AddUser(db, L"  ", L"x", L"", L"", L""), -1);
    EXPECT_EQ(sys.AddUser(db, L"李四", L"", L"", L"", L""), 1);
    EXPECT_EQ(sys.UpdateUserByID(db, L"李四", 2), -2);
    EXPECT_EQ(sys.UpdateUserByID(db, L"张三丰", 2), 0);
    EXPECT_FALSE(sys.ChangeUsername(db, L"张三丰", L" "));
    EXPECT_FALSE(sys.ChangeUsername(db, L"张三丰", L"李四"));  // taken: refused by the table, logged
    EXPECT_EQ(TakeLog().size(), 1u);
    EXPECT_TRUE(sys.ChangeUsername(db, L"张三丰", L"老张"));
    EXPECT_TRUE(sys.ChangePassword(db, L"老张", L"new"));
    EXPECT_FALSE(sys.IsPwdEmpty(db, L"老张"));
    EXPECT_TRUE(sys.EnableUserItem(db, L"李四", false));
    EXPECT_FALSE(sys.IsEnableUserItem(db, L"李四"));
    EXPECT_EQ(Users(), L"1|Admin||0|0\n2|老张|new|0|0\n3|李四||1|0");
    EXPECT_EQ(ListOf(sys.GetLocalUsers(db, 0), L"UserName") + L";" + ListOf(sys.GetLocalUsers(db, 1), L"UserName"),
              L"Admin,老张;Admin,老张,李四");
    // The administrator can be neither deleted nor switched off.
    EXPECT_EQ(sys.DeleteUserByID(db, 1), -1);
    EXPECT_EQ(sys.DisableUserByID(db, 1, 1), -1);
    EXPECT_THROW(sys.DeleteUserItem(db, L"Admin"), CppSQLite3Exception);
    EXPECT_EQ(sys.GetUserNameByID(db, 1), L"Admin");
    EXPECT_TRUE(sys.DeleteUserItem(db, L"李四"));
    EXPECT_EQ(sys.DeleteUserByID(db, 2), 0);
    EXPECT_EQ(Users(), L"1|Admin||0|0");
    EXPECT_EQ(sys.GetUserNameByID(db, 2), L"");
}

TEST_F(SysUsers, ProfilePasswordReminderAndBillsOfAnOperator) {
    sys.AddUser(db, L"张三", L"123", L"男", L"138", L"z@s.cn");
    sys.AddUser(db, L"李四", L"456", L"女", L"", L"");
    sys.EnableUserItem(db, L"李四", false);
    EXPECT_EQ(sys.UpdateAdminUserTel(db, L"0571-8"), 0);
    EXPECT_EQ(RowsOf(db, L"SELECT Sex, Tel, Email FROM User WHERE ID>1 OR IsAdmin=1 ORDER BY ID"),
              L"|0571-8|\n男|138|z@s.cn\n女||");
    EXPECT_EQ(sys.GetUserPsw(db), L"Admin 的密码是：\"\" 张三 的密码是：\"123\" ");
    sys.SaveUserEmotion(db, L"张三", L"心情好'");
    EXPECT_EQ(sys.GetUserEmotion(db, L"张三"), L"心情好'");
    CString directory;
    sys.GetCurrentDirectoryW(directory);
    sys.SaveHeadPic(db, L"张三", L"C:\\old\\skin\\head\\1.png");
    EXPECT_EQ(sys.GetHeadPic(db, L"张三"), directory + L"skin\\head\\1.png");
    EXPECT_EQ(sys.GetHeadPic(db, L"nobody"), L"");
    EXPECT_EQ(sys.UserIsUsed(db, L"张三"), 0);
    Exec(L"INSERT INTO PurBills (UserName) VALUES ('张三')");
    EXPECT_EQ(sys.UserIsUsed(db, L"张三"), 1);
}

TEST_F(SysUsers, RightsGrantedAndRevoked) {
    sys.AddUser(db, L"张三", L"", L"", L"", L"");
    EXPECT_EQ(sys.SetUserAllResc(db, L"2"), 1);
    EXPECT_EQ(Grants(L"2"), Grants(L"1"));
    EXPECT_EQ(sys.DelUserAllResc(db, L"2"), 0);
    EXPECT_EQ(sys.SetUserResc(db, L"INSERT INTO UserResource VALUES('2','0100')"), 1);
    EXPECT_EQ(sys.SetUserResc(db, L""), 1);
    EXPECT_EQ(Grants(L"2"), L"0100");
    EXPECT_EQ(ListOf(sys.GetUserPriv(db, L"2"), L"ResCode"), L"0100");
    // Granted rights read IsOK 1 in every tree.
    CppSQLite3Query tree = sys.GetUserResc(db, L"2");
    EXPECT_EQ(tree.getStringField(L"ResCode") + tree.getStringField(L"IsOK"), L"01001");
    tree.nextRow();
    EXPECT_EQ(tree.getStringField(L"ResCode") + tree.getStringField(L"IsOK"), L"02000");
    EXPECT_EQ(ListOf(sys.GetUserRescByPID(db, L"1", L"0400"), L"ResName"), L"进货单查询,进货明细,供应商进货统计");
    // Grouped tree: each group before its rights.
    CString grouped;
    for (CppSQLite3Query q = sys.GetUserRescNew(db, L"2"); !q.eof() && grouped.GetLength() < 40; q.nextRow())
        grouped += q.getStringField(L"ResCode") + L":" + q.getStringField(L"OrderID") + L":" + q.getStringField(L"IsOK") + L" ";
    EXPECT_EQ(grouped, L"0100:-1:1 0200:-1:0 020001:1:0 020002:2:0 ");

    // The operator logged in decides, by ID; the administrator holds everything.
    const std::tuple<const wchar_t*, const wchar_t*, int, int> checks[] = {
        {L"2", L"0100", 7, 1}, {L"2", L"0200", 7, 0}, {L"1", L"0200", 7, 1}, {nullptr, L"0100", 2, 1},
        {nullptr, L"0100", 3, 0}, {nullptr, L"xx", 1, 1}};
    for (const auto& [current, code, argument, expected] : checks) {
        Exec(L"DELETE FROM SysSetting WHERE SettingType='CurLoginUserID'");
        if (current) sys.UpdateSysSetting(db, L"CurLoginUserID", current);
        EXPECT_EQ(sys.CheckUserResource(db, code, argument), expected) << CString(code) << argument;
    }
    EXPECT_EQ(sys.HasPrivilege(db, L"2", L"销售", L"销售开单"), 0);
    EXPECT_EQ(sys.HasPrivilege(db, L"1", L"销售", L"销售开单"), 1);
    EXPECT_EQ(sys.HasPrivilege(db, L"2", L"销售", L"没有这个权限"), 1);
    EXPECT_EQ(sys.DelUserAllResc(db, L"2"), 0);
    sys.UpdateSysSetting(db, L"CurLoginUserID", L"2");
    EXPECT_EQ(sys.CheckUserResource(db, L"0100", 2), 0);
}

TEST_F(SysUsers, TheRightsTreeByIDAndReportGroups) {
    const int sales = Int(L"SELECT ID FROM Resource WHERE ResCode='020001'");
    const int report = Int(L"SELECT ID FROM Resource WHERE ResCode='270003'");
    EXPECT_EQ(sys.GetResCodeByID(db, report), L"270003");
    EXPECT_EQ(sys.GetResCode(db, L"店长日报", report) + L"|" + sys.GetResCode(db, L"销售开单", report), L"270003|");
    EXPECT_EQ(sys.IsHaveViewRes(db, report), 1);
    EXPECT_EQ(sys.IsHaveViewRes(db, sales), 0);
}

TEST_F(SysUsers, TheHostsRightsStatementMayWriteGrantsOnly) {
    const CString before = Users();
    for (const wchar_t* sql : {L"DELETE FROM User", L"UPDATE User SET Password='x'", L"DROP TABLE Resource",
                               L"INSERT INTO UserResource SELECT UserName, Password FROM User; DELETE FROM User"}) {
        EXPECT_EQ(sys.SetUserResc(db, sql), -1) << CString(sql);
        EXPECT_EQ(TakeLog(), (std::vector<CString>{L"SetUserRes error", sql}));
    }
    EXPECT_EQ(Users(), before);
    EXPECT_EQ(Int(L"SELECT count(*) FROM Resource"), 59);
    // The restriction ends with the call.
    EXPECT_EQ(sys.AddUser(db, L"张三", L"", L"", L"", L""), 1);
}

// A downloaded function: FuncId .. FuncSite.
CStringArray Func(const wchar_t* code, const wchar_t* name, const wchar_t* desc, const wchar_t* release,
                  const wchar_t* orderNo = L"1") {
    CStringArray values;
    for (int i = 0; i < 37; ++i) values.Add(L"");
    values[1] = code, values[2] = name, values[4] = desc, values[12] = L"1", values[14] = values[15] = L"0", values[16] = orderNo, values[18] = release;
    return values;
}

TEST_F(SysUsers, FunctionCatalogue) {
    CStringArray a = Func(L"F1", L"短信", L"群发短信", L"2013-01-01", L"2"), b = Func(L"F2", L"盘点", L"库存盘点", L"2013-01-01");
    EXPECT_EQ(sys.UpdateFunc(db, a), 0);
    EXPECT_EQ(sys.UpdateFunc(db, b), 0);
    a[4] = L"群发短信'新";
    EXPECT_EQ(sys.UpdateFunc(db, a), 0);  // same code: updated
    CStringArray older = Func(L"F9", L"盘点", L"旧", L"2012-01-01"), newer = Func(L"F2", L"盘点", L"新", L"2013-06-01");
    EXPECT_EQ(sys.UpdateFuncByName(db, older), 0);  // an older release changes nothing
    EXPECT_EQ(RowsOf(db, L"SELECT FuncCode, \"Desc\", OrderNo FROM Func ORDER BY ID"), L"F1|群发短信'新|2\nF2|库存盘点|1");
    EXPECT_EQ(sys.UpdateFuncByName(db, newer), 0);
    EXPECT_EQ(Text(L"SELECT \"Desc\" FROM Func WHERE FuncCode='F2'"), L"新");
    CStringArray shortRow;
    shortRow.Add(L"F3");
    EXPECT_EQ(sys.UpdateFunc(db, shortRow), -1);
    EXPECT_EQ(TakeLog(), (std::vector<CString>{L"UpdateFunc Err:a function has 37 values, not 1"}));

    EXPECT_EQ(sys.UpdateAppApply(db, L"F1", 1), 1);
    EXPECT_EQ(sys.UpdateAppUse(db, L"F1", 1), 1);
    EXPECT_EQ(sys.UpdateAppUse(db, L"F7", 1), 0);
    EXPECT_EQ(sys.FuncIsUse(db, L"F1") * 10 + sys.FuncIsUse(db, L"F2"), 10);
    const std::tuple<const wchar_t*, const wchar_t*, bool, const wchar_t*> lists[] = {
        {L"", L"", false, L"F2,F1"}, {L"", L"", true, L"F2,F1"}, {L"短信", L"", false, L"F1"},
        {L"盘点", L"", false, L"F2"}, {L"", L"3", false, L"F1"}, {L"", L"4", false, L"F1"}, {L"新", L"3", false, L"F1"}};
    for (const auto& [key, type, all, codes] : lists)
        EXPECT_EQ(ListOf(sys.GetFuncList(db, key, type, all), L"FuncCode"), codes) << CString(key) << CString(type) << all;
    EXPECT_EQ(ListOf(sys.GetFuncListBySite(db, L""), L"FuncCode"), L"F2,F1");
    EXPECT_EQ(ListOf(sys.GetFuncByName(db, L"盘点"), L"FuncCode") + ListOf(sys.GetFuncByCode(db, L"F1"), L"FuncName"),
              L"F2短信");
}

}  // namespace
