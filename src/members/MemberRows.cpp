// Helpers shared by the member, level and points files of CMemberBLL.
#include "members/MemberRows.h"

#include <climits>
#include <vector>

#include "common/AmountText.h"
#include "common/NumberText.h"
#include "frame/ServiceFrame.h"
#include "members/MemberBLL.h"

namespace shopbiz::members {

double PriceFactor(const CString& discount) {
    const double factor = ParseAmount(discount);
    return factor > 0 ? factor : 1.0;
}

int PointsFor(const CString& money, int conversion) {
    const long long points = static_cast<long long>(WToI(money)) / (conversion == 0 ? 1 : conversion);
    return static_cast<int>(points > INT_MAX ? INT_MAX : points < INT_MIN ? INT_MIN : points);
}

int DeleteDocumentRows(CppSQLite3DB& db, CMemberBLL& members, const CString& document) {
    const QuotedSlot doc = Quoted(document);
    std::vector<CString> owners;
    {
        CppSQLite3Query rows =
            db.execQuery(Sql(L"select distinct MemberName from VipScores where ScoreDocument = '%s';", doc));
        for (; !rows.eof(); rows.nextRow()) owners.push_back(rows.getStringField(L"MemberName"));
    }
    const int status = db.execDML(Sql(L"delete from VipScores where ScoreDocument = '%s';", doc));
    if (status == 0)
        for (const CString& owner : owners) members.UpdateMemberScore(db, owner);
    return status;
}

}  // namespace shopbiz::members
