#pragma once
// A report's chart series drawn as a horizontal bar chart in one self-contained SVG file:
// panels one below the other, each with its title and one bar per pair of the series (the
// label at the left, the value at the bar's end). Negative values draw to the left of the
// zero line.

#include <string>
#include <vector>

#include "shopbiz.h"

namespace shopbiz::app::report {

struct ChartPanel {
    CString title;
    CStocksBLL::ChartSeries series;  // [0] label, [1] value as text
};

// The SVG document.
std::string BarChartSvg(const CString& title, const std::vector<ChartPanel>& panels);

// Writes it to `path`; "" when written, otherwise why not.
std::string WriteBarChart(const std::string& path, const CString& title, const std::vector<ChartPanel>& panels);

}  // namespace shopbiz::app::report
