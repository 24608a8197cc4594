#pragma once
// Helpers shared by the member, level and points files of CMemberBLL.

#include "frame/CppSQLite3.h"
#include "frame/ServiceFrame.h"
#include "platform/CString.h"

class CMemberBLL;

namespace shopbiz::members {

// A level's discount text as a price factor; no usable factor above 0 means full price (1),
// never free goods.
double PriceFactor(const CString& discount);

// True for a whole number that fits an int: optional blanks around it, an optional sign
// when `signAllowed`, then digits only.
bool IsWholeNumber(const CString& text, bool signAllowed);

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

// A result-set method in the member frame: the result set, or the empty one after an error
// (logged as the fixed text).
template <class Body>
CppSQLite3Query ListOrEmpty(const wchar_t* logText, Body&& body) {
    CppSQLite3Query result;
    result = CatchAllErrors(logText, CppSQLite3Query(), body);
    return result;
}

}  // namespace shopbiz::members
