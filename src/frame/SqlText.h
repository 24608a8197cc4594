#pragma once
// SQL text built from a template and the values of one call. A value reaches the text only
// through a slot that fits where it goes, so a caller's text can never end a literal, or
// the statement, early:
//
//     Quoted(text)     text between the template's single quotes ('%s'); quotes doubled
//     WholeNumber(text) an unquoted whole number typed as text: "12", "-3"
//     WholeNumbers(text) unquoted whole numbers separated by commas, for IN (%s): "4,7,9"
//     Amount(text)     an unquoted amount typed as text: "12.50", "-1e3"
//
// int and double values go in through %d and %.08lf as ever, written with a decimal point
// under every locale; SqlText pieces that Sql() built and constant texts go in as SQL. A
// CString does not compile as an argument: it must name its slot.
//
// A WholeNumber or Amount slot whose text is no such number makes Sql() throw the database
// component's exception, as the statement itself would fail, before anything runs; the
// method reports it in its own error form. A quoted slot outside quotes throws the same way.

#include <initializer_list>
#include <type_traits>

#include "frame/CppSQLite3.h"
#include "platform/CString.h"

namespace shopbiz {

// SQL that Sql() built, or a constant: safe to run or to put into another template.
class SqlText {
public:
    SqlText() = default;
    SqlText(const wchar_t* constant) : text_(constant) {}

    const CString& str() const { return text_; }
    operator const wchar_t*() const { return text_.GetString(); }
    operator const CString&() const { return text_; }
    bool IsEmpty() const { return text_.IsEmpty(); }

    SqlText& operator+=(const SqlText& more) {
        text_ += more.text_;
        return *this;
    }
    friend SqlText operator+(SqlText a, const SqlText& b) { return a += b; }
    friend SqlText operator+(const wchar_t* a, const SqlText& b) { return SqlText(a) += b; }

private:
    friend class SqlBuilder;
    explicit SqlText(CString&& built, int) : text_(std::move(built)) {}
    CString text_;
};

// The slots. Each holds the text as it will stand in the statement.
struct QuotedSlot {
    CString text;
};
struct NumberSlot {
    CString text;
    const wchar_t* refusal;  // null when the text is the number it must be
};

QuotedSlot Quoted(const CString& text);
NumberSlot WholeNumber(const CString& text);
NumberSlot WholeNumbers(const CString& text);
NumberSlot Amount(const CString& text);

namespace detail {

template <class T>
constexpr bool kSqlArgument = std::is_arithmetic_v<T> || std::is_enum_v<T> || std::is_same_v<T, SqlText> ||
                              std::is_same_v<T, QuotedSlot> || std::is_same_v<T, NumberSlot> ||
                              std::is_same_v<T, const wchar_t*> || std::is_same_v<T, wchar_t*> ||
                              (std::is_array_v<T> && std::is_same_v<std::remove_cv_t<std::remove_extent_t<T>>, wchar_t>);

// One argument with the kind of slot it fills.
struct SqlArgument {
    enum class Kind { Value, Quoted, Number } kind;
    FormatArg value;
    const wchar_t* refusal = nullptr;

    template <class T>
    SqlArgument(const T& v) : kind(Kind::Value), value(v) {}
    SqlArgument(const SqlText& v) : kind(Kind::Value), value(v.str().GetString()) {}
    SqlArgument(const QuotedSlot& v) : kind(Kind::Quoted), value(v.text.GetString()) {}
    SqlArgument(const NumberSlot& v) : kind(Kind::Number), value(v.text.GetString()), refusal(v.refusal) {}
};

}  // namespace detail

class SqlBuilder {
public:
    static SqlText Build(const wchar_t* format, std::initializer_list<detail::SqlArgument> args);
};

template <class... Args>
SqlText Sql(const wchar_t* format, const Args&... args) {
    static_assert((detail::kSqlArgument<Args> && ...),
                  "a text goes into SQL through Quoted(), WholeNumber(), WholeNumbers() or Amount()");
    return SqlBuilder::Build(format, {detail::SqlArgument(args)...});
}

// Text that is no SQL (messages, numbers as text): CString::Format as an expression.
template <class... Args>
CString Fmt(const wchar_t* format, const Args&... args) {
    CString s;
    s.Format(format, args...);
    return s;
}

}  // namespace shopbiz
