#include "frame/SqlText.h"

#include <cwchar>
#include <vector>

#include "platform/Numbers.h"

namespace shopbiz {

namespace {

constexpr int kRefused = 20;  // SQLITE_MISMATCH: the value is not of the kind its slot takes

CString Trimmed(const CString& text) {
    CString t = text;
    return t.Trim();
}

}  // namespace

QuotedSlot Quoted(const CString& text) {
    QuotedSlot slot{text};
    slot.text.Replace(L"'", L"''");
    return slot;
}

NumberSlot WholeNumber(const CString& text) {
    const CString t = Trimmed(text);
    return {t, IsWholeNumber(t) ? nullptr : L"not a whole number"};
}

NumberSlot WholeNumbers(const CString& text) {
    const CString t = Trimmed(text);
    int start = 0;
    bool any = false;
    for (CString piece = t.Tokenize(L",", start); start >= 0; piece = t.Tokenize(L",", start)) {
        if (!IsWholeNumber(piece)) return {t, L"not a list of whole numbers"};
        any = true;
    }
    // Tokenize skips empty pieces: "1,,2" and a trailing comma are refused here.
    if (!any || t.Find(L",,") >= 0 || t[0] == L',' || t[t.GetLength() - 1] == L',')
        return {t, L"not a list of whole numbers"};
    return {t, nullptr};
}

NumberSlot Amount(const CString& text) {
    const CString t = Trimmed(text);
    return {t, IsPlainNumber(t) ? nullptr : L"not a number"};
}

SqlText SqlBuilder::Build(const wchar_t* format, std::initializer_list<detail::SqlArgument> args) {
    using Kind = detail::SqlArgument::Kind;
    std::vector<FormatArg> values;
    values.reserve(args.size());
    for (const detail::SqlArgument& a : args) values.push_back(a.value);

    // Walk the template's conversions, knowing for each whether it stands inside a quoted
    // literal of the template itself (the values are not part of the template).
    const detail::SqlArgument* next = args.begin();
    bool quoted = false;
    for (const wchar_t* p = format; p && *p; ++p) {
        if (*p == L'\'') quoted = !quoted;
        if (*p != L'%') continue;
        if (p[1] == L'%') {
            ++p;
            continue;
        }
        ++p;  // flags, width, precision and length up to the conversion letter
        while (*p && (std::wcschr(L"-+ #0123456789.*", *p) || std::wcschr(L"hlLIqjztw", *p))) ++p;
        if (!*p || next == args.end()) break;
        const detail::SqlArgument& a = *next++;
        if (a.kind == Kind::Number && a.refusal)
            throw CppSQLite3Exception(kRefused, Fmt(L"%s: '%s'", a.refusal, a.value.AsText()), CString(format));
        if (a.kind == Kind::Quoted && !quoted)
            throw CppSQLite3Exception(kRefused, CString(L"quoted text outside quotes"), CString(format));
    }
    return SqlText(CString(FormatWide(format, values.data(), values.size())), 0);
}

}  // namespace shopbiz
