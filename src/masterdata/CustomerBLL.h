#pragma once
// Customers, suppliers and contacts with their balances; the address book.
//
// Partners live in Companies: CompanyType 1 customer, 2 supplier (3 is a plain contact).
// Each carries an opening balance (InitAmount, booked through its virtual bill) and a
// current balance (CurAmount): what a customer owes the shop, or the shop owes a supplier.

#include "frame/ServiceTypes.h"

class CCustomerBLL {
    SHOPBIZ_STATELESS_SERVICE(CCustomerBLL)

public:
    // --- Creating and editing partners -----------------------------------------------------
    // The partner fields always come in this order: name, full name, code, contact, phone,
    // fax, e-mail, QQ, address, postal code, opening amount, remark.

    // New CompanyID. A name that a customer or supplier already has updates and re-enables
    // that row and gives its ID. -1 on an empty name, a failed update or a database error.
    int InsertCompany(CppSQLite3DB& db, CString name, CString fullName, CString code, CString contact, CString phone,
                      CString fax, CString email, CString qq, CString address, CString postCode, CString initAmount,
                      CString remark, int isBoth, int type, CString& error);
    // By name alone (bills naming an unknown partner): a new code, opening amount 0.
    int InsertCompany(CppSQLite3DB& db, CString name, int type, CString& error);
    // 1 done; -1 on a duplicate name, an unknown partner or a failed step. A changed opening
    // amount moves the current balance and the virtual bill; name and code are carried into
    // every bill, the stock ledger, the cash journal and the customer prices.
    int UpdateCompany(CppSQLite3DB& db, int id, CString name, CString fullName, CString code, CString contact,
                      CString phone, CString fax, CString email, CString qq, CString address, CString postCode,
                      CString initAmount, CString remark, int isBoth, CString& error);
    // disable 1 hides the partner from the pick lists, 0 brings it back. 1 done, -1 on error.
    int SetEnableByID(CppSQLite3DB& db, int id, int disable, CString& error);

    // --- Balances ------------------------------------------------------------------------------
    // Move CurAmount by the amount, rounded to cents. 1 done, -1 on error.
    int AddCurrentAmount(CppSQLite3DB& db, int id, double amount, CString& error);
    int DecCurrentAmount(CppSQLite3DB& db, int id, double amount, CString& error);

    // --- Deleting ------------------------------------------------------------------------------
    // Removes the partner with its virtual bills, journal lines and customer prices. -1 when a
    // bill or journal line names it, for the delivered partners, and on error.
    int DeleteCompany(CppSQLite3DB& db, int id, CString& error);
    // Non-system sale bills, purchase bills and sale orders plus journal lines naming the
    // partner; -1 on error.
    int IsHasBills(CppSQLite3DB& db, int id, CString& error);

    // --- Codes and existence checks ------------------------------------------------------------
    // The code after that of the newest partner of the type.
    CString GetNewCustomerCode(CppSQLite3DB& db, int type, CString& error);
    // ID of the last customer or supplier of that name; 0 when none.
    int GetCompanyIDByName(CppSQLite3DB& db, CString name);
    // Another customer or supplier (not the given ID) has the name.
    bool IsExisted(CppSQLite3DB& db, CString name, int id, CString& error);
    // Any row of Companies, contacts included, has the name.
    bool IsExisted(CppSQLite3DB& db, CString name);
    // 1 when a customer of that name exists, else 0; `error` gets the message of a database error.
    int IsExistedCustName(CppSQLite3DB& db, CString name, CString& error);
    // A usable customer / supplier exists besides the delivered ones.
    bool HaveCustData(CppSQLite3DB& db);
    bool HaveSuppData(CppSQLite3DB& db);

    // --- Queries -------------------------------------------------------------------------------
    // Types: 1 customers, 2 suppliers, 0 both. Keywords match anywhere in the column.
    CppSQLite3Query QueryCompanyByID(CppSQLite3DB& db, int id, CString& error);
    CppSQLite3Query QueryCompanyByName(CppSQLite3DB& db, CString name, CString& error);
    // Non-system partners by code, name or search code; disabled ones only with showAll.
    CppSQLite3Query QueryCompanyList(CppSQLite3DB& db, CString keyword, bool showAll, int type, CString& error);
    // Non-system partners of the type by name and phone, newest first.
    CppSQLite3Query QueryCompanyByNameTel(CppSQLite3DB& db, int type, CString namePart, CString telPart, bool showAll,
                                          CString& error);
    // Enabled non-system partners by name, phone, contact or search code; without `all` only
    // those with an outstanding balance.
    CppSQLite3Query QueryByKeyword(CppSQLite3DB& db, int type, CString keyword, bool all, CString& error);
    // SearchCode and CompanyName for a pick list; the delivered partners only withSystem.
    CppSQLite3Query QueryCompForSelect(CppSQLite3DB& db, CString keyword, bool withSystem, int type, CString& error);
    // The pick list of a bill: partners of the type first, then those of the other type.
    CppSQLite3Query QueryCompForBillSelect(CppSQLite3DB& db, CString keyword, bool withSystem, int type,
                                           CString& error);

    // --- Print data ----------------------------------------------------------------------------
    // The partners of QueryByKeyword into SysPrintData under `label`: the store (StoreName,
    // StoreAddr, StoreLink; EntryNo -1), then per partner, from entry `firstEntry` on (below 1
    // counts as 1), RowNo, CompanyName, CompanyCode, Tel, Fax and CurAmount (an amount).
    // `nextEntry` receives the entry after the last row. 0 done; -1 on a database error (the
    // message in `error` and the log).
    int InsertPrintData(CppSQLite3DB& db, int type, CString keyword, bool all, CString label, int firstEntry,
                        long& nextEntry, CString& error);

    // --- Contacts ------------------------------------------------------------------------------
    // The address book: every customer and supplier is a contact (group "客户" / "供应商",
    // Companies.ContactGroup), and plain contacts are rows of type 3 with a name, a mobile
    // number and a group. Names are trimmed. Unless noted: 0 done; -1 after a database error
    // (logged); -2 refused, nothing written.

    // Adds a plain contact to the group, creating the group when missing. A contact of this
    // name already in the group is kept as it is (0). -2 for an empty name or group.
    int AddContacts(CppSQLite3DB& db, CString group, CString name, CString mobile);
    // Renames the contact, moves it to the group (created when missing) and sets its mobile
    // (also as its phone). A customer or supplier keeps its type and code, and its customer
    // prices carry the new name. -2 when another partner of the group has the name, or the
    // name or group is empty; -3 for an unknown ID.
    int UpdateContactByID(CppSQLite3DB& db, CString group, CString name, CString mobile, int id);
    // Ticks (1) or unticks (0) the contact for messages.
    int UpdateIsSelectByID(CppSQLite3DB& db, int tick, int id);
    // Unticks every contact.
    int ClearSelect(CppSQLite3DB& db);

    // --- Contact groups ------------------------------------------------------------------------
    // Groups are rows of Project with an empty AccountType: ProjectType 6 made by the user, 4
    // and 5 delivered with the database ("客户", "供应商"); all of them can be renamed and
    // deleted.

    // Creates a user group unless a group has the name. -2 for an empty name.
    int AddContactsGroup(CppSQLite3DB& db, CString group);
    // Renames the group and moves its members along. -2 when a group has the new name or it is
    // empty.
    int UpdateContactsGroup(CppSQLite3DB& db, CString newName, CString oldName);
    // Removes the group; its members keep the group's name.
    int DeleteContactsGroup(CppSQLite3DB& db, CString group);
    // Removes the group and every member, all or nothing: -2 when one of them may not be
    // deleted (CSysBLL::GetTipsMsgByCompanies answers other than 1, or it is a delivered
    // partner). The members' opening bills and customer prices go with them.
    int DeletGroupandContacts(CppSQLite3DB& db, CString group);
    // 1 when an enabled, non-system partner or contact is in the group (an empty name: in any
    // group), else 0.
    int IsUseGroup(CppSQLite3DB& db, CString group);

    // --- Contact lists -------------------------------------------------------------------------
    // An error is logged and gives an empty result.

    // The group's own row.
    CppSQLite3Query GetContactsGroup(CppSQLite3DB& db, CString group);
    // Groups whose name holds the text (all of them for ""), by kind and name: with `all`
    // the delivered groups too, else the user's groups only.
    CppSQLite3Query GetContactGroup(CppSQLite3DB& db, CString namePart, int all);
    // Non-system contacts of the group (every group for "") whose search code, name, phone or
    // mobile holds the keyword, by type; `count` receives their number (-1 after an error).
    CppSQLite3Query GetContactsByGroup(CppSQLite3DB& db, CString group, CString keyword, long& count);
    // The ticked contacts.
    CppSQLite3Query GetContactsBySelect(CppSQLite3DB& db);
    // Every non-system row of Companies whose name, phone, mobile or search code holds the
    // keyword, by group and search code. An error also goes into `error`.
    CppSQLite3Query QueryContactList(CppSQLite3DB& db, CString keyword, CString& error);
};
