#pragma once
// The three-step test wizard of the main window: personal details, six
// questions one at a time, and the result.

#include <QCoreApplication>
#include <optional>

#include "WizardView.h"
#include "farewell/ReferralFields.h"
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

/// The age held by text when it is digits only (leading zeros allowed) and
/// lies between kMinAge and kMaxAge; nothing otherwise. Never overflows,
/// whatever the number of digits.
std::optional<std::int16_t> parseAge(const QString &text);

class TestWizard {
    Q_DECLARE_TR_FUNCTIONS(cindrel::TestWizard)
public:
    TestWizard(modNicotineDependancy &state, WizardView &view);

    /// Load of the main window: fills the sex list and shows the first step.
    void Load();
    /// Key filter of the age box, given the typed character's code. Returns
    /// true when the character may reach the box; otherwise the character is
    /// swallowed and "Only numbers are accepted" is shown.
    bool AgeKeyFilter(int keyAscii);
    /// Click of the start button.
    void StartTest();
    /// Click of the next-question button.
    void NextQuestion();
    /// Click of the main-screen button.
    void MainScreen();
    /// Checks name and age; shows a message and moves the focus on failure.
    bool ValidatePersonalDetails();
    /// Text typed, pasted or dropped into the name or age box did not fit
    /// its bound, all or in part: says what the box takes.
    void TextTooLong(WizardControl box);

private:
    static QString ageRangeMessage();

    modNicotineDependancy &state_;
    WizardView &view_;
};

} // namespace cindrel
