#include "ReportPainter.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "report/ResultReport.h"
#include "ui/Look.h"
#include "ui/ScalePainter.h"

namespace cindrel {

namespace {

const QColor kInk(0, 0, 0);
const QColor kGrey(90, 90, 90);
const QColor kRule(128, 64, 0);
const QColor kShade(244, 238, 230);

/// A long name is cut after this many lines.
constexpr int kMaxDetailLines = 3;

/// The report's fonts. Without shaping no ligatures are formed, so a PDF
/// holds "first" as five letters that a search or copy finds, not with
/// "fi" as one glyph.
QFont pageFont(qreal pointSize, bool bold = false)
{
    QFont font = verdana(pointSize, bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

/// Lays the report out from the top of a column `width` wide; paints it
/// when given a painter, and returns the height it takes either way.
class ReportLayout {
public:
    ReportLayout(const QPaintDevice *device, const ResultReport &report) : device_(device), r_(report) {}

    qreal run(QPainter *painter, qreal width)
    {
        p_ = painter;
        width_ = width;
        y_ = 0;
        const QFont title = pageFont(16, true);
        const QFont body = pageFont(10);
        const QFont bodyBold = pageFont(10, true);
        const QFont small = pageFont(9);
        const qreal lineGap = QFontMetricsF(body, device_).height();
        const qreal rule = lineGap / 16;

        y_ += text(title, kInk, 0, width_, r_.title);
        y_ += rule * 3;
        fill(QRectF(0, y_, width_, rule * 2), kRule);
        y_ += lineGap * 0.4;
        y_ += text(small, kGrey, 0, width_, r_.program);
        y_ += text(small, kGrey, 0, width_, r_.takenAt);
        y_ += lineGap;

        // Name, age and sex, headings in a column of their own.
        qreal headingWidth = 0;
        for (const auto &[heading, value] : r_.details)
            headingWidth = std::max(headingWidth, QFontMetricsF(bodyBold, device_).horizontalAdvance(heading));
        headingWidth += lineGap;
        for (const auto &[heading, value] : r_.details) {
            const qreal valueWidth = width_ - headingWidth;
            const QString shown = QFontMetricsF(body, device_)
                                      .elidedText(value, Qt::ElideRight, valueWidth * kMaxDetailLines * 0.95);
            text(bodyBold, kInk, 0, headingWidth, heading);
            y_ += text(body, kInk, headingWidth, valueWidth, shown);
        }
        y_ += lineGap;

        table(body, bodyBold, lineGap, rule);
        y_ += lineGap * 0.3;
        y_ += text(body, kInk, 0, width_, r_.heavinessLine);
        y_ += lineGap;

        y_ += text(body, kInk, 0, width_, r_.verdictHeading);
        y_ += text(pageFont(13, true), kInk, 0, width_, r_.verdict);
        y_ += lineGap * 0.8;

        const QFont scaleFont = pageFont(9);
        const qreal scaleHigh = scaleHeight(scaleFont, device_);
        if (p_)
            paintScale(*p_, QRectF(0, y_, width_, scaleHigh), r_.score, scaleFont,
                       {kDarkBrown, kDarkBrown, kGrey, kInk, &DependencyLevelRow::paper});
        y_ += scaleHigh + lineGap * 1.2;

        QFont note = small;
        note.setItalic(true);
        y_ += text(note, kGrey, 0, width_, r_.closingNote);
        y_ += lineGap * 0.5;
        y_ += text(small, kGrey, 0, width_, r_.heavinessSource);
        return y_;
    }

private:
    /// Word-wrapped text at (x, y_) in a column `w` wide; its height. A word
    /// wider than the column is broken where it has to be.
    qreal text(const QFont &font, const QColor &colour, qreal x, qreal w, const QString &s,
               int align = Qt::AlignLeft)
    {
        const QFontMetricsF metrics(font, device_);
        const QStringList words = s.split(QLatin1Char(' '));
        const bool wordTooWide = std::any_of(words.begin(), words.end(), [&](const QString &word) {
            return metrics.horizontalAdvance(word) > w;
        });
        const int flags = align | Qt::AlignTop | (wordTooWide ? Qt::TextWrapAnywhere : Qt::TextWordWrap);
        const QRectF bounds = metrics.boundingRect(QRectF(x, y_, w, 1e9), flags, s);
        if (p_) {
            p_->setFont(font);
            p_->setPen(colour);
            p_->drawText(QRectF(x, y_, w, bounds.height()), flags, s);
        }
        return bounds.height();
    }

    void fill(const QRectF &r, const QColor &colour)
    {
        if (p_)
            p_->fillRect(r, colour);
    }

    /// The six questions with answer and points, then the total.
    void table(const QFont &body, const QFont &bold, qreal lineGap, qreal rule)
    {
        const qreal pad = lineGap * 0.3;
        const QFontMetricsF boldMetrics(bold, device_);
        const qreal pointsWidth = std::max({boldMetrics.horizontalAdvance(r_.pointsHeading),
                                            boldMetrics.horizontalAdvance(r_.total),
                                            boldMetrics.horizontalAdvance(QStringLiteral("10"))})
                                  + 2 * pad;
        const qreal rest = width_ - pointsWidth;
        const qreal questionWidth = rest * 0.56;
        const qreal answerWidth = rest - questionWidth;

        const auto row = [&](const QFont &font, const QString &question, const QString &answer,
                             const QString &points, bool shaded) {
            // The row's height, its cells painted when there is a painter.
            const auto cells = [&] {
                return std::max({text(font, kInk, pad, questionWidth - 2 * pad, question),
                                 text(font, kInk, questionWidth + pad, answerWidth - 2 * pad, answer),
                                 text(font, kInk, rest, pointsWidth - pad, points, Qt::AlignRight)});
            };
            // Measure first, so that a shading can go behind the row.
            QPainter *painter = std::exchange(p_, nullptr);
            y_ += pad;
            const qreal high = cells();
            p_ = painter;
            if (shaded)
                fill(QRectF(0, y_ - pad, width_, high + 2 * pad), kShade);
            cells();
            y_ += high + pad;
        };

        row(bold, r_.questionHeading, r_.answerHeading, r_.pointsHeading, false);
        fill(QRectF(0, y_, width_, rule), kRule);
        for (int i = 0; i < kQuestionCount; ++i) {
            const ReportRow &q = r_.rows[i];
            row(body, q.question, q.answer, QLocale().toString(q.points), i % 2 == 1);
        }
        fill(QRectF(0, y_, width_, rule), kRule);
        row(bold, r_.totalHeading, QString(), r_.total, false);
    }

    const QPaintDevice *device_;
    const ResultReport &r_;
    QPainter *p_ = nullptr;
    qreal width_ = 0;
    qreal y_ = 0;
};

} // namespace

bool paintResultReport(QPagedPaintDevice &device, const ResultReport &report)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF page(0, 0, device.width(), device.height());
    ReportLayout layout(&device, report);
    // Small paper: shrink the whole page until it fits, so the report is
    // always one page.
    qreal factor = 1;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const qreal needed = layout.run(nullptr, page.width() / factor) * factor;
        if (needed <= page.height())
            break;
        factor *= page.height() / needed * 0.98;
    }
    painter.scale(factor, factor);
    layout.run(&painter, page.width() / factor);
    return painter.end();
}

} // namespace cindrel
