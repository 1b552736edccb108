// The application style defers the menu bar's overflow arrow until it is
// painted; what it paints must be the arrow the base style would have given.

#include <QApplication>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolButton>
#include <QtTest>

#include "ui/LightStyle.h"

using namespace cindrel;

class TstLightStyle : public QObject {
    Q_OBJECT

private slots:
    void deferredArrowLooksLikeTheBaseStylesArrow_data()
    {
        // clang-format off
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("direction");
        QTest::newRow("horizontal, left to right") << int(QStyle::SP_ToolBarHorizontalExtensionButton)
                                                    << int(Qt::LeftToRight);
        QTest::newRow("horizontal, right to left") << int(QStyle::SP_ToolBarHorizontalExtensionButton)
                                                    << int(Qt::RightToLeft);
        QTest::newRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton) << int(Qt::LeftToRight);
        // clang-format on
    }

    void deferredArrowLooksLikeTheBaseStylesArrow()
    {
        QFETCH(int, which);
        QFETCH(int, direction);
        const auto pixmap = QStyle::StandardPixmap(which);
        QStyleOption option;
        option.direction = Qt::LayoutDirection(direction);

        QStyle *base = QStyleFactory::create(QStringLiteral("Fusion"));
        QVERIFY(base);
        const QIcon expected = base->standardIcon(pixmap, &option);
        LightStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
        const QIcon deferred = style.standardIcon(pixmap, &option);

        QVERIFY(!deferred.isNull());
        for (const int side : {16, 32}) {
            const QImage got = deferred.pixmap(side, side).toImage();
            const QImage want = expected.pixmap(side, side).toImage();
            QVERIFY(!want.isNull());
            QCOMPARE(got, want);
        }
        delete base;
    }

    void otherIconsComeFromTheBaseStyle()
    {
        QStyle *base = QStyleFactory::create(QStringLiteral("Fusion"));
        LightStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
        const QImage got = style.standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32).toImage();
        const QImage want = base->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32).toImage();
        QCOMPARE(got, want);
        delete base;
    }

    void menuBarOverflowShowsTheArrow()
    {
        // A menu bar too narrow for its entries shows the overflow button
        // with a real arrow on it.
        QApplication::setStyle(new LightStyle);
        QMenuBar bar;
        for (int i = 0; i < 12; ++i)
            bar.addMenu(QStringLiteral("Entry number %1").arg(i));
        bar.resize(120, bar.sizeHint().height());
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        const auto buttons = bar.findChildren<QToolButton *>();
        QVERIFY(!buttons.isEmpty());
        const QIcon arrow = buttons.first()->icon();
        QVERIFY(!arrow.pixmap(16, 16).isNull());
    }
};

QTEST_MAIN(TstLightStyle)
#include "tst_lightstyle.moc"
