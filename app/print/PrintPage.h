#pragma once
// One self-contained HTML page of a printed document: the store's header, the document's
// title and fields, the table of its lines, its totals and the amount in capitals, styled
// for an A4 sheet or an 80 mm receipt roll.

#include <string>

#include "print/PrintJob.h"

namespace shopbiz::app {

enum class Paper { A4, Receipt };

std::string RenderPage(const PrintedDocument& doc, Paper paper);

}  // namespace shopbiz::app
