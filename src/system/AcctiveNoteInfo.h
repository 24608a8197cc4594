#pragma once
// One memo as the host edits it and CSysBLL::SaveActiveNote stores it (table ActiveNotes).

#include "platform/CString.h"

class CAcctiveNoteInfo {
public:
    CAcctiveNoteInfo() {}
    CAcctiveNoteInfo(const CAcctiveNoteInfo&) = default;
    CAcctiveNoteInfo& operator=(const CAcctiveNoteInfo&) = default;
    virtual ~CAcctiveNoteInfo() {}

    int ActiveNoteID = -1;    // -1 for a memo not stored yet
    CString ActiveNoteTime;   // due time, "2013-05-06 14:03"
    CString ActiveContent;
    int ActiveNoteType = 0;   // the host's category
    int IsActive = 0;         // 1: pops up as a reminder
    int IsLost = 0;           // 1: this occurrence is over
    int IsCancel = 0;         // 1: switched off
    int WeekDay = 0;          // 1 Sunday .. 7 Saturday
    int Aheadtime = 0;        // minutes before the due time at which it pops up
    int Frequency = 0;        // 0 once, 1 daily, 2 weekly, 3 monthly
    int IsRead = 0;
    CString UserName;
    CString CreateDate;       // set when stored
};
