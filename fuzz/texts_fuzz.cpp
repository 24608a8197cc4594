// Texts a user types: made safe for SQL, split at a separator, turned into pinyin initials.
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "shopbiz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const CString text = fuzzing::WideText(data, size);
    CSysBLL sys;

    // What reaches SQL holds none of the characters the safe text replaces.
    CString safe = text;
    CSysBLL::GetSafeString(safe);
    if (safe.FindOneOf(L"'|~%^,\u2018") >= 0) std::abort();

    // The pieces joined again by the separator give the text back.
    const char separator = size > 0 ? static_cast<char>(data[size - 1]) : ',';
    CStringArray pieces;
    const int count = sys.splitString(text, separator, pieces);
    if (count != pieces.GetSize() || count < 1) std::abort();
    CString joined = pieces.GetAt(0);
    for (int i = 1; i < count; ++i)
        joined += CString(static_cast<wchar_t>(static_cast<unsigned char>(separator))) + pieces.GetAt(i);
    if (joined != text) std::abort();

    // Pinyin initials of the wide text, of the text as CString, and of the raw bytes as code
    // page 936.
    std::wstring wide;
    sys.GetFirstPY(std::wstring(text.GetString()), wide);
    CString in = text, out;
    sys.GetFirstPY(in, out);
    std::string narrow;
    sys.GetFirstPY(std::string(reinterpret_cast<const char*>(data), size), narrow);
    sys.GetFirstLetter(text);
    return 0;
}
