#include "print/PrintJob.h"

#include <charconv>
#include <set>

#include "shopbiz.h"

namespace shopbiz::app {

namespace {

// Codes that every row of a list repeats (the search's period): the page shows them once.
const std::set<std::string> kOncePerDocument = {"StartDate", "EndDate"};

struct Decimals {
    int money, count, price;
};

// A number written as "%.08lf" shown with the decimals of its kind; text stays as it is.
std::string Formatted(const CString& value, const CString& type, const Decimals& decimals) {
    int places = -1;
    if (type == L"varMoneyfloat") places = decimals.money;
    if (type == L"varCountfloat") places = decimals.count;
    if (type == L"varPricefloat") places = decimals.price;
    const std::string text = value.ToUtf8();
    if (places < 0) return text;
    double number = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc() || end != text.data() + text.size()) return text;
    if (number == 0) number = 0;  // no "-0.00"
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed, places);
    return std::string(buffer, written.ptr);
}

bool IsNumberType(const CString& type) { return type != L"varchar" && !type.IsEmpty(); }

}  // namespace

std::string PrintedDocument::Field(const std::string& code) const {
    for (const PrintedField& field : fields)
        if (field.code == code) return field.value;
    return "";
}

PrintedDocument ReadPrintJob(CppSQLite3DB& db, const std::string& label, long rowCount) {
    CSysBLL sys;
    const CString document = CString::FromUtf8(label);
    const Decimals decimals{sys.GetSysSettingForint(db, L"MoneyDecimalDot", 2),
                            sys.GetSysSettingForint(db, L"CountDecimalDot", 2),
                            sys.GetSysSettingForint(db, L"PriceDecimalDot", 2)};
    PrintedDocument doc;
    doc.label = label;
    CString error;
    int citationCount = 0;
    struct Citation {
        CString code, name;
    };
    std::vector<Citation> citations;
    for (CppSQLite3Query q = sys.AddKeyWords(db, document, citationCount, error); !q.eof(); q.nextRow())
        citations.push_back({q.getStringField(L"FCode"), q.getStringField(L"FCitationName")});

    for (const Citation& citation : citations) {
        PrintedField field{citation.code.ToUtf8(), citation.name.ToUtf8(), "", false};
        // The citation's value in each table row, when it has any.
        std::vector<std::string> cells(static_cast<size_t>(rowCount));
        bool inRows = false;
        for (long entry = 1; entry <= rowCount; ++entry) {
            CppSQLite3Query value = sys.GetQueryData(db, document, citation.name, 0, entry, 0, error);
            if (value.eof()) continue;
            cells[static_cast<size_t>(entry - 1)] =
                Formatted(value.getStringField(L"KeyWordValue"), value.getStringField(L"KeyWordType"), decimals);
            field.number = IsNumberType(value.getStringField(L"KeyWordType"));
            inRows = true;
        }
        if (inRows && !kOncePerDocument.count(field.code)) {
            doc.columns.push_back(field);
            for (size_t row = 0; row < cells.size(); ++row) {
                if (doc.rows.size() <= row) doc.rows.resize(row + 1);
                doc.rows[row].push_back(cells[row]);
            }
            continue;
        }
        // A field of the whole document (no entry asked for: its one value).
        CppSQLite3Query value = sys.GetQueryData(db, document, citation.name, 0, -1, 0, error);
        if (value.eof()) continue;
        field.value = Formatted(value.getStringField(L"KeyWordValue"), value.getStringField(L"KeyWordType"), decimals);
        field.number = IsNumberType(value.getStringField(L"KeyWordType"));
        doc.fields.push_back(field);
    }
    // Rows of a table without columns (no citation printed any of its values) stay empty.
    doc.rows.resize(doc.columns.empty() ? 0 : static_cast<size_t>(rowCount));
    return doc;
}

}  // namespace shopbiz::app
