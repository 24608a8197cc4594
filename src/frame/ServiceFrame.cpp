#include "frame/ServiceFrame.h"

namespace shopbiz {

void LogLine(const CString& text) { CSuperLog::WriteLog(text.GetString(), 1, true); }

ErrorText ErrorText::WithStatement(const wchar_t* format) {
    ErrorText t(format);
    t.fill_ = Fill::MessageAndStatement;
    return t;
}

ErrorText ErrorText::WithStatement(const wchar_t* format, const CString& own) {
    ErrorText t(format);
    t.fill_ = Fill::OwnMessageAndStatement;
    t.own_ = own;
    return t;
}

ErrorText ErrorText::StatementAndMessage(const wchar_t* format) {
    ErrorText t(format);
    t.fill_ = Fill::StatementAndMessage;
    return t;
}

ErrorText ErrorText::Fixed(const wchar_t* text) {
    ErrorText t(text);
    t.fill_ = Fill::Nothing;
    return t;
}

ErrorText ErrorText::Statement() {
    ErrorText t;
    t.fill_ = Fill::StatementOnly;
    return t;
}

CString ErrorText::Of(const CppSQLite3Exception& e) const {
    if (fill_ == Fill::StatementOnly) return e.statement();
    if (!format_) return e.errorMessage();
    switch (fill_) {
        case Fill::Message: return Fmt(format_, e.errorMessage());
        case Fill::OwnAndMessage: return Fmt(format_, own_, e.errorMessage());
        case Fill::MessageAndStatement: return Fmt(format_, e.errorMessage(), e.statement());
        case Fill::OwnMessageAndStatement: return Fmt(format_, own_, e.errorMessage(), e.statement());
        case Fill::StatementAndMessage: return Fmt(format_, e.statement(), e.errorMessage());
        case Fill::Nothing:
        case Fill::StatementOnly: break;
    }
    return format_;
}

OnError OnError::Report(CString* error, ErrorText text) {
    OnError form;
    form.error_ = error;
    form.logLines_ = {text};
    form.errorText_ = std::move(text);
    return form;
}

OnError OnError::Log(ErrorText text) { return Report(nullptr, std::move(text)); }

OnError OnError::ShowMessage() {
    OnError form;
    form.messageBox_ = true;
    return form;
}

OnError OnError::CatchAll(const wchar_t* logText) {
    OnError form;
    form.catchesAll_ = true;
    form.otherLog_ = logText;
    if (logText) form.logLines_ = {ErrorText::Fixed(logText)};
    return form;
}

OnError OnError::OnlyOtherErrors(CString& error, const wchar_t* text) {
    OnError form;
    form.error_ = &error;
    form.passesDatabaseErrors_ = true;
    return form.OtherErrors(text);
}

OnError& OnError::LogAs(std::initializer_list<ErrorText> lines) {
    logLines_ = lines;
    return *this;
}

OnError& OnError::NotLogged() {
    logLines_.clear();
    return *this;
}

OnError& OnError::OtherErrors(const wchar_t* errorText) {
    catchesAll_ = true;
    otherError_ = errorText;
    return *this;
}

void OnError::Handle(const CppSQLite3Exception& e) const {
    if (passesDatabaseErrors_) throw;
    if (error_) *error_ = errorText_.Of(e);
    for (const ErrorText& line : logLines_) LogLine(line.Of(e));
    if (messageBox_) AfxMessageBox(e.errorMessage(), 0, 0);
}

void OnError::HandleOther() const {
    if (!catchesAll_) throw;
    if (error_ && otherError_) *error_ = otherError_;
    if (otherLog_) LogLine(otherLog_);
}

}  // namespace shopbiz
