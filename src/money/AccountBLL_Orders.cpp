// CAccountBLL: sale order deposits go into the day's income line, beside the sales.
#include "money/AccountBLL_DayLines.h"
#include "money/JournalTexts.h"

namespace shopbiz::journal {

// Whichever of sales and deposits posts first on a day names the day's income line.
const DayLine kOrderDepositDay = {
    .accountType = kIncome,
    .amountColumn = L"InAmount",
    .kindCondition = L"ProjectType =1 and AccountType = '收入'",
    .desp = L"预订货品",
    .partner = L"零售客户",
    .project = kReceiptProject,
    .recordUpdate = false,  // raising the line is not journalled for deposits
    .billTable = {},
    .rebuildCountCondition = {},
    .rebuildLineCondition = {},
};

}  // namespace shopbiz::journal

int CAccountBLL::UpdateAccountBySaleOrder(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, CString date,
                                          CString amount, CString& error) {
    return shopbiz::journal::AddToDayLine(db, shopbiz::journal::kOrderDepositDay, settleAcctName, settleAcctId, date,
                                          amount, error);
}
