// The reminder's day in the Windows registry: where it lands and in what
// form, and that a value the program did not write as its text is never
// changed.

#include <windows.h>

#include <QtTest>

#include "Identity.h"
#include "doubles/Doubles.h"
#include "doubles/LogCapture.h"
#include "links/UpdateReminder.h"
#include "platform/RegistrySettingsStore.h"

using namespace cindrel;
using namespace cindrel::testing;

namespace {
const wchar_t *wide(const QString &text)
{
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

/// The raw type and bytes of a value, or type REG_NONE when it is absent.
struct RawValue {
    DWORD type = REG_NONE;
    QByteArray bytes;
    bool operator==(const RawValue &other) const { return type == other.type && bytes == other.bytes; }
};
} // namespace

class TstRegistrySettings : public QObject {
    Q_OBJECT

    /// A key of its own per run, under the maker's, removed afterwards.
    QString keyPath_ = QStringLiteral("Software\\") + makerName() + QStringLiteral("\\CindrelTest-")
                       + QString::number(QCoreApplication::applicationPid());
    QString settingsKey() const { return keyPath_ + QStringLiteral("\\Settings"); }

    void put(DWORD type, const QByteArray &bytes)
    {
        HKEY key = nullptr;
        QCOMPARE(RegCreateKeyExW(HKEY_CURRENT_USER, wide(settingsKey()), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                 &key, nullptr),
                 ERROR_SUCCESS);
        QCOMPARE(RegSetValueExW(key, L"LastReminderDate", 0, type,
                                reinterpret_cast<const BYTE *>(bytes.constData()), DWORD(bytes.size())),
                 ERROR_SUCCESS);
        RegCloseKey(key);
    }

    RawValue get() const
    {
        RawValue value;
        DWORD size = 0;
        const auto read = [&](void *into) {
            return RegGetValueW(HKEY_CURRENT_USER, wide(settingsKey()), L"LastReminderDate",
                                RRF_RT_ANY | RRF_NOEXPAND, &value.type, into, &size);
        };
        if (read(nullptr) == ERROR_SUCCESS) {
            value.bytes.resize(size);
            if (read(value.bytes.data()) == ERROR_SUCCESS)
                value.bytes.resize(size);
        }
        return value;
    }

    static QByteArray text(const wchar_t *value, qsizetype chars)
    {
        return QByteArray(reinterpret_cast<const char *>(value), chars * qsizetype(sizeof(wchar_t)));
    }

    /// Runs the update reminder on the store on that day; true when it
    /// showed no box and opened no page.
    static bool remindsQuietly(RegistrySettingsStore &store, QDate day)
    {
        FixedClock clock;
        clock.date = day;
        RecordingMessageBoxes boxes;
        RecordingBrowser browser;
        ShowUpdateReminder(store, clock, boxes, browser);
        return boxes.boxes.empty() && browser.urls.empty();
    }

private slots:
    void cleanup() { RegDeleteTreeW(HKEY_CURRENT_USER, wide(keyPath_)); }

    void theDefaultKeyIsTheMakersAndTheProgramsName()
    {
        QCOMPARE(RegistrySettingsStore().keyPath(), QStringLiteral("Software\\Velmor Softwares\\Cindrel"));
    }

    /// No day stored yet, or an empty one: today is stored as text, quietly.
    void aStartWithoutADayStoresTodayAsText_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("no value") << QByteArray();
        QTest::newRow("an empty value") << text(L"", 1);
    }
    void aStartWithoutADayStoresTodayAsText()
    {
        QFETCH(QByteArray, before);
        if (!before.isNull())
            put(REG_SZ, before);
        RegistrySettingsStore store(keyPath_);
        QVERIFY(remindsQuietly(store, QDate(2027, 2, 3)));
        const RawValue stored = get();
        QCOMPARE(stored.type, DWORD(REG_SZ));
        QCOMPARE(stored.bytes, text(L"2027-02-03", 11));
        QCOMPARE(RegistrySettingsStore(keyPath_).read(kLastReminderDateKey), QStringLiteral("2027-02-03"));
    }

    void aValueWithoutItsTerminatorReadsAlike()
    {
        put(REG_SZ, text(L"2027-02-03", 10));
        QCOMPARE(RegistrySettingsStore(keyPath_).read(kLastReminderDateKey), QStringLiteral("2027-02-03"));
    }

    /// Values the program did not write: the reminder stays silent, says
    /// why in the log, and the value keeps its type and bytes. A value the
    /// store itself cannot take as its own text is not written over even
    /// when it is asked to.
    void hostileValuesAreLeftAsTheyAre_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("refusedByTheStore");
        const quint32 number = 20270203;
        QTest::newRow("number") << int(REG_DWORD) << QByteArray(reinterpret_cast<const char *>(&number), 4)
                                << true;
        QTest::newRow("binary") << int(REG_BINARY) << QByteArray("2027-02-03") << true;
        QTest::newRow("expandable") << int(REG_EXPAND_SZ) << text(L"%DATE%", 7) << true;
        QTest::newRow("list") << int(REG_MULTI_SZ) << text(L"2027-02-03\0\0", 12) << true;
        QTest::newRow("not a date") << int(REG_SZ) << text(L"tomorrow", 9) << false;
        QTest::newRow("a day in another form") << int(REG_SZ) << text(L"03.02.2027", 11) << false;
        // A day, then NULs up to 1 MiB: larger than the program ever writes.
        QTest::newRow("1 MiB") << int(REG_SZ) << text(L"2027-02-03", 10).leftJustified(1 << 20, '\0') << true;
        // Text with a NUL before its end, cut there, would read as empty or
        // as a day: not the program's.
        QTest::newRow("a NUL first") << int(REG_SZ) << text(L"\0junk", 6) << true;
        QTest::newRow("a day, a NUL, more") << int(REG_SZ) << text(L"2027-02-03\0junk", 16) << true;
        QTest::newRow("one byte") << int(REG_SZ) << QByteArray(1, '\0') << true;
    }
    void hostileValuesAreLeftAsTheyAre()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, refusedByTheStore);
        put(DWORD(type), bytes);
        const RawValue before = get();
        QCOMPARE(before.bytes, bytes);
        RegistrySettingsStore store(keyPath_);
        LogCapture log;
        QVERIFY(remindsQuietly(store, QDate(2027, 12, 24)));
        QVERIFY(get() == before);
        QVERIFY(!log.programLines().empty());
        QCOMPARE(log.programLines().front().category, QStringLiteral("cindrel.settings"));
        if (refusedByTheStore) {
            QVERIFY(!store.write(kLastReminderDateKey, QStringLiteral("2027-12-24")));
            QVERIFY(get() == before);
        }
    }
};

QTEST_GUILESS_MAIN(TstRegistrySettings)
#include "tst_registrysettings.moc"
