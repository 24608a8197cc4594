#pragma once
// The frame every service method runs in: the lock, SQL text from templates and slots, one
// guard for the ways a database error is answered, and a transaction. A method reads:
//
//     ServiceLock lock;
//     return Guard(Report(error), -1, [&] {
//         db.execDML(Sql(L"UPDATE Companies SET CurAmount=%.08lf WHERE CompanyID=%d", amount, id));
//         return 1;
//     });
//
// The forms (each method's own names which): pass-through (no guard at all), Report (error
// text and log), Log (log only), ShowMessage (message box) and CatchAll (any exception, a
// fixed log text); each reads the error as the bare message, a template filled with it, or a
// template with the failed statement too (ErrorText).

#include <initializer_list>
#include <utility>
#include <vector>

#include "frame/SqlText.h"
#include "frame/SysBLL.h"
#include "frame/Transaction.h"
#include "platform/MessageBox.h"
#include "platform/SuperLog.h"

namespace shopbiz {

// Holds the library lock until the end of the scope; re-entrant on the holding thread.
class ServiceLock : public CCSGuard {
public:
    ServiceLock() : CCSGuard(&CSysBLL::m_lock, 1) {}
};

// Every log call of the library: level 1, flag set.
void LogLine(const CString& text);

// What a caught database error reads as.
class ErrorText {
public:
    // The database's message itself.
    ErrorText() = default;
    // The template filled with the message: "DeleteActiveNote Err:%s".
    ErrorText(const wchar_t* format) : format_(format) {}
    // The template filled with the method's own text, then the message.
    ErrorText(const wchar_t* format, const CString& own) : format_(format), fill_(Fill::OwnAndMessage), own_(own) {}
    // The template filled with the message and the statement that failed: "Err:%s\r\n sql:%s".
    static ErrorText WithStatement(const wchar_t* format);
    // The template filled with the method's own text, the message and the statement.
    static ErrorText WithStatement(const wchar_t* format, const CString& own);
    // The template filled with the statement that failed, then the message: "sql=%s\r\n%s".
    static ErrorText StatementAndMessage(const wchar_t* format);
    // A fixed text, whatever the error.
    static ErrorText Fixed(const wchar_t* text);
    // The statement that failed, alone.
    static ErrorText Statement();

    CString Of(const CppSQLite3Exception& e) const;

private:
    enum class Fill {
        Message,
        OwnAndMessage,
        MessageAndStatement,
        OwnMessageAndStatement,
        StatementAndMessage,
        Nothing,
        StatementOnly
    };
    const wchar_t* format_ = nullptr;
    Fill fill_ = Fill::Message;
    CString own_;
};

// How a method answers an error: its form, and what the error text and the log receive.
class OnError {
public:
    // A database error: its text into the error argument (when given) and into the log.
    static OnError Report(CString* error, ErrorText text);
    // A database error: its text into the log.
    static OnError Log(ErrorText text);
    // A database error: its message in a message box; nothing is logged.
    static OnError ShowMessage();
    // Any exception: the fixed text into the log (nothing when null).
    static OnError CatchAll(const wchar_t* logText);
    // Database errors pass on to the caller; any other exception puts the text into the
    // error argument.
    static OnError OnlyOtherErrors(CString& error, const wchar_t* text);

    // The log receives its own lines instead of the error argument's text.
    OnError& LogAs(std::initializer_list<ErrorText> lines);
    // Nothing is logged.
    OnError& NotLogged();
    // Other exceptions are caught too: the text goes into the error argument, unlogged.
    OnError& OtherErrors(const wchar_t* errorText);

    void Handle(const CppSQLite3Exception& e) const;
    // For an exception that is no database error: rethrows it unless the form catches it.
    void HandleOther() const;

private:
    CString* error_ = nullptr;
    ErrorText errorText_;
    std::vector<ErrorText> logLines_;
    bool messageBox_ = false;
    bool passesDatabaseErrors_ = false;
    bool catchesAll_ = false;
    const wchar_t* otherError_ = nullptr;
    const wchar_t* otherLog_ = nullptr;
};

inline OnError Report(CString& error, ErrorText text = {}) { return OnError::Report(&error, std::move(text)); }
inline OnError Log(ErrorText text = {}) { return OnError::Log(std::move(text)); }
inline OnError ShowMessage() { return OnError::ShowMessage(); }
inline OnError CatchAll(const wchar_t* logText) { return OnError::CatchAll(logText); }

// Runs the body; an error answered by the form gives the failure value. Errors the form does
// not answer leave the method as they came.
template <class Fail, class Body>
auto Guard(const OnError& form, Fail failValue, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (const CppSQLite3Exception& e) {
        form.Handle(e);
    } catch (...) {
        form.HandleOther();
    }
    return failValue;
}
template <class Body>
void Guard(const OnError& form, Body&& body) {
    try {
        body();
    } catch (const CppSQLite3Exception& e) {
        form.Handle(e);
    } catch (...) {
        form.HandleOther();
    }
}

}  // namespace shopbiz
