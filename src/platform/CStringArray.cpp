#include "platform/CStringArray.h"

void CStringArray::SetAtGrow(int index, const CString& value) {
    if (index < 0) return;
    if (index >= GetSize()) items_.resize(static_cast<size_t>(index) + 1);
    items_[static_cast<size_t>(index)] = value;
}

void CStringArray::InsertAt(int index, const CString& value, int count) {
    if (index < 0 || count <= 0) return;
    if (index > GetSize()) items_.resize(static_cast<size_t>(index));
    items_.insert(items_.begin() + index, static_cast<size_t>(count), value);
}

void CStringArray::RemoveAt(int index, int count) {
    if (!InRange(index) || count <= 0) return;
    // Compared without adding, which could overflow an int.
    int last = count > GetSize() - index ? GetSize() : index + count;
    items_.erase(items_.begin() + index, items_.begin() + last);
}
