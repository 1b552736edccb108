#include <QtTest>
class TstScoring : public QObject { Q_OBJECT };
QTEST_APPLESS_MAIN(TstScoring)
#include "tst_scoring.moc"
