#pragma once
// Fixture: every test starts on a fresh shop database in memory, with the clock fixed at
// 2013-05-06 14:03:09 local time and the log and message boxes captured.

#include <gtest/gtest.h>

#include <vector>

#include "shopbiz.h"

class ShopDbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // What the library logged / showed since the last call.
    std::vector<CString> TakeLog();
    std::vector<CString> TakeMessageBoxes();

    // Quick reads for assertions.
    int Int(const wchar_t* sql);
    double Real(const wchar_t* sql);
    CString Text(const wchar_t* sql);
    void Exec(const wchar_t* sql);

    CppSQLite3DB db;
};

// Turns log lines into one readable text for failure messages.
std::string Joined(const std::vector<CString>& lines);
