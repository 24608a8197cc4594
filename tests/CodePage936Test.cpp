// Code page 936 conversion as the Windows converters do it.
#include "platform/CodePage936.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

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
        {L"", ""}, {L"Ab1啊座亍", "Ab1\xB0\xA1\xD7\xF9\xD8\xA1"}, {L"盄", "\xB1\x40"},  // 盄: GBK extension
        {L"\u20AC\u00B7", "\x80\xA1\xA4"},  // euro, middle dot
        // The user-defined areas are the private use characters; the trail byte 0x7F is skipped.
        {L"\uE233\uE234", "\xAF\xFE\xF8\xA1"}, {L"\uE4C6", "\xA1\x40"}, {L"\uE504\uE505", "\xA1\x7E\xA1\x80"},
        {L"\uE765", "\xA7\xA0"},
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
    // A lone surrogate, a character past the user-defined areas.
    EXPECT_EQ(ToBytes(std::wstring(L"a") + static_cast<wchar_t>(0xD800) + L"\uE766"), "a??");
    EXPECT_EQ(ToWide("\xFF" "a\x81"), L"?a?");      // an invalid byte, a lead byte at the end
    EXPECT_EQ(ToWide("\x81\x20" "b"), L"? b");      // no trail byte: the next byte is kept
    EXPECT_EQ(ToWide("\xD7\xFA\xB0\xA1"), L"?啊");  // an unassigned pair is one character
}

TEST(CodePage936, DoubleByteCharacters) {
    int characters = 0;
    for (int lead = 0; lead <= 0xFF; ++lead)
        for (int trail = 0; trail <= 0xFF; ++trail) characters += CodePage936DoubleByteChar(lead, trail) != 0;
    // The converter's 21791 characters (no four-byte GB18030 forms, no euro at 0xA2E3) and 1894 user-defined places.
    EXPECT_EQ(characters, 21791 + 1894);
    for (const auto& [lead, trail] : {std::pair{0xD7, 0xFA}, {0xA2, 0xE3}, {0x80, 0xA1}, {0xB0, 0x7F}, {0xB0, 0xFF}})
        EXPECT_EQ(CodePage936DoubleByteChar(lead, trail), 0u) << std::hex << lead << trail;
}

TEST(CodePage936, ThreadsConvertIndependently) {
    std::atomic<int> failures{0};
    const auto work = [&failures] {
        for (int i = 0; i < 2000; ++i) {
            const std::string bytes = ToBytes(L"长城A4纸");
            failures += bytes != "\xB3\xA4\xB3\xC7" "A4\xD6\xBD" || ToWide(bytes) != L"长城A4纸";
        }
    };
    std::thread a(work), b(work), c(work);
    work();
    for (std::thread* t : {&a, &b, &c}) t->join();
    EXPECT_EQ(failures, 0);
}

}  // namespace
