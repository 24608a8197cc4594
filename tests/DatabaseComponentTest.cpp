#include <gtest/gtest.h>

#include "shopbiz.h"

namespace {

class DatabaseComponent : public ::testing::Test {
protected:
    void SetUp() override {
        db.open(":memory:");
        db.execScript(L"CREATE TABLE T (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL UNIQUE, "
                      L"Qty REAL, N INTEGER); INSERT INTO T (Name, Qty, N) VALUES ('甲', 1.5, 10), ('乙', NULL, NULL);");
    }
    CppSQLite3DB db;
};

TEST_F(DatabaseComponent, OneCallRunsOneStatement) {
    EXPECT_EQ(db.execDML(L"UPDATE T SET N = 5 WHERE ID = 999"), 0);  // touching nothing is still 0
    // Blanks, semicolons and comments may follow the statement; a second statement may not,
    // and then nothing runs at all.
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"INSERT INTO T (Name) VALUES ('丙') ;; -- done\n /* note; */ ", true},
        {L"INSERT INTO T (Name) VALUES ('丁') /* unclosed", true},
        {L"INSERT INTO T (Name) VALUES ('戊'); DELETE FROM T", false},
        {L"INSERT INTO T (Name) VALUES ('己');\n--\nDELETE FROM T; --", false},
    };
    for (const auto& [sql, runs] : cases) {
        SCOPED_TRACE(CString(sql).ToUtf8());
        const int before = db.execScalar(L"SELECT count(*) FROM T");
        try {
            db.execDML(sql);
            EXPECT_TRUE(runs);
            EXPECT_EQ(db.execScalar(L"SELECT count(*) FROM T"), before + 1);
        } catch (const CppSQLite3Exception& e) {
            EXPECT_FALSE(runs);
            EXPECT_STREQ(e.errorMessage(), L"SQL text holds more than one statement; one call runs one statement");
            EXPECT_STREQ(e.statement(), sql);
            EXPECT_EQ(db.execScalar(L"SELECT count(*) FROM T"), before);
        }
    }
    EXPECT_THROW(db.execQuery(L"SELECT 1; DELETE FROM T"), CppSQLite3Exception);
    EXPECT_THROW(db.execScalar(L"SELECT 1; SELECT 2"), CppSQLite3Exception);
    EXPECT_THROW(db.compileStatement(L"DELETE FROM T WHERE ID = ?; DELETE FROM T"), CppSQLite3Exception);
    EXPECT_EQ(db.execScalar(L"SELECT count(*) FROM T"), 4);
    // A script runs every statement; a failing one leaves the earlier ones done.
    EXPECT_THROW(db.execScript(L"INSERT INTO T (Name) VALUES ('庚'); INSERT INTO T (Name) VALUES ('庚');"),
                 CppSQLite3Exception);
    EXPECT_EQ(db.execScalar(L"SELECT count(*) FROM T WHERE Name = '庚'"), 1);
}

TEST_F(DatabaseComponent, ErrorsCarryTheirStatement) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"SELECT * FROM Nowhere", L"no such table: Nowhere"},
        {L"INSERT INTO T (Name) VALUES ('甲')", L"UNIQUE constraint failed: T.Name"},
    };
    for (const auto& [sql, message] : cases) {
        try {
            db.execDML(sql);
            ADD_FAILURE() << CString(sql);
        } catch (const CppSQLite3Exception& e) {
            EXPECT_STREQ(e.errorMessage(), message);
            EXPECT_STREQ(e.statement(), sql);
        }
    }
}

TEST_F(DatabaseComponent, ResultSetReadsFieldsByNameAndIndex) {
    CppSQLite3Query q = db.execQuery(L"SELECT * FROM T ORDER BY ID");
    EXPECT_EQ(q.fieldIndex(L"qty"), 2);  // names match without regard to case
    EXPECT_EQ(q.fieldValue(2), L"1.5");
    q.nextRow();
    EXPECT_TRUE(q.fieldIsNull(L"Qty"));
    EXPECT_EQ(q.getIntField(L"N", -3), -3);  // the default for a null
    EXPECT_THROW(q.getIntField(L"Missing"), CppSQLite3Exception);
    q.nextRow();
    EXPECT_THROW(q.getIntField(0), CppSQLite3Exception);  // no current row
}

TEST_F(DatabaseComponent, ResultSetReturnedByValueKeepsItsStatement) {
    CppSQLite3Query q = [this] {
        CppSQLite3Query local;
        local = db.execQuery(L"SELECT Name FROM T ORDER BY ID");
        return local;  // the producer's copy ends here
    }();
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
    EXPECT_TRUE(empty.isNull() && empty.eof() && empty.numFields() == 0);
    empty.nextRow();  // stepping past the end is harmless
    empty.finalize();
    empty.finalize();
    CppSQLite3Query none = db.execQuery(L"SELECT * FROM T WHERE ID < 0");
    EXPECT_TRUE(none.eof() && none.numFields() == 4);
    // A scalar of no row is zero, the default or empty.
    EXPECT_EQ(db.execScalar(L"SELECT sum(N) FROM T WHERE ID = 99"), 0);
    EXPECT_EQ(db.execScalar(L"SELECT N FROM T WHERE ID = 99", -1), -1);
    EXPECT_EQ(db.execScalarStr(L"SELECT Name FROM T WHERE ID = 99"), L"");
}

TEST_F(DatabaseComponent, CompiledStatementBindsByPositionAndIsReusable) {
    db.execDML(L"ALTER TABLE T ADD COLUMN Pic BLOB");
    CppSQLite3Statement st = db.compileStatement(L"INSERT INTO T (Name, Qty, Pic) VALUES (?, ?, ?)");
    const unsigned char bytes[] = {0, 1, 2, 255, 0};
    st.bind(1, L"丙");
    st.bind(2, 2.25);
    st.bind(3, bytes, 5);
    st.execDML();
    st.bind(1, L"丁");
    st.bindNull(2);
    st.execDML();
    EXPECT_EQ(db.execScalar(L"SELECT count(*) FROM T WHERE Name = '丁' AND Qty IS NULL"), 1);
    CppSQLite3Query q = db.execQuery(L"SELECT Qty, Pic FROM T WHERE Name = '丙'");
    EXPECT_DOUBLE_EQ(q.getFloatField(0), 2.25);
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
