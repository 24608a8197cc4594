// The string array's range operations in any order and with any index or count, against a
// plain vector that does what each operation promises. Indexes that make the array grow stay
// modest (a huge one is a request for gigabytes, not a fault); every other index and count may
// be anything an int holds.
#include <climits>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "FuzzInput.h"
#include "platform/CStringArray.h"

namespace {

int AnyIndex(fuzzing::Reader& in, int size) {
    switch (in.Byte() % 8) {
        case 0: return INT_MAX;
        case 1: return INT_MIN;
        case 2: return -1;
        case 3: return size;
        case 4: return size + 1;
        case 5: return INT_MAX - in.Int(0, 3);
        default: return in.Int(-4, 80);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::Reader in(data, size);
    CStringArray array, other;
    std::vector<CString> model;
    for (int steps = 0; !in.Empty() && steps < 64; ++steps) {
        const int n = static_cast<int>(model.size());
        const CString value = in.Text(8);
        switch (in.Byte() % 10) {
            case 0: {  // SetAtGrow grows the array up to the index
                const int i = in.Int(-4, 300);
                array.SetAtGrow(i, value);
                if (i >= 0) {
                    if (i >= n) model.resize(static_cast<size_t>(i) + 1);
                    model[static_cast<size_t>(i)] = value;
                }
                break;
            }
            case 1: {  // SetAt and GetAt do nothing and give "" outside the array
                const int i = AnyIndex(in, n);
                array.SetAt(i, value);
                if (i >= 0 && i < n) model[static_cast<size_t>(i)] = value;
                const int j = AnyIndex(in, n);
                if (array.GetAt(j) != (j >= 0 && j < n ? model[static_cast<size_t>(j)] : CString())) std::abort();
                break;
            }
            case 2: {  // InsertAt inserts count copies, padding the array up to the index
                const int i = in.Int(-4, 300), count = in.Byte() % 2 ? in.Int(-4, 40) : INT_MIN;
                array.InsertAt(i, value, count);
                if (i >= 0 && count > 0) {
                    if (i > n) model.resize(static_cast<size_t>(i));
                    model.insert(model.begin() + i, static_cast<size_t>(count), value);
                }
                break;
            }
            case 3: {  // RemoveAt removes what of the range lies in the array
                const int i = AnyIndex(in, n), count = AnyIndex(in, n);
                array.RemoveAt(i, count);
                if (i >= 0 && i < n && count > 0) {
                    const int last = count > n - i ? n : i + count;
                    model.erase(model.begin() + i, model.begin() + last);
                }
                break;
            }
            case 4: {  // SetSize
                const int s = in.Byte() % 2 ? in.Int(-4, 300) : INT_MIN;
                array.SetSize(s);
                model.resize(s > 0 ? static_cast<size_t>(s) : 0);
                break;
            }
            case 5: {  // ElementAt and [] refuse an index outside the array
                const int i = AnyIndex(in, n);
                try {
                    if (array[i] != model.at(static_cast<size_t>(i))) std::abort();
                } catch (const std::out_of_range&) {
                    if (i >= 0 && i < n) std::abort();
                }
                break;
            }
            case 6:
                other.Add(value);
                if (array.Append(other) != n) std::abort();
                model.insert(model.end(), other.begin(), other.end());
                break;
            case 7:
                other.Copy(array);
                if (other.GetSize() != n) std::abort();
                break;
            case 8:
                if (array.Add(value) != n) std::abort();
                model.push_back(value);
                break;
            default:
                if (in.Byte() % 4 == 0) {
                    array.RemoveAll();
                    model.clear();
                }
                break;
        }
        if (array.GetSize() != static_cast<int>(model.size()) || array.GetUpperBound() != array.GetSize() - 1) std::abort();
        for (int i = 0; i < array.GetSize(); ++i)
            if (array.GetAt(i) != model[static_cast<size_t>(i)]) std::abort();
    }
    return 0;
}
