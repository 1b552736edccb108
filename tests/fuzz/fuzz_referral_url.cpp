// Fuzzes the referral URL builder with arbitrary values: five values split at
// NUL bytes, read as UTF-8. The URL must be plain ASCII, carry exactly the
// parameters page, taf1 to taf6 in that order, and decode back to exactly the
// values entered.

#include <QString>
#include <QUrl>
#include <cstdint>
#include <cstdlib>

#include "farewell/ReferralFields.h"
#include "links/SitePages.h"

using namespace cindrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray parts[5];
    std::size_t v = 0;
    for (std::size_t i = 0; i < size && v < 5; ++i) {
        if (data[i] == 0)
            ++v;
        else
            parts[v].append(static_cast<char>(data[i]));
    }
    QString values[5];
    modTellAFriend referral;
    for (int i = 0; i < 5; ++i) {
        values[i] = QString::fromUtf8(parts[i]);
        referral.*kReferralFields[size_t(i)].value = values[i];
    }

    const QString url = buildReferralUrl(referral);

    for (QChar c : url)
        if (c.unicode() < 0x21 || c.unicode() > 0x7e)
            std::abort(); // nothing raw: no blank, control or non-ASCII character

    const QString prefix = pageUrl(SitePage::refer_a_friend) + QLatin1Char('&');
    if (!url.startsWith(prefix))
        std::abort();

    const QUrl parsed = QUrl::fromEncoded(url.toLatin1(), QUrl::StrictMode);
    if (!parsed.isValid() || parsed.hasFragment())
        std::abort();

    // Decode the query byte by byte as a page script does ("+" is a blank
    // there), rather than through QUrl, which alters noncharacters.
    const QByteArray query = url.toLatin1().mid(url.indexOf(QLatin1Char('?')) + 1);
    const QList<QByteArray> pairs = query.split('&');
    const char *keys[] = {"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
    if (pairs.size() != 7)
        std::abort();
    QByteArray decoded[7];
    for (int i = 0; i < 7; ++i) {
        const qsizetype eq = pairs[i].indexOf('=');
        if (eq < 0 || pairs[i].left(eq) != keys[i])
            std::abort();
        QByteArray raw = pairs[i].mid(eq + 1);
        raw.replace('+', ' ');
        decoded[i] = QByteArray::fromPercentEncoding(raw);
    }
    if (decoded[0] != "qxvl-refer-a-friend" || decoded[6] != siteUrl().toUtf8())
        std::abort();
    for (int i = 0; i < 5; ++i)
        if (decoded[i + 1] != values[i].toUtf8())
            std::abort();
    return 0;
}
