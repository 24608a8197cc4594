#include <gtest/gtest.h>

#include "shopbiz.h"

namespace {

class DatabaseComponent : public ::testing::Test {
protected:
    void SetUp() override {
        db.open(":memory:");
        db.execScript(L"CREATE TABLE T (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL UNIQUE, "
                      L"Qty REAL, N INTEGER, Pic BLOB); INSERT INTO T (Name, Qty, N) VALUES ('甲', 1.5, 10), ('乙', NULL, NULL);");
    }
    int Count() { return db.execScalar(L"SELECT count(*) FROM T"); }
    CppSQLite3DB db;
};

TEST_F(DatabaseComponent, OneCallRunsOneStatementAndItsErrorsNameIt) {
    EXPECT_EQ(db.execDML(L"UPDATE T SET N = 5 WHERE ID = 999"), 0);  // touching nothing is still 0
    // Blanks, semicolons and comments may follow the statement; a second statement may not, and
    // then nothing runs at all. Every error carries the statement it belongs to.
    const wchar_t* twoStatements = L"SQL text holds more than one statement; one call runs one statement";
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"INSERT INTO T (Name) VALUES ('丙') ;; -- done\n /* note; */ ", nullptr},
        {L"INSERT INTO T (Name) VALUES ('丁') /* unclosed", nullptr},
        {L"INSERT INTO T (Name) VALUES ('戊'); DELETE FROM T", twoStatements},
        {L"INSERT INTO T (Name) VALUES ('己');\n--\nDELETE FROM T; --", twoStatements},
        {L"SELECT * FROM Nowhere", L"no such table: Nowhere"},
        {L"INSERT INTO T (Name) VALUES ('甲')", L"UNIQUE constraint failed: T.Name"},
    };
    for (const auto& [sql, refusal] : cases) {
        const int before = Count();
        try {
            db.execDML(sql);
            EXPECT_FALSE(refusal) << CString(sql);
            EXPECT_EQ(Count(), before + 1);
        } catch (const CppSQLite3Exception& e) {
            EXPECT_STREQ(e.errorMessage(), refusal);
            EXPECT_STREQ(e.statement(), sql);
            EXPECT_EQ(Count(), before);
        }
    }
    EXPECT_THROW(db.execQuery(L"SELECT 1; DELETE FROM T"), CppSQLite3Exception);
    EXPECT_THROW(db.compileStatement(L"DELETE FROM T WHERE ID = ?; DELETE FROM T"), CppSQLite3Exception);
    // A script runs every statement; a failing one leaves the earlier ones done.
    EXPECT_THROW(db.execScript(L"INSERT INTO T (Name) VALUES ('庚'); INSERT INTO T (Name) VALUES ('庚');"),
                 CppSQLite3Exception);
    EXPECT_EQ(Count(), 5);
}

TEST_F(DatabaseComponent, ResultSetsReadFieldsAndKeepTheirStatement) {
    CppSQLite3Query q = [this] {
        CppSQLite3Query local;
        local = db.execQuery(L"SELECT * FROM T ORDER BY ID");
        return local;  // the producer's copy ends here
    }();
    EXPECT_EQ(q.fieldIndex(L"qty"), 2);  // names match without regard to case
    EXPECT_EQ(q.fieldValue(2), L"1.5");
    EXPECT_THROW(q.getIntField(L"Missing"), CppSQLite3Exception);
    CppSQLite3Query other;
    other = q;
    other.nextRow();
    EXPECT_TRUE(q.fieldIsNull(L"Qty"));          // one statement, handed over
    EXPECT_EQ(q.getIntField(L"N", -3), -3);       // the default for a null
    other.nextRow();
    EXPECT_THROW(q.getIntField(0), CppSQLite3Exception);  // no current row
    other.finalize();
    EXPECT_TRUE(q.isNull() && q.eof());
    // An empty result set is harmless; a scalar of no row is zero, the default or empty.
    CppSQLite3Query empty;
    empty.nextRow();
    EXPECT_TRUE(empty.isNull() && empty.eof() && empty.numFields() == 0);
    EXPECT_EQ(db.execScalar(L"SELECT sum(N) FROM T WHERE ID = 99"), 0);
    EXPECT_EQ(db.execScalar(L"SELECT N FROM T WHERE ID = 99", -1), -1);
    EXPECT_EQ(db.execScalarStr(L"SELECT Name FROM T WHERE ID = 99"), L"");
}

TEST_F(DatabaseComponent, CompiledStatementBindsByPositionAndIsReusable) {
    CppSQLite3Statement st = db.compileStatement(L"INSERT INTO T (Name, Qty, Pic) VALUES (?, ?, ?)");
    const unsigned char bytes[] = {0, 1, 2, 255, 0};
    for (const wchar_t* name : {L"丙", L"丁"}) {
        st.bind(1, name);
        st.bind(2, 2.25);
        st.bind(3, bytes, 5);
        st.execDML();
    }
    CppSQLite3Query q = db.execQuery(L"SELECT count(*), Qty, Pic FROM T WHERE Name IN ('丙', '丁')");
    EXPECT_EQ(q.getIntField(0) + q.getFloatField(1), 4.25);
    EXPECT_EQ(q.getBlobField(L"Pic"), std::string("\0\1\2\xff\0", 5));
}

TEST_F(DatabaseComponent, OpenResultSetOutlivesTheCloseAndBadPathsThrow) {
    CppSQLite3Query q = db.execQuery(L"SELECT Name FROM T ORDER BY ID");
    db.close();
    EXPECT_EQ(q.getStringField(0), L"甲");
    q.finalize();
    EXPECT_THROW(db.execQuery(L"SELECT 1"), CppSQLite3Exception);
    EXPECT_THROW(db.open("/nonexistent-dir/x/y.db"), CppSQLite3Exception);
    EXPECT_STREQ(CppSQLite3DB::SQLiteVersion(), "3.3.8");
}

}  // namespace
