#include "documents/BillPosting.h"

#include <climits>

#include "common/AmountText.h"
#include "frame/DatabaseErrors.h"
#include "frame/ServiceFrame.h"
#include "masterdata/AccInfoBLL.h"
#include "masterdata/CustomerBLL.h"

namespace shopbiz {

// A sale without a customer goes to the retail customer; a purchase without a supplier to the
// newest system supplier.
constexpr wchar_t kRetailCustomer[] =
    L" SELECT CompanyID,CompanyCode,CompanyName FROM Companies WHERE IsSystem=1 AND CompanyType=1 AND "
    L"CompanyName='零售客户'  ORDER BY CompanyID DESC  LIMIT 1 ;";
constexpr wchar_t kSystemSupplier[] =
    L" SELECT CompanyID,CompanyCode,CompanyName FROM Companies WHERE IsSystem=1 AND CompanyType=2 ORDER BY "
    L"CompanyID DESC  LIMIT 1 ;";

// clang-format off
constexpr PartnerTexts kCustomerTexts = {
    L"该单存在欠款，必须选择一个确定的客户！", L"读取初始化客户资料数据失败！", L"初始化数据[默认客户资料不存在!]",
    nullptr, L"创建客户资料失败", L"读取初始化客户资料数据失败！"};
constexpr PartnerTexts kSupplierTexts = {
    L"该单存在欠款，必须选择一个确定的供应商!", L"读取默认供应商资料数据失败!", L"默认供应商资料不存在!",
    L"读取供应商资料数据失败！", L"创建供应商资料失败", L"读取初始化供应商资料数据失败！"};

// Bills, lines, key, numbering, partner type, order link, default partner, messages,
// discount columns, operation log.
extern constexpr BillRoad kSaleRoad = {
    L"SaleBills", L"SaleBillItems", L"SaleID", L"XSD", 1, true, kRetailCustomer, kCustomerTexts, true, true};
extern constexpr BillRoad kPurchaseRoad = {
    L"PurBills", L"PurBillItems", L"PurID", L"JHD", 2, false, kSystemSupplier, kSupplierTexts, true, true};
extern constexpr BillRoad kOrderRoad = {
    L"SaleOrderBills", L"SaleOrderBillItems", L"SaleOrderID", L"XSDD", 1, false, kRetailCustomer, kCustomerTexts,
    false, false};
// clang-format on

int BillPosting::RunCall(const std::function<int()>& body) {
    return Guard(Report(error_), -1, [&] {
        Transaction call = Transaction::ForWriting(db_);
        CallMemo memo(db_);
        const int result = Guard(Report(error_), -1, body);
        if (!call.IsOpen()) {
            // The database rolled the whole call back (after an I/O error, say): nothing stays.
            if (result < 1) return result;
            return Fail(detail::LastDatabaseError());
        }
        try {
            call.Commit();
        } catch (const CppSQLite3Exception& e) {
            LogLine(e.errorMessage());
            if (result >= 1) error_ = e.errorMessage();
            return -1;
        }
        return result;
    });
}

int BillPosting::Step(const std::function<int()>& body, const CString& swallowed) {
    Transaction step(db_);
    const unsigned long errorsBefore = detail::DatabaseErrorsThrown();
    const CString errorBefore = error_;
    const int result = Settle(body(), errorsBefore, errorBefore, swallowed);
    if (result < 0)
        step.Rollback();
    else
        step.Commit();
    return result;
}

int BillPosting::CheckedStep(const std::function<int()>& body) {
    const unsigned long errorsBefore = detail::DatabaseErrorsThrown();
    const CString errorBefore = error_;
    return Settle(body(), errorsBefore, errorBefore, CString());
}

int BillPosting::Settle(int result, unsigned long errorsBefore, const CString& errorBefore, const CString& swallowed) {
    const bool thrown = detail::DatabaseErrorsThrown() != errorsBefore;
    if (result >= 0 && !thrown) return result;
    const CString databaseMessage = swallowed.IsEmpty() ? detail::LastDatabaseError() : swallowed;
    if (result >= 0) {
        // A service answered an error with a value that reads like success.
        error_ = databaseMessage;
        return -1;
    }
    // A failure value without a message of its own takes the error's.
    if (thrown && (error_ == errorBefore || error_.IsEmpty())) error_ = databaseMessage;
    return result;
}

int BillPosting::TolerantStep(const std::function<int()>& body) {
    Guard(Report(error_).NotLogged(), [&] { Step(body); });
    return db_.inTransaction() ? 0 : -1;
}

int BillPosting::Fail(const CString& message) {
    error_ = message;
    return -1;
}

int BillPosting::FailLogged(const CString& message) {
    LogLine(message);
    return Fail(message);
}

bool BillPosting::Refuse(const CString& message, bool logged) {
    logged ? FailLogged(message) : Fail(message);
    return false;
}

BillHeader BillPosting::ReadHeader(CString billCode, CString billType, CString settleAcctName, CString billDate,
                                   CString companyName, CString billAmount, CString discountAmount,
                                   CString discountRate, CString getAmount, CString remark, CString userName) {
    companyName.Trim();
    BillHeader bill{.billCode = billCode,
                    .billType = billType,
                    .settleAcctName = settleAcctName,
                    .billDate = billDate,
                    .companyName = companyName,
                    .billAmount = billAmount,
                    .discountAmount = discountAmount,
                    .discountRate = discountRate,
                    .getAmount = getAmount,
                    .remark = remark,
                    .userName = userName};
    bill.billAmountValue = ParseAmount(bill.billAmount);
    bill.getAmountValue = ParseAmount(bill.getAmount);
    bill.discountAmountValue = ParseAmount(bill.discountAmount);
    bill.billAmount = Fmt(L"%.08lf", bill.billAmountValue);
    bill.getAmount = Fmt(L"%.08lf", bill.getAmountValue);
    bill.owed = bill.discountAmountValue - bill.getAmountValue;
    return bill;
}

bool BillPosting::ItemsComplete(const BillItemRows& items, int itemCount) {
    if (itemCount < 0 || static_cast<size_t>(itemCount) > items.size()) return false;
    for (int i = 0; i < itemCount; ++i)
        if (items[i].size() < static_cast<size_t>(kItemRowWidth)) return false;
    return true;
}

int BillPosting::OpenBill(BillHeader& bill, double accountMove, const std::function<int(const CString&)>& codeTaken) {
    if (!RefuseOwingWithoutPartner(bill)) return -1;
    if (Step([&] { return ResolvePartner(bill) ? 0 : -1; }) < 0) return -1;
    if (Step([&] { return ResolveSettleAccount(bill, accountMove) ? 0 : -1; }) < 0) return -1;
    if (CheckedStep([&] { return NumberBill(bill, codeTaken) ? 0 : -1; }) < 0) return -1;
    const int id = Step([&] { return WriteHeader(bill); });
    if (id < 1) return -1;
    if (road_.journalled && TolerantStep([&] {
            CSysBLL().AddOperateData(db_, road_.billsTable, L"BillCode", bill.billCode, L"A");
            return 0;
        }) < 0)
        return -1;
    return id;
}

bool BillPosting::RefuseOwingWithoutPartner(const BillHeader& bill) {
    if (bill.companyName.IsEmpty() && bill.owed != 0) return Refuse(road_.texts.owingWithoutPartner);
    return true;
}

bool BillPosting::ResolvePartner(BillHeader& bill) {
    if (bill.companyName.IsEmpty()) {
        CppSQLite3Query partner = db_.execQuery(road_.defaultPartnerSql);
        if (partner.isNull()) return Refuse(road_.texts.defaultUnreadable);
        if (partner.eof() || partner.getIntField(L"CompanyID") < 1) return Refuse(road_.texts.defaultMissing);
        bill.companyID = partner.getIntField(L"CompanyID");
        bill.companyCode = partner.getStringField(L"CompanyCode");
        bill.companyName = partner.getStringField(L"CompanyName");
        return true;
    }

    // A database error of the look-up fails the posting with its message; any other failure
    // has a message of its own on the purchase road.
    bill.companyID = -1;
    auto lookUp = [&] {
        CppSQLite3Query named =
            db_.execQuery(Sql(L" SELECT * FROM Companies WHERE CompanyName='%s' ORDER BY CompanyID  DESC LIMIT 1 ;",
                              Quoted(bill.companyName)));
        bill.companyID = named.eof() ? 0 : named.getIntField(L"CompanyID");
    };
    if (road_.texts.lookupFailed)
        Guard(OnError::OnlyOtherErrors(error_, road_.texts.lookupFailed), lookUp);
    else
        lookUp();
    if (bill.companyID < 0) return false;
    if (bill.companyID > 0) {
        // A disabled or deleted partner of the name comes back into use.
        db_.execDML(Sql(L"Update Companies Set IsDisable=0, IsDelete=0 Where CompanyID =%d", bill.companyID));
    } else {
        bill.companyID = CCustomerBLL().InsertCompany(db_, bill.companyName, road_.partnerType, error_);
        if (bill.companyID < 1) return Refuse(road_.texts.notCreated);
    }
    CppSQLite3Query partner = db_.execQuery(
        Sql(L" SELECT CompanyID,CompanyCode,CompanyName FROM Companies WHERE  CompanyID =%d ;", bill.companyID));
    if (partner.isNull()) return Refuse(road_.texts.unreadable);
    bill.companyCode = partner.getStringField(L"CompanyCode");
    return true;
}

bool BillPosting::ResolveSettleAccount(BillHeader& bill, double move) {
    bill.settleAcctID = 0;
    if (bill.settleAcctName.IsEmpty()) return true;
    CAccInfoBLL accounts;
    const int exists = accounts.IsExistByAcNAme(db_, bill.settleAcctName, error_);
    if (exists < 0) return false;
    if (exists == 0 && accounts.InsertLIstData(db_, 1, bill.settleAcctName, L"", L"", L"0", error_) != 0) return false;
    if (bill.getAmountValue != 0 && accounts.UpdateBaseAccount(db_, bill.settleAcctName, move, error_, 1) != 0)
        return false;
    CppSQLite3Query account = accounts.GetBaseDataByName(db_, bill.settleAcctName, error_);
    if (!account.eof()) bill.settleAcctID = account.getIntField(L"SettleAcctID");
    return true;
}

bool BillPosting::NumberBill(BillHeader& bill, const std::function<int(const CString&)>& codeTaken) {
    CSysBLL sys;
    bill.billCode.Trim();
    if (bill.billCode.IsEmpty()) {
        bill.billCode = sys.GetBillCode(db_, road_.codeType, bill.billDate);
        bill.codeGenerated = true;
    }
    int attempts = 0;
    while (codeTaken(bill.billCode)) {
        sys.UpDateBillCode(db_, road_.codeType, bill.billDate);
        bill.billCode = sys.GetNewCode(bill.billCode);
        if (++attempts > 100) {
            const CString message = L"生成单据编号错误!err:重新尝试生成新单据编号超过100次!";
            LogLine(message + L"\r\n");
            return Refuse(message);
        }
    }
    return true;
}

SqlText BillPosting::HeaderInsert(const BillHeader& bill, const CString& now) const {
    if (!road_.discounted)  // an order keeps its total and deposit only
        return Sql(L" INSERT INTO %s(  BillCode, CompanyID, CompanyCode, CompanyName,SettleAcctID,SettleAcctName, "
                   L"BillAmount, GetAmount,  BillDate, UserID, UserName, CreateDate, LastUpdateDate, Remark ,BillType  "
                   L") VALUES (   '%s' , %d,  '%s',  '%s',%d, '%s',     %.08lf, %.08lf,  '%s', %d, '%s', '%s', '%s', "
                   L"'%s', '%s'  )  ; ",
                   road_.billsTable, Quoted(bill.billCode), bill.companyID, Quoted(bill.companyCode),
                   Quoted(bill.companyName), bill.settleAcctID, Quoted(bill.settleAcctName), bill.billAmountValue,
                   bill.getAmountValue, Quoted(bill.billDate), 0, Quoted(bill.userName), Quoted(now), Quoted(now),
                   Quoted(bill.remark), Quoted(bill.billType));
    return Sql(L" INSERT INTO %s(  BillCode, CompanyID, CompanyCode, CompanyName,SettleAcctID,SettleAcctName, "
               L"BillAmount, DiscountAmount, DiscountRate, GetAmount, OweAmount,  BillDate, UserID, UserName, "
               L"CreateDate, LastUpdateDate, Remark ,BillType  ) VALUES (   '%s' , %d,  '%s',  '%s',%d, '%s',     "
               L"%.08lf, %.08lf, %.08lf, %.08lf, %.08lf,  '%s', %d, '%s', '%s', '%s', '%s', '%s'  )  ; ",
               road_.billsTable, Quoted(bill.billCode), bill.companyID, Quoted(bill.companyCode),
               Quoted(bill.companyName), bill.settleAcctID, Quoted(bill.settleAcctName), bill.billAmountValue,
               bill.discountAmountValue, ParseAmount(bill.discountRate) * 0.01, bill.getAmountValue, bill.owed,
               Quoted(bill.billDate), 0, Quoted(bill.userName), Quoted(now), Quoted(now), Quoted(bill.remark),
               Quoted(bill.billType));
}

int BillPosting::WriteHeader(const BillHeader& bill) {
    const SqlText insert = HeaderInsert(bill, CSysBLL().GetTimeNowLong());
    db_.execDML(insert);
    const int id = db_.execScalar(Sql(L" SELECT  MAX(%s) FROM  %s ;", road_.keyColumn, road_.billsTable));
    if (id < 1) {
        const CString message = L"单据新增失败，操作已经终止!";
        LogLine(message + L"\r\n" + insert.str());
        return Fail(message);
    }
    return id;
}

int BillPosting::PostLines(const BillItemRows& items, int itemCount, const std::function<int(BillLine&)>& postLine) {
    constexpr int kLineFailed = INT_MIN;
    for (int i = 0; i < itemCount; ++i) {
        BillLine line;
        ReadItemRow(items[i], line);
        const CString failed = L"新增货品[" + line.productName + L"]失败!";
        // Each line is one step: its row, prices and stock, or nothing of it.
        const int posted = Guard(CatchAll(nullptr), kLineFailed, [&] { return Step([&] { return postLine(line); }, failed); });
        if (posted == kLineFailed) return Fail(failed);
        if (posted < 0) return posted;
    }
    return 1;
}

void BillPosting::ReadItemRow(const BillItemRow& row, BillLine& line) {
    line.productCode = row.at(0);
    line.productName = row.at(1);
    line.unitName = row.at(2);
    line.remark = row.at(6);
    line.showUnitName = row.at(8);
    line.coefficient = row.at(9);
    for (CString* text :
         {&line.productCode, &line.productName, &line.unitName, &line.remark, &line.showUnitName, &line.coefficient})
        CSysBLL::GetSafeString(*text);
    line.priceText = row.at(3);
    line.price = ParseAmount(row.at(3));
    line.count = ParseAmount(row.at(4));
    line.amount = ParseAmount(row.at(5));
    line.showCount = ParseAmount(row.at(10));
    line.showPrice = ParseAmount(row.at(11));
    line.originalPrice = ParseAmount(row.at(12));
    line.disRate = ParseAmount(row.at(13));
}

int BillPosting::TakeProduct(CppSQLite3Query product, BillLine& line) {
    if (product.eof()) {
        error_ = Fmt(L"%s~%s", line.productCode, line.productName);
        return -2;
    }
    line.productID = product.getIntField(L"ProductID");
    line.typeID = product.getIntField(L"TypeID");
    line.unitID = product.getIntField(L"UnitID");
    line.typeName = product.getStringField(L"TypeName");
    line.unitName = product.getStringField(L"UnitName");
    line.productCode = product.getStringField(L"ProductCode");
    line.searchCode = product.getStringField(L"SearchCode");
    line.secUnitID = product.getIntField(L"SecUnitID");
    return 1;
}

void BillPosting::TakeEnteredUnit(BillLine& line) {
    if (line.showUnitName == line.unitName) {
        line.showUnitID = line.unitID;
        line.coefficient = L"1";
    } else {
        line.showUnitID = line.secUnitID;
    }
}

bool BillPosting::InsertLine(const std::function<SqlText()>& statement) {
    return Guard(Report(error_, ErrorText::WithStatement(L"写入明细失败！\r\n %s \r\n %s")), false, [&] {
        db_.execDML(statement());
        return true;
    });
}

bool BillPosting::RaisePartnerBalance(const BillHeader& bill, const CString& failMessage) {
    if (bill.owed == 0) return true;
    const double owed = bill.owed * PartnerSign(bill.companyID);
    if (CCustomerBLL().AddCurrentAmount(db_, bill.companyID, owed, error_) < 1)
        return Refuse(failMessage + bill.billCode, true);
    return true;
}

void BillPosting::AdvanceNumbering(const BillHeader& bill) {
    if (bill.codeGenerated) CSysBLL().UpDateBillCode(db_, road_.codeType, bill.billDate);
}

StoredBill BillPosting::ReadStoredBill(const SqlText& sql) {
    StoredBill bill;
    CppSQLite3Query header = db_.execQuery(sql);
    if (header.eof()) return bill;
    if (road_.discounted) {
        bill.discountAmount = header.getFloatField(L"DiscountAmount");
        bill.oweAmount = header.getFloatField(L"OweAmount");
    }
    bill.getAmount = header.getFloatField(L"GetAmount");
    bill.billCode = header.getStringField(L"BillCode");
    bill.billType = header.getStringField(L"BillType");
    bill.companyID = header.getIntField(L"CompanyID");
    bill.billDate = header.getStringField(L"BillDate");
    bill.settleAcctID = header.getIntField(L"SettleAcctID");
    bill.settleAcctName = header.getStringField(L"SettleAcctName");
    if (road_.deliversOrders) bill.saleOrderID = header.getIntField(L"SaleOrderID");
    return bill;
}

std::vector<StoredLine> BillPosting::ReadStoredLines(const SqlText& sql) {
    std::vector<StoredLine> lines;
    for (CppSQLite3Query line = db_.execQuery(sql); !line.eof(); line.nextRow())
        lines.push_back(
            {line.getIntField(L"ProductID"), line.getStringField(L"ItemCount"), line.getStringField(L"Price")});
    return lines;
}

int BillPosting::PartnerSign(int companyID) {
    CppSQLite3Query partner = CCustomerBLL().QueryCompanyByID(db_, companyID, error_);
    const int type = partner.eof() ? road_.partnerType : partner.getIntField(L"CompanyType");
    // A supplier on a sale (or a customer on a purchase) keeps its balance the other way round.
    return type == 3 - road_.partnerType ? -1 : 1;
}

int BillPosting::CodeTaken(CppSQLite3DB& db, const SqlText& sql) {
    return Guard(Log(), 0, [&] { return db.execQuery(sql).eof() ? 0 : 1; });
}

CppSQLite3Query BillPosting::BillData(CppSQLite3DB& db, const BillRoad& road, int billID, const wchar_t* extraColumns) {
    return Guard(Log(), CppSQLite3Query(), [&] {
        const wchar_t* discounts = road.discounted ? L", B.DiscountAmount, B.DiscountRate, B.OweAmount, "
                                                     L"A.OriginalPrice, A.DisRate"
                                                   : L"";
        return db.execQuery(
            Sql(L"SELECT A.ProductID, A.ProductCode, A.ProductName, B.SettleAcctName, A.ItemCount, A.UnitName, "
                L"A.Price, A.Amount AS ItemAmount, A.Remark AS ItemRemark, A.ShowUnitName, A.Coefficient, "
                L"A.ShowItemCount, A.ShowPrice, B.%s AS BillID, B.BillCode, B.CompanyName, B.BillAmount, B.BillType, "
                L"B.GetAmount, B.BillDate, B.Remark AS BillRemark%s%s FROM %s B INNER JOIN %s A ON A.%s = B.%s "
                L"WHERE B.%s='%d' ORDER BY A.ROWID",
                road.keyColumn, discounts, extraColumns, road.billsTable, road.itemsTable, road.keyColumn,
                road.keyColumn, road.keyColumn, billID));
    });
}

}  // namespace shopbiz
