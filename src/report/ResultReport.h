#pragma once
// What the printed or saved result says, as plain data built from the
// test's state and the moment it was scored: no widget, printer or file is
// needed to build it, so tests read it directly. src/ui/ReportPainter puts
// it on a page.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <array>
#include <utility>

#include "dependency/modNicotineDependancy.h"

namespace cindrel {

/// One question of the test with the answer given and its points.
struct ReportRow {
    QString question;
    QString answer;
    int points = 0;
};

struct ResultReport {
    /// "Nicotine Dependency Test Result".
    QString title;
    /// The program's name and version.
    QString program;
    /// The date and time the test was scored.
    QString takenAt;
    /// Heading and value of name, age and sex.
    std::array<std::pair<QString, QString>, 3> details;
    /// Column headings of the questions' table.
    QString questionHeading;
    QString answerHeading;
    QString pointsHeading;
    std::array<ReportRow, kQuestionCount> rows;
    /// "Total score" and, e.g., "7 of 10".
    QString totalHeading;
    QString total;
    /// "Heaviness of Smoking Index (questions 1 and 2): 5 of 6, high", the
    /// line under the total.
    QString heavinessLine;
    /// "Your Level of Nicotine Dependency is:" and the verdict.
    QString verdictHeading;
    QString verdict;
    /// The score the scale marks.
    int score = 0;
    /// The second information text of the first step.
    QString closingNote;
    /// The small print under it: where the index and its bands come from.
    QString heavinessSource;
    /// "Cindrel result 2026-12-07": the document's title and the base of
    /// the suggested file name.
    QString documentName;
};

/// The report of a scored test taken at `takenAt`; dates and numbers are
/// written for `locale`. An answer that matches none of its question's
/// choices scores 0, as in the scoring.
ResultReport buildResultReport(const modNicotineDependancy &test, const QDateTime &takenAt,
                               const QLocale &locale);

/// "The decision to quit nicotine smoking has to be yours. ...": the second
/// information text of the test's first step, with which the report closes.
QString decisionNote();

} // namespace cindrel
