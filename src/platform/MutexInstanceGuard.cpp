#include "MutexInstanceGuard.h"

#include <windows.h>

#include <sddl.h>

#include "Identity.h"
#include "LogCategories.h"

namespace cindrel {

namespace {
/// The string form (S-1-5-21-...) of the user this process runs as, or an
/// empty string when the system does not tell.
QString currentUserSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    QString sid;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray buffer(qsizetype(size), '\0');
    if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        const auto *user = reinterpret_cast<const TOKEN_USER *>(buffer.constData());
        wchar_t *text = nullptr;
        if (ConvertSidToStringSidW(user->User.Sid, &text)) {
            sid = QString::fromWCharArray(text);
            LocalFree(text);
        }
    }
    CloseHandle(token);
    return sid;
}
} // namespace

MutexInstanceGuard::MutexInstanceGuard(QString name) : name_(std::move(name))
{
    // Local\ keeps the mutex to this logon session and the SID to this user,
    // so neither another session nor another user's copy can refuse a start.
    if (name_.isEmpty()) {
        QString sid = currentUserSid();
        if (sid.isEmpty())
            sid = QStringLiteral("unknown-user");
        name_ = QStringLiteral("Local\\") + applicationTitle() + QLatin1Char('-') + sid;
    }
}

MutexInstanceGuard::~MutexInstanceGuard()
{
    release();
}

bool MutexInstanceGuard::anotherCopyRunning()
{
    if (handle_)
        return false;
    HANDLE mutex = CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t *>(name_.utf16()));
    const DWORD error = GetLastError();
    if (!mutex) {
        qCWarning(lcLock).noquote().nospace()
            << "Single-instance mutex " << name_ << " not taken: " << qt_error_string(static_cast<int>(error));
        return false;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        qCDebug(lcLock).noquote() << "Single-instance mutex" << name_ << "is held by another copy";
        return true;
    }
    handle_ = mutex;
    qCDebug(lcLock).noquote() << "Holding the single-instance mutex" << name_;
    return false;
}

void MutexInstanceGuard::release()
{
    if (!handle_)
        return;
    CloseHandle(handle_);
    handle_ = nullptr;
}

} // namespace cindrel
