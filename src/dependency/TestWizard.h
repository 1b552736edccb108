#pragma once
// The rules of the main window's three-step test wizard that need no window:
// the sex list, the personal-details checks and the name's trimming, the age
// box's keys, and the wizard's messages.

#include <QCoreApplication>
#include <optional>

#include "modNicotineDependancy.h"

namespace cindrel {

/// Smallest and largest age accepted by the personal-details check.
inline constexpr int kMinAge = 1;
inline constexpr int kMaxAge = 150;

/// The most characters the name and age boxes hold. Bounds keep the window
/// responsive whatever is pasted; no real name is longer, and an age text
/// this long is refused at the start anyway (see parseAge).
inline constexpr int kMaxTakerNameLength = 200;
inline constexpr int kMaxAgeTextLength = 16;

/// The text without its leading and trailing spaces (code 32), as the test
/// taker's name, and the referral values too, are trimmed. Tabs and line breaks
/// stay: QString::trimmed() would take every kind of white space, so it
/// does not do here.
inline QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ')
        ++first;
    while (end > first && text.at(end - 1) == u' ')
        --end;
    return text.mid(first, end - first);
}

/// The age held by text when it is digits only (leading zeros allowed) and
/// lies between kMinAge and kMaxAge; nothing otherwise. Never overflows,
/// whatever the number of digits.
std::optional<std::int16_t> parseAge(const QString &text);

/// What is wrong with the personal details: the message to show and the box
/// the focus goes back to.
struct DetailsProblem {
    enum Box { txtName, txtAge };
    Box box;
    QString message;
};

class TestWizard {
    Q_DECLARE_TR_FUNCTIONS(cindrel::TestWizard)
public:
    /// The entries of the sex list, in English; shown through the question
    /// bank's translations and kept in English like the answers.
    static QStringList sexes();
    /// The age box's key rule, given the typed character's code: digits and
    /// Backspace (8) reach the box, anything else is refused.
    static bool isAgeKey(int keyAscii) { return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == 8; }
    /// The check when the test starts: a name, then an age, then an age from
    /// kMinAge to kMaxAge in digits (text pasted into the box bypasses the
    /// key rule). Nothing when both are fine.
    static std::optional<DetailsProblem> checkPersonalDetails(const QString &name, const QString &age);

    static QString onlyNumbersMessage() { return tr("Only numbers are accepted"); }
    static QString ageRangeMessage();
    static QString nameTooLongMessage();
    /// "Question k of 6".
    //: The question counter; %1 is the number of the question shown, %2 the number of questions.
    static QString questionCounter(int k) { return tr("Question %1 of %2").arg(k).arg(kQuestionCount); }
};

} // namespace cindrel
