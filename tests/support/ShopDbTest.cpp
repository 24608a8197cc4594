#include "support/ShopDbTest.h"

void ShopDbTest::SetUp() {
    db.open(":memory:");
    shopbiz::CreateShopSchema(db);
    shopbiz::Clock::SetFixedLocal(2013, 5, 6, 14, 3, 9);
    CSuperLog::StartCapture();
    shopbiz::MessageBoxCapture::Start();
}

void ShopDbTest::TearDown() {
    shopbiz::MessageBoxCapture::Stop();
    CSuperLog::StopCapture();
    shopbiz::Clock::UseSystemClock();
    db.close();
}

std::vector<CString> ShopDbTest::TakeLog() { return CSuperLog::TakeCaptured(); }
std::vector<CString> ShopDbTest::TakeMessageBoxes() { return shopbiz::MessageBoxCapture::Take(); }

int ShopDbTest::Int(const wchar_t* sql) { return db.execScalar(sql); }

double ShopDbTest::Real(const wchar_t* sql) {
    CppSQLite3Query q = db.execQuery(sql);
    return q.eof() ? 0.0 : q.getFloatField(0);
}

CString ShopDbTest::Text(const wchar_t* sql) { return db.execScalarStr(sql); }

void ShopDbTest::Exec(const wchar_t* sql) { db.execScript(sql); }

std::string Joined(const std::vector<CString>& lines) {
    std::string out;
    for (const auto& l : lines) out += l.ToUtf8() + "\n";
    return out;
}
