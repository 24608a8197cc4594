// CSysBLL: bill numbering (one counter per bill type and month in BillCode) and the next
// code after any code that ends in digits.
#include "frame/ServiceFrame.h"

using namespace shopbiz;

namespace {

// The counter's month: the date without dashes, cut to yyyymm when it is long enough.
CString MonthKey(CString billDate) {
    billDate.Remove(L'-');
    return billDate.GetLength() >= 7 ? billDate.Left(6) : billDate;
}

// Adds one to a run of decimal digits, growing it by a digit only when it overflows.
CString IncrementDigits(CString digits) {
    for (int i = digits.GetLength() - 1; i >= 0; --i) {
        if (digits[i] != L'9') {
            digits.SetAt(i, static_cast<wchar_t>(digits[i] + 1));
            return digits;
        }
        digits.SetAt(i, L'0');
    }
    return L"1" + digits;
}

bool IsAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

CString CSysBLL::GetBillCode(CppSQLite3DB& db, CString billType, CString billDate) {
    const QuotedSlot type = Quoted(billType);
    const CString month = MonthKey(billDate);
    CString prefix;
    int number = 0;
    // On an error the code is still made from what was read so far.
    Guard(ShowMessage(), [&] {
        CppSQLite3Query row = db.execQuery(
            Sql(L" SELECT * FROM BillCode WHERE BillType='%s' AND YearMonth='%s'  ORDER BY LastNO DESC LIMIT 1;", type,
                Quoted(month)));
        if (!row.eof()) {
            number = row.getIntField(L"LastNO", 0) + 1;
            prefix = row.getStringField(L"PreCode");
            return;
        }
        row.finalize();
        number = 1;
        prefix = db.execScalarStr(Sql(L"SELECT PreCode FROM BillCode WHERE BillType='%s' LIMIT 1;", type));
        db.execDML(Sql(L"INSERT INTO BillCode(BillType,PreCode,YearMonth,LastNO) VALUES('%s', '%s', '%s', %d) ; ", type,
                       Quoted(prefix), Quoted(month), 0));
    });
    return Fmt(L"%s%s%04d", prefix, month, number);
}

int CSysBLL::UpDateBillCode(CppSQLite3DB& db, CString billType, CString billDate) {
    return db.execDML(Sql(L"UPDATE BillCode SET LastNO=LastNO+1 WHERE BillType='%s' AND YearMonth='%s';",
                          Quoted(billType), Quoted(MonthKey(billDate))));
}

CString CSysBLL::GetNewCode(CString code) {
    code.Trim();
    if (code.IsEmpty()) return code;
    int p = code.GetLength() - 1;
    while (p >= 0 && IsAsciiDigit(code[p])) --p;
    if (p == code.GetLength() - 1) return L"";  // no trailing digits
    CString next = code.Left(p + 1) + IncrementDigits(code.Mid(p + 1));
    return next == code ? CString() : next;
}
