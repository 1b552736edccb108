#include "SupportMessages.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

#include "links/SitePages.h"

namespace cindrel {

namespace {

constexpr int kParagraphSpaces = 61;

constexpr const char *kSupportMessages[] = {
    //: A support message of the farewell window; %1 is the forum's web address.
    QT_TRANSLATE_NOOP("cindrel::SupportMessages",
                      "Velmor Softwares like this one can be created and maintained only "
                      "with your support. The best way to support us is to visit our "
                      "forum at %1 regularly and take part in the discussions and other "
                      "activities there."),
    //: A support message of the farewell window; %1 is the forum's web address.
    QT_TRANSLATE_NOOP("cindrel::SupportMessages",
                      "Please visit our forum at %1 regularly and support it by taking "
                      "part in its discussions and other activities. This software cannot "
                      "be supported and maintained without your regular visits."),
    //: A support message of the farewell window; %1 is the forum's web address.
    QT_TRANSLATE_NOOP("cindrel::SupportMessages",
                      "%1 is a \"FREE\" online discussion forum on smoking, quitting and "
                      "healthy living. To help us develop and maintain this software, "
                      "please visit it regularly."),
    //: A support message of the farewell window; %1 is the forum's web address.
    QT_TRANSLATE_NOOP("cindrel::SupportMessages",
                      "Our forum at %1 needs your help. All you have to do is visit it "
                      "regularly and take part in its discussions and activities, to help "
                      "us maintain and develop more Velmor Softwares."),
};
static_assert(std::size(kSupportMessages) == kSupportMessageCount, "one text per support message");

} // namespace

int supportMessageIndex(float r)
{
    // Compare before converting: a huge or NaN draw must not reach the
    // float-to-int conversion, whose result would be undefined.
    const double scaled = static_cast<double>(r) * kSupportMessageCount;
    return scaled >= 0.0 ? static_cast<int>(std::min(scaled, kSupportMessageCount - 1.0)) : 0;
}

QString supportMessage(int index)
{
    const char *message = kSupportMessages[std::clamp(index, 0, kSupportMessageCount - 1)];
    return QCoreApplication::translate("cindrel::SupportMessages", message).arg(forumAddress());
}

QString visitForumCaption()
{
    //: The caption of the check box that opens the forum; %1 is the forum's web address.
    return QCoreApplication::translate("cindrel::SupportMessages", "Click here to visit our forum at %1 now")
        .arg(forumAddress());
}

QString promotionalText()
{
    // The paragraphs are translated one by one, so the run of spaces between
    // them stays the program's own.
    //: The first paragraph of the promotion panel of the farewell window.
    return QCoreApplication::translate(
               "cindrel::SupportMessages",
               "If you have enjoyed this software you will surely be interested in our other Velmor "
               "Softwares. From a single software, we have now grown to become the world’s largest "
               "resource of velmor softwares. Be it astrology, psychic, tarot, numerology or occult, we "
               "have programs in all fields thus giving our users a wide choice depending on their "
               "interests.")
           + QString(kParagraphSpaces, QLatin1Char(' '))
           //: The second paragraph of the promotion panel; keep the space at its end.
           + QCoreApplication::translate(
               "cindrel::SupportMessages",
               "All the programs in the Velmor Softwares suite are simple and easy to use. They are not "
               "only fun to use but also very informative. Try them out today and share your experience "
               "with your friends and family. ");
}

QString promotionalTextForDisplay()
{
    QString text = promotionalText();
    text.replace(QString(kParagraphSpaces, QLatin1Char(' ')), QStringLiteral("\n"));
    return text;
}

} // namespace cindrel
