#pragma once
// The print data table read back by the tests of the fillers: a field's value, the codes of an
// entry, and the codes that no template cites (a field the print engine would lose).

#include <initializer_list>

#include "support/BillFixture.h"

class PrintJobFixture : public BillFixture {
protected:
    // "value|type" of the field (with "|RecordNo" when `withRecord`), "" when the job has
    // none; "a; b" when there are several.
    CString Value(int entry, const wchar_t* code) {
        return Rows(shopbiz::Fmt(L"SELECT KeyWordValue, KeyWordType%s FROM SysPrintData WHERE EntryNo=%d AND "
                                 L"KeyWordName='%s'",
                                 withRecord ? L", RecordNo" : L"", entry, code));
    }
    CString Codes(int entry) {
        return Rows(shopbiz::Fmt(L"SELECT group_concat(KeyWordName, ',') FROM SysPrintData WHERE EntryNo=%d", entry));
    }
    // The codes written under the label that its template does not cite.
    CString Uncited(const wchar_t* label) {
        return Rows(shopbiz::Fmt(L"SELECT DISTINCT KeyWordName FROM SysPrintData t WHERE BillType='%s' AND NOT EXISTS "
                                 L"(SELECT 1 FROM NoteCitation a JOIN NoteType b ON a.FNoteType=b.FCode WHERE "
                                 L"b.FNoteTypeName='%s' AND a.FCode=t.KeyWordName)",
                                 label, label));
    }
    struct Expected {
        int entry;
        const wchar_t *code, *value;
    };
    void ExpectValues(std::initializer_list<Expected> cases) {
        for (const Expected& c : cases) EXPECT_EQ(Value(c.entry, c.code), c.value) << c.entry << " " << c.code;
    }

    bool withRecord = false;
    long rows = -1;
};
