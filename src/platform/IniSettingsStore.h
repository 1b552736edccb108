#pragma once
// The SettingsStore seam on the per-user settings file.

#include <QString>

#include "platform/Seams.h"

namespace cindrel {

/// The per-user settings file, $XDG_CONFIG_HOME/Cindrel/Cindrel.conf, in
/// the INI form QSettings writes ("[Settings]" then "LastReminderDate=...").
/// A key is "group/name". The file is read only when it is a regular file
/// (never a FIFO or a device, which could block or never end), and written
/// only when it is absent or empty or reads as the program's own settings
/// (see SettingsFile.h); then only the value changes and every other byte
/// stays. A symbolic link to such a file keeps pointing at it. Anything
/// else is left exactly as it is: read gives nothing and write fails. Each
/// such failure is logged in cindrel.settings, naming the file and why.
class IniSettingsStore : public SettingsStore {
public:
    /// path empty: the per-user settings file.
    explicit IniSettingsStore(QString path = {});
    QString read(const QString &key) override;
    bool write(const QString &key, const QString &value) override;
    QString path() const { return path_; }

private:
    QString path_;
    QString leftAloneWhy_;
};

} // namespace cindrel
