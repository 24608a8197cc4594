#pragma once
// The road that sale and purchase bills share: the partner and the settlement account found
// or made, the bill numbered, the header and lines written, the partner's balance moved, and
// the reversal when a bill is deleted. CSaleBLL and CPurBLL walk it step by step; what tells
// the two apart is their BillRoad. Nothing here takes the lock (the calling service method
// holds it), and database errors pass to the caller unless a step says otherwise.
//
// A posting call (a bill posted, changed or deleted) is one unit of work: it runs in one write
// transaction that is committed whatever the call returns, so what the finished steps left
// survives a failure, while a crash mid-posting leaves nothing half-written and a file database
// syncs once per bill. Each step in it is all or nothing: a step that fails (its own failure
// value, or a database error thrown anywhere inside it, even one a service it called answered
// with a failure value only) leaves nothing behind and ends the call with its message.

#include <functional>
#include <optional>

#include "frame/CallMemo.h"
#include "frame/SqlText.h"
#include "frame/ServiceTypes.h"
#include "frame/Transaction.h"

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

    // Runs a posting call: `body` (the steps) inside the call's write transaction, with the
    // settings it reads kept for the call; a database error that leaves `body` is reported
    // into the error text and the log, and gives -1. Whatever the result, what the steps left
    // is committed; a commit that fails keeps nothing and gives -1 with the database's message.
    int RunCall(const std::function<int()>& body);
    // One step, all or nothing. It fails when `body` returns a negative value or when a
    // database error was thrown inside it; then nothing it wrote stays, and the error text
    // holds the step's own message or, when the step set none, `swallowed` (the database's
    // message when that is empty). An exception leaves after the step's work was undone.
    // The body's result, or -1.
    int Step(const std::function<int()>& body, const CString& swallowed = CString());
    // A step whose own writes stand whatever happens (the numbering moved on for each taken
    // code): it fails as Step does, but keeps what it wrote.
    int CheckedStep(const std::function<int()>& body);
    // A step whose failure the call survives (its message stays in the error text); it only
    // ends the call when the database rolled the whole transaction back. 0, or -1 then.
    int TolerantStep(const std::function<int()>& body);

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

    // Opens the bill, a step each: the partner and the settlement account found or made (the
    // paid amount moving the account's balance by `accountMove`), the bill numbered, the
    // header written, and journalled (a failure of the operation log only leaves its message
    // in the error text). The new key, or -1.
    int OpenBill(BillHeader& bill, double accountMove, const std::function<int(const CString&)>& codeTaken);
    // The first `itemCount` rows, each through `postLine` as one step; an error that is no
    // failure of the line's INSERT fails the posting with the product's name. 1, or the first
    // failure (-1, -2).
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
    // A step's result as Step gives it: failed when negative or when an error was thrown.
    int Settle(int result, unsigned long errorsBefore, const CString& errorBefore, const CString& swallowed);

    // The steps of OpenBill. A bill with money owing needs a named partner.
    bool RefuseOwingWithoutPartner(const BillHeader& bill);
    // The system partner for an empty name; else the newest partner of the name, brought
    // back into use, or a new one made by name.
    bool ResolvePartner(BillHeader& bill);
    // An unknown account is made; the paid amount moves its balance.
    bool ResolveSettleAccount(BillHeader& bill, double move);
    // A generated code when none is given; a taken code is replaced by the next one, at most
    // 100 times.
    bool NumberBill(BillHeader& bill, const std::function<int(const CString&)>& codeTaken);
    // The header row; its new key, or -1.
    int WriteHeader(const BillHeader& bill);
    SqlText HeaderInsert(const BillHeader& bill, const CString& now) const;
    // The texts (made safe) and numbers of an item row.
    void ReadItemRow(const BillItemRow& row, BillLine& line);

    CppSQLite3DB& db_;
    const BillRoad& road_;
    CString& error_;
};

}  // namespace shopbiz
