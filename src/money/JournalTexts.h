#pragma once
// The fixed texts the cash journal and the settlement accounts write and match on.

namespace shopbiz::journal {

inline constexpr const wchar_t* kIncome = L"收入";
inline constexpr const wchar_t* kExpense = L"支出";

// The delivered cash account; it has no opening entry of its own.
inline constexpr const wchar_t* kCashAccount = L"现金";

// Projects of the system lines.
inline constexpr const wchar_t* kOpeningProject = L"账户操作";
inline constexpr const wchar_t* kReceiptProject = L"收订金/欠款";
inline constexpr const wchar_t* kPaymentProject = L"付订金/欠款";
inline constexpr const wchar_t* kSalesProject = L"销售收入";
inline constexpr const wchar_t* kPurchaseProject = L"进货支出";

// ProjectType of the journal lines.
inline constexpr int kDayLine = 1;
inline constexpr int kReceiptOrPayment = 2;
inline constexpr int kHandEntered = 3;
inline constexpr int kOpeningEntry = 4;

}  // namespace shopbiz::journal
