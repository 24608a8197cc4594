#include "platform/FormatArg.h"

#include <cstdio>
#include <cwchar>
#include <vector>

#include "platform/Numbers.h"
#include "platform/TextCodec.h"

namespace shopbiz {

std::int64_t FormatArg::AsSigned() const {
    switch (kind_) {
        case Kind::Signed: return signed_;
        case Kind::Unsigned: return static_cast<std::int64_t>(unsigned_);
        case Kind::Double: return static_cast<std::int64_t>(double_);
        case Kind::WideText: return wide_ ? std::wcstoll(wide_, nullptr, 10) : 0;
        case Kind::NarrowText: return narrow_ ? std::strtoll(narrow_, nullptr, 10) : 0;
        case Kind::Pointer: return static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(pointer_));
    }
    return 0;
}

std::uint64_t FormatArg::AsUnsigned() const {
    std::uint64_t v;
    switch (kind_) {
        case Kind::Unsigned: v = unsigned_; break;
        case Kind::Pointer: v = reinterpret_cast<std::uintptr_t>(pointer_); break;
        default: v = static_cast<std::uint64_t>(AsSigned()); break;
    }
    // A negative int printed with %x or %u shows its own width, as on the desktop.
    if (bits_ < 64 && (kind_ == Kind::Signed || kind_ == Kind::Unsigned))
        v &= (std::uint64_t{1} << bits_) - 1;
    return v;
}

double FormatArg::AsDouble() const {
    switch (kind_) {
        case Kind::Double: return double_;
        case Kind::Signed: return static_cast<double>(signed_);
        case Kind::Unsigned: return static_cast<double>(unsigned_);
        case Kind::WideText: return ReadNumber(wide_);
        case Kind::NarrowText: return narrow_ ? ReadNumber(Utf8ToWide(narrow_).c_str()) : 0.0;
        case Kind::Pointer: return 0.0;
    }
    return 0.0;
}

std::wstring FormatArg::AsText() const {
    switch (kind_) {
        case Kind::WideText: return wide_ ? std::wstring(wide_) : std::wstring(L"(null)");
        case Kind::NarrowText: return narrow_ ? Utf8ToWide(narrow_) : std::wstring(L"(null)");
        case Kind::Signed: return std::to_wstring(signed_);
        case Kind::Unsigned: return std::to_wstring(unsigned_);
        case Kind::Double: {
            char buf[64];
            CNumericLocale c;
            std::snprintf(buf, sizeof buf, "%g", double_);
            return Utf8ToWide(buf);
        }
        case Kind::Pointer: {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%p", pointer_);
            return Utf8ToWide(buf);
        }
    }
    return {};
}

namespace {

struct Directive {
    std::string flags;
    int width = -1;
    int precision = -1;
    std::string lengthMod;  // as written, for the narrow printf call
    wchar_t conversion = 0;
};

// Numbers come out as in the "C" locale, whatever locale the host set.
template <class... T>
std::string NarrowPrintf(const std::string& fmt, T... values) {
    CNumericLocale c;
    char small[128];
    int n = std::snprintf(small, sizeof small, fmt.c_str(), values...);
    if (n < 0) return {};
    if (static_cast<size_t>(n) < sizeof small) return std::string(small, static_cast<size_t>(n));
    std::vector<char> big(static_cast<size_t>(n) + 1);
    std::snprintf(big.data(), big.size(), fmt.c_str(), values...);
    return std::string(big.data(), static_cast<size_t>(n));
}

std::string NumberFormat(const Directive& s, const char* length, char conversion) {
    std::string f = "%" + s.flags;
    if (s.width >= 0) f += std::to_string(s.width);
    if (s.precision >= 0) f += "." + std::to_string(s.precision);
    f += length;
    f += conversion;
    return f;
}

void AppendPadded(std::wstring& out, const std::wstring& text, const Directive& s) {
    std::wstring body = text;
    if (s.precision >= 0 && body.size() > static_cast<size_t>(s.precision)) body.resize(static_cast<size_t>(s.precision));
    size_t width = s.width > 0 ? static_cast<size_t>(s.width) : 0;
    bool left = s.flags.find('-') != std::string::npos;
    if (!left && body.size() < width) out.append(width - body.size(), L' ');
    out += body;
    if (left && body.size() < width) out.append(width - body.size(), L' ');
}

void AppendWidened(std::wstring& out, const std::string& ascii) {
    for (char c : ascii) out += static_cast<wchar_t>(static_cast<unsigned char>(c));
}

}  // namespace

std::wstring FormatWide(const wchar_t* format, const FormatArg* args, std::size_t count) {
    std::wstring out;
    if (!format) return out;
    size_t next = 0;
    auto take = [&]() -> const FormatArg* { return next < count ? &args[next++] : nullptr; };

    for (const wchar_t* p = format; *p;) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        const wchar_t* start = p++;
        if (*p == L'%') {
            out += L'%';
            ++p;
            continue;
        }
        Directive s;
        while (*p == L'-' || *p == L'+' || *p == L' ' || *p == L'#' || *p == L'0') s.flags += static_cast<char>(*p++);
        if (*p == L'*') {
            const FormatArg* a = take();
            s.width = a ? static_cast<int>(a->AsSigned()) : 0;
            if (s.width < 0) {
                s.flags += '-';
                s.width = -s.width;
            }
            ++p;
        } else if (*p >= L'0' && *p <= L'9') {
            s.width = 0;
            while (*p >= L'0' && *p <= L'9') s.width = s.width * 10 + (*p++ - L'0');
        }
        if (*p == L'.') {
            ++p;
            s.precision = 0;
            if (*p == L'*') {
                const FormatArg* a = take();
                s.precision = a ? static_cast<int>(a->AsSigned()) : 0;
                if (s.precision < 0) s.precision = -1;
                ++p;
            } else {
                while (*p >= L'0' && *p <= L'9') s.precision = s.precision * 10 + (*p++ - L'0');
            }
        }
        // Length modifiers: only h and hh (narrowing) change the result; text arguments
        // carry their own width, so %s, %S, %ls and %hs all print them right.
        bool half = false, quarter = false;
        for (;;) {
            if (*p == L'h') {
                if (half) quarter = true;
                half = true;
                ++p;
            } else if (*p == L'l' || *p == L'L' || *p == L'z' || *p == L'j' || *p == L't' || *p == L'q' ||
                       *p == L'w') {
                ++p;
            } else if (*p == L'I') {
                ++p;
                if ((p[0] == L'6' && p[1] == L'4') || (p[0] == L'3' && p[1] == L'2')) p += 2;
            } else {
                break;
            }
        }
        s.conversion = *p;
        if (!*p) {  // a lone % at the end is kept as written
            out.append(start);
            break;
        }
        ++p;
        switch (s.conversion) {
            case L'd':
            case L'i': {
                const FormatArg* a = take();
                long long v = a ? static_cast<long long>(a->AsSigned()) : 0;
                if (quarter) v = static_cast<signed char>(v);
                else if (half) v = static_cast<short>(v);
                AppendWidened(out, NarrowPrintf(NumberFormat(s, "ll", 'd'), v));
                break;
            }
            case L'u':
            case L'o':
            case L'x':
            case L'X': {
                const FormatArg* a = take();
                unsigned long long v = a ? a->AsUnsigned() : 0;
                if (quarter) v = static_cast<unsigned char>(v);
                else if (half) v = static_cast<unsigned short>(v);
                AppendWidened(out, NarrowPrintf(NumberFormat(s, "ll", static_cast<char>(s.conversion)), v));
                break;
            }
            case L'f':
            case L'F':
            case L'e':
            case L'E':
            case L'g':
            case L'G':
            case L'a':
            case L'A': {
                const FormatArg* a = take();
                double v = a ? a->AsDouble() : 0.0;
                AppendWidened(out, NarrowPrintf(NumberFormat(s, "", static_cast<char>(s.conversion)), v));
                break;
            }
            case L'c':
            case L'C': {
                const FormatArg* a = take();
                std::wstring ch;
                if (a && (a->kind() == FormatArg::Kind::WideText || a->kind() == FormatArg::Kind::NarrowText)) {
                    ch = a->AsText().substr(0, 1);
                } else if (a) {
                    ch = std::wstring(1, static_cast<wchar_t>(a->AsSigned()));
                }
                Directive noPrecision = s;
                noPrecision.precision = -1;
                AppendPadded(out, ch, noPrecision);
                break;
            }
            case L's':
            case L'S': {
                const FormatArg* a = take();
                AppendPadded(out, a ? a->AsText() : std::wstring(), s);
                break;
            }
            case L'p': {
                const FormatArg* a = take();
                AppendWidened(out, NarrowPrintf(NumberFormat(s, "ll", 'X'), a ? static_cast<unsigned long long>(a->AsUnsigned()) : 0ULL));
                break;
            }
            case L'n':  // never writes through a pointer
                take();
                break;
            default:  // unknown conversion: keep the text as written
                out.append(start, p);
                break;
        }
    }
    return out;
}

}  // namespace shopbiz
