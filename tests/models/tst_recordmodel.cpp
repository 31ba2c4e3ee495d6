#include "models/recordmodel.h"
#include "records/customrecord.h"
#include "records/recordparser.h"
#include "tests/support/testmain.h"

#include <QAbstractItemModelTester>

Q_DECLARE_METATYPE(PRecord)

class TestRecordModel : public QObject
{
    Q_OBJECT

private slots:
    void data_showsNameTypeContent_centresType_data()
    {
        QTest::addColumn<PRecord>("record");
        QTest::addColumn<QStringList>("cells");
        auto *custom = new CustomRecord;
        custom->setName(QStringLiteral("odd.example.com."));
        custom->setData(QStringLiteral("TYPE65534 \\# 0"));
        QTest::newRow("service record shows the composed owner name")
            << parseRecordLine("_sip._udp.example.com. 60 IN SRV 10 20 5060 sip.example.com.")
            << QStringList{"_sip._udp.example.com.", "SRV", "10 20 5060 sip.example.com."};
        QTest::newRow("custom record has an empty type")
            << PRecord(custom) << QStringList{"odd.example.com.", "", "TYPE65534 \\# 0"};
    }

    void data_showsNameTypeContent_centresType()
    {
        QFETCH(PRecord, record);
        QFETCH(QStringList, cells);
        RecordModel model;
        QAbstractItemModelTester tester(&model);
        model.setRecords({record});
        const QStringList headers = {"Name", "Type", "Content"};
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), headers.at(column));
            QCOMPARE(model.index(0, column).data().toString(), cells.at(column));
            QCOMPARE(model.index(0, column).data(Qt::TextAlignmentRole),
                     column == 1 ? QVariant(int(Qt::AlignCenter)) : QVariant());
        }
    }
};

TAMZOR_TEST_MAIN(TestRecordModel)
#include "tst_recordmodel.moc"
