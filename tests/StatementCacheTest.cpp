// Statements kept compiled with their literal values taken out: which literals go, and that a
// kept statement gives exactly what compiling the text would have.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "frame/SqlText.h"
#include "frame/StatementCache.h"
#include "shopbiz.h"

namespace {

using shopbiz::detail::Literal;
using shopbiz::detail::Parameterize;
using shopbiz::detail::ParameterizedSql;

// The literals as they were taken out, "|"-separated (integers as digits).
std::string Values(const ParameterizedSql& p) {
    std::string s;
    for (const Literal& v : p.values)
        s += (s.empty() ? "" : "|") + (v.kind == Literal::Kind::Integer ? std::to_string(v.integer) : v.text);
    return s;
}

TEST(StatementShape, LiteralsThatCanGoAndThoseThatStay) {
    struct Case {
        const char *sql, *shape, *values;
    };
    const Case cases[] = {
        {"SELECT * FROM Products WHERE ProductName='铅笔' AND ProductID=12",
         "SELECT * FROM Products WHERE ProductName=? AND ProductID=?", "铅笔|12"},
        // The select list keeps its literals (and so its column names), ORDER BY its positions.
        {"SELECT 'a', 12 AS n, f(a,'x'), (SELECT 9 FROM U WHERE k='y') FROM T WHERE z='w' GROUP BY f(a,30) ORDER BY 2",
         "SELECT 'a', 12 AS n, f(a,'x'), (SELECT 9 FROM U WHERE k='y') FROM T WHERE z=? GROUP BY f(a,30) ORDER BY 2", "w"},
        // A REAL is read from its own digits; single digits (flags) and '%' texts (formats) stay.
        {"update products set CurStock = round(ifnull(CurStock,0) + (-10.50000000), 8) where productID = 25",
         "update products set CurStock = round(ifnull(CurStock,0) + (-CAST(? AS REAL)), 8) where productID = ?",
         "10.50000000|25"},
        {"SELECT x FROM Stocks WHERE IsSystem=1 AND d = strftime('%Y-%m-%d', '2013-05-06')",
         "SELECT x FROM Stocks WHERE IsSystem=1 AND d = strftime('%Y-%m-%d', ?)", "2013-05-06"},
        {"INSERT INTO T(a,b) VALUES('it''s', 1e3) -- note '9'", "INSERT INTO T(a,b) VALUES(?, CAST(? AS REAL)) -- note '9'",
         "it's|1e3"},
        {"SELECT n FROM T WHERE x IN (SELECT 'k' FROM U WHERE y=\"col\" AND z=[w] AND v=77)",
         "SELECT n FROM T WHERE x IN (SELECT 'k' FROM U WHERE y=\"col\" AND z=[w] AND v=?)", "77"},
        // Beyond 64 bits an integer literal is a REAL of its own: it stays.
        {"DELETE FROM T WHERE n=99999999999999999999", "DELETE FROM T WHERE n=99999999999999999999", ""},
        {"SAVEPOINT shopbiz_1", "SAVEPOINT shopbiz_1", ""},
    };
    for (const Case& c : cases) {
        ParameterizedSql p;
        ASSERT_TRUE(Parameterize(c.sql, p)) << c.sql;
        EXPECT_EQ(p.text, c.shape);
        EXPECT_EQ(Values(p), c.values) << c.sql;
    }
    // Not kept at all: schema statements, texts with parameters of their own, blobs, hex.
    for (const char* sql : {"CREATE TABLE T(a)", "PRAGMA journal_mode=WAL", "SELECT ?1", "SELECT * FROM T WHERE a=:a",
                            "SELECT x'00'", "SELECT * FROM T WHERE n=0x10", "SELECT 'unterminated", "SELECT 12e"}) {
        ParameterizedSql p;
        EXPECT_FALSE(Parameterize(sql, p)) << sql;
    }
}

class KeptStatements : public ::testing::Test {
protected:
    void SetUp() override {
        db.open(":memory:");
        db.execScript(L"CREATE TABLE T (ID INTEGER PRIMARY KEY, Name TEXT, Qty REAL);"
                      L"INSERT INTO T VALUES (10, '甲', 1.5), (11, '乙', 2.5), (12, '丙', 3.5);");
    }
    CppSQLite3DB db;
};

TEST_F(KeptStatements, EachRunReadsItsOwnValuesEvenWhileAnotherIsOpen) {
    CppSQLite3Query outer = db.execQuery(L"SELECT Name FROM T WHERE ID >= 11 ORDER BY ID");
    CppSQLite3Query inner = db.execQuery(L"SELECT Name FROM T WHERE ID >= 12 ORDER BY ID");
    EXPECT_EQ(outer.getStringField(L"Name"), L"乙");
    EXPECT_EQ(inner.getStringField(L"name"), L"丙");
    outer.nextRow();
    EXPECT_EQ(outer.fieldValue(0), L"丙");
    outer.finalize(), inner.finalize();
    for (int id : {10, 11, 12, 10})
        EXPECT_EQ(db.execScalar(shopbiz::Fmt(L"SELECT ID FROM T WHERE ID = %d", id)), id);
    // A kept statement follows a change of the table it reads.
    db.execScript(L"ALTER TABLE T ADD COLUMN Extra TEXT DEFAULT 'x'");
    CppSQLite3Query row = db.execQuery(L"SELECT * FROM T WHERE ID = 11");
    EXPECT_EQ(row.getStringField(L"Extra"), L"x");
}

TEST_F(KeptStatements, NumbersAreReadExactlyAsTheirLiterals) {
    db.execScript(L"CREATE TABLE N (A REAL, B REAL)");
    for (const wchar_t* number : {L"0.1", L"0.30000000000000004", L"2.675", L"123456789.123456789", L"1e-7",
                                  L"9007199254740993", L"-0.00000001", L"1.7976931348623157e308"}) {
        // Once through the kept statement, once through a script compiled as written.
        db.execDML(shopbiz::Fmt(L"INSERT INTO N (A) VALUES (%s)", number));
        db.execScript(shopbiz::Fmt(L"UPDATE N SET B = %s WHERE B IS NULL", number));
    }
    EXPECT_EQ(db.execScalar(L"SELECT COUNT(*) FROM N WHERE A = B"), 8);
}

TEST_F(KeptStatements, ErrorsNameTheStatementAsGiven) {
    const wchar_t* sql = L"INSERT INTO T (ID, Name) VALUES (10, '重复')";
    try {
        db.execDML(sql);
        FAIL() << "no error";
    } catch (const CppSQLite3Exception& e) {
        EXPECT_STREQ(e.statement(), sql);
        EXPECT_STREQ(e.errorMessage(), L"UNIQUE constraint failed: T.ID");
    }
    // A text whose literal is a name where SQLite takes one still runs as written.
    db.execDML(L"INSERT INTO T ('ID', 'Name') VALUES (20, '丁')");
    EXPECT_EQ(db.execScalarStr(L"SELECT Name FROM T WHERE ID = 20"), L"丁");
}

}  // namespace
