#pragma once
// The texts the dependency test shows, kept as their English source together
// with what a window needs to show them in the user's language. The logic
// works on the English texts alone (answers are matched by them); only the
// window translates, at the moment it shows a text.

#include <string>
#include <string_view>
#include <vector>

/// Marks an English text for the translation tools and stands for the text
/// itself, so that this library needs no Qt header. lupdate reads it as
/// QT_TRANSLATE_NOOP (see the -tr-function-alias option in translations/).
#define CINDREL_TRANSLATE_NOOP(context, text) text

namespace cindrel {

/// A text to show: an English source, translated in its context by the
/// window that shows it, in which %1 to %9 stand for the arguments (phrases
/// themselves). A phrase without a context is shown as it stands: numbers,
/// line breaks.
struct Phrase {
    std::string context;
    std::string source;
    std::vector<Phrase> arguments;

    static Phrase translatable(std::string_view context, std::string_view source,
                               std::vector<Phrase> arguments = {});
    static Phrase literal(std::string_view text, std::vector<Phrase> arguments = {});

    /// The text as the program shows it in English.
    std::string english() const;
};

/// Replaces %1 to %9 in text by the values, in one pass: a value that itself
/// holds "%2" is not replaced again, and a marker without a value stays.
std::string substituteArguments(std::string_view text, const std::vector<std::string> &values);

} // namespace cindrel
