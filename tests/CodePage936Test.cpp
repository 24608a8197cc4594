// Code page 936 conversion as the Windows converters do it.
#include "platform/CodePage936.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

using namespace shopbiz;

namespace {

std::string ToBytes(const std::wstring& text, bool* usedDefault = nullptr) {
    std::string out = "stale";
    EXPECT_TRUE(WideToCodePage936(text, out, usedDefault));
    return out;
}

std::wstring ToWide(const std::string& bytes) {
    std::wstring out = L"stale";
    EXPECT_TRUE(CodePage936ToWide(bytes, out));
    return out;
}

TEST(CodePage936, MapsLikeWindowsBothWays) {
    const std::pair<std::wstring, std::string> pairs[] = {
        {L"", ""}, {L"Ab1 ", "Ab1 "}, {L"啊座亍", "\xB0\xA1\xD7\xF9\xD8\xA1"},
        {L"盄", "\xB1\x40"},                                         // GBK extension
        {L"\u20AC", "\x80"}, {L"\u00B7", "\xA1\xA4"}, {L"\u2014", "\xA1\xAA"},  // euro, middle dot, em dash
        // The user-defined areas are the private use characters; the trail byte 0x7F is skipped.
        {L"\uE000", "\xAA\xA1"}, {L"\uE233", "\xAF\xFE"}, {L"\uE234", "\xF8\xA1"}, {L"\uE4C5", "\xFE\xFE"},
        {L"\uE4C6", "\xA1\x40"}, {L"\uE504\uE505", "\xA1\x7E\xA1\x80"}, {L"\uE765", "\xA7\xA0"},
    };
    for (const auto& [text, bytes] : pairs) {
        SCOPED_TRACE(testing::Message() << std::hex << (text.empty() ? 0u : static_cast<unsigned>(text[0])));
        bool usedDefault = true;
        EXPECT_EQ(ToBytes(text, &usedDefault), bytes);
        EXPECT_FALSE(usedDefault);
        EXPECT_EQ(ToWide(bytes), text);
    }
}

TEST(CodePage936, WhatCannotBeConvertedBecomesAQuestionMark) {
    bool usedDefault = false;
    EXPECT_EQ(ToBytes(L"한A\U0001F600", &usedDefault), "?A?");
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(ToBytes(std::wstring(L"a") + static_cast<wchar_t>(0xD800) + L"b"), "a?b");  // lone surrogate
    EXPECT_EQ(ToBytes(L"\uE766啊"), "?\xB0\xA1");                                        // past the areas
    EXPECT_EQ(ToWide("\xFF" "a"), L"?a");
    EXPECT_EQ(ToWide("a\x81"), L"a?");              // lead byte at the end
    EXPECT_EQ(ToWide("\x81\x20" "b"), L"? b");      // no trail byte: the next byte is kept
    EXPECT_EQ(ToWide("\xD7\xFA\xB0\xA1"), L"?啊");  // an unassigned pair is one character
}

TEST(CodePage936, DoubleByteCharacters) {
    int characters = 0;
    for (int lead = 0; lead <= 0xFF; ++lead)
        for (int trail = 0; trail <= 0xFF; ++trail) characters += CodePage936DoubleByteChar(lead, trail) != 0;
    // The converter's 21791 characters (no four-byte GB18030 forms, no euro at 0xA2E3) and the
    // 1894 places of the user-defined areas.
    EXPECT_EQ(characters, 21791 + 1894);
    EXPECT_EQ(CodePage936DoubleByteChar(0xB0, 0xA1), U'啊');
    EXPECT_EQ(CodePage936DoubleByteChar(0xB1, 0x40), U'盄');
    EXPECT_EQ(CodePage936DoubleByteChar(0xAA, 0xA1), U'\uE000');
    for (const auto& [lead, trail] : {std::pair{0xD7, 0xFA}, {0xA2, 0xE3}, {0x80, 0xA1}, {0xB0, 0x7F}, {0xB0, 0xFF}})
        EXPECT_EQ(CodePage936DoubleByteChar(lead, trail), 0u) << std::hex << lead << trail;
}

TEST(CodePage936, ThreadsConvertIndependently) {
    std::vector<std::thread> threads;
    std::vector<int> failures(4);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&failures, t] {
            for (int i = 0; i < 2000; ++i) {
                std::string bytes;
                std::wstring wide;
                WideToCodePage936(L"长城A4纸", bytes);
                CodePage936ToWide(bytes, wide);
                failures[t] += bytes != "\xB3\xA4\xB3\xC7" "A4\xD6\xBD" || wide != L"长城A4纸";
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

}  // namespace
