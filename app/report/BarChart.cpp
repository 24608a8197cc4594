#include "report/BarChart.h"

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "TextTable.h"
#include "common/AmountText.h"

namespace shopbiz::app::report {

namespace {

constexpr int kWidth = 760, kMargin = 16, kTitleHeight = 40, kPanelTitle = 30, kBarHeight = 22, kBarGap = 8;
constexpr int kCharWidth = 7;  // per terminal column at 13px; a Chinese character takes two
constexpr int kValueRoom = 90;  // for the value written after the bar

std::string Escaped(const CString& text) {
    std::string out;
    for (char c : text.ToUtf8()) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default: out += c;
        }
    }
    return out;
}

// An SVG coordinate with one decimal, whatever the process locale.
std::string Number(double v) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, 1);
    return std::string(text, written.ptr);
}

}  // namespace

std::string BarChartSvg(const CString& title, const std::vector<ChartPanel>& panels) {
    int labelWidth = 0;
    for (const ChartPanel& panel : panels)
        for (const auto& bar : panel.series) labelWidth = std::max(labelWidth, DisplayWidth(bar[0]) * kCharWidth);
    const int barsLeft = kMargin + labelWidth + 10, barsWidth = kWidth - barsLeft - kValueRoom - kMargin;

    std::string body;
    int y = kTitleHeight;
    for (const ChartPanel& panel : panels) {
        body += "<text class=\"panel\" x=\"" + std::to_string(kMargin) + "\" y=\"" + std::to_string(y + 20) + "\">" +
                Escaped(panel.title) + "</text>\n";
        y += kPanelTitle;
        if (panel.series.empty()) {
            body += "<text class=\"empty\" x=\"" + std::to_string(barsLeft) + "\" y=\"" + std::to_string(y + 15) +
                    "\">(无数据)</text>\n";
            y += kBarHeight + kBarGap;
            continue;
        }
        // The zero line sits where the smallest and largest values leave it.
        double low = 0, high = 0;
        for (const auto& bar : panel.series) {
            low = std::min(low, ParseAmount(bar[1]));
            high = std::max(high, ParseAmount(bar[1]));
        }
        const double span = high - low > 0 ? high - low : 1;
        const double zero = barsLeft + barsWidth * (-low / span);
        const int top = y;
        for (const auto& bar : panel.series) {
            const double value = ParseAmount(bar[1]);
            const double length = std::max(1.0, barsWidth * std::abs(value) / span);
            const double x = value < 0 ? zero - length : zero;
            const std::string mid = std::to_string(y + kBarHeight / 2 + 5);
            body += "<g class=\"bar\"><text class=\"label\" x=\"" + std::to_string(barsLeft - 10) + "\" y=\"" + mid +
                    "\">" + Escaped(bar[0]) + "</text><rect class=\"" + (value < 0 ? "negative" : "positive") +
                    "\" x=\"" + Number(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" + Number(length) +
                    "\" height=\"" + std::to_string(kBarHeight) + "\"><title>" + Escaped(bar[0]) + " " +
                    Escaped(CentsText(value)) + "</title></rect><text class=\"value\" x=\"" +
                    Number(value < 0 ? zero + 4 : x + length + 4) + "\" y=\"" + mid + "\">" +
                    Escaped(CentsText(value)) + "</text></g>\n";
            y += kBarHeight + kBarGap;
        }
        body += "<line class=\"axis\" x1=\"" + Number(zero) + "\" y1=\"" + std::to_string(top - 4) + "\" x2=\"" +
                Number(zero) + "\" y2=\"" + std::to_string(y - kBarGap + 4) + "\"/>\n";
        y += kBarGap;
    }
    const int height = y + kMargin;
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(kWidth) + "\" height=\"" +
           std::to_string(height) + "\" viewBox=\"0 0 " + std::to_string(kWidth) + " " + std::to_string(height) +
           "\">\n"
           "<style>text{font-family:'Noto Sans CJK SC','WenQuanYi Zen Hei','Microsoft YaHei',sans-serif;"
           "font-size:13px;fill:#222}.title{font-size:18px;font-weight:bold}.panel{font-size:15px;font-weight:bold}"
           ".label{text-anchor:end}.value{fill:#444}.empty{fill:#888}.positive{fill:#3b78c2}"
           ".negative{fill:#d0593c}.axis{stroke:#888;stroke-width:1}</style>\n"
           "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n"
           "<text class=\"title\" x=\"" + std::to_string(kMargin) + "\" y=\"26\">" + Escaped(title) + "</text>\n" +
           body + "</svg>\n";
}

std::string WriteBarChart(const std::string& path, const CString& title, const std::vector<ChartPanel>& panels) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return "cannot write " + path + ": " + std::strerror(errno);
    out << BarChartSvg(title, panels);
    out.close();
    if (!out) return "cannot write " + path + ": " + std::strerror(errno);
    return "";
}

}  // namespace shopbiz::app::report
