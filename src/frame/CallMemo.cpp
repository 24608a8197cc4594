#include "frame/CallMemo.h"

namespace shopbiz {

namespace {
// The innermost memo of the thread; memos of other connections are skipped when looking up.
thread_local CallMemo* t_current = nullptr;
}  // namespace

CallMemo::CallMemo(CppSQLite3DB& db) : db_(db), outer_(t_current) { t_current = this; }

CallMemo::~CallMemo() { t_current = outer_; }

CallMemo* CallMemo::Of(CppSQLite3DB& db) {
    // The outermost memo of the connection holds what the call read.
    CallMemo* found = nullptr;
    for (CallMemo* memo = t_current; memo; memo = memo->outer_)
        if (&memo->db_ == &db) found = memo;
    return found;
}

const CallMemo::Setting* CallMemo::FindSetting(const CString& key) const {
    auto it = settings_.find(std::wstring(key.GetString()));
    return it == settings_.end() ? nullptr : &it->second;
}

void CallMemo::KeepSetting(const CString& key, const Setting& setting) {
    settings_[std::wstring(key.GetString())] = setting;
}

void CallMemo::ForgetSettings(CppSQLite3DB& db) {
    for (CallMemo* memo = t_current; memo; memo = memo->outer_)
        if (&memo->db_ == &db) memo->settings_.clear();
}

}  // namespace shopbiz
