#pragma once
// Growable array of strings with the members a desktop programmer expects.

#include <vector>

#include "platform/CString.h"

class CStringArray {
public:
    int GetSize() const { return static_cast<int>(items_.size()); }
    int GetCount() const { return GetSize(); }
    bool IsEmpty() const { return items_.empty(); }
    int GetUpperBound() const { return GetSize() - 1; }

    // Reading outside the array gives an empty string rather than undefined behaviour.
    CString GetAt(int index) const { return InRange(index) ? items_[static_cast<size_t>(index)] : CString(); }
    void SetAt(int index, const CString& value) {
        if (InRange(index)) items_[static_cast<size_t>(index)] = value;
    }
    // Grows the array when index is past its end.
    void SetAtGrow(int index, const CString& value);
    CString& ElementAt(int index) { return items_.at(static_cast<size_t>(index)); }
    CString& operator[](int index) { return ElementAt(index); }
    const CString& operator[](int index) const { return items_.at(static_cast<size_t>(index)); }

    int Add(const CString& value) {
        items_.push_back(value);
        return GetSize() - 1;
    }
    int Append(const CStringArray& other) {
        int first = GetSize();
        items_.insert(items_.end(), other.items_.begin(), other.items_.end());
        return first;
    }
    void Copy(const CStringArray& other) { items_ = other.items_; }
    void InsertAt(int index, const CString& value, int count = 1);
    void RemoveAt(int index, int count = 1);
    void RemoveAll() { items_.clear(); }
    void SetSize(int size) { items_.resize(size > 0 ? static_cast<size_t>(size) : 0); }

    std::vector<CString>::const_iterator begin() const { return items_.begin(); }
    std::vector<CString>::const_iterator end() const { return items_.end(); }

private:
    bool InRange(int index) const { return index >= 0 && index < GetSize(); }
    std::vector<CString> items_;
};
