#include <QtTest>
class TstWizard : public QObject { Q_OBJECT };
QTEST_APPLESS_MAIN(TstWizard)
#include "tst_wizard.moc"
