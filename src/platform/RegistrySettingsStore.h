#pragma once
// The SettingsStore seam on the Windows registry.

#include <QString>

#include "platform/Seams.h"

namespace cindrel {

/// The per-user settings under HKEY_CURRENT_USER\Software\<maker>\Cindrel:
/// a key "Settings/LastReminderDate" is the text value (REG_SZ)
/// LastReminderDate of the subkey Settings. A value of any other type
/// (a number, binary data, an expandable or multi-line string), one larger
/// than the settings file's cap, or one whose bytes are not one text with
/// at most its terminating NUL (an odd number of bytes, a NUL before the
/// end) is not one the program wrote: read gives nothing and write leaves
/// it exactly as it is. That, and a key that cannot be opened or written,
/// is logged in cindrel.settings, naming the key and why.
class RegistrySettingsStore : public SettingsStore {
public:
    /// keyPath empty: Software\<maker>\Cindrel.
    explicit RegistrySettingsStore(QString keyPath = {});
    QString read(const QString &key) override;
    bool write(const QString &key, const QString &value) override;
    QString keyPath() const { return keyPath_; }

private:
    /// Logs that the value is left alone and why (logLeftAlone).
    void leftAlone(const QString &where, const QString &why);

    QString keyPath_;
    QString leftAloneWhy_;
};

} // namespace cindrel
