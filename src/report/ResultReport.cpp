#include "ResultReport.h"

#include <QCoreApplication>

#include "Identity.h"
#include "report/ScaleGeometry.h"

namespace cindrel {

ResultReport buildResultReport(const modNicotineDependancy &test, const QDateTime &takenAt,
                               const QLocale &locale)
{
    ResultReport r;
    r.title = QCoreApplication::translate("ResultReport", "Nicotine Dependency Test Result");
    r.program = QCoreApplication::translate("ResultReport", "%1 version %2")
                    .arg(applicationTitle(), applicationVersion());
    // The time in the locale's short form, to the minute: some locales (C
    // among them) put seconds into it, which a report does not need.
    QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    timeFormat.remove(QStringLiteral(":ss"));
    r.takenAt = QCoreApplication::translate("ResultReport", "Test taken on %1 at %2")
                    .arg(locale.toString(takenAt.date(), QLocale::LongFormat),
                         locale.toString(takenAt.time(), timeFormat));
    r.details = {{
        {QCoreApplication::translate("ResultReport", "Name:"), test.TakerName},
        {QCoreApplication::translate("ResultReport", "Age:"), locale.toString(test.TakerAge)},
        {QCoreApplication::translate("ResultReport", "Sex:"), questionBankText(test.TakerSex)},
    }};
    r.questionHeading = QCoreApplication::translate("ResultReport", "Question");
    r.answerHeading = QCoreApplication::translate("ResultReport", "Your answer");
    r.pointsHeading = QCoreApplication::translate("ResultReport", "Points");
    for (int k = 1; k <= kQuestionCount; ++k) {
        ReportRow &row = r.rows[k - 1];
        row.question = questionBankText(questionText(k));
        row.answer = questionBankText(test.answers()[k - 1]);
        row.points = pointsFor(k, test.answers()[k - 1]);
    }
    r.totalHeading = QCoreApplication::translate("ResultReport", "Total score");
    r.score = test.TotalScore;
    r.total = QCoreApplication::translate("ResultReport", "%1 of %2")
                  .arg(locale.toString(test.TotalScore), locale.toString(kMaxScore));
    // Like the score, worked out from the English answers, so the same
    // choices give the same index and band in every language.
    const int index = heavinessIndex(test.answers());
    //: The line under the total score; %1 is the index (0 to %2), %3 its band: "low", "medium" or "high".
    //: "Heaviness of Smoking Index" is the name of a clinical measure, HSI its abbreviation.
    r.heavinessLine = QCoreApplication::translate(
                          "ResultReport", "Heaviness of Smoking Index (HSI), questions 1 and 2: %1 of %2, %3")
                          .arg(locale.toString(index), locale.toString(kMaxHeavinessIndex),
                               QCoreApplication::translate("ResultReport", heavinessBand(index)));
    r.verdictHeading = QCoreApplication::translate("ResultReport", "Your Level of Nicotine Dependency is:");
    r.verdict = questionBankText(test.DependencyLevel);
    r.closingNote = decisionNote();
    // Published cut-offs differ from source to source, so the small print
    // gives the bands used here with their values.
    QStringList bands;
    for (const HeavinessBandRow &band : kHeavinessBands)
        //: A band of the index with its values in the small print, "2–4 medium": %1 to %2, band %3;
        //: a word joiner after the dash and a no-break space keep it on one line.
        bands << QCoreApplication::translate("ResultReport", "%1\u2013\u2060%2\u00a0%3")
                     .arg(locale.toString(band.first), locale.toString(band.last),
                          QCoreApplication::translate("ResultReport", band.name));
    //: The source of the index and its bands, in the report's small print; the citation stays as it is.
    //: %1 lists the bands with their values: "0–1 low, 2–4 medium, 5–6 high".
    r.heavinessSource = QCoreApplication::translate(
                            "ResultReport", "Heaviness of Smoking Index (HSI): Heatherton et al., Br J "
                                            "Addict 1989. Bands from the NIDA Data Share instrument page: %1.")
                            .arg(bands.join(QStringLiteral(", ")));
    r.documentName = QCoreApplication::translate("ResultReport", "%1 result %2")
                         .arg(applicationTitle(), takenAt.date().toString(Qt::ISODate));
    return r;
}

QString decisionNote()
{
    return QCoreApplication::translate(
        "ResultReport", "The decision to quit nicotine smoking has to be yours. This test can only "
                        "act as a guideline in letting you understand your level of dependency.");
}

} // namespace cindrel
