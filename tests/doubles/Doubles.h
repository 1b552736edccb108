#pragma once
// Test doubles for the platform seams: they record what the program asked for
// and answer from scripts, so no test blocks on a box or opens a browser.

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/Seams.h"

namespace cindrel::testing {

struct RecordedBox {
    enum Kind { Critical, Information, YesNo } kind;
    QString text;
    bool operator==(const RecordedBox &) const = default;
};

class RecordingMessageBoxes : public MessageBoxes {
public:
    std::vector<RecordedBox> boxes;
    /// Answers for askYesNo, taken in order; No once they run out.
    std::deque<bool> yesNoAnswers;
    /// Runs while a box is "on screen", e.g. to check the focus there.
    std::function<void(const RecordedBox &)> onShow;

    void critical(const QString &text) override { record({RecordedBox::Critical, text}); }
    void information(const QString &text) override { record({RecordedBox::Information, text}); }
    bool askYesNo(const QString &text) override
    {
        record({RecordedBox::YesNo, text});
        if (yesNoAnswers.empty())
            return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    QStringList texts() const
    {
        QStringList result;
        for (const auto &box : boxes)
            result << box.text;
        return result;
    }
    void clear() { boxes.clear(); }

private:
    void record(const RecordedBox &box)
    {
        boxes.push_back(box);
        if (onShow)
            onShow(box);
    }
};

class RecordingBrowser : public Browser {
public:
    QStringList urls;
    /// Runs when a URL is opened, e.g. to check what was stored by then.
    std::function<void(const QString &)> onOpen;
    void openUrl(const QString &url) override
    {
        urls << url;
        if (onOpen)
            onOpen(url);
    }
};

class MemorySettings : public SettingsStore {
public:
    QMap<QString, QString> values;
    bool failReads = false;
    bool failWrites = false;
    int writes = 0;

    QString read(const QString &key) override
    {
        if (failReads || !values.contains(key))
            return {};
        return values.value(key);
    }
    bool write(const QString &key, const QString &value) override
    {
        ++writes;
        if (failWrites)
            return false;
        values.insert(key, value);
        return true;
    }
};

class FixedClock : public Clock {
public:
    QDate date{2026, 12, 7};
    QTime time{9, 41};
    QDate today() override { return date; }
    QDateTime now() override { return QDateTime(date, time); }
};

/// Draws from a script of values, then repeats the last one.
class ScriptedRandom : public Random {
public:
    std::deque<float> draws{0.0f};
    int drawCount = 0;
    float next() override
    {
        ++drawCount;
        const float r = draws.front();
        if (draws.size() > 1)
            draws.pop_front();
        return r;
    }
};

class FakeGuard : public InstanceGuard {
public:
    bool running = false;
    bool anotherCopyRunning() override { return running; }
};

/// Answers the save and print dialogs from its fields and records what was
/// asked; writes nothing anywhere. The page painter of the last request is
/// kept, for a test to paint onto a device of its own.
class RecordingPrintouts : public Printouts {
public:
    struct Write {
        QString path;
        QSizeF paperMm;
    };
    /// What the save dialog answers; empty: the user cancelled.
    QString chosenPath;
    OutputOutcome writeOutcome;
    OutputOutcome printOutcome;

    QStringList suggestedPaths;
    std::vector<Write> writes;
    QStringList printedNames;
    PagePainter lastPainter;

    QString askPdfPath(const QString &suggestedPath) override
    {
        suggestedPaths << suggestedPath;
        return chosenPath;
    }
    OutputOutcome writePdf(const QString &path, const QSizeF &paperMm, const PagePainter &paint) override
    {
        writes.push_back({path, paperMm});
        lastPainter = paint;
        return writeOutcome;
    }
    OutputOutcome print(const QString &documentName, const PagePainter &paint) override
    {
        printedNames << documentName;
        lastPainter = paint;
        return printOutcome;
    }
};

/// One of every double, wired into a Services bundle.
struct FakeServices {
    RecordingMessageBoxes boxes;
    RecordingBrowser browser;
    MemorySettings settings;
    FixedClock clock;
    ScriptedRandom random;
    FakeGuard guard;
    RecordingPrintouts printouts;
    Services services{boxes, browser, settings, clock, random, guard, printouts};
};

} // namespace cindrel::testing
