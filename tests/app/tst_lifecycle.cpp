// Start-up order, shutdown of every loaded form and closing the main window,
// with fake forms and the seams doubled.

#include <QtTest>
#include <functional>

#include "app/FormRegistry.h"
#include "app/MainWindowClosing.h"
#include "app/Shutdown.h"
#include "app/Startup.h"
#include "doubles/Doubles.h"

using namespace cindrel;
using namespace cindrel::testing;

namespace {

/// A form whose unload handling is scripted and logged.
class FakeForm : public LoadedForm {
public:
    FakeForm(QString name, FormRegistry &registry, QStringList &log)
        : name_(std::move(name)), registry_(registry), log_(log)
    {
        registry_.add(this);
    }
    ~FakeForm() override { registry_.remove(this); }

    std::function<void()> onUnload;
    int unloads = 0;

    void runUnload() override
    {
        ++unloads;
        log_ << name_;
        if (onUnload)
            onUnload();
        registry_.remove(this);
    }

private:
    QString name_;
    FormRegistry &registry_;
    QStringList &log_;
};

} // namespace

class TstLifecycle : public QObject {
    Q_OBJECT

private slots:
    void endWithNoFormEndsAtOnce()
    {
        FormRegistry forms;
        RecordingProcess process;
        Shutdown shutdown(forms, process);
        shutdown.EndApplication();
        QCOMPARE(process.ends, 1);
        QCOMPARE(process.lastExitCode, 0);
        shutdown.EndApplication(); // a late call cannot end it twice
        QCOMPARE(process.ends, 1);
    }

    void unloadsEveryFormOnceThenEnds()
    {
        FormRegistry forms;
        RecordingProcess process;
        QStringList log;
        Shutdown shutdown(forms, process);
        FakeForm main("main", forms, log), hidden("hidden", forms, log), farewell("farewell", forms, log);
        process.onEnd = [&] { log << "end"; };

        shutdown.EndApplication();

        QCOMPARE(log, (QStringList{"main", "hidden", "farewell", "end"}));
        QVERIFY(forms.forms().empty());
    }

    void reentryFromUnloadHandling()
    {
        // The farewell form's unload handling calls the shutdown again, as
        // closing it does; every form still unloads once and the end comes once.
        FormRegistry forms;
        RecordingProcess process;
        QStringList log;
        Shutdown shutdown(forms, process);
        FakeForm farewell("farewell", forms, log), other("other", forms, log), last("last", forms, log);
        farewell.onUnload = [&] { shutdown.EndApplication(); };
        other.onUnload = [&] { shutdown.EndApplication(); };

        shutdown.EndApplication();

        QCOMPARE(farewell.unloads, 1);
        QCOMPARE(other.unloads, 1);
        QCOMPARE(last.unloads, 1);
        QCOMPARE(process.ends, 1);
    }

    void closeRequestOnAFormStartsTheShutdown()
    {
        // A close request unloads the form first; its handling calls the
        // shutdown, which passes over the form being unloaded.
        FormRegistry forms;
        RecordingProcess process;
        QStringList log;
        Shutdown shutdown(forms, process);
        FakeForm farewell("farewell", forms, log), about("about", forms, log);
        farewell.onUnload = [&] { shutdown.EndApplication(); };

        forms.unload(&farewell);

        QCOMPARE(farewell.unloads, 1);
        QCOMPARE(about.unloads, 1);
        QCOMPARE(process.ends, 1);
        QCOMPARE(log, (QStringList{"farewell", "about"}));
    }

    void unloadHandlingThatDestroysAnotherForm()
    {
        FormRegistry forms;
        RecordingProcess process;
        QStringList log;
        Shutdown shutdown(forms, process);
        FakeForm first("first", forms, log);
        auto second = std::make_unique<FakeForm>("second", forms, log);
        first.onUnload = [&] { second.reset(); };

        shutdown.EndApplication();
        QCOMPARE(log, QStringList{"first"});
        QCOMPARE(process.ends, 1);
    }

    void failingUnloadDoesNotStopShutdown()
    {
        FormRegistry forms;
        RecordingProcess process;
        QStringList log;
        Shutdown shutdown(forms, process);
        FakeForm broken("broken", forms, log), next("next", forms, log);
        broken.onUnload = [] { throw std::runtime_error("unload failed"); };

        shutdown.EndApplication();
        QCOMPARE(next.unloads, 1);
        QCOMPARE(process.ends, 1);
    }

    void registryUnloadsAtMostOnce()
    {
        FormRegistry forms;
        QStringList log;
        FakeForm form("form", forms, log);
        form.onUnload = [&] { forms.unload(&form); }; // re-entered from its own handling
        forms.unload(&form);
        forms.unload(&form);
        QCOMPARE(form.unloads, 1);
        QVERIFY(!forms.contains(&form));
    }

    void startupRunsItsStepsInOrder()
    {
        FakeServices fake;
        FormRegistry forms;
        Shutdown shutdown(forms, fake.process);
        QStringList log;
        fake.boxes.onShow = [&](const RecordedBox &) { log << "box"; };
        StartupSteps steps{
            [&] { log << QStringLiteral("reminder seeded=%1").arg(fake.random.seeds); },
            [&] { log << "main window"; },
            [&] { log << "co-brand"; },
        };

        QVERIFY(StartApplication(fake.services, shutdown, steps));
        QCOMPARE(log, (QStringList{"reminder seeded=1", "main window", "co-brand"}));
        QCOMPARE(fake.process.ends, 0);
    }

    void secondCopyIsRefused()
    {
        FakeServices fake;
        fake.guard.running = true;
        FormRegistry forms;
        Shutdown shutdown(forms, fake.process);
        bool anyStep = false;
        StartupSteps steps{[&] { anyStep = true; }, [&] { anyStep = true; }, [&] { anyStep = true; }};

        QVERIFY(!StartApplication(fake.services, shutdown, steps));
        QCOMPARE(fake.boxes.boxes,
                 (std::vector<RecordedBox>{{RecordedBox::Information, "Application is already running"}}));
        QCOMPARE(fake.process.ends, 1);
        QVERIFY(!anyStep);
        QCOMPARE(fake.random.seeds, 0);
    }

    void failingStepIsPassedOver()
    {
        FakeServices fake;
        FormRegistry forms;
        Shutdown shutdown(forms, fake.process);
        QStringList log;
        StartupSteps steps{
            [] { throw std::runtime_error("settings unreadable"); },
            [] { throw std::runtime_error("no display"); },
            [&] { log << "co-brand"; },
        };
        QVERIFY(StartApplication(fake.services, shutdown, steps));
        QCOMPARE(log, QStringList{"co-brand"});
        QVERIFY(fake.boxes.boxes.empty());
    }

    void closingMainWindow_data()
    {
        // clang-format off
        QTest::addColumn<int>("outcome"); // 0 shown, 1 not shown, 2 throws
        QTest::addColumn<int>("ends");
        QTest::newRow("farewell shown") << 0 << 0;
        QTest::newRow("farewell not shown") << 1 << 1;
        QTest::newRow("farewell fails") << 2 << 1;
        // clang-format on
    }

    void closingMainWindow()
    {
        QFETCH(int, outcome);
        QFETCH(int, ends);
        FormRegistry forms;
        RecordingProcess process;
        QStringList log;
        Shutdown shutdown(forms, process);
        FakeForm main("main", forms, log);
        int farewells = 0;
        main.onUnload = [&] {
            MainWindowUnloading(
                [&] {
                    ++farewells;
                    if (outcome == 2)
                        throw std::runtime_error("cannot create window");
                    return outcome == 0;
                },
                shutdown);
        };

        forms.unload(&main);
        QCOMPARE(farewells, 1);
        QCOMPARE(main.unloads, 1);
        QCOMPARE(process.ends, ends);
    }
};

QTEST_APPLESS_MAIN(TstLifecycle)
#include "tst_lifecycle.moc"
