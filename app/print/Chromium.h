#pragma once
// Printing a local HTML page to PDF through headless Chromium, as a user's browser prints it.
// The browser is SHOPBIZ_CHROMIUM when set, else "chromium" on the PATH. It runs with a new,
// empty profile that is removed afterwards, without its background network traffic, and
// under a time limit, so that a browser that cannot start or hangs never holds the caller.

#include <string>

namespace shopbiz::app {

// Prints `htmlPath` to `pdfPath`. "" when the PDF was written; otherwise why not.
std::string PrintPageToPdf(const std::string& htmlPath, const std::string& pdfPath, int timeoutSeconds = 120);

}  // namespace shopbiz::app
