#include "models/recordmodel.h"
#include "records/customrecord.h"
#include "records/recordparser.h"
#include "tests/support/testmain.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

Q_DECLARE_METATYPE(PRecord)

namespace {
// Reaches cells beyond the model's rows and columns, which index() refuses to make.
class ProbeRecordModel : public RecordModel
{
public:
    using RecordModel::createIndex;
};

PRecord makeCustom()
{
    auto record = new CustomRecord;
    record->setName(QStringLiteral("odd.example.com."));
    record->setData(QStringLiteral("TYPE65534 \\# 0"));
    return PRecord(record);
}

PRecord parsed(const char *line)
{
    return parseRecordLine(QString::fromLatin1(line));
}
} // namespace

class TestRecordModel : public QObject
{
    Q_OBJECT

private slots:
    void data_showsNameTypeContent_centresType_data()
    {
        QTest::addColumn<PRecord>("record");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("address record") << parsed("www.example.com. 60 IN A 192.0.2.1")
                                        << QStringList{"www.example.com.", "A", "192.0.2.1"};
        QTest::newRow("service record shows the composed owner name")
            << parsed("_sip._udp.example.com. 60 IN SRV 10 20 5060 sip.example.com.")
            << QStringList{"_sip._udp.example.com.", "SRV", "10 20 5060 sip.example.com."};
        QTest::newRow("custom record has an empty type")
            << makeCustom() << QStringList{"odd.example.com.", "", "TYPE65534 \\# 0"};
    }

    void data_showsNameTypeContent_centresType()
    {
        QFETCH(PRecord, record);
        QFETCH(QStringList, cells);
        ProbeRecordModel model;
        QAbstractItemModelTester tester(&model);
        model.setRecords({parsed("first. 60 IN A 192.0.2.1"), record});
        QCOMPARE(model.columnCount(), 3);
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(model.index(1, column).data().toString(), cells.at(column));
            QCOMPARE(model.index(1, column).data(Qt::TextAlignmentRole),
                     column == 1 ? QVariant(int(Qt::AlignCenter)) : QVariant());
            QVERIFY(!model.index(1, column).data(Qt::ToolTipRole).isValid());
        }
        QVERIFY(!model.data(model.createIndex(1, 3)).isValid());
        QVERIFY(!model.data(model.createIndex(2, 0)).isValid());
    }

    void headerData_namesThreeColumns()
    {
        RecordModel model;
        QCOMPARE(model.headerData(0, Qt::Horizontal), QVariant(QStringLiteral("Name")));
        QCOMPARE(model.headerData(1, Qt::Horizontal), QVariant(QStringLiteral("Type")));
        QCOMPARE(model.headerData(2, Qt::Horizontal), QVariant(QStringLiteral("Content")));
        QVERIFY(!model.headerData(3, Qt::Horizontal).isValid());
    }

    void removeRecord_removesThatRowOnly_outsideRowChangesNothing()
    {
        ProbeRecordModel model;
        QAbstractItemModelTester tester(&model);
        const PRecord kept = parsed("b. 60 IN A 192.0.2.2");
        model.setRecords({parsed("a. 60 IN A 192.0.2.1"), kept});
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.removeRecord(model.createIndex(2, 0));
        model.removeRecord(QModelIndex());
        QCOMPARE(removed.count(), 0);
        model.removeRecord(model.index(0, 2));
        QCOMPARE(removed.count(), 1);
        QCOMPARE(model.records(), QList<PRecord>({kept}));
    }
};

TAMZOR_TEST_MAIN(TestRecordModel)
#include "tst_recordmodel.moc"
