// Base data lists, the product type tree and the income/expense projects.
#include <gtest/gtest.h>

#include <vector>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Sql;

namespace {

class BaseData : public ShopDbTest {
protected:
    void JournalChanges() { CSysBLL().UpdateSysSetting(db, L"IsUseDataSync", L"1"); }

    CBaseBLL base;
    CString error;
};

// --- Flat lists ---------------------------------------------------------------------------

TEST_F(BaseData, InsertUnitOnceAndListByKeyOrByProduct) {
    EXPECT_EQ(base.InsertBaseData(db, L"", 2, error), 0);  // nothing to do
    EXPECT_EQ(base.InsertBaseData(db, L"打", 2, error), 0);
    EXPECT_EQ(
        RowsOf(db,
               L"select SearchCode, BaseType, UserID, CreateDate, LastUpdateDate from BaseData where BaseName = '打'"),
        L"D|2|0|2013-05-06 14:03:09|2013-05-06 14:03:09");
    EXPECT_TRUE(error.IsEmpty());
    EXPECT_EQ(base.InsertBaseData(db, L"打", 2, error), 1);
    EXPECT_EQ(error, L"打存在");
    EXPECT_EQ(Int(L"select count(*) from BaseData where BaseName = '打'"), 1);
    // Another list may hold the same name; a quote is stored as typed.
    EXPECT_EQ(base.InsertBaseData(db, L"打", 3, error), 0);
    EXPECT_EQ(base.InsertBaseData(db, L"O'Neil", 3, error), 0);
    EXPECT_TRUE(base.IsExist(db, L"O'Neil", 3, error));
    EXPECT_FALSE(base.IsExist(db, L"O'Neil", 2, error));

    error.Empty();
    // Name or search code ending in the key; the key is made safe, not escaped.
    EXPECT_EQ(ListOf(base.GetBaseDataByType(db, L"斤", 2, error), L"BaseName"), L"斤,公斤");
    EXPECT_EQ(ListOf(base.GetBaseDataByType(db, L" GJ ", 2, error), L"BaseName"), L"公斤");
    EXPECT_EQ(ListOf(base.GetBaseDataByType(db, L"斤", 3, error), L"BaseName"), L"");
    EXPECT_EQ(ListOf(base.GetBaseDataByType(db, L"'", 2, error), L"BaseName"), L"");
    Exec(
        L"insert into Products (ProductName, SearchCode, UnitID, SecUnitID) values ('可乐', 'KL', "
        L"(select ID from BaseData where BaseName = '个'), (select ID from BaseData where BaseName = '箱'))");
    EXPECT_EQ(ListOf(base.GetBaseDataByProd(db, L"KL", error), L"BaseName"), L"个,箱");
    EXPECT_EQ(ListOf(base.GetBaseDataByProd(db, L"可乐", error), L"BaseName"), L"个,箱");
    EXPECT_EQ(ListOf(base.GetBaseDataByProd(db, L"雪碧", error), L"BaseName"), L"");
    EXPECT_TRUE(error.IsEmpty());
}

TEST_F(BaseData, RenameAndDelete) {
    Exec(L"insert into Products (ProductName, TypeName) values ('笔', '支')");
    Exec(L"insert into Stocks (ProductID, TypeName) values (1, '支')");
    EXPECT_EQ(base.UpdateBaseData(db, 2, L"支", L"个", error), 2);  // another unit has the name
    EXPECT_EQ(base.UpdateBaseData(db, 2, L"支", L"枝", error), 0);
    EXPECT_FALSE(base.IsExist(db, L"支", 2, error));
    // The stored copies follow, by the columns the statements name.
    EXPECT_EQ(Text(L"select p.TypeName || s.TypeName from Products p, Stocks s"), L"枝枝");
    EXPECT_EQ(base.UpdateBaseData(db, 2, L"枝", L"枝", error), 0);  // its own name is no clash

    EXPECT_EQ(base.DeleteBaseDataByName(db, L"枝", 3, error), 0);  // other list: nothing
    EXPECT_TRUE(base.IsExist(db, L"枝", 2, error));
    EXPECT_EQ(base.DeleteBaseDataByName(db, L"枝", 2, error), 0);
    EXPECT_EQ(base.DeleteBaseData(db, Int(L"select ID from BaseData where BaseName = '箱'"), error), 0);
    EXPECT_EQ(Int(L"select count(*) from BaseData where BaseName in ('枝', '箱')"), 0);
    EXPECT_TRUE(error.IsEmpty());
}

TEST_F(BaseData, DatabaseErrorsGoToTheErrorTextAndTheLog) {
    Exec(L"drop table BaseData");
    EXPECT_EQ(base.InsertBaseData(db, L"打", 2, error), 1);
    EXPECT_EQ(error, L"no such table: BaseData");
    EXPECT_EQ(base.UpdateBaseData(db, 2, L"个", L"打", error), 1);
    EXPECT_TRUE(base.GetBaseDataByType(db, L"", 2, error).eof());
    Exec(L"drop table Account");
    EXPECT_EQ(base.UpdateProject(db, 1, L"销售", L"收入", 0, error), 1);
    EXPECT_EQ(error, L"no such table: Account");
    const std::vector<CString> log = TakeLog();
    // The insert's own lookup reports its failure too, then the insert fails.
    EXPECT_EQ(log.size(), 5u) << Joined(log);
    EXPECT_EQ(log.back(), L"no such table: Account");
}

TEST_F(BaseData, IndustryCatalogue) {
    Exec(L"insert into SystemProdType (TypeName, ParentID) values ('服装鞋帽', 0), ('女装', 1), ('童装', 1)");
    Exec(
        L"insert into UserSelProdType (TypeName, Industry, IsImport) values ('女装', '服装鞋帽', 1), "
        L"('女装', '其他', 0), ('童装', '服装鞋帽', 0)");
    EXPECT_EQ(ListOf(base.GetSystemProdType(db, 1), L"TypeName"), L"女装,童装");
    EXPECT_EQ(base.GetSystemProdTypeID(db, L"童装"), 3);
    EXPECT_EQ(ListOf(base.GetUserSelProdType(db, L"女装"), L"Industry"), L"服装鞋帽");
    EXPECT_TRUE(base.IsExistUserSelType(db, L"女装"));
    EXPECT_FALSE(base.IsExistUserSelType(db, L"童装"));  // chosen, not imported
    EXPECT_EQ(base.DeleteUserSelProdType(db, L"女装"), 2);
    EXPECT_EQ(base.DeleteUserSelProdType(db, L"女装"), 0);
    Exec(L"drop table SystemProdType");
    EXPECT_THROW(base.GetSystemProdTypeID(db, L"童装"), CppSQLite3Exception);  // errors pass
}

// --- Product type tree -------------------------------------------------------------------

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
    int Level(const wchar_t* name) {
        return Int(Sql(L"select Level from AdvancedBaseData where BaseName = '%s'", name));
    }
};

TEST_F(TypeTree, InsertTakesTheLevelBelowItsParentAndLookupsFindIt) {
    EXPECT_EQ(
        RowsOf(db, L"select BaseName, ParentID, Level, SearchCode from AdvancedBaseData where ID > 2 order by ID"),
        L"服装|1|1|FZ\n女装|3|2|NZ\n男装|3|2|NZ\n裙子|4|3|QZ\n食品|1|1|SP-YP");
    EXPECT_EQ(Text(L"select CreateDate from AdvancedBaseData where BaseName = '服装'"), L"2013-05-06 14:03:09");
    // Under a parent that is not there the type starts a level of its own.
    EXPECT_EQ(base.InsertADBaseData(db, L"散货", 1, 99, error), 0);
    EXPECT_EQ(Level(L"散货"), 0);
    EXPECT_EQ(base.InsertADBaseData(db, L"女装", 1, 1, error), 1);
    EXPECT_EQ(error, L"类别[女装]已经存在,请确认!");
    EXPECT_EQ(Int(L"select count(*) from AdvancedBaseData where BaseName = '女装'"), 1);

    error.Empty();
    EXPECT_EQ(base.GetADBaseDataID(db, L"女装", 1, error), 4);
    EXPECT_EQ(base.GetADBaseDataID(db, L"无'此", 1, error), 0);
    EXPECT_EQ(base.GetProdTypeIDByTypeName(db, L"男装"), 5);
    EXPECT_EQ(base.GetTypeIDsByName(db, L"装", 1, error), L"3,4,5,");
    EXPECT_EQ(ListOf(base.GetAdBaseDataByType(db, L"装", 1, error), L"BaseName"), L"男装,女装,服装");
    EXPECT_EQ(ListOf(base.GetADBaseChildDataByName(db, L"服装", 1, error), L"BaseName"), L"男装,女装");
    EXPECT_TRUE(base.IsExistSubType(db, L"女装"));
    EXPECT_FALSE(base.IsExistSubType(db, L"裙子"));
    EXPECT_TRUE(error.IsEmpty());
    // The default type is found by its ID and remark, whatever its name.
    EXPECT_EQ(base.GetDefaultTypeName(db), L"默认类别");
    ASSERT_EQ(base.UpdateADBaseData(db, 1, 2, 1, L"其他", error), 0);
    EXPECT_EQ(base.GetDefaultTypeName(db), L"其他");
    Exec(L"update AdvancedBaseData set Remark = '' where ID = 2");
    EXPECT_EQ(base.GetDefaultTypeName(db), L"");
}

TEST_F(TypeTree, InsertAndDeleteAreJournalled) {
    JournalChanges();
    ASSERT_EQ(base.InsertADBaseData(db, L"饮料", 1, 7, error), 0);
    EXPECT_EQ(RowsOf(db, L"select CName, CValue, OType from OperateData where TName = 'AdvancedBaseData'"), L"ID|8|A");
    Exec(L"delete from OperateData");

    EXPECT_EQ(base.DeleteAdBaseData(db, L"食品", 1, error), -1);
    EXPECT_EQ(error, L"该类别存在子类别，不容许删除，请确认！");
    EXPECT_TRUE(base.IsTypeExist(db, L"食品", 1, error));
    EXPECT_EQ(Int(L"select count(*) from OperateData"), 0);

    EXPECT_EQ(base.DeleteAdBaseData(db, L"饮料", 1, error), 0);
    EXPECT_FALSE(base.IsTypeExist(db, L"饮料", 1, error));
    EXPECT_EQ(RowsOf(db, L"select CValue, OType from OperateData"), L"8|D");
    EXPECT_EQ(base.DeleteAdBaseData(db, L"食品", 1, error), 0);  // now a leaf
    EXPECT_EQ(base.GetADBaseDataID(db, L"食品", 1, error), 0);
}

TEST_F(TypeTree, ChildIDsDepthFirstWithIndentedNames) {
    const struct {
        const wchar_t *ids, *heading, *children, *names;
        int list;
    } cases[] = {
        {L"3", L"", L"5,4,6", L"    男装,    女装,      裙子", 1},
        // A caller's own heading stays in front.
        {L"1", L"全部类别", L"7,3,5,4,6,2", L"全部类别,  食品,  服装,    男装,    女装,      裙子,  默认类别", 1},
        {L"6", L"", L"", L"", 1},
        {L"4,5", L"", L"6", L"      裙子", 1},
        {L"3", L"", L"", L"", 2},  // another list
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ids);
        CString names = c.heading;
        EXPECT_EQ(base.GetBaseChildIDsByID(db, c.ids, c.list, names), c.children);
        EXPECT_EQ(names, c.names);
    }
    // Parent links that loop (a damaged tree) still end.
    Exec(L"update AdvancedBaseData set ParentID = 6 where ID = 3");
    CString names;
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
            Exec(Sql(L"insert into %s (ProductID, TypeID, TypeName) values (1, 4, '女装')", table));
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
    EXPECT_EQ(base.UpdateADBaseData(db, 1, 3, 4, L"服装", error), -3);
    EXPECT_EQ(base.UpdateADBaseData(db, 1, 4, 1, L"男装", error), -2);  // name of another type
    EXPECT_EQ(RowsOf(db, L"select ParentID, BaseName from AdvancedBaseData where ID in (3, 4)"), L"1|服装\n3|女装");
    EXPECT_EQ(TypeNamesOfWomenswear(), L"女装,女装|女装女装女装女装");
    EXPECT_TRUE(error.IsEmpty());

    JournalChanges();
    ASSERT_EQ(base.UpdateADBaseData(db, 1, 4, 1, L"女士服装", error), 0) << error;
    EXPECT_EQ(RowsOf(db, L"select BaseName, SearchCode, ParentID, Level from AdvancedBaseData where ID = 4"),
              L"女士服装|NSFZ|1|1");
    // The online product keeps the catalogue's name; every local copy follows.
    EXPECT_EQ(TypeNamesOfWomenswear(), L"女士服装,女装|女士服装女士服装女士服装女士服装");
    EXPECT_EQ(Text(L"select TypeName from Products where TypeID = 5"), L"男装");
    EXPECT_EQ(Level(L"裙子"), 3);  // the descendants keep their stored levels
    EXPECT_EQ(Text(L"select CValue || OType from OperateData"), L"4U");
    EXPECT_EQ(Int(L"select count(*) from AdvancedBaseData where BaseName = '女装'"), 0);

    // Onto itself is not refused; its own name is no clash.
    EXPECT_EQ(base.UpdateADBaseData(db, 1, 7, 7, L"食品", error), 0);
    EXPECT_EQ(Int(L"select ParentID from AdvancedBaseData where ID = 7"), 7);
    // Moving down into another branch takes the new parent's level.
    EXPECT_EQ(base.UpdateADBaseData(db, 1, 5, 7, L"男装", error), 0);
    EXPECT_EQ(Level(L"男装"), 1 + Level(L"食品"));
}

TEST_F(TypeTreeWithProducts, FailedRenameIsRolledBack) {
    Exec(L"drop table CompPrice");  // the last copy cannot be written
    EXPECT_EQ(base.UpdateADBaseData(db, 1, 4, 7, L"女士服装", error), -1);
    EXPECT_EQ(error, L"no such table: CompPrice");
    EXPECT_EQ(Joined(TakeLog()), "no such table: CompPrice\n");
    EXPECT_EQ(Text(L"select BaseName || ParentID || Level from AdvancedBaseData where ID = 4"), L"女装32");
    EXPECT_EQ(Text(L"select group_concat(TypeName) from Products where TypeID = 4"), L"女装,女装");
    EXPECT_EQ(Text(L"select TypeName from Stocks"), L"女装");
    Exec(L"begin transaction; commit transaction;");  // none is left open
}

TEST_F(TypeTreeWithProducts, FailureInsideTheCallersTransactionLeavesItToTheCaller) {
    Exec(L"begin transaction;");
    Exec(L"insert into Products (ProductName) values ('caller')");
    EXPECT_EQ(base.UpdateADBaseData(db, 1, 4, 1, L"女士服装", error), -1);  // cannot begin its own
    EXPECT_FALSE(error.IsEmpty());
    Exec(L"commit transaction;");
    EXPECT_EQ(Int(L"select count(*) from Products where ProductName = 'caller'"), 1);
    EXPECT_EQ(Text(L"select BaseName from AdvancedBaseData where ID = 4"), L"女装");
}

// --- Income and expense projects -------------------------------------------------------------

class Projects : public BaseData {
protected:
    int Status(const wchar_t* name, const wchar_t* accountType, int isProfit = 0) {
        int status = 0;
        error.Empty();
        base.InsertProject(db, name, accountType, status, isProfit, error);
        return status;
    }
    int IdOf(const wchar_t* name) { return Int(Sql(L"select ProjectID from Project where ProjectName = '%s'", name)); }
    CString ignored;
};

TEST_F(Projects, InsertReturnsAllItemsAndRefusesNamesInUse) {
    int status = -7;
    CString all = ListOf(base.InsertProject(db, L"房租", L"支出", status, 1, error), L"ProjectName");
    EXPECT_EQ(status, -7);  // left as the caller set it
    EXPECT_TRUE(error.IsEmpty());
    EXPECT_EQ(all.Right(3), L",房租");
    EXPECT_EQ(all.Remove(L','), 7);  // eight items
    EXPECT_EQ(
        RowsOf(db,
               L"select ProjectType, AccountType, SearchCode, IsProfit, IsSystem, IsDisable, CreateDate from Project "
               L"where ProjectName = '房租'"),
        L"3|支出|FZ|1|0|0|2013-05-06 14:03:09");
    EXPECT_EQ(Status(L"房租", L"支出"), 1);
    EXPECT_EQ(error, L"请输入不重复的项目名称！");
    // A switched-off item of the same side: the host offers to switch it on.
    ASSERT_EQ(base.DisableProject(db, IdOf(L"房租"), true, ignored), 0);
    EXPECT_EQ(Status(L"房租", L"支出"), 2);
    EXPECT_EQ(error, L"名称在收支项目中已经存在，但已经停用，是否立即启用？");
    EXPECT_EQ(Status(L"房租", L"收入"), 1);  // the other side: just a clash
    EXPECT_EQ(Int(L"select count(*) from Project where ProjectName = '房租'"), 1);
    ASSERT_EQ(base.DisableProject(db, L"房租", false, ignored), 0);
    EXPECT_EQ(Int(L"select IsDisable from Project where ProjectName = '房租'"), 0);
    EXPECT_EQ(Status(L"客户", L"支出"), 1);  // contact groups share the names
}

TEST_F(Projects, ListsLeaveOutOpeningEntriesGroupsAndSwitchedOffItems) {
    Status(L"房租", L"支出");
    Status(L"利息", L"收入");
    base.DisableProject(db, IdOf(L"利息"), true, ignored);
    EXPECT_EQ(ListOf(base.GetProject(db, L"收入", 0, error), L"ProjectName"), L"销售收入,收订金/欠款");
    EXPECT_EQ(ListOf(base.GetProject(db, L"收入", 1, error), L"ProjectName"), L"销售收入,收订金/欠款,利息");
    EXPECT_EQ(ListOf(base.GetProject(db, L"", 0, error), L"ProjectName").Remove(L','), 4);  // five items
    // By key: system items first, then by name; the type narrows it down.
    EXPECT_EQ(ListOf(base.GetProjectByKey(db, L"FZ", L"", 0, 0, error), L"ProjectName"), L"房租");
    EXPECT_EQ(ListOf(base.GetProjectByKey(db, L"欠款", L"收入", 0, 0, error), L"ProjectName"), L"收订金/欠款");
    EXPECT_EQ(ListOf(base.GetProjectByKey(db, L"", L"支出", 3, 0, error), L"ProjectName"), L"房租");
    EXPECT_EQ(ListOf(base.GetProjectByKey(db, L"", L"收入", 0, 1, error), L"ProjectName"),
              L"收订金/欠款,销售收入,利息");
    EXPECT_TRUE(base.GetProjectByKey(db, L"'", L"", 0, 1, error).eof());
    EXPECT_TRUE(error.IsEmpty());
}

TEST_F(Projects, UpdateCarriesNameAndSideIntoTheAccounts) {
    Status(L"杂费", L"支出");
    const int id = IdOf(L"杂费");
    Exec(
        Sql(L"insert into Account (ProjectID, ProjectName, AccountType, InAmount, OutAmount) values "
            L"(%d, '杂费', '支出', 0, 30), (%d, '杂费', '支出', 0, 12.5), (1, '销售收入', '收入', 99, 0)",
            id, id));
    base.DisableProject(db, id, true, ignored);

    EXPECT_EQ(base.UpdateProject(db, id, L"销售收入", L"收入", 0, error), 1);
    EXPECT_EQ(error, L"请输入不重复的项目名称！");
    EXPECT_EQ(base.UpdateProject(db, id, L"杂项收入", L"收入", 1, error), 0);
    EXPECT_EQ(RowsOf(db, L"select ProjectName, AccountType, InAmount, OutAmount from Account"),
              L"杂项收入|收入|30.0|0.0\n杂项收入|收入|12.5|0.0\n销售收入|收入|99.0|0.0");
    // An edited item is in use again.
    EXPECT_EQ(RowsOf(db, L"select SearchCode, IsDisable, IsProfit from Project where ProjectName = '杂项收入'"),
              L"ZXSR|0|1");
    // Same side: only the name changes; back to expense moves the amounts back.
    EXPECT_EQ(base.UpdateProject(db, id, L"杂收", L"收入", 0, error), 0);
    EXPECT_EQ(Real(L"select sum(InAmount) from Account where ProjectName = '杂收'"), 42.5);
    EXPECT_EQ(base.UpdateProject(db, id, L"杂费", L"支出", 0, error), 0);
    EXPECT_EQ(Real(L"select sum(OutAmount) - sum(InAmount) from Account where ProjectName = '杂费'"), 42.5);

    EXPECT_TRUE(base.IsUsed(db, id, error));
    EXPECT_TRUE(base.IsExist(db, 0, L"杂费", error));
    EXPECT_FALSE(base.IsExist(db, id, L"杂费", error));
    EXPECT_EQ(base.DeleteProject(db, id, error), 0);
    EXPECT_FALSE(base.IsExist(db, 0, L"杂费", error));
    EXPECT_FALSE(base.IsUsed(db, 99, error));
}

}  // namespace
