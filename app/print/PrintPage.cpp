#include "print/PrintPage.h"

#include <set>

namespace shopbiz::app {

namespace {

// Where the page puts a document field, by its code; any other field goes into the grid of
// fields under the title.
const std::set<std::string> kStoreCodes = {"StoreName", "StoreAddr", "StoreLink"};
const std::set<std::string> kTotalCodes = {"Count",        "SumFnshItemCount", "BillAmount",   "DiscountAmount",
                                           "GetAmount",    "OweAmount",        "SumAmount",    "SumAddAmount",
                                           "SumGetAmount", "SumInAmount",      "SumOutAmount", "SumDiscountAmount",
                                           "SumBillAmount", "SumDisAmount",    "SumRelBillAmount"};
const char* const kCapitalsCode = "BillAmountRMB";
// A caption the desktop template prints before the order code; the page names every field.
const std::set<std::string> kCaptionCodes = {"SaleCodeRemark"};
// The columns a receipt roll has room for; a table with none of them keeps all its columns.
const std::set<std::string> kReceiptColumns = {"ProductName", "ItemCount",  "Price",     "Amount",   "BillCode",
                                               "CompanyName", "BillAmount", "GetAmount", "UserName", "InAmount",
                                               "OutAmount",   "CurAmount",  "EndAmount", "SettleAcctName"};

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
    return out;
}

// Codes, dates and other words without blanks are never broken across lines.
bool IsCode(const std::string& text) {
    if (text.empty() || text.size() > 16) return false;
    for (unsigned char c : text)
        if (c <= ' ' || c >= 0x80) return false;
    return true;
}

const char* const kStyle = R"(
  * { box-sizing: border-box; }
  body { margin: 0; color: #111; background: #fff;
         font-family: "WenQuanYi Micro Hei", "Noto Sans CJK SC", "Microsoft YaHei", sans-serif; }
  .sheet { margin: 0 auto; }
  .store { text-align: center; }
  .store h1 { margin: 0; letter-spacing: 0.08em; }
  .store p { margin: 0.2em 0 0; color: #444; }
  h2.title { text-align: center; margin: 0.5em 0; letter-spacing: 0.3em; }
  dl { margin: 0; display: grid; }
  dl div { display: flex; gap: 0.4em; min-width: 0; }
  dt { color: #555; white-space: nowrap; }
  dt::after { content: "："; }
  dd { margin: 0; overflow-wrap: anywhere; }
  table { width: 100%; border-collapse: collapse; }
  th, td { padding: 0.25em 0.4em; text-align: left; vertical-align: top; }
  th { font-weight: 600; white-space: nowrap; }
  td.code { white-space: nowrap; }
  td.number, th.number { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
  .totals dd { font-weight: 600; font-variant-numeric: tabular-nums; }
  .capitals { font-weight: 600; }
  .empty { color: #777; text-align: center; }
  @media screen { body { background: #e8e8e8; } .sheet { background: #fff; box-shadow: 0 0 4px #999; } }
)";

const char* const kA4Style = R"(
  @page { size: A4; margin: 0; }
  body { font-size: 10.5pt; }
  .sheet { width: 210mm; min-height: 297mm; padding: 14mm 14mm; }
  .store h1 { font-size: 18pt; }
  h2.title { font-size: 15pt; }
  .fields { grid-template-columns: repeat(3, 1fr); gap: 0.25em 1.2em; margin-bottom: 0.8em; }
  table.lines th, table.lines td { border: 0.6pt solid #333; }
  table.lines thead th { background: #eee; }
  .totals { grid-template-columns: repeat(4, auto); justify-content: end; gap: 0.3em 1.6em; margin-top: 0.6em; }
  .capitals { margin-top: 0.6em; }
  .printed { margin-top: 1.2em; color: #666; font-size: 9pt; display: flex; justify-content: space-between; }
)";

const char* const kReceiptStyle = R"(
  @page { size: 80mm 297mm; margin: 0; }
  body { font-size: 9pt; }
  .sheet { width: 80mm; padding: 4mm 3mm; }
  .store h1 { font-size: 12pt; }
  h2.title { font-size: 11pt; border-bottom: 1px dashed #000; padding-bottom: 0.3em; }
  .fields { grid-template-columns: 1fr; gap: 0.1em; margin-bottom: 0.4em; }
  table.lines { border-top: 1px dashed #000; border-bottom: 1px dashed #000; }
  table.lines th, table.lines td { padding: 0.15em 0.2em; }
  .totals { grid-template-columns: 1fr; gap: 0.1em; margin-top: 0.4em; }
  .totals div { justify-content: space-between; }
  .capitals { margin-top: 0.4em; }
  .printed { margin-top: 0.8em; display: flex; justify-content: space-between; }
)";

void FieldList(std::string& html, const char* cssClass, const std::vector<const PrintedField*>& fields) {
    if (fields.empty()) return;
    html += std::string("<dl class=\"") + cssClass + "\">\n";
    for (const PrintedField* field : fields)
        html += "  <div data-code=\"" + Escaped(field->code) + "\"><dt>" + Escaped(field->name) + "</dt><dd>" +
                Escaped(field->value) + "</dd></div>\n";
    html += "</dl>\n";
}

}  // namespace

std::string RenderPage(const PrintedDocument& doc, Paper paper) {
    std::vector<const PrintedField*> fields, totals;
    const PrintedField* capitals = nullptr;
    for (const PrintedField& field : doc.fields) {
        if (kStoreCodes.count(field.code) || kCaptionCodes.count(field.code)) continue;
        if (field.code == kCapitalsCode) {
            capitals = &field;
        } else if (kTotalCodes.count(field.code)) {
            totals.push_back(&field);
        } else if (!field.value.empty()) {
            fields.push_back(&field);
        }
    }
    // Columns empty in every row take no room; a receipt keeps the columns it has room for.
    std::vector<size_t> filled, shown;
    for (size_t i = 0; i < doc.columns.size(); ++i) {
        bool any = doc.rows.empty();
        for (const auto& row : doc.rows) any = any || (i < row.size() && !row[i].empty());
        if (any) filled.push_back(i);
    }
    for (size_t i : filled)
        if (paper == Paper::A4 || kReceiptColumns.count(doc.columns[i].code)) shown.push_back(i);
    if (shown.empty()) shown = filled;

    const std::string store = doc.Field("StoreName");
    std::string title = doc.label;
    if (!doc.Field("BillCode").empty()) title += " " + doc.Field("BillCode");

    std::string html = "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                       Escaped(store.empty() ? title : store + " " + title) + "</title>\n<style>" + kStyle +
                       (paper == Paper::A4 ? kA4Style : kReceiptStyle) + "</style>\n</head>\n<body class=\"" +
                       (paper == Paper::A4 ? "a4" : "receipt") + "\">\n<main class=\"sheet\">\n";
    if (!store.empty() || !doc.Field("StoreAddr").empty() || !doc.Field("StoreLink").empty()) {
        html += "<header class=\"store\">\n";
        if (!store.empty()) html += "  <h1>" + Escaped(store) + "</h1>\n";
        std::string line = doc.Field("StoreAddr");
        const std::string link = doc.Field("StoreLink");
        if (!link.empty()) line += (line.empty() ? "" : "　") + std::string("联系人：") + link;
        if (!line.empty()) html += "  <p>" + Escaped(line) + "</p>\n";
        html += "</header>\n";
    }
    html += "<h2 class=\"title\">" + Escaped(doc.label) + "</h2>\n";
    FieldList(html, "fields", fields);

    if (!doc.columns.empty()) {
        html += "<table class=\"lines\">\n<thead><tr>";
        for (size_t i : shown)
            html += std::string("<th") + (doc.columns[i].number ? " class=\"number\"" : "") + " data-code=\"" +
                    Escaped(doc.columns[i].code) + "\">" + Escaped(doc.columns[i].name) + "</th>";
        html += "</tr></thead>\n<tbody>\n";
        for (const auto& row : doc.rows) {
            html += "<tr>";
            for (size_t i : shown) {
                const std::string cell = i < row.size() ? row[i] : "";
                const char* cssClass = doc.columns[i].number ? " class=\"number\"" : IsCode(cell) ? " class=\"code\"" : "";
                html += std::string("<td") + cssClass + ">" + Escaped(cell) + "</td>";
            }
            html += "</tr>\n";
        }
        if (doc.rows.empty())
            html += "<tr><td class=\"empty\" colspan=\"" + std::to_string(shown.size()) + "\">（无）</td></tr>\n";
        html += "</tbody>\n</table>\n";
    }
    FieldList(html, "totals", totals);
    if (capitals)
        html += "<p class=\"capitals\" data-code=\"" + Escaped(capitals->code) + "\">" + Escaped(capitals->name) +
                "：" + Escaped(capitals->value) + "</p>\n";
    html += "<footer class=\"printed\"><span>制单：</span><span>经手人：</span><span>签收：</span></footer>\n";
    html += "</main>\n</body>\n</html>\n";
    return html;
}

}  // namespace shopbiz::app
