#pragma once
// Values that one service call reads once. While a CallMemo lives on the calling thread for a
// connection (a posting makes one), each setting read through CSysBLL is read from the shop
// database the first time only; writing a setting through CSysBLL forgets what was read. A
// memo made while another is alive for the same connection defers to the outer one, so a
// posting that runs another (a change deletes, then posts) reads each setting once in all.

#include <map>
#include <string>

#include "frame/CppSQLite3.h"

namespace shopbiz {

class CallMemo {
public:
    explicit CallMemo(CppSQLite3DB& db);
    ~CallMemo();
    CallMemo(const CallMemo&) = delete;
    CallMemo& operator=(const CallMemo&) = delete;

    // A SysSetting row as read: absent, NULL, or its text and its value as an integer.
    struct Setting {
        bool present = false;
        bool isNull = false;
        CString text;
        int number = 0;
    };

    // The memo of the call running on this thread for `db`, or null.
    static CallMemo* Of(CppSQLite3DB& db);
    // The remembered setting of `key`, or null when it was not read yet.
    const Setting* FindSetting(const CString& key) const;
    void KeepSetting(const CString& key, const Setting& setting);
    // A setting was written: everything remembered is read again.
    static void ForgetSettings(CppSQLite3DB& db);

private:
    CppSQLite3DB& db_;
    CallMemo* outer_;
    std::map<std::wstring, Setting> settings_;
};

}  // namespace shopbiz
