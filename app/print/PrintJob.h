#pragma once
// A print job read back as a print engine reads it: the document's template (its citations,
// in template order) and, for each citation, its values through CSysBLL::GetQueryData, the
// document's own fields apart from its table's columns. Numbers are formatted with the shop's
// decimal settings.

#include <string>
#include <vector>

class CppSQLite3DB;

namespace shopbiz::app {

struct PrintedField {
    std::string code;   // the citation's code (SysPrintData.KeyWordName)
    std::string name;   // the citation's name, as the page shows it
    std::string value;  // formatted
    bool number = false;
};

struct PrintedDocument {
    std::string label;                            // the template's name, e.g. "销售单"
    std::vector<PrintedField> fields;             // the document's own values, in template order
    std::vector<PrintedField> columns;            // the table's columns (value unused)
    std::vector<std::vector<std::string>> rows;   // one formatted cell per column

    // The value of a document field; "" when the job has none.
    std::string Field(const std::string& code) const;
};

// Reads the job filled for `label` with `rowCount` table rows. Database errors pass.
PrintedDocument ReadPrintJob(CppSQLite3DB& db, const std::string& label, long rowCount);

}  // namespace shopbiz::app
