// Windows: once the program has restricted the library search, a DLL that
// something loads by a bare name no longer comes from the current folder.

#include <windows.h>

#include <QTemporaryDir>
#include <QtTest>

#include "platform/Platform.h"

using namespace cindrel;

class TstLibrarySearch : public QObject {
    Q_OBJECT

private slots:
    void theCurrentFolderIsNotSearched()
    {
        // A DLL of a name no system has, in a folder that becomes current.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(QFile::copy(QStringLiteral(CINDREL_PLANTED_DLL),
                            folder.filePath(QStringLiteral("cindrel-planted.dll"))));
        QVERIFY(QDir::setCurrent(folder.path()));
        // Found there before, as Windows searches the current folder by default.
        HMODULE planted = LoadLibraryW(L"cindrel-planted.dll");
        QVERIFY(planted);
        FreeLibrary(planted);
        restrictLibrarySearch();
        QVERIFY(!LoadLibraryW(L"cindrel-planted.dll"));
        QCOMPARE(GetLastError(), DWORD(ERROR_MOD_NOT_FOUND));
        QVERIFY(QDir::setCurrent(QCoreApplication::applicationDirPath()));
    }
};

QTEST_GUILESS_MAIN(TstLibrarySearch)
#include "tst_librarysearch.moc"
