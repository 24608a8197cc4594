#include "platform/CString.h"

#include <algorithm>
#include <cwchar>
#include <ostream>

#include "platform/TextCodec.h"

namespace {

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

wchar_t AsciiUpper(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c; }
wchar_t AsciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c; }

bool InSet(wchar_t c, const wchar_t* set) { return set && std::wcschr(set, c) != nullptr && c != L'\0'; }

}  // namespace

CString::CString(const wchar_t* text, int length) {
    if (text && length > 0) s_.assign(text, static_cast<size_t>(length));
}

CString CString::FromUtf8(std::string_view utf8) { return CString(shopbiz::Utf8ToWide(utf8)); }

std::string CString::ToUtf8() const { return shopbiz::WideToUtf8(s_); }

wchar_t CString::GetAt(int index) const {
    return (index >= 0 && index < GetLength()) ? s_[static_cast<size_t>(index)] : L'\0';
}

void CString::SetAt(int index, wchar_t ch) {
    if (index >= 0 && index < GetLength()) s_[static_cast<size_t>(index)] = ch;
}

int CString::Compare(const wchar_t* other) const {
    int r = s_.compare(other ? other : L"");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const wchar_t* other) const {
    const wchar_t* a = s_.c_str();
    const wchar_t* b = other ? other : L"";
    for (;; ++a, ++b) {
        wchar_t x = AsciiLower(*a), y = AsciiLower(*b);
        if (x != y) return x < y ? -1 : 1;
        if (!x) return 0;
    }
}

std::wstring CString::FormatList(const wchar_t* format, std::initializer_list<shopbiz::FormatArg> args) {
    return shopbiz::FormatWide(format, args.begin(), args.size());
}

CString& CString::MakeUpper() {
    for (auto& c : s_) c = AsciiUpper(c);
    return *this;
}

CString& CString::MakeLower() {
    for (auto& c : s_) c = AsciiLower(c);
    return *this;
}

CString& CString::MakeReverse() {
    std::reverse(s_.begin(), s_.end());
    return *this;
}

bool CString::IsSpace(wchar_t c) {
    if (c == L' ' || (c >= 0x09 && c <= 0x0D)) return true;
    switch (c) {
        case 0x85: case 0xA0: case 0x1680: case 0x2028: case 0x2029:
        case 0x202F: case 0x205F: case 0x3000:
            return true;
        default:
            return c >= 0x2000 && c <= 0x200A;
    }
}

CString& CString::TrimRight() {
    size_t n = s_.size();
    while (n > 0 && IsSpace(s_[n - 1])) --n;
    s_.erase(n);
    return *this;
}

CString& CString::TrimLeft() {
    size_t i = 0;
    while (i < s_.size() && IsSpace(s_[i])) ++i;
    s_.erase(0, i);
    return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::TrimRight(wchar_t ch) {
    const wchar_t set[2] = {ch, L'\0'};
    return TrimRight(set);
}

CString& CString::TrimLeft(wchar_t ch) {
    const wchar_t set[2] = {ch, L'\0'};
    return TrimLeft(set);
}

CString& CString::Trim(wchar_t ch) { return TrimRight(ch).TrimLeft(ch); }

CString& CString::TrimRight(const wchar_t* set) {
    size_t n = s_.size();
    while (n > 0 && InSet(s_[n - 1], set)) --n;
    s_.erase(n);
    return *this;
}

CString& CString::TrimLeft(const wchar_t* set) {
    size_t i = 0;
    while (i < s_.size() && InSet(s_[i], set)) ++i;
    s_.erase(0, i);
    return *this;
}

CString& CString::Trim(const wchar_t* set) { return TrimRight(set).TrimLeft(set); }

int CString::Replace(const wchar_t* oldText, const wchar_t* newText) {
    if (!oldText || !*oldText) return 0;
    const std::wstring_view from(oldText);
    const std::wstring_view to(newText ? newText : L"");
    size_t pos = s_.find(from);
    if (pos == std::wstring::npos) return 0;
    std::wstring out;
    out.reserve(s_.size());
    size_t last = 0;
    int count = 0;
    while (pos != std::wstring::npos) {
        out.append(s_, last, pos - last);
        out.append(to);
        last = pos + from.size();
        ++count;
        pos = s_.find(from, last);
    }
    out.append(s_, last, std::wstring::npos);
    s_.swap(out);
    return count;
}

int CString::Replace(wchar_t oldCh, wchar_t newCh) {
    int count = 0;
    for (auto& c : s_) {
        if (c == oldCh) {
            c = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Remove(wchar_t ch) {
    size_t before = s_.size();
    s_.erase(std::remove(s_.begin(), s_.end(), ch), s_.end());
    return static_cast<int>(before - s_.size());
}

int CString::Insert(int index, const wchar_t* text) {
    index = Clamp(index, 0, GetLength());
    if (text) s_.insert(static_cast<size_t>(index), text);
    return GetLength();
}

int CString::Insert(int index, wchar_t ch) {
    index = Clamp(index, 0, GetLength());
    s_.insert(s_.begin() + index, ch);
    return GetLength();
}

int CString::Delete(int index, int count) {
    index = Clamp(index, 0, GetLength());
    count = Clamp(count, 0, GetLength() - index);
    s_.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

int CString::Find(const wchar_t* sub, int start) const {
    if (start < 0) start = 0;
    if (start > GetLength() || !sub) return -1;
    size_t pos = s_.find(sub, static_cast<size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(wchar_t ch, int start) const {
    if (start < 0) start = 0;
    if (start >= GetLength()) return -1;
    size_t pos = s_.find(ch, static_cast<size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const {
    size_t pos = s_.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(const wchar_t* set) const {
    if (!set || !*set) return -1;
    size_t pos = s_.find_first_of(set);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    first = Clamp(first, 0, GetLength());
    count = Clamp(count, 0, GetLength() - first);
    return CString(s_.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Right(int count) const {
    count = Clamp(count, 0, GetLength());
    return Mid(GetLength() - count, count);
}

CString CString::SpanIncluding(const wchar_t* set) const {
    size_t i = 0;
    while (i < s_.size() && InSet(s_[i], set)) ++i;
    return CString(s_.substr(0, i));
}

CString CString::SpanExcluding(const wchar_t* set) const {
    size_t i = 0;
    while (i < s_.size() && !InSet(s_[i], set)) ++i;
    return CString(s_.substr(0, i));
}

CString CString::Tokenize(const wchar_t* delimiters, int& start) const {
    if (start < 0 || start >= GetLength()) {
        start = -1;
        return CString();
    }
    size_t i = static_cast<size_t>(start);
    while (i < s_.size() && InSet(s_[i], delimiters)) ++i;
    if (i >= s_.size()) {
        start = -1;
        return CString();
    }
    size_t j = i;
    while (j < s_.size() && !InSet(s_[j], delimiters)) ++j;
    start = static_cast<int>(j < s_.size() ? j + 1 : j);
    return CString(s_.substr(i, j - i));
}

CString operator+(const CString& a, const CString& b) { return CString(a.str() + b.str()); }
CString operator+(const CString& a, const wchar_t* b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(const wchar_t* a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, wchar_t b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(wchar_t a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}

std::ostream& operator<<(std::ostream& os, const CString& s) { return os << s.ToUtf8(); }
