// CProductsBLL: product pictures (the small one in Products.MinPicture, the large one in
// ProductPictures, one row per product name). The pictures are read from files in the
// program directory; this service never writes a file.
#include <climits>
#include <vector>

#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"
#include "platform/CFile.h"

using namespace shopbiz;

namespace {

// The whole file, or false (logged with the path) when it cannot be opened or read to its end.
bool ReadWholeFile(const CString& path, std::vector<unsigned char>& bytes) {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeBinary)) {
        LogLine(Fmt(L"图片文件无法打开:%s", path));
        return false;
    }
    const unsigned long long length = file.GetLength();
    if (length > static_cast<unsigned long long>(INT_MAX)) {
        LogLine(Fmt(L"图片文件太大:%s", path));
        return false;
    }
    bytes.resize(static_cast<size_t>(length));
    if (file.Read(bytes.data(), static_cast<unsigned>(length)) != length) {
        LogLine(Fmt(L"图片文件读取失败:%s", path));
        return false;
    }
    return true;
}

// Runs the statement with the bytes bound as a blob to its one parameter.
void RunWithBlob(CppSQLite3DB& db, const wchar_t* sql, const std::vector<unsigned char>& bytes) {
    CppSQLite3Statement statement = db.compileStatement(sql);
    statement.bind(1, bytes.data(), static_cast<int>(bytes.size()));
    statement.execDML();
    statement.finalize();
}

// 1 when the file was read and the statement ran; 0 when the file cannot be read.
int StorePictureFile(CppSQLite3DB& db, const wchar_t* sql, const CString& path) {
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(path, bytes)) return 0;
    RunWithBlob(db, sql, bytes);
    return 1;
}

}  // namespace

int CProductsBLL::InsertProductPicture(CppSQLite3DB& db, CString ProductName, CString fileName) {
    ServiceLock lock;
    if (fileName.IsEmpty()) return DeleteProductPicture(db, ProductName);
    const CString largeName = fileName;
    CString smallName = fileName;
    smallName.Replace(L"Max", L"Min");

    CppSQLite3Query product = GetProductByName(db, ProductName);
    if (product.eof()) return 0;
    const int productID = product.getIntField(L"ProductID");
    const CString productCode = product.getStringField(L"ProductCode");
    const CString searchCode = product.getStringField(L"SearchCode");
    product.finalize();

    CString directory;
    CSysBLL().GetCurrentDirectoryW(directory);
    const QuotedSlot name = Quoted(ProductName);
    return Guard(LogFailedStatement(), 0, [&] {
        // Each picture stands alone: a large one that cannot be read still lets the small one in.
        StorePictureFile(
            db,
            Sql(L"REPLACE into ProductPictures(ProductID,ProductName,ProductCode,SearchCode,"
                L"PictureMaxName,PictureMinName,Picture)\t\tvalues (%d,'%s','%s','%s','%s','%s',?)",
                productID, name, Quoted(productCode), Quoted(searchCode), Quoted(largeName), Quoted(smallName)),
            directory + largeName);
        StorePictureFile(db, Sql(L"Update Products set MinPicture=? where ProductName='%s'", name),
                         directory + smallName);
        return 1;
    });
}

int CProductsBLL::InsertPictureToDataBase(CppSQLite3DB& db, CString sql, CString path) {
    ServiceLock lock;
    // The statement is the caller's own, as for CSysBLL::ExecSQL; the component still runs
    // one statement only.
    return StorePictureFile(db, sql, path);
}

CppSQLite3Query CProductsBLL::GetProductPicture(CppSQLite3DB& db, CString ProductName) {
    ServiceLock lock;
    return Guard(LogFailedStatement(), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(L"Select * from ProductPictures where ProductName='%s'", Quoted(ProductName)));
    });
}

int CProductsBLL::DeleteProductPicture(CppSQLite3DB& db, CString ProductName) {
    ServiceLock lock;
    const QuotedSlot name = Quoted(ProductName);
    return Guard(LogFailedStatement(), 0, [&] {
        db.execDML(Sql(L"Update Products set MinPicture='' where ProductName='%s'", name));
        db.execDML(Sql(L"delete from ProductPictures where ProductName='%s'", name));
        return 1;
    });
}
