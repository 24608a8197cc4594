#pragma once
// Helpers shared by the member, level and points files of CMemberBLL.

#include "frame/CppSQLite3.h"
#include "platform/CString.h"

class CMemberBLL;

namespace shopbiz::members {

// A level's discount text as a price factor; no usable factor above 0 means full price (1),
// never free goods.
double PriceFactor(const CString& discount);

// Whole points of the money at the rate: the money's leading whole number (as the desktop
// runtime reads it: "128.50" gives 128) divided by the conversion, the remainder dropped.
int PointsFor(const CString& money, int conversion);

// The row of points earned from money (ScoreStyle 0): name, code, document, style, money,
// points, and the two dates.
constexpr const wchar_t* kEarningRow =
    L"insert into VipScores(MemberName,MemberCode,ScoreDocument,ScoreStyle,Money,Scores,CreateDate,EffectDate)\t\t"
    L"values('%s','%s','%s',%d,'%s',%d,'%s','%s') ";

// Removes a document's points rows and stores the new total of every member they belonged
// to (a changed bill may have moved to another customer). Status of the delete; errors pass.
int DeleteDocumentRows(CppSQLite3DB& db, CMemberBLL& members, const CString& document);

}  // namespace shopbiz::members
