#pragma once
// The wide-character string of the service interface, with the members a desktop
// programmer expects. Positions and lengths count wchar_t units.

#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>

#include "platform/FormatArg.h"

class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : s_(text ? text : L"") {}
    CString(const wchar_t* text, int length);
    CString(wchar_t ch, int repeat = 1) : s_(repeat > 0 ? static_cast<size_t>(repeat) : 0, ch) {}
    CString(const std::wstring& text) : s_(text) {}
    CString(std::wstring&& text) : s_(std::move(text)) {}
    CString(std::wstring_view text) : s_(text) {}
    static CString FromUtf8(std::string_view utf8);

    CString& operator=(const wchar_t* text) {
        s_ = text ? text : L"";
        return *this;
    }
    CString& operator=(wchar_t ch) {
        s_.assign(1, ch);
        return *this;
    }

    operator const wchar_t*() const { return s_.c_str(); }
    const wchar_t* GetString() const { return s_.c_str(); }
    const std::wstring& str() const { return s_; }
    std::string ToUtf8() const;

    int GetLength() const { return static_cast<int>(s_.size()); }
    bool IsEmpty() const { return s_.empty(); }
    void Empty() { s_.clear(); }
    // Out-of-range positions read as L'\0' and writes to them are ignored.
    wchar_t GetAt(int index) const;
    void SetAt(int index, wchar_t ch);
    wchar_t operator[](int index) const { return GetAt(index); }

    CString& operator+=(const CString& other) {
        s_ += other.s_;
        return *this;
    }
    CString& operator+=(const wchar_t* text) {
        if (text) s_ += text;
        return *this;
    }
    CString& operator+=(wchar_t ch) {
        s_ += ch;
        return *this;
    }

    int Compare(const wchar_t* other) const;
    int CompareNoCase(const wchar_t* other) const;  // ASCII letters only, as in the "C" locale

    // printf-style formatting with the Windows wide meaning (%s is wide text); no length limit.
    template <class... Args>
    void Format(const wchar_t* format, const Args&... args) {
        s_ = FormatList(format, {ToArg(args)...});
    }
    template <class... Args>
    void AppendFormat(const wchar_t* format, const Args&... args) {
        s_ += FormatList(format, {ToArg(args)...});
    }

    CString& MakeUpper();  // ASCII letters only, as in the "C" locale
    CString& MakeLower();
    CString& MakeReverse();

    // White space: tab, LF, VT, FF, CR, space and the Unicode spaces (NBSP, U+2000..U+200A,
    // U+2028, U+2029, U+202F, U+205F, U+3000, ...).
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim(wchar_t ch);
    CString& TrimLeft(wchar_t ch);
    CString& TrimRight(wchar_t ch);
    CString& Trim(const wchar_t* set);
    CString& TrimLeft(const wchar_t* set);
    CString& TrimRight(const wchar_t* set);

    // Replaces every occurrence left to right without re-scanning inserted text; returns the count.
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    int Replace(wchar_t oldCh, wchar_t newCh);
    int Remove(wchar_t ch);
    int Insert(int index, const wchar_t* text);
    int Insert(int index, wchar_t ch);
    int Delete(int index, int count = 1);

    int Find(const wchar_t* sub, int start = 0) const;
    int Find(wchar_t ch, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* set) const;

    // Out-of-range arguments are clamped, never an error.
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const wchar_t* set) const;
    CString SpanExcluding(const wchar_t* set) const;
    // Next token after `start` separated by any of `delimiters`; start becomes -1 at the end.
    CString Tokenize(const wchar_t* delimiters, int& start) const;

    static bool IsSpace(wchar_t ch);

private:
    static shopbiz::FormatArg ToArg(const CString& s) { return shopbiz::FormatArg(s.GetString()); }
    template <class T>
    static shopbiz::FormatArg ToArg(const T& value) {
        return shopbiz::FormatArg(value);
    }
    static std::wstring FormatList(const wchar_t* format, std::initializer_list<shopbiz::FormatArg> args);

    std::wstring s_;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const wchar_t* b);
CString operator+(const wchar_t* a, const CString& b);
CString operator+(const CString& a, wchar_t b);
CString operator+(wchar_t a, const CString& b);

inline bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
inline bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
inline bool operator<(const CString& a, const CString& b) { return a.str() < b.str(); }
inline bool operator<(const CString& a, const wchar_t* b) { return a.Compare(b) < 0; }
inline bool operator<(const wchar_t* a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return b < a; }
inline bool operator>(const CString& a, const wchar_t* b) { return a.Compare(b) > 0; }
inline bool operator>(const wchar_t* a, const CString& b) { return b.Compare(a) < 0; }
inline bool operator<=(const CString& a, const CString& b) { return !(b < a); }
inline bool operator>=(const CString& a, const CString& b) { return !(a < b); }

// Writes UTF-8, so test failures print readably.
std::ostream& operator<<(std::ostream& os, const CString& s);

template <>
struct std::hash<CString> {
    size_t operator()(const CString& s) const noexcept { return std::hash<std::wstring>()(s.str()); }
};
