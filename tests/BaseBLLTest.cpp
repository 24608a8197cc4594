// Base data lists, the product type tree and the income/expense projects.
#include <gtest/gtest.h>

#include <vector>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

class BaseData : public ShopDbTest {
protected:
    void JournalChanges() { CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1"); }

    CBaseBLL base;
    CString error;
};

TEST_F(BaseData, UnitsAreUniquePerListRenamesReachTheirCopies) {
    EXPECT_EQ(base.InsertBaseData(db, L"打", 2, error), 0);
    EXPECT_EQ(RowsOf(db, L"select SearchCode, BaseType, CreateDate from BaseData where BaseName = '打'"),
              L"D|2|2013-05-06 14:03:09");
    EXPECT_EQ(base.InsertBaseData(db, L"打", 2, error), 1);
    EXPECT_EQ(error, L"打存在");
    EXPECT_EQ(base.InsertBaseData(db, L"打", 3, error), 0);  // another list may hold the same name
    EXPECT_EQ(Int(L"select count(*) from BaseData where BaseName = '打'"), 2);
    EXPECT_EQ(ListOf(base.GetBaseDataByType(db, L"斤", 2, error), L"BaseName"), L"斤,公斤");  // names ending in it
    // A rename reaches the stored copies.
    Exec(L"insert into Products (ProductName, TypeName) values ('笔', '支')");
    Exec(L"insert into Stocks (ProductID, TypeName) values (1, '支')");
    EXPECT_EQ(base.UpdateBaseData(db, 2, L"支", L"个", error), 2);  // another unit has the name
    EXPECT_EQ(base.UpdateBaseData(db, 2, L"支", L"枝", error), 0);
    EXPECT_EQ(Text(L"select p.TypeName || s.TypeName from Products p, Stocks s"), L"枝枝");
    EXPECT_EQ(base.DeleteBaseDataByName(db, L"枝", 2, error), 0);
    EXPECT_EQ(Int(L"select count(*) from BaseData where BaseName = '枝'"), 0);
}

class TypeTree : public BaseData {
protected:
    // 全部类别(1) ─┬─ 默认类别(2)
    //              ├─ 服装(3) ─┬─ 女装(4) ── 裙子(6)
    //              │           └─ 男装(5)
    //              └─ 食品(7)
    void SetUp() override {
        BaseData::SetUp();
        for (auto [name, parent] : std::vector<std::pair<const wchar_t*, int>>{
                 {L"服装", 1}, {L"女装", 3}, {L"男装", 3}, {L"裙子", 4}, {L"食品", 1}})
            ASSERT_EQ(base.InsertADBaseData(db, name, 1, parent, error), 0) << error;
    }
};

TEST_F(TypeTree, InsertTakesTheLevelBelowItsParentOnce) {
    EXPECT_EQ(
        RowsOf(db, L"select BaseName, ParentID, Level, SearchCode from AdvancedBaseData where ID > 2 order by ID"),
        L"服装|1|1|FZ\n女装|3|2|NZ\n男装|3|2|NZ\n裙子|4|3|QZ\n食品|1|1|SP-YP");
    // Under a parent that is not there the type starts a level of its own.
    EXPECT_EQ(base.InsertADBaseData(db, L"散货", 1, 99, error), 0);
    EXPECT_EQ(Int(L"select Level from AdvancedBaseData where BaseName = '散货'"), 0);
    EXPECT_EQ(base.InsertADBaseData(db, L"女装", 1, 1, error), 1);
    EXPECT_EQ(error, L"类别[女装]已经存在,请确认!");
    EXPECT_EQ(Int(L"select count(*) from AdvancedBaseData where BaseName = '女装'"), 1);
}

TEST_F(TypeTree, OnlyLeavesAreDeletedAndJournalled) {
    ASSERT_EQ(base.InsertADBaseData(db, L"饮料", 1, 7, error), 0);
    JournalChanges();
    EXPECT_EQ(base.DeleteAdBaseData(db, L"食品", 1, error), -1);
    EXPECT_EQ(error, L"该类别存在子类别，不容许删除，请确认！");
    EXPECT_EQ(Int(L"select count(*) from OperateData"), 0);
    EXPECT_EQ(base.DeleteAdBaseData(db, L"饮料", 1, error), 0);
    EXPECT_EQ(base.DeleteAdBaseData(db, L"食品", 1, error), 0);  // now a leaf
    EXPECT_EQ(RowsOf(db, L"select CValue, OType from OperateData"), L"8|D\n7|D");
    EXPECT_EQ(Int(L"select count(*) from AdvancedBaseData where ID in (7, 8)"), 0);
}

TEST_F(TypeTree, ChildIDsDepthFirstWithIndentedNames) {
    CString names = L"全部类别";  // a caller's own heading stays in front
    EXPECT_EQ(base.GetBaseChildIDsByID(db, L"1", 1, names), L"7,3,5,4,6,2");
    EXPECT_EQ(names, L"全部类别,  食品,  服装,    男装,    女装,      裙子,  默认类别");
    names.Empty();
    // Parent links that loop (a damaged tree) still end.
    Exec(L"update AdvancedBaseData set ParentID = 6 where ID = 3");
    EXPECT_EQ(base.GetBaseChildIDsByID(db, L"4", 1, names), L"6,3,5,4");
}

class TypeTreeWithProducts : public TypeTree {
protected:
    void SetUp() override {
        TypeTree::SetUp();
        // 女装(4) on a local and an online product, a sale line, a purchase line, a ledger row
        // and a customer price; 男装(5) on one more product.
        Exec(
            L"insert into Products (ProductName, TypeID, TypeName, IsLocal) values ('连衣裙', 4, '女装', 1), "
            L"('网店裙', 4, '女装', 0), ('衬衫', 5, '男装', 1)");
        for (const wchar_t* table : {L"SaleBillItems", L"PurBillItems", L"Stocks", L"CompPrice"})
            Exec(Fmt(L"insert into %s (ProductID, TypeID, TypeName) values (1, 4, '女装')", table));
    }
    CString TypeNamesOfWomenswear() {
        return Text(
            L"select (select group_concat(TypeName) from Products where TypeID = 4) || '|' || "
            L"(select TypeName from SaleBillItems) || (select TypeName from PurBillItems) || "
            L"(select TypeName from Stocks) || (select TypeName from CompPrice)");
    }
};

TEST_F(TypeTreeWithProducts, RefusedMovesChangeNothingRenamesCarryTheNameEverywhere) {
    EXPECT_EQ(base.UpdateADBaseData(db, 1, 3, 6, L"服装", error), -3);  // below its own grandchild
    EXPECT_EQ(base.UpdateADBaseData(db, 1, 4, 1, L"男装", error), -2);  // name of another type
    EXPECT_EQ(RowsOf(db, L"select ParentID, BaseName from AdvancedBaseData where ID in (3, 4)"), L"1|服装\n3|女装");
    EXPECT_EQ(TypeNamesOfWomenswear(), L"女装,女装|女装女装女装女装");

    ASSERT_EQ(base.UpdateADBaseData(db, 1, 4, 1, L"女士服装", error), 0) << error;
    EXPECT_EQ(RowsOf(db, L"select BaseName, SearchCode, ParentID, Level from AdvancedBaseData where ID = 4"),
              L"女士服装|NSFZ|1|1");
    // The online product keeps the catalogue's name; every local copy follows.
    EXPECT_EQ(TypeNamesOfWomenswear(), L"女士服装,女装|女士服装女士服装女士服装女士服装");
    EXPECT_EQ(Int(L"select Level from AdvancedBaseData where ID = 6"), 3);  // the descendants keep their stored levels
}

TEST_F(TypeTreeWithProducts, FailedRenameIsRolledBack) {
    Exec(L"drop table CompPrice");  // the last copy cannot be written
    EXPECT_EQ(base.UpdateADBaseData(db, 1, 4, 7, L"女士服装", error), -1);
    EXPECT_EQ(error, L"no such table: CompPrice");
    EXPECT_EQ(Text(L"select BaseName || ParentID || Level from AdvancedBaseData where ID = 4"), L"女装32");
    EXPECT_EQ(Text(L"select group_concat(TypeName) from Products where TypeID = 4"), L"女装,女装");
    EXPECT_EQ(Text(L"select TypeName from Stocks"), L"女装");
    Exec(L"begin transaction; commit transaction;");  // none is left open
}

class Projects : public BaseData {
protected:
    int Status(const wchar_t* name, const wchar_t* accountType, int isProfit = 0) {
        int status = 0;
        error.Empty();
        base.InsertProject(db, name, accountType, status, isProfit, error);
        return status;
    }
    int IdOf(const wchar_t* name) { return Int(Fmt(L"select ProjectID from Project where ProjectName = '%s'", name)); }
    CString ignored;
};

TEST_F(Projects, InsertRefusesNamesInUseAndOffersToSwitchOnASwitchedOffOne) {
    EXPECT_EQ(Status(L"房租", L"支出", 1), 0);
    EXPECT_EQ(Status(L"房租", L"支出"), 1);
    EXPECT_EQ(error, L"请输入不重复的项目名称！");
    ASSERT_EQ(base.DisableProject(db, IdOf(L"房租"), true, ignored), 0);
    EXPECT_EQ(Status(L"房租", L"支出"), 2);
    EXPECT_EQ(error, L"名称在收支项目中已经存在，但已经停用，是否立即启用？");
    EXPECT_EQ(Status(L"客户", L"支出"), 1);  // contact groups share the names
    EXPECT_EQ(Int(L"select count(*) from Project where ProjectName in ('房租', '客户')"), 2);  // one of each
}

TEST_F(Projects, UpdateCarriesNameAndSideIntoTheAccounts) {
    Status(L"杂费", L"支出");
    const int id = IdOf(L"杂费");
    Exec(
        Fmt(L"insert into Account (ProjectID, ProjectName, AccountType, InAmount, OutAmount) values "
            L"(%d, '杂费', '支出', 0, 30), (%d, '杂费', '支出', 0, 12.5), (1, '销售收入', '收入', 99, 0)",
            id, id));
    base.DisableProject(db, id, true, ignored);

    EXPECT_EQ(base.UpdateProject(db, id, L"销售收入", L"收入", 0, error), 1);
    EXPECT_EQ(error, L"请输入不重复的项目名称！");
    EXPECT_EQ(base.UpdateProject(db, id, L"杂项收入", L"收入", 1, error), 0);
    EXPECT_EQ(RowsOf(db, L"select ProjectName, AccountType, InAmount, OutAmount from Account order by AccountID"),
              L"杂项收入|收入|30.0|0.0\n杂项收入|收入|12.5|0.0\n销售收入|收入|99.0|0.0");
    EXPECT_EQ(Text(L"select SearchCode||IsDisable||IsProfit from Project where ProjectName = '杂项收入'"),
              L"ZXSR01");  // in use again
    // Back to expense moves the amounts back.
    EXPECT_EQ(base.UpdateProject(db, id, L"杂费", L"支出", 0, error), 0);
    EXPECT_EQ(Real(L"select sum(OutAmount) - sum(InAmount) from Account where ProjectName = '杂费'"), 42.5);
    EXPECT_EQ(base.DeleteProject(db, id, error), 0);
    EXPECT_EQ(Int(L"select count(*) from Project where ProjectName = '杂费'"), 0);
}

}  // namespace
