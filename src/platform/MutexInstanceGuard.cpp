#include "MutexInstanceGuard.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include "Identity.h"
#include "LogCategories.h"

namespace cindrel {

namespace {
QString sidText(PSID sid)
{
    QString text;
    wchar_t *chars = nullptr;
    if (sid && ConvertSidToStringSidW(sid, &chars)) {
        text = QString::fromWCharArray(chars);
        LocalFree(chars);
    }
    return text;
}

/// The string form (S-1-...) of this process's user (TokenUser) or of its
/// integrity level (TokenIntegrityLevel), or an empty string when the
/// system does not tell. Both answers start with the SID and its attributes.
QString tokenSid(TOKEN_INFORMATION_CLASS what)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, what, nullptr, 0, &size);
    QByteArray buffer(qsizetype(size), '\0');
    QString sid;
    if (size >= sizeof(SID_AND_ATTRIBUTES) && GetTokenInformation(token, what, buffer.data(), size, &size))
        sid = sidText(reinterpret_cast<const SID_AND_ATTRIBUTES *>(buffer.constData())->Sid);
    CloseHandle(token);
    return sid;
}

/// The level of an integrity label SID (S-1-16-<level>).
DWORD levelOf(const QString &labelSid)
{
    return labelSid.section(QLatin1Char('-'), -1).toULong();
}

/// Why the mutex, made before this copy asked for it, is not one this
/// user's copy made: its owner is someone else, or its integrity label is
/// lower than this process's (an object without a label counts as medium).
/// Empty when it is this user's, at this level or higher.
QString whyForeign(HANDLE mutex, const QString &userSid, const QString &levelSid)
{
    PSID owner = nullptr;
    PACL labels = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD error = GetSecurityInfo(mutex, SE_KERNEL_OBJECT,
                                        OWNER_SECURITY_INFORMATION | LABEL_SECURITY_INFORMATION, &owner,
                                        nullptr, nullptr, &labels, &descriptor);
    if (error != ERROR_SUCCESS)
        return QStringLiteral("its owner cannot be read: ") + qt_error_string(static_cast<int>(error));
    QString why;
    const QString ownerSid = sidText(owner);
    DWORD level = SECURITY_MANDATORY_MEDIUM_RID;
    for (DWORD i = 0; labels && i < labels->AceCount; ++i) {
        ACE_HEADER *ace = nullptr;
        if (GetAce(labels, i, reinterpret_cast<void **>(&ace))
            && ace->AceType == SYSTEM_MANDATORY_LABEL_ACE_TYPE)
            level = levelOf(sidText(&reinterpret_cast<SYSTEM_MANDATORY_LABEL_ACE *>(ace)->SidStart));
    }
    if (ownerSid != userSid)
        why = QStringLiteral("it belongs to %1, not to this user").arg(ownerSid);
    else if (level < levelOf(levelSid))
        why = QStringLiteral("it was made at integrity level %1, below this process's %2")
                  .arg(level)
                  .arg(levelOf(levelSid));
    LocalFree(descriptor);
    return why;
}
} // namespace

MutexInstanceGuard::MutexInstanceGuard(QString name) : name_(std::move(name)), userSid_(tokenSid(TokenUser))
{
    // Local\ keeps the mutex to this logon session and the SID to this user,
    // so neither another session nor another user's copy can refuse a start.
    if (name_.isEmpty())
        name_ = QStringLiteral("Local\\") + applicationTitle() + QLatin1Char('-')
                + (userSid_.isEmpty() ? QStringLiteral("unknown-user") : userSid_);
}

MutexInstanceGuard::~MutexInstanceGuard()
{
    release();
}

bool MutexInstanceGuard::anotherCopyRunning()
{
    if (handle_)
        return false;
    const auto notTaken = [this](const QString &why) {
        qCWarning(lcLock).noquote().nospace()
            << "Single-instance mutex " << name_ << " not taken, so a second copy could start: " << why;
        return false;
    };
    const QString levelSid = tokenSid(TokenIntegrityLevel);
    if (userSid_.isEmpty() || levelSid.isEmpty())
        return notTaken(QStringLiteral("the system does not tell this process's user or integrity level"));
    // Owned by this user, open to this user alone, labelled with this
    // process's integrity level: a copy that finds it can tell it from an
    // object someone else made first under the same name. The label denies
    // reading, writing and waiting on it (NR, NW, NX) to any lower level,
    // so that a sandboxed process of the user cannot open the mutex and
    // keep it alive after the program ends, refusing every later start.
    const QString sddl = QStringLiteral("O:%1D:P(A;;GA;;;%1)S:(ML;;NWNRNX;;;%2)").arg(userSid_, levelSid);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.toStdWString().c_str(), SDDL_REVISION_1,
                                                              &descriptor, nullptr))
        return notTaken(QStringLiteral("its security descriptor cannot be made: ")
                        + qt_error_string(static_cast<int>(GetLastError())));
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    // Only the rights to hold it and to read its owner and label. A copy at
    // a lower level than the one that made it (an elevated copy) is denied
    // even those, and starts without the guard.
    HANDLE mutex = CreateMutexExW(&attributes, name_.toStdWString().c_str(), 0, SYNCHRONIZE | READ_CONTROL);
    const DWORD error = GetLastError();
    LocalFree(descriptor);
    if (!mutex) {
        return notTaken(error == ERROR_ACCESS_DENIED
                            ? QStringLiteral("an object of that name that this user may not open is there")
                            : qt_error_string(static_cast<int>(error)));
    }
    if (error == ERROR_ALREADY_EXISTS) {
        const QString foreign = whyForeign(mutex, userSid_, levelSid);
        CloseHandle(mutex);
        if (!foreign.isEmpty())
            return notTaken(QStringLiteral("an object of that name is there, but ") + foreign);
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
