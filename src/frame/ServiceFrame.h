#pragma once
// The frame every service method runs in: the lock, SQL text, and the four ways a
// database error is handled. A method names its form in one line:
//
//     ServiceLock lock;
//     return ReportOnError(error, -1, [&] { ...; return 1; });
//
// Forms: pass-through (no handler at all), report (error text + log), message box,
// catch-all (fixed log text). The failure value is the method's own.

#include <type_traits>
#include <utility>

#include "frame/SysBLL.h"
#include "platform/MessageBox.h"
#include "platform/SuperLog.h"

namespace shopbiz {

// Holds the library lock until the end of the scope; re-entrant on the holding thread.
class ServiceLock : public CCSGuard {
public:
    ServiceLock() : CCSGuard(&CSysBLL::m_lock, 1) {}
};

// SQL text from a template; texts go in as they are, so make them safe first where needed.
template <class... Args>
CString Sql(const wchar_t* format, const Args&... args) {
    CString s;
    s.Format(format, args...);
    return s;
}

// Every log call of the library: level 1, flag set.
void LogLine(const CString& text);

// The report form's handling of a caught error: the text is the message, or the message
// formatted into `format`; it goes into *error (when given) and into the log.
CString ReportDbError(const CppSQLite3Exception& e, CString* error, const wchar_t* format = nullptr);

// --- Report form: error text and log -----------------------------------------------------
template <class Fail, class Body>
auto ReportOnError(CString& error, Fail failValue, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (CppSQLite3Exception& e) {
        ReportDbError(e, &error);
        return failValue;
    }
}
template <class Fail, class Body>
auto ReportOnErrorAs(CString& error, const wchar_t* format, Fail failValue, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (CppSQLite3Exception& e) {
        ReportDbError(e, &error, format);
        return failValue;
    }
}
template <class Body>
void ReportOnError(CString& error, Body&& body) {
    try {
        body();
    } catch (CppSQLite3Exception& e) {
        ReportDbError(e, &error);
    }
}

// --- Report form without an error argument: the log only ---------------------------------
template <class Fail, class Body>
auto LogOnError(Fail failValue, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (CppSQLite3Exception& e) {
        ReportDbError(e, nullptr);
        return failValue;
    }
}
template <class Fail, class Body>
auto LogOnErrorAs(const wchar_t* format, Fail failValue, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (CppSQLite3Exception& e) {
        ReportDbError(e, nullptr, format);
        return failValue;
    }
}
template <class Body>
void LogOnError(Body&& body) {
    try {
        body();
    } catch (CppSQLite3Exception& e) {
        ReportDbError(e, nullptr);
    }
}

// --- Message box form: the message is shown, nothing is logged ----------------------------
void ShowDbError(const CppSQLite3Exception& e);

template <class Fail, class Body>
auto MessageBoxOnError(Fail failValue, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (CppSQLite3Exception& e) {
        ShowDbError(e);
        return failValue;
    }
}
template <class Body>
void MessageBoxOnError(Body&& body) {
    try {
        body();
    } catch (CppSQLite3Exception& e) {
        ShowDbError(e);
    }
}

// --- Catch-all form: any exception; a fixed text (or nothing, when null) goes to the log ---
template <class Fail, class Body>
auto CatchAllErrors(const wchar_t* logText, Fail failValue, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        if (logText) LogLine(logText);
        return failValue;
    }
}
template <class Body>
void CatchAllErrors(const wchar_t* logText, Body&& body) {
    try {
        body();
    } catch (...) {
        if (logText) LogLine(logText);
    }
}

}  // namespace shopbiz
