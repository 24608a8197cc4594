#pragma once
// The road that sale and purchase bills share: the partner and the settlement account found
// or made, the bill numbered, the header and lines written, the partner's balance moved, and
// the reversal when a bill is deleted. CSaleBLL and CPurBLL walk it step by step; what tells
// the two apart is their BillRoad. Nothing here takes the lock (the calling service method
// holds it), and database errors pass to the caller unless a step says otherwise.

#include <functional>

#include "frame/SqlText.h"
#include "frame/ServiceTypes.h"

namespace shopbiz {

// The messages of the partner steps, in the order the steps meet them.
struct PartnerTexts {
    const wchar_t* owingWithoutPartner;
    const wchar_t* defaultUnreadable;
    const wchar_t* defaultMissing;
    const wchar_t* lookupFailed;  // a look-up failure that is no database error; null: none
    const wchar_t* notCreated;
    const wchar_t* unreadable;
};

// What differs between the sale, purchase and sale order roads.
struct BillRoad {
    const wchar_t* billsTable;         // "SaleBills" / "PurBills" / "SaleOrderBills"
    const wchar_t* itemsTable;         // "SaleBillItems" / "PurBillItems" / "SaleOrderBillItems"
    const wchar_t* keyColumn;          // "SaleID" / "PurID" / "SaleOrderID"
    const wchar_t* codeType;           // numbering: "XSD" / "JHD" / "XSDD"
    int partnerType;                   // 1 customer / 2 supplier: partners made by name, the balance's sign
    bool deliversOrders;               // the header carries SaleOrderID
    const wchar_t* defaultPartnerSql;  // the system partner of a bill without one
    PartnerTexts texts;
    bool discounted;                   // the header keeps DiscountAmount, DiscountRate and OweAmount (not orders)
    bool journalled;                   // the operation log records new bills (not orders)
};

extern const BillRoad kSaleRoad;
extern const BillRoad kPurchaseRoad;
extern const BillRoad kOrderRoad;

// A bill's header on its way in: the caller's texts (already made safe), the amounts read
// from them, and what the road resolves.
struct BillHeader {
    CString billCode, billType, settleAcctName, billDate, companyName, billAmount, discountAmount, discountRate,
        getAmount, remark, userName;
    double billAmountValue = 0, discountAmountValue = 0, getAmountValue = 0;
    double owed = 0;  // DiscountAmount - GetAmount
    int companyID = 0;
    CString companyCode = L"";
    int settleAcctID = 0;
    bool codeGenerated = false;
};

// One line of a bill: the item row read by position, then the product it names.
struct BillLine {
    CString productCode, productName, unitName, remark, showUnitName, coefficient;  // texts, made safe
    CString priceText;                                                              // position 3 as it stands
    double price = 0, count = 0, amount = 0, showCount = 0, showPrice = 0, originalPrice = 0, disRate = 0;
    int productID = 0, typeID = 0, unitID = 0, secUnitID = 0, showUnitID = 0;
    CString typeName, searchCode;
};

// A stored bill as deletion reads it back; zeros and empty texts when there is no such bill.
struct StoredBill {
    double discountAmount = 0, oweAmount = 0, getAmount = 0;
    CString billCode, billType, billDate, settleAcctName;
    int companyID = 0, settleAcctID = 0, saleOrderID = 0;
};

// A stored line as deletion reads it back: the texts of its quantity and price as stored.
struct StoredLine {
    int productID = 0;
    CString itemCount, price;
};

// Positions of an item row; a row has at least kItemRowWidth texts.
constexpr int kItemRowWidth = 14;

class BillPosting {
public:
    BillPosting(CppSQLite3DB& db, const BillRoad& road, CString& error) : db_(db), road_(road), error_(error) {}

    // The failure of a step: the message goes into the error text (and the log when said).
    int Fail(const CString& message);
    int FailLogged(const CString& message);

    // The header after its texts were made safe: the partner's name trimmed, the amounts
    // read, BillAmount and GetAmount rewritten as "%.08lf" texts.
    static BillHeader ReadHeader(CString billCode, CString billType, CString settleAcctName, CString billDate,
                                 CString companyName, CString billAmount, CString discountAmount, CString discountRate,
                                 CString getAmount, CString remark, CString userName);
    // The first `itemCount` rows are all there, each with every position.
    static bool ItemsComplete(const BillItemRows& items, int itemCount);

    // Opens the bill: the partner and the settlement account found or made (the paid amount
    // moving the account's balance by `accountMove`), the bill numbered, the header written
    // and journalled. The new key, or -1.
    int OpenBill(BillHeader& bill, double accountMove, const std::function<int(const CString&)>& codeTaken);
    // The first `itemCount` rows, each through `postLine`; an exception that is no failure of
    // the line's INSERT fails the posting with the product's name. 1, or the first failure
    // (-1, -2).
    int PostLines(const BillItemRows& items, int itemCount, const std::function<int(BillLine&)>& postLine);
    // The product from what AddProducts gave back; -2 (and "code~name") when it gave nothing.
    int TakeProduct(CppSQLite3Query product, BillLine& line);
    // The unit the line was entered in: the base unit (coefficient "1") or the second unit.
    static void TakeEnteredUnit(BillLine& line);
    // The line INSERT, built and run; a database error (or a refused value) fails with the
    // statement, logged.
    bool InsertLine(const std::function<SqlText()>& statement);

    // What is left owing onto the partner's balance (with its sign turned for a partner of
    // the other kind); only when something is owed.
    bool RaisePartnerBalance(const BillHeader& bill, const CString& failMessage);
    // A generated number is consumed.
    void AdvanceNumbering(const BillHeader& bill);

    // Deletion: the header and its lines as stored.
    StoredBill ReadStoredBill(const SqlText& sql);
    std::vector<StoredLine> ReadStoredLines(const SqlText& sql);
    // +1, or -1 for a partner of the other kind (whose balance runs the other way).
    int PartnerSign(int companyID);

    // 1 when a bill of the road has the code, else 0 (also on a database error, logged).
    static int CodeTaken(CppSQLite3DB& db, const SqlText& sql);
    // The bill's lines with its header fields repeated (with the discounts where the road
    // keeps them, and the road's own `extraColumns`).
    static CppSQLite3Query BillData(CppSQLite3DB& db, const BillRoad& road, int billID, const wchar_t* extraColumns);

private:
    // A step that cannot go on: Fail (or FailLogged), as a flag.
    bool Refuse(const CString& message, bool logged = false);

    // The steps of OpenBill. A bill with money owing needs a named partner.
    bool RefuseOwingWithoutPartner(const BillHeader& bill);
    // The system partner for an empty name; else the newest partner of the name, brought
    // back into use, or a new one made by name.
    bool ResolvePartner(BillHeader& bill);
    // An unknown account is made; the paid amount moves its balance. Results not checked.
    void ResolveSettleAccount(BillHeader& bill, double move);
    // A generated code when none is given; a taken code is replaced by the next one, at most
    // 100 times.
    bool NumberBill(BillHeader& bill, const std::function<int(const CString&)>& codeTaken);
    // The header row; its new key, or -1.
    int WriteHeader(const BillHeader& bill);
    SqlText HeaderInsert(const BillHeader& bill, const CString& now) const;
    // The operation log; an error only leaves its message in the error text.
    void JournalNewBill(const CString& billCode);
    // The texts (made safe) and numbers of an item row.
    void ReadItemRow(const BillItemRow& row, BillLine& line);

    CppSQLite3DB& db_;
    const BillRoad& road_;
    CString& error_;
};

}  // namespace shopbiz
