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
-- Master data
-- ======================================================================================

CREATE TABLE Products (
    ProductID       INTEGER PRIMARY KEY AUTOINCREMENT,
    ServerID        INTEGER NOT NULL DEFAULT 0
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
    IsSystem        INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE PurBills (
    PurID           INTEGER PRIMARY KEY AUTOINCREMENT,
    IsSystem        INTEGER NOT NULL DEFAULT 0
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

CREATE TABLE SystemInfo (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    CompanyName     TEXT NOT NULL DEFAULT '',
    Industry        TEXT NOT NULL DEFAULT ''
);

-- ======================================================================================
-- Rows a new shop database holds
-- ======================================================================================

INSERT INTO SystemInfo (CompanyName, Industry) VALUES ('', '');
