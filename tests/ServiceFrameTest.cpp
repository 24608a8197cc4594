// The library lock, the error forms and the generic SQL entry points of CSysBLL.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "frame/ServiceFrame.h"
#include "support/ShopDbTest.h"

using namespace shopbiz;

namespace {

// Starts a thread that takes the library lock and waits up to `ms` for it; a blocked probe is left behind.
using Probe = std::shared_ptr<std::atomic<bool>>;
bool GotTheLock(Probe& probe, int ms = 1000) {
    if (!probe) {
        probe = std::make_shared<std::atomic<bool>>(false);
        std::thread([got = probe] { ServiceLock lock; *got = true; }).detach();
    }
    for (int waited = 0; waited < ms && !*probe; waited += 5) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return *probe;
}

class ServiceFrame : public ShopDbTest {
protected:
    int Broken() { return db.execDML(L"DELETE FROM Nowhere"); }
    CSysBLL sys;
};

TEST_F(ServiceFrame, LockIsReentrantMakesOthersWaitAndIsFreeAfterAnError) {
    Probe probe;
    {
        ServiceLock outer;
        ServiceLock inner;                  // the same thread enters again
        CCSGuard off(&CSysBLL::m_lock, 0);  // a guard with enable 0 does not lock
        EXPECT_EQ(CSysBLL::m_lock.HeldCount(), 2);
        EXPECT_EQ(sys.DBIsNewCreate(db), 1);  // locked methods called while the lock is held complete
        EXPECT_FALSE(GotTheLock(probe, 100));
    }
    EXPECT_TRUE(GotTheLock(probe));
    // An error passing through a locked method leaves the lock free and logs nothing.
    EXPECT_THROW(sys.ExecSQL(db, L"INSERT INTO Nowhere VALUES (1)"), CppSQLite3Exception);
    Probe after;
    EXPECT_TRUE(GotTheLock(after));
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(ServiceFrame, EachFormAnswersAnErrorItsOwnWay) {
    CString error;
    const CString missing = L"no such table: Nowhere", own = L"1:失败!\r\n2:" + missing + L"\r\n3:sql=DELETE FROM Nowhere";
    struct Case {
        OnError form;
        CString error;  // what the error argument holds afterwards
        std::vector<CString> log, boxes;
    } cases[] = {
        {Report(error), missing, {missing}, {}},
        {Report(error, L"读取失败:%s"), L"读取失败:" + missing, {L"读取失败:" + missing}, {}},
        {Report(error, ErrorText::WithStatement(L"1:%s\r\n2:%s\r\n3:sql=%s", L"失败!")), own, {own}, {}},
        {Log(ErrorText::WithStatement(L"Err:%s\r\n sql:%s")), L"", {L"Err:" + missing + L"\r\n sql:DELETE FROM Nowhere"}, {}},
        {ShowMessage(), L"", {}, {missing}},
        {CatchAll(L"异常."), L"", {L"异常."}, {}},
        {CatchAll(nullptr), L"", {}, {}},
    };
    for (const Case& c : cases) {
        error = L"";
        EXPECT_EQ(Guard(c.form, -1, [&] { return Broken(); }), -1);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(TakeLog(), c.log);
        EXPECT_EQ(TakeMessageBoxes(), c.boxes);
    }
    // Success gives the body's result and touches nothing.
    EXPECT_EQ(Guard(Report(error), -1, [&] { return db.execScalar(L"SELECT 7"); }), 7);
    EXPECT_EQ(error, L"");
    // Other exceptions pass unless the form takes them; some forms let database errors pass.
    auto fails = []() -> int { throw std::runtime_error("x"); };
    EXPECT_THROW(Guard(Report(error), -1, fails), std::runtime_error);
    EXPECT_EQ(Guard(CatchAll(L"异常."), 0, fails) + Guard(Report(error).OtherErrors(L"更新失败!"), -1, fails), -1);
    EXPECT_EQ(error, L"更新失败!");
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"异常."});
    EXPECT_THROW(Guard(OnError::OnlyOtherErrors(error, L"读取失败"), -1, [&] { return Broken(); }), CppSQLite3Exception);
}

TEST_F(ServiceFrame, TransactionKeepsOrUndoesItsOwnWorkOnly) {
    auto count = [&] { return Int(L"SELECT count(*) FROM BaseData WHERE BaseName LIKE 'T_'"); };
    auto add = [&](const wchar_t* name, bool commit) {
        Transaction tx(db);
        db.execDML(Sql(L"INSERT INTO BaseData (BaseName) VALUES ('%s')", name));
        if (commit) tx.Commit();
    };
    add(L"T1", true);
    add(L"T2", false);  // as when an error leaves the method
    EXPECT_EQ(count(), 1);
    EXPECT_FALSE(db.inTransaction());
    // Inside a host's transaction: an inner rollback keeps the host's work, and the host's
    // rollback takes the inner committed work with it.
    Exec(L"BEGIN; INSERT INTO BaseData (BaseName) VALUES ('T3');");
    add(L"T4", false);
    EXPECT_EQ(count(), 2);
    add(L"T5", true);
    EXPECT_TRUE(db.inTransaction());
    Exec(L"ROLLBACK");
    EXPECT_EQ(count(), 1);
}

TEST_F(ServiceFrame, GenericSqlEntryPoints) {
    EXPECT_EQ(sys.ExecSQL(db, L"  UPDATE SystemInfo SET Industry = '服装' ;\r\n"), 0);
    CppSQLite3Query q = sys.ExecSQLForQuery(db, L"SELECT Industry FROM SystemInfo");
    EXPECT_EQ(CSysBLL::m_lock.HeldCount(), 0);  // stepped after the lock is gone
    EXPECT_EQ(q.getStringField(0), L"服装");
    // ExecDML reports the statement in its error text.
    CString error = L"stale";
    EXPECT_EQ(sys.ExecDML(db, L"UPDATE SystemInfo SET Industry = ''", error), 1);
    EXPECT_EQ(error, L"");
    EXPECT_EQ(sys.ExecDML(db, L"UPDATE Nowhere SET x = 1", error), 0);
    EXPECT_EQ(error, L"执行SQL时出错,sql:\r\nUPDATE Nowhere SET x = 1\r\nerr:\r\nno such table: Nowhere");
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(ServiceFrame, NewDatabaseCountsAsNewUntilItHoldsData) {
    Exec(L"INSERT INTO Products (ServerID) VALUES (0); INSERT INTO SaleBills (IsSystem) VALUES (0);"
         L"INSERT INTO Companies (CompanyType, IsSystem) VALUES (1, 0), (2, 1);"
         L"INSERT INTO PurBills (IsSystem) VALUES (0); UPDATE SystemInfo SET CompanyName = '小店', Industry = '服装'");
    EXPECT_EQ(sys.DBIsNewCreate(db), 1);  // five of the six kinds of data: a system supplier does not count
    Exec(L"INSERT INTO Companies (CompanyType, IsSystem) VALUES (2, 0)");
    EXPECT_EQ(sys.DBIsNewCreate(db), 0);
    Exec(L"UPDATE SystemInfo SET Industry = ''");
    EXPECT_EQ(sys.DBIsNewCreate(db), 1);
    // Products of two servers give two rows; together with four others that makes six.
    Exec(L"INSERT INTO Products (ServerID) VALUES (1)");
    EXPECT_EQ(sys.DBIsNewCreate(db), 0);
}

TEST_F(ServiceFrame, ClearDataKeepsUsersStoreAndRights) {
    Exec(L"INSERT INTO User DEFAULT VALUES; INSERT INTO Products (ServerID) VALUES (0);");
    CppSQLite3Query open = db.execQuery(L"SELECT ProductID FROM Products");
    EXPECT_EQ(sys.ClearData(db, L""), 0);  // an open read keeps the tables locked
    EXPECT_EQ(TakeLog(), (std::vector<CString>{L"清空数据失败!", L"database table is locked"}));
    open.finalize();
    EXPECT_EQ(sys.ClearData(db, L""), 1);
    EXPECT_EQ(Text(L"select group_concat(name) from (select name from sqlite_master where type='table' order by name)"),
              L"SystemInfo,User,UserResource,sqlite_sequence");
    EXPECT_EQ(Int(L"select count(*) from sqlite_sequence"), 0);
    EXPECT_EQ(Int(L"select count(*) from User"), 2);  // the administrator and the one added
}

}  // namespace
