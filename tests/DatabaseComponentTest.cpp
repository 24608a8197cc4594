#include <gtest/gtest.h>

#include <sqlite3.h>

#include <thread>

#include "shopbiz.h"
#include "support/ShopDbTest.h"

namespace {

class DatabaseComponent : public ::testing::Test {
protected:
    void SetUp() override {
        db.open(":memory:");
        db.execDML(L"CREATE TABLE T (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL UNIQUE, "
                   L"Qty REAL, N INTEGER);"
                   L"INSERT INTO T (Name, Qty, N) VALUES ('甲', 1.5, 10);"
                   L"INSERT INTO T (Name, Qty, N) VALUES ('乙', NULL, NULL);");
    }
    CppSQLite3DB db;
};

CppSQLite3Query Produce(CppSQLite3DB& db) {
    CppSQLite3Query local;
    local = db.execQuery(L"SELECT Name FROM T ORDER BY ID");
    return local;  // the producer's copy ends here
}

TEST_F(DatabaseComponent, ExecDmlRunsStatementsAsWrittenAndReturnsZero) {
    EXPECT_EQ(db.execDML(L" \t UPDATE T SET N = 5 WHERE ID = 1 ;  \r\n "), 0);
    EXPECT_EQ(db.execDML(L"UPDATE T SET N = 5 WHERE ID = 999"), 0);  // touching nothing is still 0
    EXPECT_EQ(db.execDML(L"INSERT INTO T (Name) VALUES ('丙'); INSERT INTO T (Name) VALUES ('丁');"), 0);
    EXPECT_EQ(db.execScalar(L"SELECT count(*) FROM T"), 4);
    EXPECT_EQ(db.lastRowId(), 4);
    EXPECT_EQ(db.execDML(L"   "), 0);
}

TEST_F(DatabaseComponent, EverySqlErrorThrowsWithSqlitesMessage) {
    try {
        db.execDML(L"INSERT INTO T (Name) VALUES ('甲')");
        FAIL() << "a constraint violation must throw";
    } catch (CppSQLite3Exception& e) {
        EXPECT_EQ(e.errorCode(), SQLITE_CONSTRAINT);
        EXPECT_EQ(CString(e.errorMessage()), L"UNIQUE constraint failed: T.Name");
    }
    try {
        db.execQuery(L"SELECT nope FROM T");
        FAIL();
    } catch (CppSQLite3Exception& e) {
        EXPECT_EQ(CString(e.errorMessage()), L"no such column: nope");
    }
    EXPECT_THROW(db.execDML(L"UPDATE Missing SET x = 1"), CppSQLite3Exception);
    EXPECT_THROW(db.execScalar(L"SELEC 1"), CppSQLite3Exception);
    // A failing second statement leaves the first one done: there is no hidden transaction.
    EXPECT_THROW(db.execDML(L"INSERT INTO T (Name) VALUES ('戊'); INSERT INTO T (Name) VALUES ('戊');"),
                 CppSQLite3Exception);
    EXPECT_EQ(db.execScalar(L"SELECT count(*) FROM T WHERE Name = '戊'"), 1);
}

TEST_F(DatabaseComponent, ExceptionCopiesShareTheirMessage) {
    CppSQLite3Exception a(1, L"first");
    CppSQLite3Exception b(2, L"second");
    b = a;
    EXPECT_EQ(b.errorCode(), 1);
    EXPECT_EQ(b.errorMessage(), a.errorMessage());  // the same text, not a copy
}

TEST_F(DatabaseComponent, ResultSetReadsFieldsByNameAndIndex) {
    CppSQLite3Query q = db.execQuery(L"SELECT * FROM T ORDER BY ID");
    ASSERT_FALSE(q.eof());
    EXPECT_FALSE(q.isNull());
    EXPECT_EQ(q.numFields(), 4);
    EXPECT_EQ(q.fieldName(1), L"Name");
    EXPECT_EQ(q.fieldIndex(L"qty"), 2);  // names match without regard to case
    EXPECT_EQ(q.getStringField(L"Name"), L"甲");
    EXPECT_DOUBLE_EQ(q.getFloatField(L"Qty"), 1.5);
    EXPECT_EQ(q.getIntField(L"N"), 10);
    EXPECT_EQ(q.fieldValue(2), L"1.5");
    q.nextRow();
    EXPECT_TRUE(q.fieldIsNull(L"Qty"));
    EXPECT_EQ(q.getIntField(L"N", -3), -3);
    EXPECT_DOUBLE_EQ(q.getFloatField(L"Qty", 7.25), 7.25);
    EXPECT_EQ(q.getStringField(L"N", L"none"), L"none");
    EXPECT_EQ(q.fieldValue(L"N"), L"");
    EXPECT_THROW(q.getIntField(L"Missing"), CppSQLite3Exception);
    q.nextRow();
    EXPECT_TRUE(q.eof());
    EXPECT_THROW(q.getIntField(0), CppSQLite3Exception);  // no current row
    q.nextRow();  // stepping past the end is harmless
    EXPECT_TRUE(q.eof());
}

TEST_F(DatabaseComponent, ResultSetReturnedByValueKeepsItsStatement) {
    CppSQLite3Query q = Produce(db);
    ASSERT_FALSE(q.eof());
    EXPECT_EQ(q.getStringField(0), L"甲");
    CppSQLite3Query other;
    other = q;
    other.nextRow();
    EXPECT_EQ(other.getStringField(0), L"乙");
    other.finalize();
    EXPECT_TRUE(q.eof());  // one statement, handed over
    EXPECT_TRUE(q.isNull());
}

TEST_F(DatabaseComponent, EmptyResultSetIsHarmless) {
    CppSQLite3Query empty;
    EXPECT_TRUE(empty.isNull());
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(empty.numFields(), 0);
    empty.nextRow();
    empty.finalize();
    empty.finalize();
    CppSQLite3Query none = db.execQuery(L"SELECT * FROM T WHERE ID < 0");
    EXPECT_TRUE(none.eof());
    EXPECT_EQ(none.numFields(), 4);
}

TEST_F(DatabaseComponent, ScalarOfNoRowIsZeroOrEmpty) {
    EXPECT_EQ(db.execScalar(L"SELECT N FROM T WHERE ID = 99"), 0);
    EXPECT_EQ(db.execScalar(L"SELECT sum(N) FROM T WHERE ID = 99"), 0);
    EXPECT_EQ(db.execScalar(L"SELECT N FROM T WHERE ID = 99", -1), -1);
    EXPECT_EQ(db.execScalarStr(L"SELECT Name FROM T WHERE ID = 99"), L"");
    EXPECT_EQ(db.execScalarStr(L"SELECT Name FROM T WHERE ID = 2"), L"乙");
    EXPECT_EQ(db.execScalar(L"SELECT max(N) FROM T"), 10);
}

TEST_F(DatabaseComponent, CompiledStatementBindsByPosition) {
    CppSQLite3Statement st = db.compileStatement(L"INSERT INTO T (Name, Qty, N) VALUES (?, ?, ?)");
    st.bind(1, L"丙");
    st.bind(2, 2.25);
    st.bind(3, 7);
    EXPECT_EQ(st.execDML(), 0);
    st.bind(1, L"丁");
    st.bindNull(2);
    st.bind(3, 8);
    st.execDML();  // reusable after each run
    st.finalize();
    EXPECT_EQ(db.execScalar(L"SELECT N FROM T WHERE Name = '丙'"), 7);
    EXPECT_EQ(db.execScalar(L"SELECT count(*) FROM T WHERE Name = '丁' AND Qty IS NULL"), 1);

    db.execDML(L"CREATE TABLE P (Pic BLOB)");
    const unsigned char bytes[] = {0, 1, 2, 255, 0};
    CppSQLite3Statement pic = db.compileStatement(L"INSERT INTO P VALUES (?)");
    pic.bind(1, bytes, 5);
    pic.execDML();
    CppSQLite3Query q = db.execQuery(L"SELECT Pic FROM P");
    EXPECT_EQ(q.getBlobField(L"Pic"), std::string("\0\1\2\xff\0", 5));

    CppSQLite3Statement dup = db.compileStatement(L"INSERT INTO T (Name) VALUES (?)");
    dup.bind(1, L"甲");
    EXPECT_THROW(dup.execDML(), CppSQLite3Exception);
    EXPECT_THROW(db.compileStatement(L"INSERT INTO Missing VALUES (?)"), CppSQLite3Exception);
}

TEST_F(DatabaseComponent, ClosedOrUnopenedConnectionThrows) {
    CppSQLite3DB none;
    EXPECT_FALSE(none.isOpen());
    EXPECT_THROW(none.execDML(L"SELECT 1"), CppSQLite3Exception);
    CppSQLite3Query q = db.execQuery(L"SELECT Name FROM T ORDER BY ID");
    db.close();
    EXPECT_EQ(q.getStringField(0), L"甲");  // an open result set outlives the close
    q.finalize();
    EXPECT_THROW(db.execQuery(L"SELECT 1"), CppSQLite3Exception);
}

TEST_F(DatabaseComponent, InterruptAbortsARunningStatement) {
    std::thread stopper([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        db.interrupt();
    });
    try {
        db.execScalar(L"WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT count(*) FROM c");
        ADD_FAILURE() << "an endless query must be interrupted";
    } catch (CppSQLite3Exception& e) {
        EXPECT_EQ(e.errorCode(), SQLITE_INTERRUPT);
    }
    stopper.join();
    EXPECT_STREQ(CppSQLite3DB::SQLiteVersion(), "3.3.8");
}

TEST_F(DatabaseComponent, OpensFilesByWideAndNarrowPath) {
    std::string path = ::testing::TempDir() + "shopbiz_库.db";
    std::remove(path.c_str());
    {
        CppSQLite3DB file;
        file.open(CString::FromUtf8(path).GetString());
        file.execDML(L"CREATE TABLE X (v TEXT); INSERT INTO X VALUES ('存');");
    }
    CppSQLite3DB again;
    again.open(path.c_str());
    EXPECT_EQ(again.execScalarStr(L"SELECT v FROM X"), L"存");
    EXPECT_TRUE(again.tableExists(L"X"));
    EXPECT_FALSE(again.tableExists(L"Y"));
    again.close();
    std::remove(path.c_str());
    CppSQLite3DB bad;
    EXPECT_THROW(bad.open("/nonexistent-dir/x/y.db"), CppSQLite3Exception);
}

}  // namespace
