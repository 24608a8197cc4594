#pragma once
// VIP members, their levels and their points.
//
// Every method takes the library lock; a database error is logged as "<method>(): 异常. " and
// the method gives its failure value (-1, an empty result set, or the default it names).

#include "frame/ServiceTypes.h"
#include "frame/SysBLL.h"

class CMemberBLL {
    SHOPBIZ_STATELESS_SERVICE(CMemberBLL)

public:
    // --- Member records ----------------------------------------------------------------------
    // A member record is one text of "~"-separated fields (at least 14): 0 name, 1 code,
    // 2 contact, 3 telephone, 4 birthday, 5 sex ("男" = male), 6 mobile, 7 fax, 8 QQ,
    // 9 e-mail, 10 address, 11 level name, 12 picture, 13 customer ID [, 14 remark].
    // A short record or an empty name gives -1 and writes nothing.

    // Status of the insert (0 done); what IsMemberInfoUsed reports when the name or code is taken.
    int InsertMemberInfo(CppSQLite3DB& db, CString record);
    // Status of the update; what doCheckMemberByID reports when another member holds the new
    // name or code; -1 when there is no such member. The points rows follow a new code; a new
    // name keeps spendings and adjustments and rebuilds earnings from the new name's documents.
    // The old name is taken from the member on file (the argument is not needed).
    int UpdateMemberInfoByID(CppSQLite3DB& db, CString record, CString memberID, CString oldName);
    // The same keyed by the record's name / by its member code (which then stays as it is).
    int UpdateMemberInfoByName(CppSQLite3DB& db, CString record);
    int UpdateMemberInfoByCard(CppSQLite3DB& db, CString record);
    // Carries an edited customer's details to its member; a new name takes the points rows along.
    int UpdateMemberInfoCompayID(CppSQLite3DB& db, int companyID, CString name, CString searchCode, CString contact,
                                 CString mobile, CString fax, CString qq, CString email, CString address,
                                 CString remark);
    // Moves every member of a level to its new name.
    int UpdateMemberLevelName(CppSQLite3DB& db, CString newLevelName, CString oldLevelName);
    // The member only; its points rows go with deleteScoreByName.
    int deleteMemberByName(CppSQLite3DB& db, CString memberName);

    // --- Member checks and look-ups -----------------------------------------------------------
    // 1 and the member's name and code when the customer is a member, 0 when not.
    int IsVipMemberByCompayID(CppSQLite3DB& db, CString& memberName, CString& memberCode, int companyID);
    // 0 when both are free; 1 the name is taken, 2 the code is taken, 3 both. An empty code
    // (a member without a card) is never taken.
    int IsMemberInfoUsed(CppSQLite3DB& db, CString memberName, CString memberCode);
    // As IsMemberInfoUsed, counting only the other members.
    int doCheckMemberByID(CppSQLite3DB& db, CString memberName, CString memberCode, CString memberID);
    // 1 when the customer of that name is a member: its code, level and the level's discount
    // (a price factor; 1 when the level has no usable one) come back; 0 when not. Sale posting
    // uses this for the discount and the points.
    int IsVipMemberByCust(CppSQLite3DB& db, CString custName, CString& memberCode, CString& levelName,
                          double& discount);
    // 0 and the customer's member name and code (both empty when it is no member).
    int GetMemberNameByCompanyID(CppSQLite3DB& db, int companyID, CString& memberName, CString& memberCode);
    // "" when there is no such member.
    CString GetMemberLevelByName(CppSQLite3DB& db, CString memberName);
    // The price factor of the member's level; 1 (full price) when it has none.
    double GetMemberDiscount(CppSQLite3DB& db, CString memberName);

    // --- Member lists --------------------------------------------------------------------------
    CppSQLite3Query GetMemberList(CppSQLite3DB& db);
    // Members whose name or search code holds the first text and whose mobile holds the second.
    CppSQLite3Query GetMemberInfo(CppSQLite3DB& db, CString namePart, CString mobilePart);
    CppSQLite3Query GetMemberinfoByID(CppSQLite3DB& db, CString memberID);
    CppSQLite3Query GetMemberinfoByName(CppSQLite3DB& db, CString memberName);
    // Birthdays from today to six days ahead, within the current year.
    CppSQLite3Query GetMemberByBirthday(CppSQLite3DB& db);
    // Members not changed since before the day 30 days ago.
    CppSQLite3Query GetMemberByLastDate(CppSQLite3DB& db);
    // Makes members of the enabled customers who are not members yet, at the default level and
    // without a code: mode 1 all, 2 those with a balance, 3 those without. A customer named
    // like an existing member is left out. Status of the insert.
    int ImportCustToVipMember(CppSQLite3DB& db, int mode);
    CppSQLite3Query GetSMSTempletInfo(CppSQLite3DB& db);

    // --- Level settings ------------------------------------------------------------------------
    // The discount is a price factor above 0 and at most 1; the conversion the money per point,
    // a whole number (0 or empty: one point per unit of money).
    // Status of the insert; 3 when the level number or name exists; -1 for a bad discount or
    // conversion.
    int InsertLevelSet(CppSQLite3DB& db, int level, CString levelName, CString discount, CString conversion,
                       CString remark);
    // Replaces the level's values (it keeps its ID, so the default level stays the default);
    // members follow a new name. 3 when another level has the number or name, -1 for bad
    // values or an unknown level; the level is then left as it was. The flag is not used.
    int UpdateLevelSet(CppSQLite3DB& db, int levelID, int level, CString levelName, CString discount, int flag,
                       CString conversion);
    int deleteLevelById(CppSQLite3DB& db, int levelID);
    // 3 when the level number or the name exists, else 0.
    int doCheckLevel(CppSQLite3DB& db, int level, CString levelName);
    // 1 when a member has the level, else 0.
    int IsLevelUsed(CppSQLite3DB& db, CString levelName);
    // ID, Level, LevelName, discount, Conversion of every level by ID.
    CppSQLite3Query GetLevelInfoAll(CppSQLite3DB& db, CString& error);
    CppSQLite3Query GetLevelIfoByID(CppSQLite3DB& db, int levelID);
    // The level's price factor as text; "1" when the level has none.
    CString GetLevelDiscount(CppSQLite3DB& db, CString levelName);
    // Money per point of the level: 10 for an unknown level, 1 when its value is empty or 0.
    int GetLevelConversoin(CppSQLite3DB& db, CString levelName);
    // 0 and the name and discount of the level number ("-1": the default level); an empty
    // name and "1" when there is no such level.
    int GetLevelnfoByLevel(CppSQLite3DB& db, CString& levelName, CString& discount, CString level);

    // --- Points rows ----------------------------------------------------------------------------
    // Every change of a member's points rows stores the new total on the member.
    // Credits the member's points for money received under a document (replacing what the
    // document earned before). Status of the insert (0 done); 2 not a member; 3 the document's
    // old points could not be removed.
    int AddMoneytoSocre(CppSQLite3DB& db, CString memberName, CString document, CString money);
    // Adds a hand adjustment (a whole number, below 0 to take points away). Status of the
    // insert; 2 not a member; -1 for points that are no whole number.
    int AddReSetScoreByName(CppSQLite3DB& db, CString memberName, CString points);
    // Points spent in an exchange. Status of the insert; 4 when the member has fewer points;
    // -1 for points that are no whole number above 0.
    int InsertScoreExpend(CppSQLite3DB& db, CString memberName, CString memberCode, CString points, CString remark);
    // Rebuilds the earnings from the partner's income lines and sale bills. 0 or the status of
    // a failed insert; 2 not a member.
    int AddScoreByHistoryDoc(CppSQLite3DB& db, CString memberName);
    // Re-rates the member's earnings at the level's conversion. 0; -1 on an error.
    int UpdateScoreByConversion(CppSQLite3DB& db, CString memberName, CString levelName);
    // Gives every level the same conversion. Status; -1 for no whole number.
    int UpDateConversion(CppSQLite3DB& db, CString conversion);
    // Status; the stored total (0 when there is no such member).
    int GetMemberScore(CppSQLite3DB& db, CString memberName, int& points);
    // ScoreDocument, ScoreStyle, Money, Scores, CreateDate, Remark, newest first.
    CppSQLite3Query GetScoreHistory(CppSQLite3DB& db, CString memberName);
    // Stores the total computed from the points rows on the member. Status.
    int UpdateMemberScore(CppSQLite3DB& db, CString memberName);
    // The total of the member's points rows (earned and adjusted less spent). 0.
    int GetMemberSocreFromScore(CppSQLite3DB& db, CString memberName, CString& total);
    // Remove the document's rows, whichever member they belong to, and store those members'
    // new totals (and the named member's). Status of the delete.
    int doCheckandDelDocMent(CppSQLite3DB& db, CString document);
    int deleteScoreByDocment(CppSQLite3DB& db, CString document, CString memberName);
    int deleteScoreByName(CppSQLite3DB& db, CString memberName);
    // Points rows after a member's name or code changed. Status.
    int doReSetScorebByMemberUpdate(CppSQLite3DB& db, CString newName, CString newCode, CString oldName);

private:
    CSysBLL m_sysBLL;  // the shared helpers; holds no state
};
