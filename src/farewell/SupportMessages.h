#pragma once
// The fixed texts of the farewell window: the four support messages, one of
// which is chosen at random, the forum check box's caption and the
// promotional text.

#include <QString>

namespace cindrel {

constexpr int kSupportMessageCount = 4;

/// The message index for a draw r in [0, 1): the integer part of r * 4.
/// Draws outside that range are clamped to 0..3, never past the last message.
int supportMessageIndex(float r);

/// The support message of an index 0..3, naming the forum's address; an
/// index out of range is clamped.
QString supportMessage(int index);

/// The caption of the check box that opens the forum's home page.
QString visitForumCaption();

/// The promotional text exactly as written: two paragraphs joined by a run
/// of 61 spaces that, in a wrapped label, pushes the second onto a new line.
QString promotionalText();

/// The promotional text as a label should render it: the run of spaces
/// between the paragraphs becomes a line break, since a toolkit label may
/// wrap or collapse the spaces and leave the paragraphs run together.
QString promotionalTextForDisplay();

} // namespace cindrel
