// The About window: its texts and look, its fixed place and size, the ways
// it closes, its two site links and the Licences window.

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "Identity.h"
#include "doubles/ActiveWindow.h"
#include "doubles/FakeProgram.h"
#include "doubles/SiteUrls.h"
#include "links/SitePages.h"
#include "ui/FrmAbout.h"
#include "ui/Lifecycle.h"
#include "ui/Look.h"

using namespace cindrel;
using namespace cindrel::testing;

namespace {

using Program = FakeProgram;

/// Opens the window the way the main window does and runs `whileOpen` once it
/// is on screen and active. A fail-safe closes it should the test not.
/// Returns false when the fail-safe had to act.
bool openModal(Program &program, const std::function<void(FrmAbout *)> &whileOpen)
{
    auto *about = new FrmAbout(program.fake.browser);
    about->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<FrmAbout> alive(about);
    bool timedOut = false;
    QTimer::singleShot(0, about, [about, &whileOpen] {
        if (showAndActivate(about))
            whileOpen(about);
    });
    QTimer::singleShot(5000, about, [about, &timedOut] {
        timedOut = true;
        about->reject();
    });
    about->exec();
    return !timedOut;
}

FrmAbout *showActive(Program &program)
{
    auto *about = new FrmAbout(program.fake.browser);
    about->setAttribute(Qt::WA_DeleteOnClose);
    if (!showAndActivate(about)) {
        delete about;
        return nullptr;
    }
    return about;
}

template <typename T = QWidget> T *child(QWidget *about, const char *name)
{
    return about->findChild<T *>(QLatin1String(name));
}

} // namespace

class TstFrmAbout : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        // Nothing of one test may reach into the next.
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<FrmAbout *>(w))
                delete w;
    }

    void texts_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label2") << "Label2" << programWindowTitle();
        QTest::newRow("lblHomePage") << "lblHomePage"
                                     << QStringLiteral("Click here to visit ") + forumAddress();
        QTest::newRow("Label3") << "Label3"
                                << "Home Business Opportunity. Start your own Internet business "
                                   "and make money online. Get this software fully branded for "
                                   "your website.";
        QTest::newRow("lblCoBrand") << "lblCoBrand" << "Click here for more details.";
        QTest::newRow("lblLicences") << "lblLicences" << "Licences";
        QTest::newRow("cmdOK") << "cmdOK" << "OK";
        // clang-format on
    }

    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        Program program;
        FrmAbout about(program.fake.browser);
        QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(about.windowTitle(), programWindowTitle());
        QWidget *control = child(&about, name.toLatin1().constData());
        QVERIFY2(control, qPrintable(name));
        if (auto *label = qobject_cast<QLabel *>(control)) {
            QCOMPARE(label->text(), text);
            // No mnemonic or markup may eat a character.
            QCOMPARE(label->textFormat(), Qt::PlainText);
        } else {
            QCOMPARE(qobject_cast<QPushButton *>(control)->text(), text);
        }
    }

    void descriptionEndsWithOneRightsSentence()
    {
        Program program;
        FrmAbout about(program.fake.browser);
        const QString description = QStringLiteral(
            "Cindrel is a simple health tool that helps one know their level of dependency on "
            "nicotine. Nicotine has harmful effects and is best to be avoided.");
        auto *label1 = child<QLabel>(&about, "Label1");
        QVERIFY(label1);
        QVERIFY(label1->text().startsWith(description + QLatin1Char(' ')));
        QCOMPARE(label1->text().mid(description.size() + 1),
                 QStringLiteral("All rights in this software are reserved by Velmor Softwares."));
    }

    void icon()
    {
        Program program;
        FrmAbout about(program.fake.browser);
        auto *picIcon = child<QLabel>(&about, "picIcon");
        QVERIFY(picIcon);
        QCOMPARE(picIcon->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(picIcon->frameShape(), QFrame::NoFrame);
        QVERIFY(!about.windowIcon().isNull());

        // Windows carry the 32 by 32 image.
        QCOMPARE(applicationIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    }

    void iconForDensity_data()
    {
        // clang-format off
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("pixels");
        QTest::newRow("100%") << 1.0 << 32;
        QTest::newRow("125%, the next larger") << 1.25 << 48;
        QTest::newRow("150%, pixel for pixel") << 1.5 << 48;
        QTest::newRow("200%") << 2.0 << 64;
        QTest::newRow("300%, the largest") << 3.0 << 64;
        // clang-format on
    }
    void iconForDensity()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, pixels);
        // A picture on a denser screen gets a larger twin of the image,
        // drawn at the same logical size.
        const QPixmap picture = applicationIconPixmap(ratio);
        QCOMPARE(picture.size(), QSize(pixels, pixels));
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(32, 32));
    }

    void look_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<QColor>("color");
        QTest::newRow("Label2") << "Label2" << 12.0 << true << false << QColor(0, 255, 255);
        QTest::newRow("Label1") << "Label1" << 8.25 << false << false << QColor(255, 255, 128);
        QTest::newRow("lblHomePage") << "lblHomePage" << 8.25 << false << true << QColor(0, 255, 255);
        QTest::newRow("Label3") << "Label3" << 8.25 << true << false << QColor(255, 255, 0);
        QTest::newRow("lblCoBrand") << "lblCoBrand" << 8.25 << false << true << QColor(0, 255, 255);
        QTest::newRow("lblLicences") << "lblLicences" << 8.25 << false << true << QColor(0, 255, 255);
        // clang-format on
    }

    void look()
    {
        QFETCH(QString, name);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        QFETCH(QColor, color);
        Program program;
        FrmAbout about(program.fake.browser);
        QCOMPARE(about.palette().color(QPalette::Window), QColor(128, 64, 0));
        QVERIFY(about.autoFillBackground());

        auto *label = child<QLabel>(&about, name.toLatin1().constData());
        QVERIFY(label);
        // Verdana where the machine has it, the close sans otherwise.
        const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana"))
                                   ? QStringLiteral("Verdana")
                                   : QStringLiteral("DejaVu Sans");
        QCOMPARE(label->font().family(), family);
        QCOMPARE(label->font().pointSizeF(), points);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->font().underline(), underline);
        QCOMPARE(label->palette().color(QPalette::WindowText), color);
        // Transparent: the brown shows through.
        QVERIFY(!label->autoFillBackground());
        QCOMPARE(label->cursor().shape(), underline ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }

    void fixedSizeDialogWithCloseBoxOnly()
    {
        Program program;
        FrmAbout about(program.fake.browser);
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QCOMPARE(about.size(), about.minimumSize());
        // 7035 by 3015 twips, grown only where a fallback font needs room.
        QCOMPARE(about.width(), 469);
        QVERIFY(about.height() >= 201 && about.height() <= 201 + 40);

        const Qt::WindowFlags flags = about.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
        QVERIFY(!about.isSizeGripEnabled());
    }

    void nothingClippedOrOverlapping()
    {
        Program program;
        FrmAbout about(program.fake.browser);
        const QList<QWidget *> controls = about.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 9);
        for (QWidget *control : controls) {
            const QRect g = control->geometry();
            // Only the rule may run one pixel past the side edges.
            QVERIFY2(about.rect().adjusted(-1, 0, 1, 0).contains(g), qPrintable(control->objectName()));
            if (auto *label = qobject_cast<QLabel *>(control)) {
                const QSize need = label->wordWrap() ? QSize(g.width(), label->heightForWidth(g.width()))
                                                     : label->sizeHint();
                QVERIFY2(need.width() <= g.width() && need.height() <= g.height(),
                         qPrintable(control->objectName()));
            }
            for (QWidget *other : controls)
                if (other != control)
                    QVERIFY2(!g.intersects(other->geometry()),
                             qPrintable(control->objectName() + QLatin1Char('/') + other->objectName()));
        }
        // The designed places where nothing had to grow.
        QCOMPARE(child(&about, "picIcon")->geometry(), QRect(8, 10, 32, 32));
        QCOMPARE(child(&about, "Label1")->geometry().topLeft(), QPoint(8, 50));
        QCOMPARE(child(&about, "Line2")->geometry().height(), 2);
        QCOMPARE(child(&about, "Line2")->palette().color(QPalette::Window), QColor(0, 255, 255));
        QCOMPARE(child(&about, "cmdOK")->geometry().right(), 466);
        QCOMPARE(child(&about, "cmdOK")->geometry().size(), QSize(84, 23));
    }

    void centredOnTheScreen()
    {
        Program program;
        FrmAbout about(program.fake.browser);
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        const QPoint mine = about.geometry().center();
        QVERIFY2((mine - centre).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(mine.x()).arg(mine.y())));
    }

    void closing_data()
    {
        // clang-format off
        QTest::addColumn<QString>("how");
        QTest::newRow("OK click") << "click";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Return") << "return";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("close box") << "closebox";
        // clang-format on
    }

    void closing()
    {
        QFETCH(QString, how);
        Program program;
        QPointer<FrmAbout> opened;
        bool okHadFocus = false;
        bool wasModal = false;
        const bool finished = openModal(program, [&](FrmAbout *about) {
            opened = about;
            auto *ok = child<QPushButton>(about, "cmdOK");
            okHadFocus = QApplication::focusWidget() == ok && ok->isDefault();
            wasModal = QApplication::activeModalWidget() == about;
            if (how == QLatin1String("click"))
                QTest::mouseClick(ok, Qt::LeftButton);
            else if (how == QLatin1String("enter"))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
            else if (how == QLatin1String("return"))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else if (how == QLatin1String("escape"))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            else {
                // What the window system sends when its close box is used.
                QCloseEvent close;
                QApplication::sendEvent(about->windowHandle(), &close);
            }
        });
        QVERIFY2(finished, "the window did not close");
        QVERIFY(okHadFocus);
        QVERIFY(wasModal);
        // Destroyed, having done nothing else.
        QTRY_VERIFY(opened.isNull());
        QVERIFY(program.fake.browser.urls.isEmpty());
        QVERIFY(program.fake.boxes.boxes.empty());
        QVERIFY(!program.shutdown.ending());
    }

    void links_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        QTest::newRow("lblHomePage") << "lblHomePage" << expectedPageUrl(QStringLiteral("home-page"));
        QTest::newRow("lblCoBrand") << "lblCoBrand" << expectedPageUrl(QStringLiteral("fully-branded"));
        // clang-format on
    }

    void links()
    {
        QFETCH(QString, name);
        QFETCH(QString, url);
        Program program;
        std::unique_ptr<FrmAbout> about(showActive(program));
        QVERIFY(about);
        auto *link = child(about.get(), name.toLatin1().constData());
        QVERIFY(link);

        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(program.fake.browser.urls, QStringList{url});
        // A second click asks again; the window stays open and usable.
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(program.fake.browser.urls, QStringList(2, url));
        QVERIFY(about->isVisible());
        QCOMPARE(QApplication::focusWidget(), child(about.get(), "cmdOK"));
        QVERIFY(program.fake.boxes.boxes.empty());
    }

    void licences_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("click") << "click";
        QTest::newRow("Shift+Tab, Space") << "key";
        QTest::newRow("screen reader's press") << "press";
    }

    void licences()
    {
        QFETCH(QString, how);
        Program program;
        std::unique_ptr<FrmAbout> about(showActive(program));
        QVERIFY(about);
        auto *link = child(about.get(), "lblLicences");
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(link);
        QCOMPARE(iface->role(), QAccessible::Link);
        QCOMPARE(iface->text(QAccessible::Description),
                 QStringLiteral("Opens the licences of this program and of the software it uses"));
        if (how == QLatin1String("click")) {
            QTest::mouseClick(link, Qt::LeftButton);
        } else if (how == QLatin1String("key")) {
            // The last link of the tab order, one step back from OK.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), link);
            QTest::keyClick(link, Qt::Key_Space);
        } else {
            iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }

        QPointer<QDialog> licences = about->findChild<QDialog *>(QStringLiteral("frmLicences"));
        QVERIFY(licences && licences->isVisible() && licences->isModal());
        const QString text = child<QPlainTextEdit>(licences, "txtLicences")->toPlainText();
        QVERIFY(
            text.startsWith(applicationTitle() + QLatin1Char(' ') + applicationVersion() + QLatin1Char('\n')));
        QVERIFY(text.contains(QLatin1String("All rights in this software are reserved by Velmor Softwares.")));
        QVERIFY(text.contains(QStringLiteral("runs with Qt %1,").arg(QLatin1String(qVersion()))));
        QVERIFY(text.contains(QLatin1String("GNU Lesser General Public License, version 3 (LGPL-3)")));
        QVERIFY(text.contains(QLatin1String("\nThird-party software\n")));

        QTest::keyClick(licences, Qt::Key_Escape);
        QTRY_VERIFY(licences.isNull());
        QVERIFY(about->isVisible());
        QVERIFY(program.fake.browser.urls.isEmpty());
    }

    void homeBusinessTextDoesNothing()
    {
        Program program;
        std::unique_ptr<FrmAbout> about(showActive(program));
        QVERIFY(about);
        auto *label3 = child<QLabel>(about.get(), "Label3");
        QVERIFY(label3);
        QTest::mouseClick(label3, Qt::LeftButton);
        QTest::mouseDClick(label3, Qt::LeftButton);
        QVERIFY(program.fake.browser.urls.isEmpty());
        QVERIFY(program.fake.boxes.boxes.empty());
        QVERIFY(about->isVisible());
        QCOMPARE(label3->cursor().shape(), Qt::ArrowCursor);
    }

    void secondOpeningStartsFresh()
    {
        Program program;
        struct Seen {
            QStringList texts;
            QPoint place;
            bool okHadFocus = false;
        } first, second;
        const auto look = [](FrmAbout *about, Seen &seen) {
            for (auto *label : about->findChildren<QLabel *>())
                seen.texts << label->objectName() + QLatin1Char('=') + label->text();
            seen.place = about->pos();
            seen.okHadFocus = QApplication::focusWidget() == child(about, "cmdOK");
        };
        QVERIFY(openModal(program, [&](FrmAbout *about) {
            look(about, first);
            // Marks that must not survive: moved, a link used, the focus taken off OK.
            about->move(about->pos() + QPoint(40, 30));
            QTest::mouseClick(child(about, "lblCoBrand"), Qt::LeftButton);
            child(about, "cmdOK")->clearFocus();
            QTest::keyClick(about, Qt::Key_Escape);
        }));
        QVERIFY(openModal(program, [&](FrmAbout *about) {
            look(about, second);
            about->accept();
        }));
        QCOMPARE(second.texts, first.texts);
        QCOMPARE(second.place, first.place);
        QVERIFY(first.okHadFocus && second.okHadFocus);
        QCOMPARE(program.fake.browser.urls, QStringList{expectedPageUrl(QStringLiteral("fully-branded"))});
    }

    void shutdownClosesAnOpenWindow()
    {
        Program program;
        QPointer<FrmAbout> about(new FrmAbout(program.fake.browser));
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->show();
        QCOMPARE(execUntilEnd([&] { program.shutdown.EndApplication(); }), 0);
        QVERIFY(about.isNull());
    }
};

QTEST_MAIN(TstFrmAbout)
#include "tst_frmabout.moc"
