#pragma once
// Product types, units and other base data, income and expense projects.
//
// BaseData holds flat lists by BaseType (2: units of measure); AdvancedBaseData the tree of
// product types (BaseType 1, root ID 1, default type ID 2); Project the income and expense
// items of the cash journal. Renaming a type or an item carries the new name into every
// table that stores it by name. All methods take the library lock except
// GetTypeIDsByName and GetProdTypeIDByTypeName.

#include "frame/ServiceTypes.h"
#include "frame/SysBLL.h"

class CBaseBLL {
    SHOPBIZ_STATELESS_SERVICE(CBaseBLL)

public:
    // --- Base data lists ---------------------------------------------------------------------
    // Rows of the list whose name or search code ends in the key (the key is made safe).
    CppSQLite3Query GetBaseDataByType(CppSQLite3DB& db, CString key, int baseType, CString& error);
    // The unit and second-unit rows of the product of that name or search code.
    CppSQLite3Query GetBaseDataByProd(CppSQLite3DB& db, CString product, CString& error);
    // 0 inserted (or nothing to do for an empty name); 1 when the name is in the list already
    // (error: the name + "存在") or on a database error.
    int InsertBaseData(CppSQLite3DB& db, CString name, int baseType, CString& error);
    // 0 renamed; 2 when another row of the list has the new name; 1 on a database error.
    int UpdateBaseData(CppSQLite3DB& db, int baseType, CString oldName, CString newName, CString& error);
    int DeleteBaseDataByName(CppSQLite3DB& db, CString name, int baseType, CString& error);
    int DeleteBaseData(CppSQLite3DB& db, int id, CString& error);
    bool IsExist(CppSQLite3DB& db, CString name, int baseType, CString& error);

    // --- Product type tree ---------------------------------------------------------------------
    bool IsTypeExist(CppSQLite3DB& db, CString name, int baseType, CString& error);
    CppSQLite3Query GetAdBaseDataByType(CppSQLite3DB& db, CString key, int baseType, CString& error);
    // Children of the newest type of that name.
    CppSQLite3Query GetADBaseChildDataByName(CppSQLite3DB& db, CString typeName, int baseType, CString& error);
    // Every ID below the given ones ("3,5"), depth first, comma-separated; `names` receives
    // the names of the same types, indented by two blanks per level.
    CString GetBaseChildIDsByID(CppSQLite3DB& db, CString ids, int baseType, CString& names);
    // 0 inserted; 1 when the name exists (error "类别[name]已经存在,请确认!") or on error.
    int InsertADBaseData(CppSQLite3DB& db, CString name, int baseType, int parentID, CString& error);
    // Renames and moves a type in one transaction. 0 done; -3 when the new parent lies
    // below the type; -2 when the name is taken; -1 on a database error (rolled back).
    int UpdateADBaseData(CppSQLite3DB& db, int baseType, int id, int newParentID, CString newName, CString& error);
    // 0 deleted; -1 when the type has children; 1 on error.
    int DeleteAdBaseData(CppSQLite3DB& db, CString name, int baseType, CString& error);
    // ID of the type, 0 when there is none.
    int GetADBaseDataID(CppSQLite3DB& db, CString name, int baseType, CString& error);
    // IDs of the types whose name ends in the key, each followed by ",". Not locked.
    CString GetTypeIDsByName(CppSQLite3DB& db, CString key, int baseType, CString& error);
    // Name of the default product type, "" when it is gone. Errors pass.
    CString GetDefaultTypeName(CppSQLite3DB& db);
    // Not locked; errors pass.
    int GetProdTypeIDByTypeName(CppSQLite3DB& db, CString typeName);
    // Errors pass.
    bool IsExistSubType(CppSQLite3DB& db, CString typeName);

    // --- Income and expense projects -----------------------------------------------------------
    // Items of the account type ("收入"/"支出"; "" for both); all = 0 leaves out switched-off ones.
    CppSQLite3Query GetProject(CppSQLite3DB& db, CString accountType, int all, CString& error);
    CppSQLite3Query GetProjectByKey(CppSQLite3DB& db, CString key, CString accountType, int projectType, int all,
                                    CString& error);
    // Adds a user item and returns all items. A name in use sets status 1, or 2 when it
    // belongs to a switched-off item of the same account type (the host may re-enable it).
    CppSQLite3Query InsertProject(CppSQLite3DB& db, CString name, CString accountType, int& status, int isProfit,
                                  CString& error);
    // 0 done (the journal follows the new name and account type); 1 when the name is taken
    // or on error.
    int UpdateProject(CppSQLite3DB& db, int projectID, CString name, CString accountType, int isProfit,
                      CString& error);
    int DeleteProject(CppSQLite3DB& db, int projectID, CString& error);
    int DisableProject(CppSQLite3DB& db, int projectID, bool disable, CString& error);
    // Re-enables a switched-off item by name (or switches it off again).
    int DisableProject(CppSQLite3DB& db, CString name, bool disable, CString& error);
    // True when the journal has entries of the item.
    bool IsUsed(CppSQLite3DB& db, int projectID, CString& error);
    // True when another item (not projectID) has the name.
    bool IsExist(CppSQLite3DB& db, int projectID, CString name, CString& error);

    // --- Industry type catalogue -----------------------------------------------------------------
    // All lock; errors pass.
    CppSQLite3Query GetSystemProdType(CppSQLite3DB& db, int parentID);
    int GetSystemProdTypeID(CppSQLite3DB& db, CString typeName);
    CppSQLite3Query GetUserSelProdType(CppSQLite3DB& db, CString typeName);
    // The number of rows of the type that were there; they are deleted.
    int DeleteUserSelProdType(CppSQLite3DB& db, CString typeName);
    bool IsExistUserSelType(CppSQLite3DB& db, CString typeName);

private:
    // Compiles an insert of a named row and binds its first five parameters: the name, its
    // pinyin initials, the list type and the time stamp twice.
    CppSQLite3Statement CompileNamedInsert(CppSQLite3DB& db, const wchar_t* sql, const CString& name, int baseType);

    CSysBLL m_sysBLL;  // the shared helpers; holds no state
};
