#include "TestWizard.h"

namespace cindrel {

std::optional<std::int16_t> parseAge(const QString &text)
{
    // Digits only, counted by hand: QString::toShort() would also take a
    // sign ("+5"), and its 16 bits hold ages that are no age.
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > kMaxAge) // stop before any overflow
            return std::nullopt;
    }
    if (value < kMinAge)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

QStringList TestWizard::sexes()
{
    //: An entry of the sex list.
    const QString male = QStringLiteral(QT_TRANSLATE_NOOP("QuestionBank", "Male"));
    //: An entry of the sex list.
    const QString female = QStringLiteral(QT_TRANSLATE_NOOP("QuestionBank", "Female"));
    return {male, female};
}

std::optional<DetailsProblem> TestWizard::checkPersonalDetails(const QString &name, const QString &age)
{
    if (name.isEmpty())
        return DetailsProblem{DetailsProblem::txtName, tr("Please enter your name")};
    if (age.isEmpty())
        return DetailsProblem{DetailsProblem::txtAge, tr("Please enter your age")};
    if (!parseAge(age))
        return DetailsProblem{DetailsProblem::txtAge, ageRangeMessage()};
    return std::nullopt;
}

QString TestWizard::ageRangeMessage()
{
    //: %1 and %2 are the youngest and the oldest age accepted.
    return tr("Please enter your age in years, from %1 to %2").arg(kMinAge).arg(kMaxAge);
}

QString TestWizard::nameTooLongMessage()
{
    //: %1 is the number of characters the name box takes.
    return tr("Please enter a name of at most %1 characters").arg(kMaxTakerNameLength);
}

} // namespace cindrel
