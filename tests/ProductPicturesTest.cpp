// Product pictures read from real files in the program directory (pointed at a temporary
// directory): the large picture into ProductPictures, the small one into Products.MinPicture.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "frame/ServiceFrame.h"
#include "support/RowText.h"
#include "support/ShopDbTest.h"

using shopbiz::Fmt;

namespace {

// An 8x8 and a 2x2 PNG image.
const std::string kLargePng(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x08\x00\x00\x00\x08\x08\x02\x00\x00"
    "\x00\x4b\x6d\x29\xdc\x00\x00\x00\x11\x49\x44\x41\x54\x78\xda\x63\x38\x21\x27\x87\x15\x31\x0c\x2d\x09\x00\x90\xbf"
    "\x41\x01\xcf\x70\xa1\x3c\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82",
    74);
const std::string kSmallPng(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x02\x00\x00\x00\x02\x08\x02\x00\x00"
    "\x00\xfd\xd4\x9a\x73\x00\x00\x00\x10\x49\x44\x41\x54\x78\xda\x63\x90\x93\x3b\x01\x44\x0c\x10\x0a\x00\x19\xd6\x04"
    "\x11\xa2\x11\xfd\x93\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82",
    73);

class ProductPictures : public ShopDbTest {
protected:
    void SetUp() override {
        ShopDbTest::SetUp();
        std::string pattern = ::testing::TempDir() + "shopbiz_pictures_XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern + "/";
        shopbiz::SetProgramDirectory(CString::FromUtf8(dir_).str());
        bool exists = false;
        CProductsBLL().AddProducts(db, L"画笔", L"P1", L"文具", L"支", L"0", L"1", L"2", L"2", L"", L"", false, L"",
                                   exists);
    }
    void TearDown() override {
        shopbiz::SetProgramDirectory(L"");
        std::filesystem::remove_all(dir_);
        ShopDbTest::TearDown();
    }
    void WriteFile(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ + name, std::ios::binary) << bytes;
    }
    std::string LargePicture() {
        CppSQLite3Query row = products.GetProductPicture(db, L"画笔");
        return row.eof() ? "none" : row.getBlobField(L"Picture");
    }
    std::string SmallPicture() {
        return db.execQuery(L"select MinPicture from Products where ProductName='画笔'").getBlobField(0);
    }
    CString Path(const char* name) { return CString::FromUtf8(dir_ + name); }

    CProductsBLL products;
    std::string dir_;
};

TEST_F(ProductPictures, BothPicturesAreReadFromTheProgramDirectoryAndReplaced) {
    WriteFile("笔Max.png", kLargePng);
    WriteFile("笔Min.png", kSmallPng);
    EXPECT_EQ(products.InsertProductPicture(db, L"画笔", L"笔Max.png"), 1);
    EXPECT_EQ(RowsOf(db,
                     L"select ProductID, ProductName, ProductCode, SearchCode, PictureMaxName, PictureMinName "
                     L"from ProductPictures"),
              L"1|画笔|P1|HB|笔Max.png|笔Min.png");
    EXPECT_EQ(LargePicture() + SmallPicture(), kLargePng + kSmallPng);

    WriteFile("新Max.png", kSmallPng);
    WriteFile("新Min.png", kLargePng);
    EXPECT_EQ(products.InsertProductPicture(db, L"画笔", L"新Max.png"), 1);
    EXPECT_EQ(RowsOf(db, L"select PictureMaxName from ProductPictures"), L"新Max.png");  // still one row
    EXPECT_EQ(LargePicture() + SmallPicture(), kSmallPng + kLargePng);
    EXPECT_TRUE(TakeLog().empty());

    EXPECT_EQ(products.InsertProductPicture(db, L"画笔", L""), 1);  // no file name: the pictures go
    EXPECT_EQ(LargePicture() + SmallPicture(), "none");
}

TEST_F(ProductPictures, AFileThatCannotBeReadLeavesItsPictureAndIsLogged) {
    WriteFile("笔Max.png", kLargePng);
    WriteFile("笔Min.png", kSmallPng);
    products.InsertProductPicture(db, L"画笔", L"笔Max.png");
    // The large file is missing and the small "file" is a directory.
    std::filesystem::create_directory(dir_ + "坏Min.png");
    EXPECT_EQ(products.InsertProductPicture(db, L"画笔", L"坏Max.png"), 1);
    EXPECT_EQ(LargePicture() + SmallPicture(), kLargePng + kSmallPng);
    EXPECT_EQ(TakeLog(), (std::vector<CString>{L"图片文件无法打开:" + Path("坏Max.png"),
                                               L"图片文件无法打开:" + Path("坏Min.png")}));
    // The small picture is read even when the large one is missing.
    WriteFile("半Min.png", kLargePng);
    EXPECT_EQ(products.InsertProductPicture(db, L"画笔", L"半Max.png"), 1);
    EXPECT_EQ(LargePicture() + SmallPicture(), kLargePng + kLargePng);
}

TEST_F(ProductPictures, UnknownProductsAndFailedStatementsStoreNothing) {
    WriteFile("笔Max.png", kLargePng);
    EXPECT_EQ(products.InsertProductPicture(db, L"钢笔", L"笔Max.png"), 0);
    EXPECT_EQ(products.InsertPictureToDataBase(db, L"update Products set MinPicture=?", Path("无.png")), 0);
    EXPECT_EQ(LargePicture() + SmallPicture(), "none");
    Exec(L"drop table ProductPictures");
    TakeLog();
    EXPECT_EQ(products.InsertProductPicture(db, L"画笔", L"笔Max.png") + products.DeleteProductPicture(db, L"画笔"), 0);
    EXPECT_TRUE(products.GetProductPicture(db, L"画笔").eof());
    const std::vector<CString> log = TakeLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].Find(L"Err:no such table: ProductPictures\r\nsql=REPLACE into ProductPictures"), 0) << log[0];
}

}  // namespace
