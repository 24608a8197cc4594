-- The shop database of shopbiz: every table the services read and write, and the rows a
-- new shop database holds. Run it as it is on a new file:
--     sqlite3 NEW.db < schema/shop.sql
-- The library compiles this text in (shopbiz::CreateShopSchema), so the two never differ.
--
-- Conventions:
--   * Keys are INTEGER PRIMARY KEY AUTOINCREMENT: the services never name them on insert,
--     and the IDs of deleted rows are never given out again.
--   * Dates and times are text ("2013-05-06" and "2013-05-06 14:03:09").
--   * Amounts, prices and quantities are REAL; flags are INTEGER 0/1.
--   * Every column a service may leave out of an insert has the default the services rely on.
--   * Tables are grouped by the service that owns them; the delivered rows come last.

-- ======================================================================================
-- Shared helpers: bill numbering and the operation log
-- ======================================================================================

-- One counter per bill type and month; PreCode is the same on every row of a type.
CREATE TABLE BillCode (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    BillType        TEXT NOT NULL DEFAULT '',       -- XSD sale, JHD purchase, XSDD sale order
    PreCode         TEXT NOT NULL DEFAULT '',
    YearMonth       TEXT NOT NULL DEFAULT '',       -- 201305
    LastNO          INTEGER NOT NULL DEFAULT 0      -- last running number consumed in the month
);

-- Change journal for data synchronisation: one row per changed row.
CREATE TABLE OperateData (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    TName           TEXT NOT NULL DEFAULT '',
    CName           TEXT NOT NULL DEFAULT '',
    CValue          TEXT NOT NULL DEFAULT '',
    OType           TEXT NOT NULL DEFAULT ''        -- A added, U updated, D deleted
);
-- Every journalled write first looks for the row's entry.
CREATE INDEX IX_OperateData_Row ON OperateData(TName, CName, CValue);

-- How often each host function was used per month (yyyy/mm) or day (yyyy/mm/dd).
CREATE TABLE OperateInfo (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    UseDate         TEXT NOT NULL DEFAULT '',
    FunNo           TEXT NOT NULL DEFAULT '',
    UseTimes        INTEGER NOT NULL DEFAULT 0
);

-- Search box history. Exactly these two columns: rows are inserted without a column list.
CREATE TABLE SearchHistory (
    Keyword         TEXT NOT NULL DEFAULT '',
    Hits            INTEGER NOT NULL DEFAULT 1
);

-- ======================================================================================
-- Master data
-- ======================================================================================

-- The product catalogue: the shop's own products (IsLocal 1) and those taken over from the
-- online catalogue (IsLocal 0). An insert that leaves out the flags makes a local, enabled
-- product.
CREATE TABLE Products (
    ProductID       INTEGER PRIMARY KEY AUTOINCREMENT,
    ServerID        INTEGER NOT NULL DEFAULT 0,
    ProductName     TEXT NOT NULL DEFAULT '',
    ProductCode     TEXT NOT NULL DEFAULT '',
    SearchCode      TEXT NOT NULL DEFAULT '',
    UnitID          INTEGER NOT NULL DEFAULT 0,        -- BaseData.ID of a unit; 0 = none
    UnitName        TEXT NOT NULL DEFAULT '',
    TypeID          INTEGER NOT NULL DEFAULT 0,        -- AdvancedBaseData.ID
    TypeName        TEXT NOT NULL DEFAULT '',
    InPrice         REAL NOT NULL DEFAULT 0,
    Price           REAL NOT NULL DEFAULT 0,           -- retail price
    OutPrice        REAL NOT NULL DEFAULT 0,
    WholesalePrice  REAL NOT NULL DEFAULT 0,
    InitStock       REAL NOT NULL DEFAULT 0,
    InitAmount      REAL NOT NULL DEFAULT 0,
    CurStock        REAL NOT NULL DEFAULT 0,
    SyncState       INTEGER NOT NULL DEFAULT 0,
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT '',
    SecUnitID       INTEGER NOT NULL DEFAULT 0,
    SecUnitName     TEXT NOT NULL DEFAULT '',          -- empty: the product has one unit
    Coefficient     TEXT NOT NULL DEFAULT '',          -- base units per second unit, as text
    NetPrice        REAL NOT NULL DEFAULT 0,
    IsLocal         INTEGER NOT NULL DEFAULT 1,
    IsDisable       INTEGER NOT NULL DEFAULT 0,
    IsDelete        INTEGER NOT NULL DEFAULT 0,
    MinPicture      BLOB DEFAULT ''                    -- small picture; a file of no bytes binds NULL
);
CREATE INDEX IX_Products_Name ON Products(ProductName);
CREATE INDEX IX_Products_Code ON Products(ProductCode);
-- Product lists and pages come in this order (the shop's own products first): a deep page
-- walks the index instead of sorting the whole catalogue.
CREATE INDEX IX_Products_List ON Products(IsLocal DESC, SearchCode);

-- Stock of a product per warehouse, with its warning limits (equal limits: no warning).
-- The IDs and the numbers other than CurStock are kept as the text the services write.
CREATE TABLE ProductStock (
    ProductID       TEXT NOT NULL DEFAULT '',
    ProductName     TEXT NOT NULL DEFAULT '',
    ProductCode     TEXT NOT NULL DEFAULT '',
    SearchCode      TEXT NOT NULL DEFAULT '',
    WarehouseID     TEXT NOT NULL DEFAULT '',
    WarehouseName   TEXT NOT NULL DEFAULT '',
    WarehouseCode   TEXT NOT NULL DEFAULT '',
    UnitID          INTEGER NOT NULL DEFAULT 0,
    UnitName        TEXT NOT NULL DEFAULT '',
    InitStock       TEXT NOT NULL DEFAULT '0',
    CurStock        REAL NOT NULL DEFAULT 0,
    HighLimit       TEXT NOT NULL DEFAULT '0',
    LowLimit        TEXT NOT NULL DEFAULT '0'
);
-- Every bill line reads and moves its product's row: by ID, and by name in the warehouse.
CREATE INDEX IX_ProductStock_Product ON ProductStock(ProductID);
CREATE INDEX IX_ProductStock_Name ON ProductStock(ProductName, WarehouseName);

-- Warehouses; the one of WarehouseType 1 is the default warehouse.
CREATE TABLE warehouse (
    WarehouseID     INTEGER PRIMARY KEY AUTOINCREMENT,
    WarehouseCode   TEXT NOT NULL DEFAULT '',
    WarehouseName   TEXT NOT NULL DEFAULT '',
    WarehouseType   INTEGER NOT NULL DEFAULT 0
);

-- Customer prices: at most one row per customer, product and unit (kept by name).
CREATE TABLE CompPrice (
    CompPriceID     INTEGER PRIMARY KEY AUTOINCREMENT,
    ProductID       INTEGER NOT NULL DEFAULT 0,
    ProductName     TEXT NOT NULL DEFAULT '',
    ProductCode     TEXT NOT NULL DEFAULT '',
    CompanyID       INTEGER NOT NULL DEFAULT 0,
    CompanyCode     TEXT NOT NULL DEFAULT '',
    CompanyName     TEXT NOT NULL DEFAULT '',
    TypeID          INTEGER NOT NULL DEFAULT 0,
    TypeName        TEXT NOT NULL DEFAULT '',
    UnitID          INTEGER NOT NULL DEFAULT 0,        -- the product's UnitID or SecUnitID
    UnitName        TEXT NOT NULL DEFAULT '',
    Price           REAL NOT NULL DEFAULT 0            -- a price that is not a number fails the write
                    CONSTRAINT CompPrice_Price_IsNumber CHECK (typeof(Price) IN ('integer', 'real')),
    LastUpdateDate  TEXT NOT NULL DEFAULT '',
    CompSearchCode  TEXT NOT NULL DEFAULT '',
    ProdSearchCode  TEXT NOT NULL DEFAULT '',
    SearchCode      TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IX_CompPrice_CustProdUnit ON CompPrice(CompanyName, ProductName, UnitName);
CREATE INDEX IX_CompPrice_Product ON CompPrice(ProductID);

-- Change records for the host's cached product lists ("SearchCode|ProductName|TypeName").
-- Flag: 1 added or enabled, 2 updated, 3 local product deleted, 5 online product removed.
CREATE TABLE ProdCache (
    Flag            INTEGER NOT NULL DEFAULT 0,
    UpdateValue     TEXT NOT NULL DEFAULT '',
    OldValue        TEXT NOT NULL DEFAULT ''
);

-- Large product pictures, one row per product name (written with REPLACE).
CREATE TABLE ProductPictures (
    ProductID       INTEGER NOT NULL DEFAULT 0,
    ProductName     TEXT NOT NULL PRIMARY KEY,
    ProductCode     TEXT NOT NULL DEFAULT '',
    SearchCode      TEXT NOT NULL DEFAULT '',
    PictureMaxName  TEXT NOT NULL DEFAULT '',
    PictureMinName  TEXT NOT NULL DEFAULT '',
    Picture         BLOB
);

-- Customers (type 1), suppliers (type 2) and plain contacts (type 3). IDs 1 to 3 are
-- delivered with the database (IsSystem 1).
CREATE TABLE Companies (
    CompanyID       INTEGER PRIMARY KEY AUTOINCREMENT,
    CompanyName     TEXT NOT NULL DEFAULT '',
    CompanyCode     TEXT NOT NULL DEFAULT '',
    SearchCode      TEXT NOT NULL DEFAULT '',
    FullName        TEXT NOT NULL DEFAULT '',
    CompanyType     INTEGER NOT NULL DEFAULT 1,
    Contact         TEXT NOT NULL DEFAULT '',
    Mobile          TEXT NOT NULL DEFAULT '',
    Tel             TEXT NOT NULL DEFAULT '',
    Fax             TEXT NOT NULL DEFAULT '',
    QQ              TEXT NOT NULL DEFAULT '',
    Email           TEXT NOT NULL DEFAULT '',
    Address         TEXT NOT NULL DEFAULT '',
    PostCode        TEXT NOT NULL DEFAULT '',
    CurAmount       REAL NOT NULL DEFAULT 0,           -- what the customer owes / the shop owes
    InitAmount      REAL NOT NULL DEFAULT 0,
    IsBoth          INTEGER NOT NULL DEFAULT 0,
    UserID          INTEGER NOT NULL DEFAULT 0,
    UserName        TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT '',
    ContactGroup    TEXT NOT NULL DEFAULT '',          -- "客户", "供应商" or a group of Project
    IsSelect        INTEGER NOT NULL DEFAULT 0,        -- ticked in the address book
    IsDisable       INTEGER NOT NULL DEFAULT 0,
    IsDelete        INTEGER NOT NULL DEFAULT 0,
    IsSystem        INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IX_Companies_Name ON Companies(CompanyName);

-- Settlement accounts: where the shop's money lies. IsSystem 1 cannot be deleted.
CREATE TABLE SettleAcct (
    SettleAcctID    INTEGER PRIMARY KEY AUTOINCREMENT,
    SettleAcctName  TEXT NOT NULL DEFAULT '',
    SearchCode      TEXT NOT NULL DEFAULT '',
    BankName        TEXT NOT NULL DEFAULT '',
    BankNo          TEXT NOT NULL DEFAULT '',
    SettleAcctType  INTEGER NOT NULL DEFAULT 1,
    InitAmount      REAL NOT NULL DEFAULT 0,
    CurAmount       REAL NOT NULL DEFAULT 0,
    IsDisable       INTEGER NOT NULL DEFAULT 0,
    IsDelete        INTEGER NOT NULL DEFAULT 0,
    IsSystem        INTEGER NOT NULL DEFAULT 0,
    UserID          INTEGER NOT NULL DEFAULT 0,
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT ''
);

-- Flat lists; BaseType 2 holds the units of measure.
CREATE TABLE BaseData (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    BaseName        TEXT NOT NULL DEFAULT '',
    SearchCode      TEXT NOT NULL DEFAULT '',
    BaseType        INTEGER NOT NULL DEFAULT 0,
    UserID          TEXT NOT NULL DEFAULT '0',
    UserName        TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT ''
);

-- The product type tree (BaseType 1). ID 1 is its root, ID 2 (Remark "自定义类别") the
-- default type. Level may come out NULL when a type is moved under a missing parent.
CREATE TABLE AdvancedBaseData (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    BaseName        TEXT NOT NULL DEFAULT '',
    SearchCode      TEXT NOT NULL DEFAULT '',
    BaseType        INTEGER NOT NULL DEFAULT 1,
    UserID          TEXT NOT NULL DEFAULT '0',
    UserName        TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT '',
    ParentID        INTEGER NOT NULL DEFAULT 0,
    Level           INTEGER DEFAULT 0
);

-- Income and expense items of the cash journal (ProjectType as in Account), and the
-- contact groups (ProjectType 4, 5, 6 with an empty AccountType).
CREATE TABLE Project (
    ProjectID       INTEGER PRIMARY KEY AUTOINCREMENT,
    ProjectName     TEXT NOT NULL DEFAULT '',
    ProjectType     INTEGER NOT NULL DEFAULT 3,
    AccountType     TEXT NOT NULL DEFAULT '',          -- "收入" or "支出"
    SearchCode      TEXT NOT NULL DEFAULT '',
    IsDisable       INTEGER NOT NULL DEFAULT 0,
    IsDelete        INTEGER NOT NULL DEFAULT 0,
    IsSystem        INTEGER NOT NULL DEFAULT 0,
    SyncState       INTEGER NOT NULL DEFAULT 0,
    UserID          TEXT NOT NULL DEFAULT '0',
    UserName        TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT '',
    IsProfit        INTEGER NOT NULL DEFAULT 0         -- counts in the profit report
);

-- The industry catalogue of product types (filled from the industry data packages).
CREATE TABLE SystemProdType (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    TypeName        TEXT NOT NULL DEFAULT '',
    ParentID        INTEGER NOT NULL DEFAULT 0,
    SearchCode      TEXT NOT NULL DEFAULT '',
    Industry        TEXT NOT NULL DEFAULT ''
);

-- ======================================================================================
-- Trade documents
-- ======================================================================================

-- Sale bills. BillType: 0 virtual bill (a customer's opening receivable, IsSystem 1),
-- 1 sale, 2 return, 3 online order, 4 online refund. DiscountRate is a fraction.
CREATE TABLE SaleBills (
    SaleID          INTEGER PRIMARY KEY AUTOINCREMENT,
    BillCode        TEXT NOT NULL DEFAULT '',
    CompanyID       INTEGER NOT NULL DEFAULT 0,
    CompanyCode     TEXT NOT NULL DEFAULT '',
    CompanyName     TEXT NOT NULL DEFAULT '',
    SettleAcctID    INTEGER NOT NULL DEFAULT 0,
    SettleAcctName  TEXT NOT NULL DEFAULT '',
    BillAmount      REAL NOT NULL DEFAULT 0,
    DiscountAmount  REAL NOT NULL DEFAULT 0,           -- amount due after the discount
    DiscountRate    REAL NOT NULL DEFAULT 1,
    GetAmount       REAL NOT NULL DEFAULT 0,
    OweAmount       REAL NOT NULL DEFAULT 0,
    BillDate        TEXT NOT NULL DEFAULT '',
    UserID          INTEGER NOT NULL DEFAULT 0,
    UserName        TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT '',
    BillType        INTEGER NOT NULL DEFAULT 1,
    IsSystem        INTEGER NOT NULL DEFAULT 0,
    SaleOrderID     INTEGER NOT NULL DEFAULT 0,        -- the sale order this bill delivers
    SaleOrderCode   TEXT DEFAULT '',                   -- NULL after relinking to a missing order
    IsDelete        INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IX_SaleBills_Code ON SaleBills(BillCode);

-- Sale bill lines. They carry no company columns: the ledger reads them joined with their
-- bill by unqualified company column names.
CREATE TABLE SaleBillItems (
    SaleItemID      INTEGER PRIMARY KEY AUTOINCREMENT,
    SaleID          INTEGER NOT NULL DEFAULT 0,
    BillCode        TEXT NOT NULL DEFAULT '',
    ProductID       INTEGER NOT NULL DEFAULT 0,
    ProductCode     TEXT NOT NULL DEFAULT '',
    ProductName     TEXT NOT NULL DEFAULT '',
    TypeID          INTEGER NOT NULL DEFAULT 0,
    TypeName        TEXT NOT NULL DEFAULT '',
    UnitID          INTEGER NOT NULL DEFAULT 0,
    UnitName        TEXT NOT NULL DEFAULT '',
    Price           REAL NOT NULL DEFAULT 0,           -- per base unit
    ItemCount       REAL NOT NULL DEFAULT 0,           -- in base units
    Amount          REAL NOT NULL DEFAULT 0,
    ShowUnitID      INTEGER NOT NULL DEFAULT 0,        -- the unit the line was entered in
    ShowUnitName    TEXT NOT NULL DEFAULT '',
    Coefficient     TEXT NOT NULL DEFAULT '1',
    ShowItemCount   REAL NOT NULL DEFAULT 0,
    ShowPrice       REAL NOT NULL DEFAULT 0,
    OriginalPrice   REAL NOT NULL DEFAULT 0,
    DisRate         REAL NOT NULL DEFAULT 0,
    SearchCode      TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT '',
    UserID          INTEGER NOT NULL DEFAULT 0,
    UserName        TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IX_SaleBillItems_Bill ON SaleBillItems(SaleID);
-- A product's lines: whether it may be deleted, and renames carried into them.
CREATE INDEX IX_SaleBillItems_Product ON SaleBillItems(ProductID);

-- Purchase bills: the columns of SaleBills without the sale order link.
-- BillType: 0 virtual bill (a supplier's opening payable), 1 purchase, 2 return.
CREATE TABLE PurBills (
    PurID           INTEGER PRIMARY KEY AUTOINCREMENT,
    BillCode        TEXT NOT NULL DEFAULT '',
    CompanyID       INTEGER NOT NULL DEFAULT 0,
    CompanyCode     TEXT NOT NULL DEFAULT '',
    CompanyName     TEXT NOT NULL DEFAULT '',
    SettleAcctID    INTEGER NOT NULL DEFAULT 0,
    SettleAcctName  TEXT NOT NULL DEFAULT '',
    BillAmount      REAL NOT NULL DEFAULT 0,
    DiscountAmount  REAL NOT NULL DEFAULT 0,
    DiscountRate    REAL NOT NULL DEFAULT 1,
    GetAmount       REAL NOT NULL DEFAULT 0,           -- paid now
    OweAmount       REAL NOT NULL DEFAULT 0,
    BillDate        TEXT NOT NULL DEFAULT '',
    UserID          INTEGER NOT NULL DEFAULT 0,
    UserName        TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT '',
    BillType        INTEGER NOT NULL DEFAULT 1,
    IsSystem        INTEGER NOT NULL DEFAULT 0,
    IsDelete        INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IX_PurBills_Code ON PurBills(BillCode);

CREATE TABLE PurBillItems (
    PurItemID       INTEGER PRIMARY KEY AUTOINCREMENT,
    PurID           INTEGER NOT NULL DEFAULT 0,
    BillCode        TEXT NOT NULL DEFAULT '',
    ProductID       INTEGER NOT NULL DEFAULT 0,
    ProductCode     TEXT NOT NULL DEFAULT '',
    ProductName     TEXT NOT NULL DEFAULT '',
    TypeID          INTEGER NOT NULL DEFAULT 0,
    TypeName        TEXT NOT NULL DEFAULT '',
    UnitID          INTEGER NOT NULL DEFAULT 0,
    UnitName        TEXT NOT NULL DEFAULT '',
    Price           REAL NOT NULL DEFAULT 0,
    ItemCount       REAL NOT NULL DEFAULT 0,
    Amount          REAL NOT NULL DEFAULT 0,
    ShowUnitID      INTEGER NOT NULL DEFAULT 0,
    ShowUnitName    TEXT NOT NULL DEFAULT '',
    Coefficient     TEXT NOT NULL DEFAULT '1',
    ShowItemCount   REAL NOT NULL DEFAULT 0,
    ShowPrice       REAL NOT NULL DEFAULT 0,
    OriginalPrice   REAL NOT NULL DEFAULT 0,
    DisRate         REAL NOT NULL DEFAULT 0,
    SearchCode      TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT '',
    UserID          INTEGER NOT NULL DEFAULT 0,
    UserName        TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IX_PurBillItems_Bill ON PurBillItems(PurID);
CREATE INDEX IX_PurBillItems_Product ON PurBillItems(ProductID);

-- Sale orders: no discount or owed amount; BillState 1 once every line is delivered.
-- BillType is the front end's text code.
CREATE TABLE SaleOrderBills (
    SaleOrderID     INTEGER PRIMARY KEY AUTOINCREMENT,
    BillCode        TEXT NOT NULL DEFAULT '',
    CompanyID       INTEGER NOT NULL DEFAULT 0,
    CompanyCode     TEXT NOT NULL DEFAULT '',
    CompanyName     TEXT NOT NULL DEFAULT '',
    SettleAcctID    INTEGER NOT NULL DEFAULT 0,
    SettleAcctName  TEXT NOT NULL DEFAULT '',
    BillAmount      REAL NOT NULL DEFAULT 0,
    GetAmount       REAL NOT NULL DEFAULT 0,           -- deposit received
    BillDate        TEXT NOT NULL DEFAULT '',
    UserID          INTEGER NOT NULL DEFAULT 0,
    UserName        TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT '',
    BillType        TEXT NOT NULL DEFAULT '',
    BillState       INTEGER NOT NULL DEFAULT 0,
    IsSystem        INTEGER NOT NULL DEFAULT 0,
    IsDelete        INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IX_SaleOrderBills_Code ON SaleOrderBills(BillCode);

-- Sale order lines. FnshItemCount is the quantity delivered so far, in the entered unit;
-- ItemState is the front end's selection mark.
CREATE TABLE SaleOrderBillItems (
    SaleOrderItemID INTEGER PRIMARY KEY AUTOINCREMENT,
    SaleOrderID     INTEGER NOT NULL DEFAULT 0,
    BillCode        TEXT NOT NULL DEFAULT '',
    ProductID       INTEGER NOT NULL DEFAULT 0,
    ProductCode     TEXT NOT NULL DEFAULT '',
    ProductName     TEXT NOT NULL DEFAULT '',
    TypeID          INTEGER NOT NULL DEFAULT 0,
    TypeName        TEXT NOT NULL DEFAULT '',
    UnitID          INTEGER NOT NULL DEFAULT 0,
    UnitName        TEXT NOT NULL DEFAULT '',
    Price           REAL NOT NULL DEFAULT 0,
    ItemCount       REAL NOT NULL DEFAULT 0,
    Amount          REAL NOT NULL DEFAULT 0,
    ShowUnitID      INTEGER NOT NULL DEFAULT 0,
    ShowUnitName    TEXT NOT NULL DEFAULT '',
    Coefficient     TEXT NOT NULL DEFAULT '1',
    ShowItemCount   REAL NOT NULL DEFAULT 0,
    ShowPrice       REAL NOT NULL DEFAULT 0,
    FnshItemCount   REAL NOT NULL DEFAULT 0,
    ItemState       INTEGER NOT NULL DEFAULT 0,
    SearchCode      TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT '',
    UserID          INTEGER NOT NULL DEFAULT 0,
    UserName        TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IX_SaleOrderBillItems_Bill ON SaleOrderBillItems(SaleOrderID);
CREATE INDEX IX_SaleOrderBillItems_Product ON SaleOrderBillItems(ProductID);

-- Bill searches, reports and deliveries: the bills of a date range, a bill's lines by its
-- code (the searches join lines so), the sale bills that delivered an order.
CREATE INDEX IX_SaleBills_Date ON SaleBills(BillDate);
CREATE INDEX IX_PurBills_Date ON PurBills(BillDate);
CREATE INDEX IX_SaleOrderBills_Date ON SaleOrderBills(BillDate);
CREATE INDEX IX_SaleBillItems_Code ON SaleBillItems(BillCode);
CREATE INDEX IX_PurBillItems_Code ON PurBillItems(BillCode);
CREATE INDEX IX_SaleOrderBillItems_Code ON SaleOrderBillItems(BillCode);
CREATE INDEX IX_SaleBills_Order ON SaleBills(SaleOrderID);

-- ======================================================================================
-- Stock
-- ======================================================================================

-- The stock ledger: one row per product movement. BillType "期初" (the opening row,
-- IsSystem 1), "进货" (in; IsSystem 2 marks a correction row of the cost calculation) or
-- "出货" (out). SortID is the walk order of the cost calculation. IsCale 0 = to be
-- costed; IsCale2 0 = changed since the last full calculation.
CREATE TABLE Stocks (
    StockID         INTEGER PRIMARY KEY AUTOINCREMENT,
    SortID          INTEGER NOT NULL DEFAULT 0,
    BillType        TEXT NOT NULL DEFAULT '',
    BillDate        TEXT NOT NULL DEFAULT '',
    BillCode        TEXT NOT NULL DEFAULT '',
    BillItemID      TEXT NOT NULL DEFAULT '',          -- PurItemID or SaleItemID
    ProductID       INTEGER NOT NULL DEFAULT 0,
    ProductName     TEXT NOT NULL DEFAULT '',
    ProductCode     TEXT NOT NULL DEFAULT '',
    SearchCode      TEXT NOT NULL DEFAULT '',
    CompanyID       INTEGER NOT NULL DEFAULT 0,
    CompanyCode     TEXT NOT NULL DEFAULT '',
    CompanyName     TEXT NOT NULL DEFAULT '',
    TypeID          INTEGER NOT NULL DEFAULT 0,
    TypeName        TEXT NOT NULL DEFAULT '',
    UnitID          INTEGER NOT NULL DEFAULT 0,
    UnitName        TEXT NOT NULL DEFAULT '',
    InCount         REAL NOT NULL DEFAULT 0,
    InPrice         REAL NOT NULL DEFAULT 0,
    InAmount        REAL NOT NULL DEFAULT 0,
    OutCount        REAL NOT NULL DEFAULT 0,
    OutPrice        REAL NOT NULL DEFAULT 0,           -- unit cost of the goods out
    OutAmount       REAL NOT NULL DEFAULT 0,
    SalePrice       REAL NOT NULL DEFAULT 0,
    SaleAmount      REAL NOT NULL DEFAULT 0,
    LastCount       REAL NOT NULL DEFAULT 0,           -- balance after the row
    LastPrice       REAL NOT NULL DEFAULT 0,
    LastAmount      REAL NOT NULL DEFAULT 0,
    IsSystem        INTEGER NOT NULL DEFAULT 0,
    IsVirtual       INTEGER NOT NULL DEFAULT 0,
    IsCale          INTEGER NOT NULL DEFAULT 0,
    IsCale2         INTEGER NOT NULL DEFAULT 0,
    SyncState       INTEGER NOT NULL DEFAULT 0,
    UserID          INTEGER NOT NULL DEFAULT 0,
    UserName        TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT ''
);
-- A product's ledger in walk order; with the date, the stock reports find a product's last
-- row before a period in the index alone.
CREATE INDEX IX_Stocks_Product ON Stocks(ProductID, SortID, BillDate);
-- A product's earlier rows of one kind, newest first: a deleted bill marks one of them
-- for recalculation, reading no more than three.
CREATE INDEX IX_Stocks_ProductType ON Stocks(ProductID, BillType, BillDate);
-- The rows of one bill.
CREATE INDEX IX_Stocks_Bill ON Stocks(BillCode, BillType);
-- Only the rows still to be costed, and the rows changed since the last full run: both
-- small once the ledger is calculated.
CREATE INDEX IX_Stocks_Uncalculated ON Stocks(ProductID, IsCale) WHERE IsCale <> 1;
CREATE INDEX IX_Stocks_Changed ON Stocks(IsCale2) WHERE IsCale2 <> 1;
-- ---- Stock and profit reports ----
-- A period's movements per product, read from the index alone and already in product order,
-- so that a long period is added up without sorting its rows.
CREATE INDEX IX_Stocks_Period ON Stocks(ProductID, BillDate, InCount, InAmount, OutCount, OutAmount);
-- Profit per customer and per product: the sale rows, found by their type whatever value the
-- statement binds for it, already in the order of the grouping and with what the reports add
-- up, so that a year is read from the index without a sort.
CREATE INDEX IX_Stocks_SalesByCustomer ON Stocks(BillType, CompanyName, BillDate, OutCount, SaleAmount, OutAmount);
CREATE INDEX IX_Stocks_SalesByProduct ON Stocks(BillType, ProductCode, ProductName, UnitName, BillDate, OutCount,
    SaleAmount, OutAmount);

-- ======================================================================================
-- Money
-- ======================================================================================

-- The cash journal. ProjectType: 1 the day's sales income / purchase expense line,
-- 2 receipt or payment, 3 hand-entered item, 4 opening balance of a settlement account.
-- AccountID is chosen by the service; AUTOINCREMENT keeps its sequence row.
CREATE TABLE Account (
    AccountID       INTEGER PRIMARY KEY AUTOINCREMENT,
    AccountDate     TEXT NOT NULL DEFAULT '',
    AccountCode     TEXT NOT NULL DEFAULT '',          -- bill code of a receipt or payment
    CompanyID       INTEGER NOT NULL DEFAULT 0,        -- '' when no partner is named
    CompanyCode     TEXT NOT NULL DEFAULT '',
    CompanyName     TEXT NOT NULL DEFAULT '',
    SettleAcctID    INTEGER NOT NULL DEFAULT 0,
    SettleAcctName  TEXT NOT NULL DEFAULT '',
    ProjectID       INTEGER NOT NULL DEFAULT 0,
    ProjectName     TEXT NOT NULL DEFAULT '',
    ProjectType     INTEGER NOT NULL DEFAULT 0,
    AccountType     TEXT NOT NULL DEFAULT '',          -- "收入" or "支出"
    InAmount        REAL NOT NULL DEFAULT 0,
    OutAmount       REAL NOT NULL DEFAULT 0,
    AccountDesp     TEXT NOT NULL DEFAULT '',
    IsSystem        INTEGER NOT NULL DEFAULT 0,
    IsDelete        INTEGER NOT NULL DEFAULT 0,
    SyncState       INTEGER NOT NULL DEFAULT 0,
    UserID          TEXT NOT NULL DEFAULT '',
    UserName        TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IX_Account_Code ON Account(AccountCode);
-- Every posting finds its day's line by the day of AccountDate and the kind of line.
CREATE INDEX IX_Account_Day ON Account(strftime('%Y-%m-%d', AccountDate), ProjectType, AccountType);

-- Income and expense per settlement account and calendar month (Month: a day inside it).
CREATE TABLE AccountMonth (
    Month           TEXT NOT NULL DEFAULT '',
    SettleAcctName  TEXT NOT NULL DEFAULT '',
    SettleAcctID    INTEGER NOT NULL DEFAULT 0,
    InAmount        REAL NOT NULL DEFAULT 0,
    OutAmount       REAL NOT NULL DEFAULT 0,
    Balance         REAL NOT NULL DEFAULT 0            -- the month's in - out
);

-- Money reports: the opening balance of a period and the journal by kind of line and day; the
-- receivables and payables by partner, from the journal and the bills; income and expense by
-- project. The amounts ride along, so the reports read the indexes alone.
CREATE INDEX IX_Account_Kind ON Account(ProjectType, AccountDate, InAmount, OutAmount);
CREATE INDEX IX_Account_Partner ON Account(CompanyName, AccountType, ProjectType, AccountDate, InAmount, OutAmount);
CREATE INDEX IX_Account_Project ON Account(ProjectName, AccountType, AccountDate, ProjectType, InAmount, OutAmount);
CREATE INDEX IX_SaleBills_Company ON SaleBills(CompanyName, BillDate, OweAmount, GetAmount);
CREATE INDEX IX_PurBills_Company ON PurBills(CompanyName, BillDate, OweAmount, GetAmount);
CREATE INDEX IX_SaleOrderBills_Company ON SaleOrderBills(CompanyName, BillDate, GetAmount);

-- ======================================================================================
-- Members
-- ======================================================================================

-- VIP members: customers with a member card. VipCore is the points total, as text.
CREATE TABLE VipMember (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    CompanyID       INTEGER NOT NULL DEFAULT 0,
    MemberName      TEXT NOT NULL DEFAULT '',
    MemberCode      TEXT NOT NULL DEFAULT '',
    SearchCode      TEXT NOT NULL DEFAULT '',
    Contact         TEXT NOT NULL DEFAULT '',
    Tel             TEXT NOT NULL DEFAULT '',
    Birthday        TEXT NOT NULL DEFAULT '1900-01-01', -- 1900-01-01: none given
    Sex             INTEGER NOT NULL DEFAULT 0,        -- 1 male
    Mobile          TEXT NOT NULL DEFAULT '',
    Fax             TEXT NOT NULL DEFAULT '',
    QQ              TEXT NOT NULL DEFAULT '',
    Email           TEXT NOT NULL DEFAULT '',
    Address         TEXT NOT NULL DEFAULT '',
    LevelName       TEXT NOT NULL DEFAULT '',
    VipCore         TEXT NOT NULL DEFAULT '0',
    VipBitmap       TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    ActiveDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT '',
    VipLevel        INTEGER NOT NULL DEFAULT 0
);
-- Sale posting finds the member by name; the customer edit by the customer.
CREATE INDEX IX_VipMember_Name ON VipMember(MemberName);
CREATE INDEX IX_VipMember_Company ON VipMember(CompanyID);

-- Member levels; the first by ID is the default level. discount is the price factor and
-- Conversion the money per point, both as text.
CREATE TABLE VipLevelSet (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    Level           INTEGER NOT NULL DEFAULT 0,
    LevelName       TEXT NOT NULL DEFAULT '',
    discount        TEXT NOT NULL DEFAULT '1',
    Conversion      TEXT NOT NULL DEFAULT '10',
    CreateDate      TEXT NOT NULL DEFAULT '',
    TotalScores     TEXT NOT NULL DEFAULT '1',
    Remark          TEXT NOT NULL DEFAULT ''
);

-- Points earned (ScoreStyle 0), spent (1) and adjusted (2), one row per document.
CREATE TABLE VipScores (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    MemberName      TEXT NOT NULL DEFAULT '',
    MemberCode      TEXT NOT NULL DEFAULT '',
    ScoreDocument   TEXT NOT NULL DEFAULT '',
    ScoreStyle      INTEGER NOT NULL DEFAULT 0,
    Money           TEXT NOT NULL DEFAULT '',
    Scores          INTEGER NOT NULL DEFAULT 0,
    CreateDate      TEXT NOT NULL DEFAULT '',
    EffectDate      TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT ''
);
-- Every posting with a bill code first clears its document's earlier points; totals sum a
-- member's rows.
CREATE INDEX IX_VipScores_Document ON VipScores(ScoreDocument);
CREATE INDEX IX_VipScores_Member ON VipScores(MemberName);

-- ======================================================================================
-- Printing
-- ======================================================================================

-- Key-value rows of one print job; EntryNo -1 for document fields, 1.. for table rows.
CREATE TABLE SysPrintData (
    RecordNo        INTEGER NOT NULL DEFAULT 0,
    EntryNo         INTEGER NOT NULL DEFAULT -1,
    KeyWordName     TEXT NOT NULL DEFAULT '',
    KeyWordValue    TEXT NOT NULL DEFAULT '',
    BillType        TEXT NOT NULL DEFAULT '',
    KeyWordType     TEXT NOT NULL DEFAULT 'varchar'
);

-- The same layout, filled with sample values for a test print of a template.
CREATE TABLE SysPrintTestData (
    RecordNo        INTEGER NOT NULL DEFAULT 0,
    EntryNo         INTEGER NOT NULL DEFAULT -1,
    KeyWordName     TEXT NOT NULL DEFAULT '',
    KeyWordValue    TEXT NOT NULL DEFAULT '',
    BillType        TEXT NOT NULL DEFAULT '',
    KeyWordType     TEXT NOT NULL DEFAULT 'varchar'
);

-- ======================================================================================
-- Online shop
-- ======================================================================================

-- Marketplace item (sku_id empty: the whole item) -> local product. prodid is the
-- ProductID as text; pictureIsdownload 1 once the item's picture is in the product's
-- pictures.
CREATE TABLE net_tbprodvyr (
    num_iid             TEXT NOT NULL DEFAULT '',
    sku_id              TEXT NOT NULL DEFAULT '',
    prodid              TEXT NOT NULL DEFAULT '',
    pictureIsdownload   INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IX_net_tbprodvyr_Item ON net_tbprodvyr(num_iid, sku_id);

-- ---- Marketplace orders, refunds, the shop's profile, items and shipping ----------------
-- Every marketplace value is kept as the text the marketplace sent. local_status '0' = saved,
-- '1' = posted as a sale bill (local_billcode, at local_date).

-- Orders, one row per marketplace order number (tid). status "WAIT_SELLER_SEND_GOODS" =
-- paid, waiting to be shipped. companycode, companyname and outerid: the logistics company
-- and waybill the shop ships with.
CREATE TABLE net_tbbillmain (
    seller_nick         TEXT NOT NULL DEFAULT '',
    buyer_nick          TEXT NOT NULL DEFAULT '',
    title               TEXT NOT NULL DEFAULT '',
    created             TEXT NOT NULL DEFAULT '',
    tid                 TEXT NOT NULL DEFAULT '',
    seller_rate         TEXT NOT NULL DEFAULT '',
    buyer_rate          TEXT NOT NULL DEFAULT '',
    status              TEXT NOT NULL DEFAULT '',
    payment             TEXT NOT NULL DEFAULT '',
    total_fee           TEXT NOT NULL DEFAULT '',
    post_fee            TEXT NOT NULL DEFAULT '',
    pay_time            TEXT NOT NULL DEFAULT '',
    consign_time        TEXT NOT NULL DEFAULT '',
    buyer_memo          TEXT NOT NULL DEFAULT '',
    receiver_name       TEXT NOT NULL DEFAULT '',
    receiver_state      TEXT NOT NULL DEFAULT '',
    receiver_city       TEXT NOT NULL DEFAULT '',
    receiver_district   TEXT NOT NULL DEFAULT '',
    receiver_address    TEXT NOT NULL DEFAULT '',
    receiver_zip        TEXT NOT NULL DEFAULT '',
    receiver_mobile     TEXT NOT NULL DEFAULT '',
    receiver_phone      TEXT NOT NULL DEFAULT '',
    alipay_no           TEXT NOT NULL DEFAULT '',
    buyer_message       TEXT NOT NULL DEFAULT '',
    creatdatetime       TEXT NOT NULL DEFAULT '',       -- when the order was saved here
    local_status        TEXT NOT NULL DEFAULT '0',
    local_billcode      TEXT NOT NULL DEFAULT '',
    local_date          TEXT NOT NULL DEFAULT '',
    companycode         TEXT NOT NULL DEFAULT '',
    companyname         TEXT NOT NULL DEFAULT '',
    outerid             TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IX_net_tbbillmain_Tid ON net_tbbillmain(tid);
CREATE INDEX IX_net_tbbillmain_Saved ON net_tbbillmain(creatdatetime);

-- Order lines; local_prodid is the mapped local product (empty until mapped).
CREATE TABLE net_tbbillitem (
    oid                 TEXT NOT NULL DEFAULT '',
    num_iid             TEXT NOT NULL DEFAULT '',
    title               TEXT NOT NULL DEFAULT '',
    price               TEXT NOT NULL DEFAULT '',
    num                 TEXT NOT NULL DEFAULT '',
    total_fee           TEXT NOT NULL DEFAULT '',
    payment             TEXT NOT NULL DEFAULT '',
    sku_id              TEXT NOT NULL DEFAULT '',
    sku_properties_name TEXT NOT NULL DEFAULT '',
    outer_iid           TEXT NOT NULL DEFAULT '',
    status              TEXT NOT NULL DEFAULT '',
    item_memo           TEXT NOT NULL DEFAULT '',
    cid                 TEXT NOT NULL DEFAULT '',
    tid                 TEXT NOT NULL DEFAULT '',
    local_prodid        TEXT NOT NULL DEFAULT '',
    outer_id            TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IX_net_tbbillitem_Tid ON net_tbbillitem(tid);

-- Refunds, one row per refund_id; a posted refund is never overwritten by a new download.
CREATE TABLE net_tbrefund (
    refund_id           TEXT NOT NULL DEFAULT '',
    sid                 TEXT NOT NULL DEFAULT '',
    refund_fee          TEXT NOT NULL DEFAULT '',
    "desc"              TEXT NOT NULL DEFAULT '',
    payment             TEXT NOT NULL DEFAULT '',
    status              TEXT NOT NULL DEFAULT '',
    reason              TEXT NOT NULL DEFAULT '',
    good_status         TEXT NOT NULL DEFAULT '',
    order_status        TEXT NOT NULL DEFAULT '',
    modified            TEXT NOT NULL DEFAULT '',
    has_good_return     TEXT NOT NULL DEFAULT '',
    title               TEXT NOT NULL DEFAULT '',
    num                 TEXT NOT NULL DEFAULT '',
    created             TEXT NOT NULL DEFAULT '',
    company_name        TEXT NOT NULL DEFAULT '',
    oid                 TEXT NOT NULL DEFAULT '',
    total_fee           TEXT NOT NULL DEFAULT '',
    num_iid             TEXT NOT NULL DEFAULT '',
    sku_id              TEXT NOT NULL DEFAULT '',
    sku_val             TEXT NOT NULL DEFAULT '',
    tid                 TEXT NOT NULL DEFAULT '',
    seller_nick         TEXT NOT NULL DEFAULT '',
    buyer_nick          TEXT NOT NULL DEFAULT '',
    price               TEXT NOT NULL DEFAULT '',
    address             TEXT NOT NULL DEFAULT '',
    alipay_no           TEXT NOT NULL DEFAULT '',
    local_prodid        TEXT NOT NULL DEFAULT '',
    outer_id            TEXT NOT NULL DEFAULT '',
    local_status        TEXT NOT NULL DEFAULT '0',
    local_billcode      TEXT NOT NULL DEFAULT '',
    local_date          TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IX_net_tbrefund_ID ON net_tbrefund(refund_id);

-- The seller's shop: one row.
CREATE TABLE net_tbshop (
    sid                 TEXT NOT NULL DEFAULT '',
    cid                 TEXT NOT NULL DEFAULT '',
    nick                TEXT NOT NULL DEFAULT '',
    title               TEXT NOT NULL DEFAULT '',
    "desc"              TEXT NOT NULL DEFAULT '',
    bulletin            TEXT NOT NULL DEFAULT '',
    country             TEXT NOT NULL DEFAULT '',
    state               TEXT NOT NULL DEFAULT '',
    city                TEXT NOT NULL DEFAULT '',
    district            TEXT NOT NULL DEFAULT '',
    address             TEXT NOT NULL DEFAULT '',
    zip                 TEXT NOT NULL DEFAULT '',
    pic_path            TEXT NOT NULL DEFAULT '',
    created             TEXT NOT NULL DEFAULT '',
    modified            TEXT NOT NULL DEFAULT ''
);

-- The sender address printed on shipments: one row.
CREATE TABLE net_tbaddress (
    sender_name         TEXT NOT NULL DEFAULT '',
    sender_mobile       TEXT NOT NULL DEFAULT '',
    sender_zip          TEXT NOT NULL DEFAULT '',
    sender_state        TEXT NOT NULL DEFAULT '',
    sender_city         TEXT NOT NULL DEFAULT '',
    sender_district     TEXT NOT NULL DEFAULT '',
    sender_address      TEXT NOT NULL DEFAULT '',
    lastupdate          TEXT NOT NULL DEFAULT ''
);

-- Logistics companies the marketplace offers.
CREATE TABLE net_tblogst (
    id                  TEXT NOT NULL DEFAULT '',
    code                TEXT NOT NULL DEFAULT '',
    name                TEXT NOT NULL DEFAULT ''
);

-- Regions as a tree (parent_id is the parent's id).
CREATE TABLE net_tbcity (
    id                  TEXT NOT NULL DEFAULT '',
    name                TEXT NOT NULL DEFAULT '',
    parent_id           TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IX_net_tbcity_Name ON net_tbcity(name);
CREATE INDEX IX_net_tbcity_Parent ON net_tbcity(parent_id);

-- Older order tables: emptied by the bulk order store, read by nothing.
CREATE TABLE net_billmain (
    seller_nick         TEXT NOT NULL DEFAULT '',
    buyer_nick          TEXT NOT NULL DEFAULT '',
    title               TEXT NOT NULL DEFAULT '',
    created             TEXT NOT NULL DEFAULT '',
    tid                 TEXT NOT NULL DEFAULT '',
    status              TEXT NOT NULL DEFAULT '',
    payment             TEXT NOT NULL DEFAULT ''
);
CREATE TABLE net_billitem (
    num_iid             TEXT NOT NULL DEFAULT '',
    title               TEXT NOT NULL DEFAULT '',
    price               TEXT NOT NULL DEFAULT '',
    num                 TEXT NOT NULL DEFAULT '',
    tid                 TEXT NOT NULL DEFAULT ''
);

-- The shop's marketplace items, one row per item or per item variant (sku_id).
CREATE TABLE net_tbprod (
    num_iid             TEXT NOT NULL DEFAULT '',
    title               TEXT NOT NULL DEFAULT '',
    "desc"              TEXT NOT NULL DEFAULT '',
    price               TEXT NOT NULL DEFAULT '',
    cid                 TEXT NOT NULL DEFAULT '',
    seller_cids         TEXT NOT NULL DEFAULT '',
    props               TEXT NOT NULL DEFAULT '',
    outer_id            TEXT NOT NULL DEFAULT '',
    list_time           TEXT NOT NULL DEFAULT '',
    delist_time         TEXT NOT NULL DEFAULT '',
    approve_status      TEXT NOT NULL DEFAULT '',
    post_fee            TEXT NOT NULL DEFAULT '',
    express_fee         TEXT NOT NULL DEFAULT '',
    ems_fee             TEXT NOT NULL DEFAULT '',
    has_invoice         TEXT NOT NULL DEFAULT '',
    has_warranty        TEXT NOT NULL DEFAULT '',
    sku_id              TEXT NOT NULL DEFAULT '',
    sku_outer_id        TEXT NOT NULL DEFAULT '',
    sku_val             TEXT NOT NULL DEFAULT '',
    last_update         TEXT NOT NULL DEFAULT '',
    prod_picture        TEXT NOT NULL DEFAULT ''           -- where the item's picture is
);
CREATE INDEX IX_net_tbprod_Item ON net_tbprod(num_iid, sku_id);

-- ======================================================================================
-- System administration
-- ======================================================================================

-- ---- Users, privileges, memos, the daily summary and store reminders -----------------

-- Operators. Passwords are plain text ("" for none). ID 1 is the administrator: it holds
-- every right and can be neither deleted nor switched off.
CREATE TABLE User (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    UserName        TEXT NOT NULL DEFAULT '' UNIQUE,
    Password        TEXT NOT NULL DEFAULT '',
    Sex             TEXT NOT NULL DEFAULT '',
    Birthday        TEXT NOT NULL DEFAULT '',
    Tel             TEXT NOT NULL DEFAULT '',
    Email           TEXT NOT NULL DEFAULT '',
    Emotion         TEXT NOT NULL DEFAULT '',
    HeadPic         TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    IsDisable       INTEGER NOT NULL DEFAULT 0,     -- written as '0'/'1' too: stored as a number
    IsAdmin         INTEGER NOT NULL DEFAULT 0,
    IsRemPwd        INTEGER NOT NULL DEFAULT 0,
    IsDelete        INTEGER NOT NULL DEFAULT 0
);
CREATE TRIGGER User_AdministratorStays BEFORE DELETE ON User WHEN old.ID = 1
BEGIN
    SELECT RAISE(ABORT, '管理员账户不能删除');
END;
CREATE TRIGGER User_AdministratorStaysEnabled BEFORE UPDATE OF IsDisable ON User
WHEN old.ID = 1 AND new.IsDisable <> 0
BEGIN
    SELECT RAISE(ABORT, '管理员账户不能停用');
END;

-- The rights tree: groups (Level 1, ParentResCode '') and their rights (Level 2).
-- FObjectOrderID orders the groups, OrderID the rights inside a group.
CREATE TABLE Resource (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    ResCode         TEXT NOT NULL DEFAULT '',
    ResName         TEXT NOT NULL DEFAULT '',
    ParentResCode   TEXT NOT NULL DEFAULT '',
    Level           INTEGER NOT NULL DEFAULT 1,
    OrderID         INTEGER NOT NULL DEFAULT 0,
    IsLeaf          INTEGER NOT NULL DEFAULT 1,
    FObjectOrderID  INTEGER NOT NULL DEFAULT 0,
    Remark          TEXT NOT NULL DEFAULT ''
);

-- Granted rights: the operator's ID as text and the right's code. Exactly these two
-- columns: rows are inserted without a column list. TEXT, so that an ID compares equal
-- whether it is written as a number or as text.
CREATE TABLE UserResource (
    UserName        TEXT,
    ResCode         TEXT
);
CREATE INDEX IX_UserResource_User ON UserResource(UserName, ResCode);

-- The host's function catalogue, as downloaded; every value is written as text.
CREATE TABLE Func (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    FuncId          TEXT NOT NULL DEFAULT '',
    FuncCode        TEXT NOT NULL DEFAULT '',
    FuncName        TEXT NOT NULL DEFAULT '',
    FuncType        TEXT NOT NULL DEFAULT '',
    "Desc"          TEXT NOT NULL DEFAULT '',
    SmallIcon       TEXT NOT NULL DEFAULT '',
    BigIcon         TEXT NOT NULL DEFAULT '',
    FuncStyle       TEXT NOT NULL DEFAULT '',
    FuncURL         TEXT NOT NULL DEFAULT '',
    Width           INTEGER NOT NULL DEFAULT 0,
    Height          INTEGER NOT NULL DEFAULT 0,
    ResCode         TEXT NOT NULL DEFAULT '',
    IsNormal        INTEGER NOT NULL DEFAULT 1,
    IsNetStore      INTEGER NOT NULL DEFAULT 0,
    IsApply         INTEGER NOT NULL DEFAULT 0,
    IsUse           INTEGER NOT NULL DEFAULT 0,
    OrderNo         INTEGER NOT NULL DEFAULT 0,
    Price           REAL NOT NULL DEFAULT 0,
    ReleaseDate     TEXT NOT NULL DEFAULT '',
    StartDate       TEXT NOT NULL DEFAULT '',
    ExpireDate      TEXT NOT NULL DEFAULT '',
    LimitVersion    TEXT NOT NULL DEFAULT '',
    IsRecommend     INTEGER NOT NULL DEFAULT 0,
    TotalUsers      INTEGER NOT NULL DEFAULT 0,
    TotalComments   INTEGER NOT NULL DEFAULT 0,
    Rating          REAL NOT NULL DEFAULT 0,
    Version         TEXT NOT NULL DEFAULT '',
    Remark          TEXT NOT NULL DEFAULT '',
    Store_Id        TEXT NOT NULL DEFAULT '',
    ShelfId         TEXT NOT NULL DEFAULT '',
    ProductType     TEXT NOT NULL DEFAULT '',
    ProductId       TEXT NOT NULL DEFAULT '',
    ProductCode     TEXT NOT NULL DEFAULT '',
    OrderUrl        TEXT NOT NULL DEFAULT '',
    StoreUrl        TEXT NOT NULL DEFAULT '',
    PriceLabel      TEXT NOT NULL DEFAULT '',
    FuncSite        TEXT NOT NULL DEFAULT ''
);

-- Memos. ActiveNoteTime and CreateDate are "2013-05-06 14:03". Frequency: 0 once, 1 daily,
-- 2 weekly, 3 monthly; WeekDay 1 Sunday .. 7 Saturday; Aheadtime in minutes.
CREATE TABLE ActiveNotes (
    ActiveNoteID    INTEGER PRIMARY KEY AUTOINCREMENT,
    ActiveNoteTime  TEXT NOT NULL DEFAULT '',
    ActiveContent   TEXT NOT NULL DEFAULT '',
    ActiveNoteType  INTEGER NOT NULL DEFAULT 0,
    IsActive        INTEGER NOT NULL DEFAULT 0,
    IsLost          INTEGER NOT NULL DEFAULT 0,
    IsCancel        INTEGER NOT NULL DEFAULT 0,
    WeekDay         INTEGER NOT NULL DEFAULT 0,
    Aheadtime       INTEGER NOT NULL DEFAULT 0,
    Frequency       INTEGER NOT NULL DEFAULT 0,
    IsRead          INTEGER NOT NULL DEFAULT 0,
    UserName        TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    IsSystem        INTEGER NOT NULL DEFAULT 0,
    ActiveNoteDate  TEXT NOT NULL DEFAULT '',
    ActiveNote      TEXT NOT NULL DEFAULT ''
);
-- An operator's open memos in due order.
CREATE INDEX IX_ActiveNotes_User ON ActiveNotes(UserName, ActiveNoteTime);

-- The store manager's daily summary, one row per day.
CREATE TABLE StoreMgrInfo (
    UpdateTime      TEXT NOT NULL PRIMARY KEY,
    StoreInfo       TEXT NOT NULL DEFAULT '',
    IsSend          INTEGER NOT NULL DEFAULT 0
);

-- Store reminders and the operator's responses to each kind of reminder.
CREATE TABLE StoreRemindResult (
    ID                  INTEGER PRIMARY KEY AUTOINCREMENT,
    RemindName          TEXT NOT NULL DEFAULT '',
    RemindSortID        INTEGER NOT NULL DEFAULT 0,
    ResultType          INTEGER NOT NULL DEFAULT 0,
    ResultDoneDateType  INTEGER NOT NULL DEFAULT 0,
    ResultDoneDate      TEXT NOT NULL DEFAULT '',
    IsHavePopup         INTEGER NOT NULL DEFAULT 0,
    IsClick             INTEGER NOT NULL DEFAULT 0,
    IsPopup             INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE StoreRemind (
    ID                  INTEGER PRIMARY KEY AUTOINCREMENT,
    RemindSortID        INTEGER NOT NULL DEFAULT 0,
    RemindDoneType      INTEGER NOT NULL DEFAULT 0,
    RemindDetailDone    TEXT NOT NULL DEFAULT ''
);

-- Apps offered for purchase, in AppSort order.
CREATE TABLE AppBuyList (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    AppCode         TEXT NOT NULL DEFAULT '',
    AppName         TEXT NOT NULL DEFAULT '',
    AppDesc         TEXT NOT NULL DEFAULT '',
    AppIcon         TEXT NOT NULL DEFAULT '',
    AppURL          TEXT NOT NULL DEFAULT '',
    Price           REAL NOT NULL DEFAULT 0,
    AppSort         INTEGER NOT NULL DEFAULT 0
);

-- A new shop: the administrator without a password, the rights tree, and every right
-- granted to the administrator. Codes the library names: "0100" (purchase prices and
-- costs), the report groups "0300", "0400", "2200", "2300" and "2700".
INSERT INTO User (ID, UserName, Password, CreateDate, IsAdmin) VALUES (1, 'Admin', '', '1970-01-01', 1);
INSERT INTO Resource (ID, ResCode, ResName, ParentResCode, Level, OrderID, IsLeaf, FObjectOrderID)
VALUES
       (1, '0100', '查看进价和成本', '', 1, 1, 1, 1),
       (2, '0200', '销售', '', 1, 2, 0, 2),
       (3, '020001', '销售开单', '0200', 2, 1, 1, 2),
       (4, '020002', '销售退货', '0200', 2, 2, 1, 2),
       (5, '020003', '销售订单', '0200', 2, 3, 1, 2),
       (6, '020004', '修改和删除销售单', '0200', 2, 4, 1, 2),
       (7, '0300', '销售查询', '', 1, 3, 0, 3),
       (8, '030001', '销售单查询', '0300', 2, 1, 1, 3),
       (9, '030002', '销售明细', '0300', 2, 2, 1, 3),
       (10, '030003', '销售订单查询', '0300', 2, 3, 1, 3),
       (11, '030004', '客户销售统计', '0300', 2, 4, 1, 3),
       (12, '0400', '进货查询', '', 1, 4, 0, 4),
       (13, '040001', '进货单查询', '0400', 2, 1, 1, 4),
       (14, '040002', '进货明细', '0400', 2, 2, 1, 4),
       (15, '040003', '供应商进货统计', '0400', 2, 3, 1, 4),
       (16, '0500', '进货', '', 1, 5, 0, 5),
       (17, '050001', '进货开单', '0500', 2, 1, 1, 5),
       (18, '050002', '进货退货', '0500', 2, 2, 1, 5),
       (19, '050003', '修改和删除进货单', '0500', 2, 3, 1, 5),
       (20, '1000', '商品', '', 1, 6, 0, 6),
       (21, '100001', '新增和修改商品', '1000', 2, 1, 1, 6),
       (22, '100002', '删除商品', '1000', 2, 2, 1, 6),
       (23, '100003', '商品类别', '1000', 2, 3, 1, 6),
       (24, '100004', '客户价格', '1000', 2, 4, 1, 6),
       (25, '1100', '客户和供应商', '', 1, 7, 0, 7),
       (26, '110001', '客户', '1100', 2, 1, 1, 7),
       (27, '110002', '供应商', '1100', 2, 2, 1, 7),
       (28, '110003', '联系人', '1100', 2, 3, 1, 7),
       (29, '1200', '资金', '', 1, 8, 0, 8),
       (30, '120001', '收款登记', '1200', 2, 1, 1, 8),
       (31, '120002', '付款登记', '1200', 2, 2, 1, 8),
       (32, '120003', '日常收支', '1200', 2, 3, 1, 8),
       (33, '120004', '结算账户', '1200', 2, 4, 1, 8),
       (34, '1300', '会员', '', 1, 9, 0, 9),
       (35, '130001', '会员资料', '1300', 2, 1, 1, 9),
       (36, '130002', '会员积分', '1300', 2, 2, 1, 9),
       (37, '130003', '会员等级', '1300', 2, 3, 1, 9),
       (38, '1400', '网店', '', 1, 10, 0, 10),
       (39, '140001', '网店订单', '1400', 2, 1, 1, 10),
       (40, '140002', '网店商品对应', '1400', 2, 2, 1, 10),
       (41, '2200', '库存查询', '', 1, 11, 0, 11),
       (42, '220001', '库存汇总', '2200', 2, 1, 1, 11),
       (43, '220002', '库存明细账', '2200', 2, 2, 1, 11),
       (44, '220003', '库存预警', '2200', 2, 3, 1, 11),
       (45, '2300', '资金查询', '', 1, 12, 0, 12),
       (46, '230001', '收支流水', '2300', 2, 1, 1, 12),
       (47, '230002', '账户余额', '2300', 2, 2, 1, 12),
       (48, '230003', '应收款', '2300', 2, 3, 1, 12),
       (49, '230004', '应付款', '2300', 2, 4, 1, 12),
       (50, '2700', '经营分析', '', 1, 13, 0, 13),
       (51, '270001', '利润报表', '2700', 2, 1, 1, 13),
       (52, '270002', '商品销售排行', '2700', 2, 2, 1, 13),
       (53, '270003', '店长日报', '2700', 2, 3, 1, 13),
       (54, '3000', '系统', '', 1, 14, 0, 14),
       (55, '300001', '用户和权限', '3000', 2, 1, 1, 14),
       (56, '300002', '系统设置', '3000', 2, 2, 1, 14),
       (57, '300003', '打印模板', '3000', 2, 3, 1, 14),
       (58, '300004', '数据备份和恢复', '3000', 2, 4, 1, 14),
       (59, '300005', '清空数据', '3000', 2, 5, 1, 14);

INSERT INTO UserResource SELECT '1', ResCode FROM Resource ORDER BY ID;

-- ---- end of users, privileges, memos, the daily summary and store reminders ----------

-- Switches and preferences, one row per key; integers are stored as decimal text.
CREATE TABLE SysSetting (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    SettingType     TEXT NOT NULL UNIQUE,
    SettingVal      TEXT
);

-- The store: exactly one row.
CREATE TABLE SystemInfo (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    CompanyName     TEXT NOT NULL DEFAULT '',
    Industry        TEXT NOT NULL DEFAULT '',
    OperMode        TEXT NOT NULL DEFAULT '',
    StoreAddress    TEXT NOT NULL DEFAULT '',
    Contact         TEXT NOT NULL DEFAULT '',
    Version         TEXT NOT NULL DEFAULT '1.0.0.1',
    Field1          TEXT NOT NULL DEFAULT '',       -- industry data download flag
    Field2          TEXT NOT NULL DEFAULT '',
    Field3          TEXT NOT NULL DEFAULT '',       -- safe QQ number
    Field4          TEXT NOT NULL DEFAULT '',       -- SMS signature
    Field5          TEXT NOT NULL DEFAULT '',       -- backup account
    SafeEmail       TEXT NOT NULL DEFAULT '',
    TotalHour       REAL NOT NULL DEFAULT 0,
    IsIncludeNet    INTEGER NOT NULL DEFAULT 0,
    SysGUID         TEXT NOT NULL DEFAULT '',
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT ''
);

-- The catalogue types the shop took over with its industry.
CREATE TABLE UserSelProdType (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    TypeName        TEXT NOT NULL DEFAULT '',
    Industry        TEXT NOT NULL DEFAULT '',
    IsImport        INTEGER NOT NULL DEFAULT 0,     -- 0 chosen, 1 imported into the product types
    CreateDate      TEXT NOT NULL DEFAULT '',
    LastUpdateDate  TEXT NOT NULL DEFAULT '2000-01-01'
);

-- Print templates and the fields each may cite (FNoteType = NoteType.FCode).
CREATE TABLE NoteType (
    FID             INTEGER PRIMARY KEY AUTOINCREMENT,
    FCode           TEXT NOT NULL DEFAULT '',
    FNoteTypeName   TEXT NOT NULL DEFAULT '',
    FPrintSetup     TEXT,                           -- NULL until the layout is saved
    FEntrysPerNote  INTEGER NOT NULL DEFAULT 0,
    FLeft           INTEGER NOT NULL DEFAULT 0,
    FTop            INTEGER NOT NULL DEFAULT 0,
    OtherPrintSet   TEXT NOT NULL DEFAULT '',
    FIsEdited       INTEGER NOT NULL DEFAULT 0,
    FInUse          INTEGER NOT NULL DEFAULT 1,
    FOrderNO        INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE NoteCitation (
    FID             INTEGER PRIMARY KEY AUTOINCREMENT,
    FNoteType       TEXT NOT NULL DEFAULT '',
    FCode           TEXT NOT NULL DEFAULT '',       -- matched with SysPrintData.KeyWordName
    FCitationName   TEXT NOT NULL DEFAULT '',
    FIsMoney        INTEGER NOT NULL DEFAULT 0
);

-- Keyed text store (XML documents), keyed by UserName.
CREATE TABLE UserResourceNew (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    UserName        TEXT NOT NULL DEFAULT '',
    ResCode         TEXT NOT NULL DEFAULT ''
);

CREATE TABLE SMSTemplet (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    tittle          TEXT NOT NULL DEFAULT '',
    Content         TEXT NOT NULL DEFAULT ''
);

CREATE TABLE StoreTest (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    ProjectName     TEXT NOT NULL DEFAULT '',
    ProjectType     INTEGER NOT NULL DEFAULT 0
);

-- ======================================================================================
-- Rows a new shop database holds
-- ======================================================================================

-- The delivered rows below are dated with the system start date and take the first IDs,
-- so that the services can name them by ID.

-- Partners the postings fall back on: the retail customer (a sale without a customer),
-- the occasional supplier (a purchase without a supplier) and the customer of every
-- online-shop sale. The codes are where GetNewCustomerCode carries on from.
INSERT INTO Companies (CompanyID, CompanyName, CompanyCode, SearchCode, FullName, CompanyType,
                       UserName, CreateDate, LastUpdateDate, ContactGroup, IsSystem)
VALUES (1, '零售客户', 'KH0001', 'LSKH', '零售客户', 1, 'Admin', '1970-01-01 00:00:00', '1970-01-01 00:00:00', '客户', 1),
       (2, '零散供应商', 'GYS0001', 'LSGYS', '零散供应商', 2, 'Admin', '1970-01-01 00:00:00', '1970-01-01 00:00:00', '供应商', 1),
       (3, '淘宝网客户', 'KH0002', 'TBWKH', '淘宝网客户', 1, 'Admin', '1970-01-01 00:00:00', '1970-01-01 00:00:00', '客户', 1);

-- The default warehouse, named as the bill postings name it.
INSERT INTO warehouse (WarehouseID, WarehouseCode, WarehouseName, WarehouseType)
VALUES (1, 'CK0001', '默认仓库', 1);

-- The cash drawer. It has no opening entry in the journal.
INSERT INTO SettleAcct (SettleAcctID, SettleAcctName, SearchCode, SettleAcctType, IsSystem,
                        CreateDate, LastUpdateDate)
VALUES (1, '现金', 'XJ', 1, 1, '1970-01-01 00:00:00', '1970-01-01 00:00:00');

-- Units of measure (BaseType 2).
INSERT INTO BaseData (BaseName, SearchCode, BaseType, CreateDate, LastUpdateDate)
VALUES ('个', 'G', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('件', 'J', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('台', 'T', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('只', 'Z', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('支', 'Z', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('条', 'T', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('双', 'S', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('套', 'T', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('盒', 'H', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('箱', 'X', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('包', 'B', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('袋', 'D', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('瓶', 'P', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('本', 'B', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('张', 'Z', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('斤', 'J', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('公斤', 'GJ', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       ('米', 'M', 2, '1970-01-01 00:00:00', '1970-01-01 00:00:00');

-- The product type tree: its root (every new type hangs below ID 1) and the default type
-- that GetDefaultTypeName finds by ID 2 and its remark, whatever the user renames it to.
INSERT INTO AdvancedBaseData (ID, BaseName, SearchCode, BaseType, CreateDate, LastUpdateDate,
                              Remark, ParentID, Level)
VALUES (1, '全部类别', 'QBLB', 1, '1970-01-01 00:00:00', '1970-01-01 00:00:00', '', 0, 0),
       (2, '默认类别', 'MRLB', 1, '1970-01-01 00:00:00', '1970-01-01 00:00:00', '自定义类别', 1, 1);

-- The journal's own items: the day's sales and purchase lines (type 1), receipts and
-- payments (type 2; the receipt and payment lists find them as IDs 3 and 4), the opening
-- entries of settlement accounts (type 4); then the contact groups of customers and
-- suppliers (types 4 and 5, no account type).
INSERT INTO Project (ProjectID, ProjectName, ProjectType, AccountType, SearchCode, IsSystem,
                     CreateDate, LastUpdateDate)
VALUES (1, '销售收入', 1, '收入', 'XSSR', 1, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       (2, '进货支出', 1, '支出', 'JHZC', 1, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       (3, '收订金/欠款', 2, '收入', 'SDJ/QK', 1, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       (4, '付订金/欠款', 2, '支出', 'FDJ/QK', 1, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       (5, '账户操作', 4, '收入', 'ZHCZ', 1, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       (6, '客户', 4, '', 'KH', 1, '1970-01-01 00:00:00', '1970-01-01 00:00:00'),
       (7, '供应商', 5, '', 'GYS', 1, '1970-01-01 00:00:00', '1970-01-01 00:00:00');

-- Member levels; the first is the default level. Ten yuan earn one point.
INSERT INTO VipLevelSet (ID, Level, LevelName, discount, Conversion, CreateDate, TotalScores)
VALUES (1, 1, '普通会员', '1', '10', '1970-01-01 00:00:00', '1'),
       (2, 2, '银卡会员', '0.95', '10', '1970-01-01 00:00:00', '1'),
       (3, 3, '金卡会员', '0.9', '10', '1970-01-01 00:00:00', '1');

INSERT INTO SystemInfo (CompanyName, Industry, Version, CreateDate, LastUpdateDate)
VALUES ('', '', '1.0.0.1', date('now', 'localtime'), date('now', 'localtime'));

-- Bill code prefixes. The month 197001 is the system start date, the month of the virtual
-- opening bills; every later month copies its prefix from here.
INSERT INTO BillCode (BillType, PreCode, YearMonth, LastNO) VALUES ('XSD', 'XS', '197001', 0);
INSERT INTO BillCode (BillType, PreCode, YearMonth, LastNO) VALUES ('JHD', 'JH', '197001', 0);
INSERT INTO BillCode (BillType, PreCode, YearMonth, LastNO) VALUES ('XSDD', 'DD', '197001', 0);

-- The settings a new shop starts with. "BillType" is left out on purpose: the first read
-- decides it from the bills. "IndustryDataURL" is where the industry data packages are
-- downloaded from (type name + ".rar" is appended); a host points it at its own server.
INSERT INTO SysSetting (SettingType, SettingVal) VALUES ('IsUseDataSync', '0');
INSERT INTO SysSetting (SettingType, SettingVal) VALUES ('AccountMode', '0');
INSERT INTO SysSetting (SettingType, SettingVal) VALUES ('IsUseEachDiscount', '0');
INSERT INTO SysSetting (SettingType, SettingVal) VALUES ('MoneyDecimalDot', '2');
INSERT INTO SysSetting (SettingType, SettingVal) VALUES ('PriceDecimalDot', '2');
INSERT INTO SysSetting (SettingType, SettingVal) VALUES ('CountDecimalDot', '2');
INSERT INTO SysSetting (SettingType, SettingVal) VALUES ('IndustryDataURL', 'http://download.shopbiz.example/industry/');

-- ---- Print templates -------------------------------------------------------------
-- The documents a new shop can print, one template per document the print fillers write
-- (FNoteTypeName is the label they write into SysPrintData.BillType; FEntrysPerNote the
-- table rows per page), and the fields each template cites (FCode = SysPrintData.KeyWordName;
-- FIsMoney 1 for amounts). The layout itself (FPrintSetup) is the front end's, NULL until saved.
INSERT INTO NoteType (FCode, FNoteTypeName, FEntrysPerNote, FLeft, FTop, FIsEdited, FInUse, FOrderNO) VALUES
    ('01', '销售单', 10, 0, 0, 0, 1, 1),
    ('02', '进货单', 10, 0, 0, 0, 1, 2),
    ('03', '销售单列表', 30, 0, 0, 0, 1, 3),
    ('04', '进货单列表', 30, 0, 0, 0, 1, 4),
    ('05', '销售订单', 10, 0, 0, 0, 1, 5),
    ('06', '销售订单列表', 30, 0, 0, 0, 1, 6),
    ('07', '客户对账单', 30, 0, 0, 0, 1, 7),
    ('08', '供应商对账单', 30, 0, 0, 0, 1, 8),
    ('09', '库存预警', 30, 0, 0, 0, 1, 9),
    ('10', '收款单', 10, 0, 0, 0, 1, 10),
    ('11', '付款单', 10, 0, 0, 0, 1, 11),
    ('12', '结算账户', 30, 0, 0, 0, 1, 12),
    ('13', '销售员业绩', 30, 0, 0, 0, 1, 13);
INSERT INTO NoteCitation (FNoteType, FCode, FCitationName, FIsMoney) VALUES
    ('01', 'CompanyName', '客户名称', 0),
    ('01', 'StoreName', '店铺名称', 0),
    ('01', 'StoreAddr', '店铺地址', 0),
    ('01', 'StoreLink', '店铺联系人', 0),
    ('01', 'Contact', '客户联系人', 0),
    ('01', 'Tel', '电话', 0),
    ('01', 'Fax', '传真', 0),
    ('01', 'CustomerRemark', '客户备注', 0),
    ('01', 'Email', '电子邮件', 0),
    ('01', 'QQ', 'QQ', 0),
    ('01', 'Address', '地址', 0),
    ('01', 'PostCode', '邮编', 0),
    ('01', 'InitAmount', '期初欠款', 1),
    ('01', 'CurAmount', '当前欠款', 1),
    ('01', 'BillDate', '单据日期', 0),
    ('01', 'BillCode', '单据编号', 0),
    ('01', 'Remark', '备注', 0),
    ('01', 'SaleCodeRemark', '订单编号标题', 0),
    ('01', 'SaleOrderCode', '订单编号', 0),
    ('01', 'SettleAcct', '结算账户', 0),
    ('01', 'DisCountRate', '整单折扣', 0),
    ('01', 'Count', '合计数量', 0),
    ('01', 'BillAmount', '合计金额', 1),
    ('01', 'DiscountAmount', '折后金额', 1),
    ('01', 'GetAmount', '实收金额', 1),
    ('01', 'OweAmount', '本单欠款', 1),
    ('01', 'BillAmountRMB', '大写金额', 0),
    ('01', 'RowNo', '序号', 0),
    ('01', 'ProductCode', '货品编码', 0),
    ('01', 'ProductName', '货品名称', 0),
    ('01', 'UnitName', '单位', 0),
    ('01', 'ItemCount', '数量', 0),
    ('01', 'OriginalPrice', '原价', 0),
    ('01', 'DIsRate', '折扣', 0),
    ('01', 'Price', '单价', 0),
    ('01', 'Amount', '金额', 1),
    ('01', 'ItemRemark', '明细备注', 0),
    ('02', 'CompanyName', '供应商名称', 0),
    ('02', 'StoreName', '店铺名称', 0),
    ('02', 'StoreAddr', '店铺地址', 0),
    ('02', 'StoreLink', '店铺联系人', 0),
    ('02', 'Contact', '供应商联系人', 0),
    ('02', 'Tel', '电话', 0),
    ('02', 'Fax', '传真', 0),
    ('02', 'ProviderRemark', '供应商备注', 0),
    ('02', 'Email', '电子邮件', 0),
    ('02', 'QQ', 'QQ', 0),
    ('02', 'Address', '地址', 0),
    ('02', 'PostCode', '邮编', 0),
    ('02', 'InitAmount', '期初欠款', 1),
    ('02', 'CurAmount', '当前欠款', 1),
    ('02', 'BillDate', '单据日期', 0),
    ('02', 'BillCode', '单据编号', 0),
    ('02', 'Remark', '备注', 0),
    ('02', 'SettleAcct', '结算账户', 0),
    ('02', 'DisCountRate', '整单折扣', 0),
    ('02', 'Count', '合计数量', 0),
    ('02', 'BillAmount', '合计金额', 1),
    ('02', 'DiscountAmount', '折后金额', 1),
    ('02', 'GetAmount', '实付金额', 1),
    ('02', 'OweAmount', '本单欠款', 1),
    ('02', 'BillAmountRMB', '大写金额', 0),
    ('02', 'RowNo', '序号', 0),
    ('02', 'ProductCode', '货品编码', 0),
    ('02', 'ProductName', '货品名称', 0),
    ('02', 'UnitName', '单位', 0),
    ('02', 'ItemCount', '数量', 0),
    ('02', 'OriginalPrice', '原价', 0),
    ('02', 'DIsRate', '折扣', 0),
    ('02', 'Price', '单价', 0),
    ('02', 'Amount', '金额', 1),
    ('02', 'ItemRemark', '明细备注', 0),
    ('03', 'StoreName', '店铺名称', 0),
    ('03', 'StoreAddr', '店铺地址', 0),
    ('03', 'StoreLink', '店铺联系人', 0),
    ('03', 'RowNo', '序号', 0),
    ('03', 'BillDate', '单据日期', 0),
    ('03', 'BillCode', '单据编号', 0),
    ('03', 'SaleOrderCode', '订单编号', 0),
    ('03', 'CompanyName', '客户名称', 0),
    ('03', 'BillAmount', '单据金额', 1),
    ('03', 'DiscountAmount', '折后金额', 1),
    ('03', 'GetAmount', '实收金额', 1),
    ('03', 'SettleAcct', '结算账户', 0),
    ('03', 'Remark', '备注', 0),
    ('03', 'StartDate', '开始日期', 0),
    ('03', 'EndDate', '结束日期', 0),
    ('03', 'SumInAmount', '合计单据金额', 1),
    ('03', 'SumDiscountAmount', '合计折后金额', 1),
    ('03', 'SumOutAmount', '合计实收金额', 1),
    ('04', 'StoreName', '店铺名称', 0),
    ('04', 'StoreAddr', '店铺地址', 0),
    ('04', 'StoreLink', '店铺联系人', 0),
    ('04', 'RowNo', '序号', 0),
    ('04', 'BillDate', '单据日期', 0),
    ('04', 'BillCode', '单据编号', 0),
    ('04', 'CompanyName', '供应商名称', 0),
    ('04', 'BillAmount', '单据金额', 1),
    ('04', 'DiscountAmount', '折后金额', 1),
    ('04', 'GetAmount', '实付金额', 1),
    ('04', 'SettleAcct', '结算账户', 0),
    ('04', 'Remark', '备注', 0),
    ('04', 'StartDate', '开始日期', 0),
    ('04', 'EndDate', '结束日期', 0),
    ('04', 'SumInAmount', '合计单据金额', 1),
    ('04', 'SumDiscountAmount', '合计折后金额', 1),
    ('04', 'SumOutAmount', '合计实付金额', 1),
    ('05', 'StoreName', '店铺名称', 0),
    ('05', 'StoreAddr', '店铺地址', 0),
    ('05', 'StoreLink', '店铺联系人', 0),
    ('05', 'CompanyName', '客户名称', 0),
    ('05', 'BillDate', '单据日期', 0),
    ('05', 'BillCode', '订单编号', 0),
    ('05', 'SettleAcct', '结算账户', 0),
    ('05', 'Remark', '备注', 0),
    ('05', 'Count', '合计数量', 0),
    ('05', 'SumFnshItemCount', '合计已交货', 0),
    ('05', 'BillAmount', '合计金额', 1),
    ('05', 'GetAmount', '订金', 1),
    ('05', 'BillAmountRMB', '大写金额', 0),
    ('05', 'RowNo', '序号', 0),
    ('05', 'ProductCode', '货品编码', 0),
    ('05', 'ProductName', '货品名称', 0),
    ('05', 'UnitName', '单位', 0),
    ('05', 'ItemCount', '数量', 0),
    ('05', 'FnshItemCount', '已交货', 0),
    ('05', 'Price', '单价', 0),
    ('05', 'Amount', '金额', 1),
    ('05', 'ItemRemark', '明细备注', 0),
    ('06', 'StoreName', '店铺名称', 0),
    ('06', 'StoreAddr', '店铺地址', 0),
    ('06', 'StoreLink', '店铺联系人', 0),
    ('06', 'RowNo', '序号', 0),
    ('06', 'BillDate', '单据日期', 0),
    ('06', 'BillCode', '订单编号', 0),
    ('06', 'CompanyName', '客户名称', 0),
    ('06', 'BillStatus', '状态', 0),
    ('06', 'BillAmount', '订单金额', 1),
    ('06', 'GetAmount', '订金', 1),
    ('06', 'SettleAcct', '结算账户', 0),
    ('06', 'Remark', '备注', 0),
    ('06', 'StartDate', '开始日期', 0),
    ('06', 'EndDate', '结束日期', 0),
    ('06', 'SumInAmount', '合计订单金额', 1),
    ('06', 'SumGetAmount', '合计订金', 1),
    ('07', 'StoreName', '店铺名称', 0),
    ('07', 'StoreAddr', '店铺地址', 0),
    ('07', 'StoreLink', '店铺联系人', 0),
    ('07', 'CompanyName', '客户名称', 0),
    ('07', 'BillSdt', '开始日期', 0),
    ('07', 'BillEdt', '结束日期', 0),
    ('07', 'RowNo', '序号', 0),
    ('07', 'BillDate', '日期', 0),
    ('07', 'BillCode', '单据编号', 0),
    ('07', 'ProductCode', '货品编码', 0),
    ('07', 'ProductName', '摘要/货品', 0),
    ('07', 'UnitName', '单位', 0),
    ('07', 'OutCount', '数量', 0),
    ('07', 'SalePrice', '单价', 0),
    ('07', 'SaleAmount', '金额', 1),
    ('07', 'DisAmount', '优惠', 1),
    ('07', 'AddAmount', '应收增加', 1),
    ('07', 'GetAmount', '已收', 1),
    ('07', 'EndAmount', '余额', 1),
    ('07', 'Remark', '备注', 0),
    ('07', 'SumAddAmount', '合计增加', 1),
    ('07', 'SumGetAmount', '合计已收', 1),
    ('08', 'StoreName', '店铺名称', 0),
    ('08', 'StoreAddr', '店铺地址', 0),
    ('08', 'StoreLink', '店铺联系人', 0),
    ('08', 'CompanyName', '供应商名称', 0),
    ('08', 'BillSdt', '开始日期', 0),
    ('08', 'BillEdt', '结束日期', 0),
    ('08', 'RowNo', '序号', 0),
    ('08', 'BillDate', '日期', 0),
    ('08', 'BillCode', '单据编号', 0),
    ('08', 'ProductCode', '货品编码', 0),
    ('08', 'ProductName', '摘要/货品', 0),
    ('08', 'UnitName', '单位', 0),
    ('08', 'OutCount', '数量', 0),
    ('08', 'SalePrice', '单价', 0),
    ('08', 'SaleAmount', '金额', 1),
    ('08', 'DisAmount', '优惠', 1),
    ('08', 'AddAmount', '应付增加', 1),
    ('08', 'GetAmount', '已付', 1),
    ('08', 'EndAmount', '余额', 1),
    ('08', 'Remark', '备注', 0),
    ('08', 'SumAddAmount', '合计增加', 1),
    ('08', 'SumGetAmount', '合计已付', 1),
    ('09', 'StoreName', '店铺名称', 0),
    ('09', 'StoreAddr', '店铺地址', 0),
    ('09', 'StoreLink', '店铺联系人', 0),
    ('09', 'RowNo', '序号', 0),
    ('09', 'ProductCode', '货品编码', 0),
    ('09', 'ProductName', '货品名称', 0),
    ('09', 'UnitName', '单位', 0),
    ('09', 'CurCount', '当前库存', 0),
    ('09', 'HighLimit', '库存上限', 0),
    ('09', 'LowLimit', '库存下限', 0),
    ('09', 'Status', '状态', 0),
    ('09', 'WarningCount', '超出数量', 0),
    ('10', 'StoreName', '店铺名称', 0),
    ('10', 'StoreAddr', '店铺地址', 0),
    ('10', 'StoreLink', '店铺联系人', 0),
    ('10', 'BillCode', '单据编号', 0),
    ('10', 'AccountDate', '日期', 0),
    ('10', 'CompanyName', '往来单位', 0),
    ('10', 'AccountDesp', '摘要', 0),
    ('10', 'RowNo', '序号', 0),
    ('10', 'SettleAcctName', '结算账户', 0),
    ('10', 'BankName', '开户银行', 0),
    ('10', 'BankNo', '银行账号', 0),
    ('10', 'InAmount', '收款金额', 1),
    ('10', 'SumAmount', '合计金额', 1),
    ('10', 'BillAmountRMB', '大写金额', 0),
    ('11', 'StoreName', '店铺名称', 0),
    ('11', 'StoreAddr', '店铺地址', 0),
    ('11', 'StoreLink', '店铺联系人', 0),
    ('11', 'BillCode', '单据编号', 0),
    ('11', 'AccountDate', '日期', 0),
    ('11', 'CompanyName', '往来单位', 0),
    ('11', 'AccountDesp', '摘要', 0),
    ('11', 'RowNo', '序号', 0),
    ('11', 'SettleAcctName', '结算账户', 0),
    ('11', 'BankName', '开户银行', 0),
    ('11', 'BankNo', '银行账号', 0),
    ('11', 'OutAmount', '付款金额', 1),
    ('11', 'SumAmount', '合计金额', 1),
    ('11', 'BillAmountRMB', '大写金额', 0),
    ('12', 'StoreName', '店铺名称', 0),
    ('12', 'StoreAddr', '店铺地址', 0),
    ('12', 'StoreLink', '店铺联系人', 0),
    ('12', 'RowNo', '序号', 0),
    ('12', 'SettleAcctName', '结算账户', 0),
    ('12', 'BankName', '开户银行', 0),
    ('12', 'BankNo', '银行账号', 0),
    ('12', 'CurAmount', '当前余额', 1),
    ('13', 'StoreName', '店铺名称', 0),
    ('13', 'StoreAddr', '店铺地址', 0),
    ('13', 'StoreLink', '店铺联系人', 0),
    ('13', 'CompanyName', '店铺', 0),
    ('13', 'BillSdt', '开始日期', 0),
    ('13', 'BillEdt', '结束日期', 0),
    ('13', 'RowNo', '序号', 0),
    ('13', 'UserName', '销售员', 0),
    ('13', 'BillAmount', '销售金额', 1),
    ('13', 'DiscountAmount', '优惠金额', 1),
    ('13', 'RelBillAmount', '应收金额', 1),
    ('13', 'SumBillAmount', '合计销售金额', 1),
    ('13', 'SumDisAmount', '合计优惠金额', 1),
    ('13', 'SumRelBillAmount', '合计应收金额', 1);
-- The stock and profit reports (CStocksBLL's report fillers) and the product list.
INSERT INTO NoteType (FCode, FNoteTypeName, FEntrysPerNote, FLeft, FTop, FIsEdited, FInUse, FOrderNO) VALUES
    ('20', '货品列表', 30, 0, 0, 0, 1, 20),
    ('21', '库存汇总', 30, 0, 0, 0, 1, 21),
    ('22', '库存明细账', 30, 0, 0, 0, 1, 22),
    ('23', '客户利润', 30, 0, 0, 0, 1, 23),
    ('24', '货品利润', 30, 0, 0, 0, 1, 24),
    ('25', '销售利润明细', 30, 0, 0, 0, 1, 25),
    ('26', '出入库流水', 30, 0, 0, 0, 1, 26),
    ('27', '销售统计报告', 30, 0, 0, 0, 1, 27),
    ('28', '销售统计报告明细', 30, 0, 0, 0, 1, 28);
INSERT INTO NoteCitation (FNoteType, FCode, FCitationName, FIsMoney) VALUES
    ('20', 'StoreName', '店铺名称', 0),
    ('20', 'StoreAddr', '店铺地址', 0),
    ('20', 'StoreLink', '店铺联系人', 0),
    ('20', 'RowNo', '序号', 0),
    ('20', 'ProdCode', '货品编码', 0),
    ('20', 'ProdName', '货品名称', 0),
    ('20', 'ProdTypeName', '类别', 0),
    ('20', 'ProdUnit', '单位', 0),
    ('20', 'ProdStock', '当前库存', 0),
    ('20', 'ProdInprice', '进价', 0),
    ('20', 'ProdOutPrice', '售价', 0),
    ('20', 'ProdWholePrice', '批发价', 0),
    ('21', 'StoreName', '店铺名称', 0),
    ('21', 'StoreAddr', '店铺地址', 0),
    ('21', 'StoreLink', '店铺联系人', 0),
    ('21', 'BillSdt', '开始日期', 0),
    ('21', 'BillEdt', '结束日期', 0),
    ('21', 'RowNo', '序号', 0),
    ('21', 'ProductCode', '货品编码', 0),
    ('21', 'ProductName', '货品名称', 0),
    ('21', 'UnitName', '单位', 0),
    ('21', 'PreCount', '期初数量', 0),
    ('21', 'PreAmount', '期初金额', 1),
    ('21', 'InCount', '入库数量', 0),
    ('21', 'InAmount', '入库金额', 1),
    ('21', 'OutCount', '出库数量', 0),
    ('21', 'OutAmount', '出库成本', 1),
    ('21', 'LastCount', '结存数量', 0),
    ('21', 'LastAmount', '结存金额', 1),
    ('21', 'SumPreCount', '合计期初数量', 0),
    ('21', 'SumPreAmount', '合计期初金额', 1),
    ('21', 'SumInCount', '合计入库数量', 0),
    ('21', 'SumInAmount', '合计入库金额', 1),
    ('21', 'SumOutCount', '合计出库数量', 0),
    ('21', 'SumOutAmount', '合计出库成本', 1),
    ('21', 'SumLastCount', '合计结存数量', 0),
    ('21', 'SumLastAmount', '合计结存金额', 1),
    ('22', 'StoreName', '店铺名称', 0),
    ('22', 'StoreAddr', '店铺地址', 0),
    ('22', 'StoreLink', '店铺联系人', 0),
    ('22', 'BillSdt', '开始日期', 0),
    ('22', 'BillEdt', '结束日期', 0),
    ('22', 'ProductName', '货品名称', 0),
    ('22', 'RowNo', '序号', 0),
    ('22', 'BillType', '类型', 0),
    ('22', 'BillDate', '日期', 0),
    ('22', 'BillCode', '单据编号', 0),
    ('22', 'InCount', '入库数量', 0),
    ('22', 'InPrice', '入库单价', 0),
    ('22', 'InAmount', '入库金额', 1),
    ('22', 'OutCount', '出库数量', 0),
    ('22', 'OutPrice', '出库单价', 0),
    ('22', 'OutAmount', '出库成本', 1),
    ('22', 'LastCount', '结存数量', 0),
    ('22', 'LastPrice', '结存单价', 0),
    ('22', 'LastAmount', '结存金额', 1),
    ('22', 'SumInCount', '合计入库数量', 0),
    ('22', 'SumInAmount', '合计入库金额', 1),
    ('22', 'SumOutCount', '合计出库数量', 0),
    ('22', 'SumOutAmount', '合计出库成本', 1),
    ('22', 'SumLastCount', '合计结存数量', 0),
    ('22', 'SumLastAmount', '合计结存金额', 1),
    ('23', 'StoreName', '店铺名称', 0),
    ('23', 'StoreAddr', '店铺地址', 0),
    ('23', 'StoreLink', '店铺联系人', 0),
    ('23', 'BillSdt', '开始日期', 0),
    ('23', 'BillEdt', '结束日期', 0),
    ('23', 'RowNo', '序号', 0),
    ('23', 'CompanyName', '客户名称', 0),
    ('23', 'SaleAmount', '销售金额', 1),
    ('23', 'CostAmount', '成本', 1),
    ('23', 'Profit', '利润', 1),
    ('23', 'ProfitRate', '利润率', 0),
    ('23', 'SumSaleAmount', '合计销售金额', 1),
    ('23', 'SumCostAmount', '合计成本', 1),
    ('23', 'SumProfit', '合计利润', 1),
    ('24', 'StoreName', '店铺名称', 0),
    ('24', 'StoreAddr', '店铺地址', 0),
    ('24', 'StoreLink', '店铺联系人', 0),
    ('24', 'BillSdt', '开始日期', 0),
    ('24', 'BillEdt', '结束日期', 0),
    ('24', 'RowNo', '序号', 0),
    ('24', 'ProductCode', '货品编码', 0),
    ('24', 'ProductName', '货品名称', 0),
    ('24', 'UnitName', '单位', 0),
    ('24', 'OutCount', '数量', 0),
    ('24', 'SaleAmount', '销售金额', 1),
    ('24', 'CostAmount', '成本', 1),
    ('24', 'Profit', '利润', 1),
    ('24', 'ProfitRate', '利润率', 0),
    ('24', 'SumProdCount', '合计数量', 0),
    ('24', 'SumSaleAmount', '合计销售金额', 1),
    ('24', 'SumCostAmount', '合计成本', 1),
    ('24', 'SumProfit', '合计利润', 1),
    ('25', 'StoreName', '店铺名称', 0),
    ('25', 'StoreAddr', '店铺地址', 0),
    ('25', 'StoreLink', '店铺联系人', 0),
    ('25', 'BillSdt', '开始日期', 0),
    ('25', 'BillEdt', '结束日期', 0),
    ('25', 'RowNo', '序号', 0),
    ('25', 'BillDate', '日期', 0),
    ('25', 'CompanyName', '客户名称', 0),
    ('25', 'ProductCode', '货品编码', 0),
    ('25', 'ProductName', '货品名称', 0),
    ('25', 'UnitName', '单位', 0),
    ('25', 'OutCount', '数量', 0),
    ('25', 'SalePrice', '单价', 0),
    ('25', 'SaleAmount', '销售金额', 1),
    ('25', 'CostAmount', '成本', 1),
    ('25', 'Profit', '利润', 1),
    ('25', 'ProfitRate', '利润率', 0),
    ('25', 'SumProdCount', '合计数量', 0),
    ('25', 'SumSaleAmount', '合计销售金额', 1),
    ('25', 'SumCostAmount', '合计成本', 1),
    ('25', 'SumProfit', '合计利润', 1),
    ('26', 'StoreName', '店铺名称', 0),
    ('26', 'StoreAddr', '店铺地址', 0),
    ('26', 'StoreLink', '店铺联系人', 0),
    ('26', 'BillSdt', '开始日期', 0),
    ('26', 'BillEdt', '结束日期', 0),
    ('26', 'CompanyName', '往来单位', 0),
    ('26', 'RowNo', '序号', 0),
    ('26', 'BillType', '类型', 0),
    ('26', 'BillDate', '日期', 0),
    ('26', 'BillCode', '单据编号', 0),
    ('26', 'ItemCompanyName', '往来单位', 0),
    ('26', 'ProductCode', '货品编码', 0),
    ('26', 'ProductName', '货品名称', 0),
    ('26', 'UnitName', '单位', 0),
    ('26', 'ItemCount', '数量', 0),
    ('26', 'Price', '单价', 0),
    ('26', 'ItemAmount', '金额', 1),
    ('26', 'OutCount', '出库数量', 0),
    ('26', 'SalePrice', '售价', 0),
    ('26', 'SaleAmount', '销售金额', 1),
    ('26', 'BillAmount', '单据金额', 1),
    ('26', 'BillID', '单据ID', 0),
    ('26', 'SumAmount', '合计金额', 1),
    ('27', 'StoreName', '店铺名称', 0),
    ('27', 'StoreAddr', '店铺地址', 0),
    ('27', 'StoreLink', '店铺联系人', 0),
    ('27', 'ReportTitle', '标题', 0),
    ('27', 'BeginDate', '开始日期', 0),
    ('27', 'EndDate', '结束日期', 0),
    ('27', 'BillAmount', '折后金额', 1),
    ('27', 'DiscountAmount', '优惠金额', 1),
    ('27', 'RowNo', '序号', 0),
    ('27', 'ProdCode', '货品编码', 0),
    ('27', 'ProdName', '货品名称', 0),
    ('27', 'UnitName', '单位', 0),
    ('27', 'ItemCount', '数量', 0),
    ('27', 'ItemAmount', '金额', 1),
    ('27', 'TotalCount', '合计数量', 0),
    ('27', 'TotalAmount', '合计金额', 1),
    ('27', 'TotalDisAmount', '合计优惠', 1),
    ('27', 'TotalRalAmount', '合计实收', 1),
    ('28', 'StoreName', '店铺名称', 0),
    ('28', 'StoreAddr', '店铺地址', 0),
    ('28', 'StoreLink', '店铺联系人', 0),
    ('28', 'ReportTitle', '标题', 0),
    ('28', 'BeginDate', '开始日期', 0),
    ('28', 'EndDate', '结束日期', 0),
    ('28', 'RowNo', '序号', 0),
    ('28', 'BillDate', '日期', 0),
    ('28', 'BillCode', '单据编号', 0),
    ('28', 'CompanyName1', '往来单位', 0),
    ('28', 'ProdCode', '货品编码', 0),
    ('28', 'ProdName', '货品名称', 0),
    ('28', 'UnitName', '单位', 0),
    ('28', 'ItemCount', '数量', 0),
    ('28', 'Price', '单价', 0),
    ('28', 'ItemAmount', '金额', 1),
    ('28', 'DisAmount', '优惠', 1),
    ('28', 'RealAmount', '实收', 1);
-- ---- end of print templates ------------------------------------------------------

-- ---- Print templates of the money reports ------------------------------------------
-- The account journal, income and expense by project, profit, receipts and payments, the
-- receivables and payables with each partner's movements, and the partner list; the labels
-- are those the money fillers are called with.
INSERT INTO NoteType (FCode, FNoteTypeName, FEntrysPerNote, FLeft, FTop, FIsEdited, FInUse, FOrderNO) VALUES
    ('31', '账户收支明细', 30, 0, 0, 0, 1, 31),
    ('32', '收支项目统计', 30, 0, 0, 0, 1, 32),
    ('33', '利润表', 30, 0, 0, 0, 1, 33),
    ('34', '收支项目明细', 30, 0, 0, 0, 1, 34),
    ('35', '收款单列表', 30, 0, 0, 0, 1, 35),
    ('36', '付款单列表', 30, 0, 0, 0, 1, 36),
    ('37', '应收款', 30, 0, 0, 0, 1, 37),
    ('38', '应付款', 30, 0, 0, 0, 1, 38),
    ('39', '应收款明细', 30, 0, 0, 0, 1, 39),
    ('40', '应付款明细', 30, 0, 0, 0, 1, 40),
    ('41', '往来单位列表', 30, 0, 0, 0, 1, 41);
INSERT INTO NoteCitation (FNoteType, FCode, FCitationName, FIsMoney) VALUES
    ('31', 'StoreName', '店铺名称', 0),
    ('31', 'StoreAddr', '店铺地址', 0),
    ('31', 'StoreLink', '店铺联系人', 0),
    ('31', 'AccountSdt', '开始日期', 0),
    ('31', 'AccountEdt', '结束日期', 0),
    ('31', 'RowNo', '序号', 0),
    ('31', 'AccountDate', '日期', 0),
    ('31', 'BillCode', '单据编号', 0),
    ('31', 'AccountDesp', '摘要', 0),
    ('31', 'ProjectName', '收支项目', 0),
    ('31', 'InAmount', '收入', 1),
    ('31', 'OutAmount', '支出', 1),
    ('31', 'Balance', '余额', 1),
    ('31', 'SumInAmount', '合计收入', 1),
    ('31', 'SumOutAmount', '合计支出', 1),
    ('31', 'SumBalance', '期末余额', 1),
    ('32', 'StoreName', '店铺名称', 0),
    ('32', 'StoreAddr', '店铺地址', 0),
    ('32', 'StoreLink', '店铺联系人', 0),
    ('32', 'AccountSdt', '开始日期', 0),
    ('32', 'AccountEdt', '结束日期', 0),
    ('32', 'AccountType', '类型条件', 0),
    ('32', 'AccProType', '项目条件', 0),
    ('32', 'RowNo', '序号', 0),
    ('32', 'ProjectName', '收支项目', 0),
    ('32', 'InAmount', '收入', 1),
    ('32', 'OutAmount', '支出', 1),
    ('32', 'Balance', '结余', 1),
    ('32', 'SumInAmount', '合计收入', 1),
    ('32', 'SumOutAmount', '合计支出', 1),
    ('32', 'SumBalance', '合计结余', 1),
    ('33', 'StoreName', '店铺名称', 0),
    ('33', 'StoreAddr', '店铺地址', 0),
    ('33', 'StoreLink', '店铺联系人', 0),
    ('33', 'AccountSdt', '开始日期', 0),
    ('33', 'AccountEdt', '结束日期', 0),
    ('33', 'AccountType', '类型条件', 0),
    ('33', 'AccProType', '项目条件', 0),
    ('33', 'RowNo', '序号', 0),
    ('33', 'TypeName', '类型', 0),
    ('33', 'ProjectName', '项目', 0),
    ('33', 'InAmount', '收入', 1),
    ('33', 'OutAmount', '支出', 1),
    ('33', 'Balance', '结余', 1),
    ('33', 'SumInAmount', '合计收入', 1),
    ('33', 'SumOutAmount', '合计支出', 1),
    ('33', 'SumBalance', '利润', 1),
    ('34', 'StoreName', '店铺名称', 0),
    ('34', 'StoreAddr', '店铺地址', 0),
    ('34', 'StoreLink', '店铺联系人', 0),
    ('34', 'AccountSdt', '开始日期', 0),
    ('34', 'AccountEdt', '结束日期', 0),
    ('34', 'AccProType', '项目条件', 0),
    ('34', 'RowNo', '序号', 0),
    ('34', 'AccountDate', '日期', 0),
    ('34', 'BillCode', '单据编号', 0),
    ('34', 'AccountDesp', '摘要', 0),
    ('34', 'CompanyName', '往来单位', 0),
    ('34', 'ProjectName', '收支项目', 0),
    ('34', 'AccountType', '收支类型', 0),
    ('34', 'Amount', '金额', 1),
    ('34', 'SumAmount', '合计金额', 1),
    ('35', 'StoreName', '店铺名称', 0),
    ('35', 'StoreAddr', '店铺地址', 0),
    ('35', 'StoreLink', '店铺联系人', 0),
    ('35', 'BeginDate', '开始日期', 0),
    ('35', 'EndDate', '结束日期', 0),
    ('35', 'RowNo', '序号', 0),
    ('35', 'BillDate', '日期', 0),
    ('35', 'BillCode', '单据编号', 0),
    ('35', 'Remark', '摘要', 0),
    ('35', 'ItemAmount', '收款金额', 1),
    ('35', 'TotalAmount', '合计金额', 1),
    ('36', 'StoreName', '店铺名称', 0),
    ('36', 'StoreAddr', '店铺地址', 0),
    ('36', 'StoreLink', '店铺联系人', 0),
    ('36', 'BeginDate', '开始日期', 0),
    ('36', 'EndDate', '结束日期', 0),
    ('36', 'RowNo', '序号', 0),
    ('36', 'BillDate', '日期', 0),
    ('36', 'BillCode', '单据编号', 0),
    ('36', 'Remark', '摘要', 0),
    ('36', 'ItemAmount', '付款金额', 1),
    ('36', 'TotalAmount', '合计金额', 1),
    ('37', 'StoreName', '店铺名称', 0),
    ('37', 'StoreAddr', '店铺地址', 0),
    ('37', 'StoreLink', '店铺联系人', 0),
    ('37', 'BillSdt', '开始日期', 0),
    ('37', 'BillEdt', '结束日期', 0),
    ('37', 'RowNo', '序号', 0),
    ('37', 'CompanyName', '客户名称', 0),
    ('37', 'InitAmount', '期初应收', 1),
    ('37', 'AddAmount', '本期增加', 1),
    ('37', 'GetAmount', '本期收款', 1),
    ('37', 'Balance', '期末应收', 1),
    ('37', 'SumInitAmount', '合计期初', 1),
    ('37', 'SumAddAmount', '合计增加', 1),
    ('37', 'SumGetAmount', '合计收款', 1),
    ('37', 'SumBalance', '合计期末', 1),
    ('38', 'StoreName', '店铺名称', 0),
    ('38', 'StoreAddr', '店铺地址', 0),
    ('38', 'StoreLink', '店铺联系人', 0),
    ('38', 'BillSdt', '开始日期', 0),
    ('38', 'BillEdt', '结束日期', 0),
    ('38', 'RowNo', '序号', 0),
    ('38', 'CompanyName', '供应商名称', 0),
    ('38', 'InitAmount', '期初应付', 1),
    ('38', 'AddAmount', '本期增加', 1),
    ('38', 'GetAmount', '本期付款', 1),
    ('38', 'Balance', '期末应付', 1),
    ('38', 'SumInitAmount', '合计期初', 1),
    ('38', 'SumAddAmount', '合计增加', 1),
    ('38', 'SumGetAmount', '合计付款', 1),
    ('38', 'SumBalance', '合计期末', 1),
    ('39', 'StoreName', '店铺名称', 0),
    ('39', 'StoreAddr', '店铺地址', 0),
    ('39', 'StoreLink', '店铺联系人', 0),
    ('39', 'CompanyName', '客户名称', 0),
    ('39', 'BillSdt', '开始日期', 0),
    ('39', 'BillEdt', '结束日期', 0),
    ('39', 'InitAmount', '期初应收', 1),
    ('39', 'RowNo', '序号', 0),
    ('39', 'BillDate', '日期', 0),
    ('39', 'BillCode', '单据编号', 0),
    ('39', 'Note', '摘要', 0),
    ('39', 'OweAmount', '应收增加', 1),
    ('39', 'InAmount', '收款', 1),
    ('39', 'Amount', '余额', 1),
    ('39', 'SumOweAmount', '合计增加', 1),
    ('39', 'SumInAmount', '合计收款', 1),
    ('39', 'SumAmount', '期末应收', 1),
    ('40', 'StoreName', '店铺名称', 0),
    ('40', 'StoreAddr', '店铺地址', 0),
    ('40', 'StoreLink', '店铺联系人', 0),
    ('40', 'CompanyName', '供应商名称', 0),
    ('40', 'BillSdt', '开始日期', 0),
    ('40', 'BillEdt', '结束日期', 0),
    ('40', 'InitAmount', '期初应付', 1),
    ('40', 'RowNo', '序号', 0),
    ('40', 'BillDate', '日期', 0),
    ('40', 'BillCode', '单据编号', 0),
    ('40', 'Note', '摘要', 0),
    ('40', 'OweAmount', '应付增加', 1),
    ('40', 'InAmount', '付款', 1),
    ('40', 'Amount', '余额', 1),
    ('40', 'SumOweAmount', '合计增加', 1),
    ('40', 'SumInAmount', '合计付款', 1),
    ('40', 'SumAmount', '期末应付', 1),
    ('41', 'StoreName', '店铺名称', 0),
    ('41', 'StoreAddr', '店铺地址', 0),
    ('41', 'StoreLink', '店铺联系人', 0),
    ('41', 'RowNo', '序号', 0),
    ('41', 'CompanyName', '往来单位', 0),
    ('41', 'CompanyCode', '编码', 0),
    ('41', 'Tel', '电话', 0),
    ('41', 'Fax', '传真', 0),
    ('41', 'CurAmount', '当前余额', 1);
-- ---- end of the money reports' print templates ----------------------------------------

-- Posting at any size. A product's opening row is found without walking its ledger (a
-- purchase reads it for every line), and a product looked up by its exact name or code among
-- the shop's own (or the online) products uses the name or the code, not the IsLocal flag that
-- half the catalogue shares.
CREATE INDEX IX_Stocks_Opening ON Stocks(ProductID, IsSystem) WHERE IsSystem=1;
CREATE INDEX IX_Products_NameLocal ON Products(ProductName, IsLocal);
CREATE INDEX IX_Products_CodeLocal ON Products(ProductCode, IsLocal);
