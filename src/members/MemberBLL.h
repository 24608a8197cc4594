#pragma once
// VIP members, their levels and their points.

#include "frame/ServiceTypes.h"
#include "frame/SysBLL.h"

class CMemberBLL {
    SHOPBIZ_STATELESS_SERVICE(CMemberBLL)

public:
    // --- Members ---------------------------------------------------------------------------------
    // 1 when the customer of that name is a member: its code, level and the level's discount
    // come back; 0 when not; -1 on a database error.
    int IsVipMemberByCust(CppSQLite3DB& db, CString custName, CString& memberCode, CString& levelName,
                          double& discount);

    // --- Levels ----------------------------------------------------------------------------------
    // The level's price factor as text; "1" when the level has none.
    CString GetLevelDiscount(CppSQLite3DB& db, CString levelName);
    // Money per point of the level: 10 for an unknown level, 1 when its value is empty or 0.
    int GetLevelConversoin(CppSQLite3DB& db, CString levelName);

    // --- Scores ----------------------------------------------------------------------------------
    // Credits the member's points for money received under a document (replacing what the
    // document earned before). Status of the insert (0 done); 2 not a member; 3 the document's
    // old points could not be removed; -1 on a database error.
    int AddMoneytoSocre(CppSQLite3DB& db, CString memberName, CString document, CString money);
    // Stores the total computed from the points rows on the member. Status; -1 on an error.
    int UpdateMemberScore(CppSQLite3DB& db, CString memberName);
    // The total of the member's points rows (earned and adjusted less spent). 0; -1 on an error.
    int GetMemberSocreFromScore(CppSQLite3DB& db, CString memberName, CString& total);
    // Removes the points rows of a document. Status of the delete; -1 on an error.
    int doCheckandDelDocMent(CppSQLite3DB& db, CString document);

private:
    CSysBLL m_sysBLL;  // the shared helpers; holds no state
};
