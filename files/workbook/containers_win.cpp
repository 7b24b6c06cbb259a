// The workbook containers on Windows: the system's own structured storage (ole32) for the
// compound file, and minizip (built with zlib) to read a zip package back.
#include <minizip/unzip.h>
// After unzip.h, which brings the zlib types it builds on.
#include <minizip/iowin32.h>
#include <objbase.h>
#include <windows.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "files/workbook/containers.h"

namespace korvel {

namespace {

// Releases a COM interface when it goes out of scope.
template <typename T>
struct Released {
    T* p = nullptr;
    ~Released() {
        if (p) {
            p->Release();
        }
    }
};

// The system's text for an HRESULT, e.g. "There is not enough space on the disk."
QString systemMessage(HRESULT hr) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    QString message = n ? QString::fromWCharArray(text, static_cast<int>(n)).trimmed()
                        : QStringLiteral("Structured storage error 0x%1")
                              .arg(static_cast<quint32>(hr), 8, 16, QLatin1Char('0'));
    LocalFree(text);
    return message;
}

}  // namespace

// The compound file is built in a private temporary folder and its bytes read back; the
// caller writes them where they belong. Not on an in-memory ILockBytes: Wine's ole32 fills
// the directory entries it does not use from an uninitialised buffer there (the process's
// environment strings), which readers such as xlrd reject, while a file's unused entries
// stay zero as the format asks.
WorkbookFile compoundFileWithWorkbook(const QByteArray& stream) {
    WorkbookFile file;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        file.error = dir.errorString();
        return file;
    }
    const QString path = dir.filePath(QStringLiteral("book.xls"));
    const std::wstring nativePath = QDir::toNativeSeparators(path).toStdWString();
    Released<IStorage> storage;
    Released<IStream> workbook;
    constexpr DWORD kMode = STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
    HRESULT hr = StgCreateDocfile(nativePath.c_str(), kMode, 0, &storage.p);
    if (SUCCEEDED(hr)) {
        hr = storage.p->CreateStream(L"Workbook", kMode, 0, 0, &workbook.p);
    }
    ULONG written = 0;
    if (SUCCEEDED(hr)) {
        hr = workbook.p->Write(stream.constData(), static_cast<ULONG>(stream.size()), &written);
    }
    if (SUCCEEDED(hr) && written != static_cast<ULONG>(stream.size())) {
        hr = STG_E_MEDIUMFULL;
    }
    if (SUCCEEDED(hr)) {
        workbook.p->Release();
        workbook.p = nullptr;
        hr = storage.p->Commit(STGC_DEFAULT);
    }
    if (storage.p) {
        storage.p->Release();  // closes the file
        storage.p = nullptr;
    }
    if (FAILED(hr)) {
        file.error = systemMessage(hr);
        return file;
    }
    QFile book(path);
    if (!book.open(QIODevice::ReadOnly)) {
        file.error = book.errorString();
        return file;
    }
    file.bytes = book.readAll();
    return file;
}

// minizip's Windows file functions take the path as UTF-16, so any name opens.
std::optional<QByteArray> zipEntry(const QString& zipPath, const char* entryPath) {
    zlib_filefunc64_def io;
    fill_win32_filefunc64W(&io);
    const std::wstring path = QDir::toNativeSeparators(zipPath).toStdWString();
    unzFile zip = unzOpen2_64(path.c_str(), &io);
    if (zip == nullptr) {
        return std::nullopt;
    }
    std::optional<QByteArray> bytes;
    unz_file_info64 info{};
    if (unzLocateFile(zip, entryPath, 1) == UNZ_OK &&
        unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) == UNZ_OK &&
        unzOpenCurrentFile(zip) == UNZ_OK) {
        QByteArray data(static_cast<qsizetype>(info.uncompressed_size), '\0');
        const int n = unzReadCurrentFile(zip, data.data(), static_cast<unsigned>(data.size()));
        if (unzCloseCurrentFile(zip) == UNZ_OK && n == data.size()) {
            bytes = data;
        }
    }
    unzClose(zip);
    return bytes;
}

}  // namespace korvel
