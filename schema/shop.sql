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

CREATE TABLE Products (
    ProductID       INTEGER PRIMARY KEY AUTOINCREMENT,
    ServerID        INTEGER NOT NULL DEFAULT 0,
    IsLocal         INTEGER NOT NULL DEFAULT 1      -- 1 the shop's own, 0 from the online catalogue
);

CREATE TABLE Companies (
    CompanyID       INTEGER PRIMARY KEY AUTOINCREMENT,
    CompanyType     INTEGER NOT NULL DEFAULT 1,
    IsSystem        INTEGER NOT NULL DEFAULT 0
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

CREATE TABLE SaleBills (
    SaleID          INTEGER PRIMARY KEY AUTOINCREMENT,
    BillType        INTEGER NOT NULL DEFAULT 1,     -- 0 virtual, 1 sale, 2 return, 3 online order, 4 online refund
    DiscountRate    REAL NOT NULL DEFAULT 1,        -- 1 = no discount
    IsSystem        INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE PurBills (
    PurID           INTEGER PRIMARY KEY AUTOINCREMENT,
    BillType        INTEGER NOT NULL DEFAULT 1,
    DiscountRate    REAL NOT NULL DEFAULT 1,
    IsSystem        INTEGER NOT NULL DEFAULT 0
);

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
-- System administration
-- ======================================================================================

CREATE TABLE User (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT
);

CREATE TABLE UserResource (
    UserName        TEXT,
    ResCode         TEXT
);

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
