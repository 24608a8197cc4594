// CSysBLL: pinyin search codes.
#include <array>

#include "common/PinyinTables.h"
#include "frame/ServiceFrame.h"
#include "platform/CodePage936.h"

using namespace shopbiz;

namespace {

// The first level of GB2312 (zones 16 to 55) is ordered by pinyin: each initial owns one
// range of position codes, [from, to).
struct InitialRange {
    char letter;
    int from;
    int to;
};
constexpr InitialRange kInitialRanges[] = {
    {'A', 1601, 1637}, {'B', 1637, 1833}, {'C', 1833, 2078}, {'D', 2078, 2274}, {'E', 2274, 2302},
    {'F', 2302, 2433}, {'G', 2433, 2594}, {'H', 2594, 2787}, {'J', 2787, 3106}, {'K', 3106, 3212},
    {'L', 3212, 3472}, {'M', 3472, 3635}, {'N', 3635, 3722}, {'O', 3722, 3730}, {'P', 3730, 3858},
    {'Q', 3858, 4027}, {'R', 4027, 4086}, {'S', 4086, 4390}, {'T', 4390, 4558}, {'W', 4558, 4684},
    {'X', 4684, 4925}, {'Y', 4925, 5249}, {'Z', 5249, 5590},
};
constexpr int kFirstCode = 1601;
constexpr int kEndCode = 5590;

// The ranges spread out to one letter per position code.
constexpr auto kLetterOfCode = [] {
    std::array<char, kEndCode - kFirstCode> letters{};
    for (const InitialRange& r : kInitialRanges)
        for (int code = r.from; code < r.to; ++code) letters[code - kFirstCode] = r.letter;
    return letters;
}();
static_assert(kInitialRanges[0].from == kFirstCode && kInitialRanges[22].to == kEndCode);

// Zone * 100 + place of a GB2312 character; -1 for byte pairs outside its grid (the GBK
// extensions, whose trail bytes start at 0x40, have no position code).
int PositionCode(unsigned char lead, unsigned char trail) {
    if (lead < 0xA1 || lead > 0xFE || trail < 0xA1 || trail > 0xFE) return -1;
    return (lead - 160) * 100 + (trail - 160);
}

// The table searches from A and from Z for one character.
struct TableLetters {
    char fromA;
    char fromZ;
};

// The table searches of every double-byte sequence of the code page, done once, so that a
// name costs one lookup per character; a pair that is no character has no letters.
class PairLetters {
public:
    PairLetters() {
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                const int index = DoubleByteIndex(lead, trail);
                if (index < 0) continue;
                const char32_t ch = CodePage936DoubleByteChar(lead, trail);
                letters_[index] = {PinyinFirstInitial(ch, false), PinyinFirstInitial(ch, true)};
            }
        }
    }
    TableLetters Of(unsigned char lead, unsigned char trail) const {
        const int index = DoubleByteIndex(lead, trail);
        return index < 0 ? TableLetters{' ', ' '} : letters_[index];
    }

private:
    std::array<TableLetters, kDoubleByteSequences> letters_;
};

TableLetters SearchTables(unsigned char lead, unsigned char trail) {
    static const PairLetters letters;
    return letters.Of(lead, trail);
}

}  // namespace

void CSysBLL::FirstLetter(int positionCode, std::string& letter) {
    if (positionCode < kFirstCode || positionCode >= kEndCode) return;
    letter.assign(1, kLetterOfCode[positionCode - kFirstCode]);
}

char CSysBLL::FirstLetter(CString ch, int direction) {
    return PinyinFirstInitial(static_cast<char32_t>(ch.GetAt(0)), direction != 0);
}

int CSysBLL::GetFirstPY(std::string text, std::string& out) {
    out.clear();
    if (text.empty()) return 0;
    const int result = static_cast<unsigned char>(text[0]) < 128 ? 1 : 0;
    out.reserve(text.size());

    // The second code is spelled out only from its first difference on: most names have none.
    std::string alternative;
    bool differs = false;
    std::string letter;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 128) {
            out += static_cast<char>(lead);
            if (differs) alternative += static_cast<char>(lead);
            ++i;
            continue;
        }
        // A lead byte at the very end pairs with nothing and names no character.
        const auto trail = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        const TableLetters tables = SearchTables(lead, trail);
        letter.clear();
        FirstLetter(PositionCode(lead, trail), letter);
        const char primary = letter.empty() ? tables.fromZ : letter[0];
        const char second = tables.fromA == tables.fromZ ? primary : tables.fromZ;
        if (!differs && second != primary) {
            alternative = out;
            differs = true;
        }
        out += primary;
        if (differs) alternative += second;
        i += 2;
    }
    if (differs) {
        out += '-';
        out += alternative;
    }
    return result;
}

int CSysBLL::GetFirstPY(std::wstring text, std::wstring& out) {
    out.clear();
    std::string bytes;
    if (!WideToCodePage936(text, bytes) || bytes.empty()) return 0;
    std::string code;
    const int result = GetFirstPY(std::move(bytes), code);
    CodePage936ToWide(code, out);
    return result;
}

int CSysBLL::GetFirstPY(CString& text, CString& out) {
    std::wstring code;
    GetFirstPY(text.str(), code);
    out = std::move(code);
    return 1;
}

CString CSysBLL::GetFirstLetter(CString text) {
    CString letters;
    for (int i = 0; i < text.GetLength(); ++i)
        letters += static_cast<wchar_t>(FirstLetter(CString(text[i]), 0));
    return letters;
}

CString CSysBLL::GetSearchCodeByName(CppSQLite3DB& db, CString typeName) {
    ServiceLock lock;
    CppSQLite3Query q = db.execQuery(Sql(L"select * from SystemProdType where TypeName = '%s'", Quoted(typeName)));
    if (q.eof()) return L"";
    return q.getStringField(L"SearchCode", L"");
}
