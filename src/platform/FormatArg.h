#pragma once
// One argument of a printf-style format, captured with its kind so that a
// mismatched conversion prints something sensible instead of reading garbage.

#include <cstdint>
#include <string>
#include <type_traits>

namespace shopbiz {

class FormatArg {
public:
    enum class Kind { Signed, Unsigned, Double, WideText, NarrowText, Pointer };

    template <class T>
        requires(std::is_integral_v<T> || std::is_enum_v<T>)
    FormatArg(T value) : bits_(sizeof(T) * 8) {
        if constexpr (std::is_enum_v<T>) {
            kind_ = Kind::Signed;
            signed_ = static_cast<std::int64_t>(value);
        } else if constexpr (std::is_signed_v<T> && !std::is_same_v<T, bool>) {
            kind_ = Kind::Signed;
            signed_ = value;
        } else {
            kind_ = Kind::Unsigned;
            unsigned_ = static_cast<std::uint64_t>(value);
        }
    }
    FormatArg(double value) : kind_(Kind::Double), double_(value) {}
    FormatArg(float value) : kind_(Kind::Double), double_(value) {}
    FormatArg(long double value) : kind_(Kind::Double), double_(static_cast<double>(value)) {}
    FormatArg(const wchar_t* text) : kind_(Kind::WideText), wide_(text) {}
    FormatArg(wchar_t* text) : kind_(Kind::WideText), wide_(text) {}
    FormatArg(const std::wstring& text) : kind_(Kind::WideText), wide_(text.c_str()) {}
    FormatArg(const char* text) : kind_(Kind::NarrowText), narrow_(text) {}
    FormatArg(char* text) : kind_(Kind::NarrowText), narrow_(text) {}
    FormatArg(const std::string& text) : kind_(Kind::NarrowText), narrow_(text.c_str()) {}
    FormatArg(const void* p) : kind_(Kind::Pointer), pointer_(p) {}
    FormatArg(std::nullptr_t) : kind_(Kind::Pointer), pointer_(nullptr) {}

    Kind kind() const { return kind_; }
    int bits() const { return bits_; }
    std::int64_t AsSigned() const;
    std::uint64_t AsUnsigned() const;
    double AsDouble() const;
    // The argument as text: strings as they are, numbers in their plain decimal form.
    std::wstring AsText() const;

private:
    Kind kind_;
    int bits_ = 64;
    union {
        std::int64_t signed_;
        std::uint64_t unsigned_;
        double double_;
        const wchar_t* wide_;
        const char* narrow_;
        const void* pointer_;
    };
};

// Formats `format` with the Windows wide-printf meaning of the conversions:
// %s and %c take wide text, %S and %C narrow (UTF-8) text; %hs/%ls/%ws pick explicitly.
// Length modifiers (h, hh, l, ll, L, I64, I32, z, j, t) are accepted; the value's own
// width decides how it is read. The result has no length limit.
std::wstring FormatWide(const wchar_t* format, const FormatArg* args, std::size_t count);

}  // namespace shopbiz
