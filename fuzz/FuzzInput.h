#pragma once
// What the fuzz targets share: the fuzzer's bytes read as the texts and numbers a user types.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/CString.h"
#include "platform/TextCodec.h"

namespace fuzzing {

// The bytes as wide text, any wide text: read as UTF-8 (readable seeds; malformed bytes become
// U+FFFD), or when the first byte is 0x01 as 16-bit units (lone surrogates included), or when
// it is 0x02 as raw 32-bit values (any value a wchar_t holds). A zero character ends the text,
// as it ends a C string.
inline CString WideText(const uint8_t* data, size_t size) {
    std::wstring text;
    if (size > 0 && (data[0] == 1 || data[0] == 2)) {
        const size_t width = data[0] == 1 ? 2 : 4;
        for (size_t i = 1; i + width <= size; i += width) {
            uint32_t v = 0;
            std::memcpy(&v, data + i, width);
            if (v == 0) break;
            text += static_cast<wchar_t>(v);
        }
    } else {
        text = shopbiz::Utf8ToWide(std::string(reinterpret_cast<const char*>(data), size));
        if (const size_t end = text.find(L'\0'); end != std::wstring::npos) text.resize(end);
    }
    return CString(text.c_str());
}

// Reads the input piece by piece; past its end every read gives zero.
class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Empty() const { return pos_ >= size_; }
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    int Int(int low, int high) {  // in [low, high]
        const unsigned span = static_cast<unsigned>(high - low) + 1;
        unsigned v = Byte();
        v = (v << 8) | Byte();
        return low + static_cast<int>(v % span);
    }
    // A text of up to `max` bytes, ended by a zero byte or the input's end.
    CString Text(size_t max = 64) {
        std::string bytes;
        while (pos_ < size_ && bytes.size() < max) {
            const char c = static_cast<char>(data_[pos_++]);
            if (c == '\0') break;
            bytes += c;
        }
        return CString(shopbiz::Utf8ToWide(bytes).c_str());
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

}  // namespace fuzzing
