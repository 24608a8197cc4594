// shopbiz print PATH KIND KEY: a document printed as the shop program's print engine prints
// it. The job is filled into the print data table through the library, read back through the
// document's template, and written as one self-contained HTML page for A4 or an 80 mm
// receipt roll; --pdf prints that page through headless Chromium.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "Command.h"
#include "ShopFiles.h"
#include "print/Chromium.h"
#include "print/PrintJob.h"
#include "print/PrintPage.h"
#include "shopbiz.h"

namespace shopbiz::app {

namespace {

namespace fs = std::filesystem;

// What KEY and --keyword say.
struct JobKey {
    CString key;             // the bill code (documents)
    CString from, to;        // the period (lists)
    CString keyword;
};

// One kind of document the command prints.
struct PrintKind {
    const char* name;
    const char* label;  // the template (NoteType name) the filler writes
    bool list;          // KEY is a period, not a bill code
    int (*fill)(CppSQLite3DB& db, const JobKey& key, long& rows, CString& error);
};

const PrintKind kKinds[] = {
    {"sale", "销售单", false,
     [](CppSQLite3DB& db, const JobKey& k, long& rows, CString& e) {
         return CSaleBLL().InsertPrintData(db, k.key, 0, rows, e);
     }},
    {"purchase", "进货单", false,
     [](CppSQLite3DB& db, const JobKey& k, long& rows, CString& e) {
         return CPurBLL().InsertPrintData(db, k.key, 0, rows, e);
     }},
    {"order", "销售单", false,
     [](CppSQLite3DB& db, const JobKey& k, long& rows, CString& e) {
         return COrderSaleBLL().InsertPrintData(db, k.key, 0, rows, e);
     }},
    {"sales", "销售单列表", true,
     [](CppSQLite3DB& db, const JobKey& k, long& rows, CString& e) {
         return CSaleBLL().InsertSaleListPrintData(db, k.from, k.to, k.keyword, rows, e);
     }},
    {"purchases", "进货单列表", true,
     [](CppSQLite3DB& db, const JobKey& k, long& rows, CString& e) {
         return CPurBLL().InsertPurListPrintData(db, k.from, k.to, k.keyword, rows, e);
     }},
    {"orders", "销售单列表", true,
     [](CppSQLite3DB& db, const JobKey& k, long& rows, CString& e) {
         return COrderSaleBLL().InsertSaleListPrintData(db, 3, k.from, k.to, k.keyword, rows, e);
     }},
};

int BadArgument(const std::string& problem) {
    std::cerr << "shopbiz print: " << problem << "\n(shopbiz print --help tells more)\n";
    return kBadArguments;
}

bool IsDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9') return false;
    const int month = std::stoi(text.substr(5, 2)), day = std::stoi(text.substr(8, 2));
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// "FROM..TO" (either side may be left out) or a single day.
bool ReadPeriod(const std::string& key, JobKey& out) {
    const size_t dots = key.find("..");
    const std::string from = dots == std::string::npos ? key : key.substr(0, dots);
    const std::string to = dots == std::string::npos ? key : key.substr(dots + 2);
    if ((!from.empty() && !IsDate(from)) || (!to.empty() && !IsDate(to))) return false;
    out.from = CString::FromUtf8(from);
    out.to = CString::FromUtf8(to);
    return true;
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        PrintError(path + ": cannot write the page");
        return false;
    }
    return true;
}

// Fills the job, reads it back and clears the table again: the shop file keeps no print data.
bool RenderJob(CppSQLite3DB& db, const std::string& path, const PrintKind& kind, const JobKey& key, Paper paper,
               std::string& html) {
    CSysBLL sys;
    CString error;
    if (!sys.ExecDML(db, L"DELETE FROM SysPrintData", error)) {
        PrintError(path + ": " + MessageText(error));
        return false;
    }
    long rows = 0;
    if (kind.fill(db, key, rows, error) < 0) {
        PrintError(path + ": " + MessageText(error));
        sys.ExecDML(db, L"DELETE FROM SysPrintData", error);
        return false;
    }
    try {
        html = RenderPage(ReadPrintJob(db, kind.label, rows), paper);
    } catch (CppSQLite3Exception& e) {
        PrintError(path + ": " + MessageText(e.errorMessage()));
        sys.ExecDML(db, L"DELETE FROM SysPrintData", error);
        return false;
    }
    sys.ExecDML(db, L"DELETE FROM SysPrintData", error);
    return true;
}

int RunPrint(const Invocation& invocation) {
    const std::string& path = invocation.args[0];
    const std::string& kindName = invocation.args[1];
    const PrintKind* kind = nullptr;
    for (const PrintKind& k : kKinds)
        if (kindName == k.name) kind = &k;
    if (!kind) return BadArgument("unknown KIND '" + kindName + "' (sale, purchase, order, sales, purchases, orders)");
    JobKey key;
    key.keyword = CString::FromUtf8(invocation.OptionValue("--keyword"));
    if (kind->list) {
        if (!ReadPeriod(invocation.args[2], key))
            return BadArgument("KEY of a list is a period FROM..TO of dates YYYY-MM-DD, not '" + invocation.args[2] + "'");
    } else {
        if (invocation.Has("--keyword")) return BadArgument("--keyword is for the lists (sales, purchases, orders)");
        key.key = CString::FromUtf8(invocation.args[2]);
    }
    const std::string paperName = invocation.OptionValue("--paper", "a4");
    if (paperName != "a4" && paperName != "receipt") return BadArgument("--paper is a4 or receipt, not '" + paperName + "'");
    const Paper paper = paperName == "a4" ? Paper::A4 : Paper::Receipt;
    const std::string out = invocation.OptionValue("--out");
    const std::string pdf = invocation.OptionValue("--pdf");
    if (invocation.Has("--out") && out.empty()) return BadArgument("--out names no file");
    if (invocation.Has("--pdf") && pdf.empty()) return BadArgument("--pdf names no file");

    // A page never takes the place of the shop database.
    std::error_code ignored;
    for (const std::string& file : {out, pdf})
        if (!file.empty() && fs::equivalent(file, path, ignored))
            return BadArgument(file + " is the shop database itself; name another file for the page");

    CppSQLite3DB db;
    if (!OpenShopDatabase(db, path)) return kFailed;
    std::string html;
    if (!RenderJob(db, path, *kind, key, paper, html)) return kFailed;
    db.close();

    if (out.empty() && pdf.empty()) {
        std::cout << html;
        return std::cout.flush() ? kDone : kFailed;
    }
    // Chromium prints from a file: the page itself, or a scratch copy when only a PDF is asked for.
    std::string page = out;
    if (page.empty()) {
        std::string scratch = (fs::temp_directory_path() / "shopbiz-print-XXXXXX.html").string();
        const int fd = ::mkstemps(scratch.data(), 5);
        if (fd < 0) {
            PrintError("cannot make a scratch page in " + fs::temp_directory_path().string());
            return kFailed;
        }
        ::close(fd);
        page = scratch;
    }
    if (!WriteFile(page, html)) return kFailed;
    int result = kDone;
    if (!pdf.empty()) {
        const std::string problem = PrintPageToPdf(page, pdf);
        if (!problem.empty()) {
            PrintError(pdf + ": " + problem);
            result = kFailed;
        }
    }
    if (out.empty()) std::remove(page.c_str());
    return result;
}

}  // namespace

extern const Command kPrintCommand{
    "print",
    "print a bill or a list of bills as an HTML page (and a PDF)",
    "Prints a document of the shop database at PATH as the shop program's print engine does:\n"
    "the library fills the print data table, the page is laid out from the document's print\n"
    "template (its fields and their names) with the store's header, the document's fields,\n"
    "the table of its lines, its totals and the amount in capitals.\n"
    "KIND and KEY:\n"
    "  sale CODE, purchase CODE, order CODE   one bill or sale order by its code\n"
    "  sales FROM..TO, purchases FROM..TO, orders FROM..TO\n"
    "                                         the bills of a period (dates YYYY-MM-DD; either\n"
    "                                         side may be left out; one date: that day)\n"
    "The page goes to --out, or to stdout when neither --out nor --pdf is given; --pdf prints\n"
    "it through headless Chromium (SHOPBIZ_CHROMIUM names another browser). The print data\n"
    "table is left empty afterwards.",
    {{"PATH", ArgumentKind::Path, "an existing shop database"},
     {"KIND", ArgumentKind::Text, "sale, purchase, order, sales, purchases or orders"},
     {"KEY", ArgumentKind::Text, "a bill code, or a period FROM..TO for the lists"}},
    {{"--out", "FILE.html", "write the page to FILE.html"},
     {"--pdf", "FILE.pdf", "print the page to FILE.pdf through headless Chromium"},
     {"--paper", "a4|receipt", "an A4 sheet (the default) or an 80 mm receipt roll"},
     {"--keyword", "TEXT", "lists: only bills with TEXT in their code, partner, lines or remarks"}},
    RunPrint,
};

}  // namespace shopbiz::app
