#include "platform/CodePage936.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace shopbiz {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t kFailed = static_cast<std::size_t>(-1);

// glibc names Windows' table "CP936" (an alias of its GBK, which carries the euro sign);
// "GBK" is the fallback for a C library that lacks the alias. Not "GB18030": it moves the
// euro sign and accepts four-byte sequences that code page 936 does not have.
constexpr const char* kCodePageNames[] = {"CP936", "GBK"};

iconv_t OpenConverter(bool toCodePage) {
    for (const char* name : kCodePageNames) {
        const iconv_t cd = toCodePage ? iconv_open(name, "WCHAR_T") : iconv_open("WCHAR_T", name);
        if (cd != kNoConverter) return cd;
    }
    return kNoConverter;
}

// A converter keeps shift state between calls, so every thread has its own pair; opened on
// first use, closed when the thread ends.
class Converters {
public:
    Converters() = default;
    Converters(const Converters&) = delete;
    Converters& operator=(const Converters&) = delete;
    ~Converters() {
        if (toCodePage_ != kNoConverter) iconv_close(toCodePage_);
        if (fromCodePage_ != kNoConverter) iconv_close(fromCodePage_);
    }
    iconv_t ToCodePage() { return Get(toCodePage_, toTried_, true); }
    iconv_t FromCodePage() { return Get(fromCodePage_, fromTried_, false); }

private:
    static iconv_t Get(iconv_t& cd, bool& tried, bool toCodePage) {
        if (!tried) {
            cd = OpenConverter(toCodePage);
            tried = true;
        }
        if (cd != kNoConverter) iconv(cd, nullptr, nullptr, nullptr, nullptr);
        return cd;
    }
    iconv_t toCodePage_ = kNoConverter;
    iconv_t fromCodePage_ = kNoConverter;
    bool toTried_ = false;
    bool fromTried_ = false;
};

Converters& ThreadConverters() {
    thread_local Converters converters;
    return converters;
}

// The user-defined areas, which Windows maps to the private use area in this order and glibc
// does not map at all.
struct UserArea {
    unsigned char firstLead, lastLead, firstTrail, lastTrail;
    char32_t firstChar;
    int TrailsPerLead() const { return lastTrail - firstTrail + 1 - (firstTrail < 0x7F && lastTrail > 0x7F); }
};
constexpr UserArea kUserAreas[] = {
    {0xAA, 0xAF, 0xA1, 0xFE, 0xE000},
    {0xF8, 0xFE, 0xA1, 0xFE, 0xE234},
    {0xA1, 0xA7, 0x40, 0xA0, 0xE4C6},
};

char32_t UserAreaChar(unsigned char lead, unsigned char trail) {
    for (const UserArea& a : kUserAreas) {
        if (lead < a.firstLead || lead > a.lastLead || trail < a.firstTrail || trail > a.lastTrail ||
            trail == 0x7F)
            continue;
        const int column = trail - a.firstTrail - (trail > 0x7F && a.firstTrail < 0x7F);
        return a.firstChar + (lead - a.firstLead) * a.TrailsPerLead() + column;
    }
    return 0;
}

bool UserAreaBytes(char32_t ch, unsigned char& lead, unsigned char& trail) {
    for (const UserArea& a : kUserAreas) {
        const int perLead = a.TrailsPerLead();
        const int count = (a.lastLead - a.firstLead + 1) * perLead;
        if (ch < a.firstChar || ch >= a.firstChar + count) continue;
        const int offset = static_cast<int>(ch - a.firstChar);
        int t = a.firstTrail + offset % perLead;
        if (a.firstTrail < 0x7F && t >= 0x7F) ++t;
        lead = static_cast<unsigned char>(a.firstLead + offset / perLead);
        trail = static_cast<unsigned char>(t);
        return true;
    }
    return false;
}

// Runs the converter over the whole input; `onInvalid` consumes what the converter refused
// (input pointer and count, output pointer and room) and writes its replacement.
// The output buffer is sized by the caller for the worst case.
template <class OnInvalid>
std::size_t Convert(iconv_t cd, const char* input, std::size_t inputSize, char* output, std::size_t room,
                    OnInvalid onInvalid) {
    char* in = const_cast<char*>(input);  // iconv's interface is not const-correct; it only reads
    std::size_t inLeft = inputSize;
    char* out = output;
    std::size_t outLeft = room;
    while (inLeft > 0 && iconv(cd, &in, &inLeft, &out, &outLeft) == kFailed) {
        if (errno == E2BIG) break;  // cannot happen with the worst-case buffer; keep what fits
        onInvalid(in, inLeft, out, outLeft);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return static_cast<std::size_t>(out - output);
}

}  // namespace

bool WideToCodePage936(std::wstring_view text, std::string& out, bool* usedDefaultChar) {
    out.clear();
    if (usedDefaultChar) *usedDefaultChar = false;
    const iconv_t cd = ThreadConverters().ToCodePage();
    if (cd == kNoConverter) return false;
    // At most two bytes per character, also for the replacements below.
    out.resize(text.size() * 2);
    const std::size_t size = Convert(
        cd, reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t), out.data(), out.size(),
        [&](char*& in, std::size_t& inLeft, char*& to, std::size_t& toLeft) {
            wchar_t wc;
            std::memcpy(&wc, in, sizeof wc);
            in += sizeof wc;
            inLeft -= sizeof wc;
            unsigned char lead, trail;
            if (UserAreaBytes(static_cast<char32_t>(wc), lead, trail)) {
                *to++ = static_cast<char>(lead);
                *to++ = static_cast<char>(trail);
                toLeft -= 2;
            } else {
                *to++ = '?';
                toLeft -= 1;
                if (usedDefaultChar) *usedDefaultChar = true;
            }
        });
    out.resize(size);
    return true;
}

bool CodePage936ToWide(std::string_view bytes, std::wstring& out) {
    out.clear();
    const iconv_t cd = ThreadConverters().FromCodePage();
    if (cd == kNoConverter) return false;
    // At most one character per byte, also for the replacements below.
    out.resize(bytes.size());
    const std::size_t size = Convert(
        cd, bytes.data(), bytes.size(), reinterpret_cast<char*>(out.data()), out.size() * sizeof(wchar_t),
        [](char*& in, std::size_t& inLeft, char*& to, std::size_t& toLeft) {
            const auto lead = static_cast<unsigned char>(in[0]);
            const auto trail = inLeft > 1 ? static_cast<unsigned char>(in[1]) : 0;
            // An unassigned pair is one unknown character; a stray byte is one on its own.
            wchar_t wc = L'?';
            std::size_t used = 1;
            if (DoubleByteIndex(lead, trail) >= 0) {
                used = 2;
                if (const char32_t ch = UserAreaChar(lead, trail)) wc = static_cast<wchar_t>(ch);
            }
            in += used;
            inLeft -= used;
            std::memcpy(to, &wc, sizeof wc);
            to += sizeof wc;
            toLeft -= sizeof wc;
        });
    out.resize(size / sizeof(wchar_t));
    return true;
}

namespace {

// Every double-byte sequence of the code page, decoded once. No pair decodes to '?', so that
// answer means "no character".
class DoubleByteTable {
public:
    DoubleByteTable() {
        std::wstring wide;
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                const int index = DoubleByteIndex(lead, trail);
                if (index < 0) continue;
                const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                if (CodePage936ToWide({bytes, 2}, wide) && wide.size() == 1 && wide[0] != L'?')
                    chars_[index] = static_cast<char16_t>(wide[0]);
            }
        }
    }
    char32_t At(int index) const { return chars_[index]; }

private:
    std::array<char16_t, kDoubleByteSequences> chars_{};
};

}  // namespace

char32_t CodePage936DoubleByteChar(unsigned char lead, unsigned char trail) {
    const int index = DoubleByteIndex(lead, trail);
    if (index < 0) return 0;
    static const DoubleByteTable table;
    return table.At(index);
}

}  // namespace shopbiz
