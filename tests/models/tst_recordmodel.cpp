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
        auto *custom = new CustomRecord;
        custom->setName(QStringLiteral("odd.example.com."));
        custom->setData(QStringLiteral("TYPE65534 \\# 0"));

        QTest::newRow("address record") << parsed("www.example.com. 60 IN A 192.0.2.1")
                                        << QStringList{"www.example.com.", "A", "192.0.2.1"};
        QTest::newRow("service record shows the composed owner name")
            << parsed("_sip._udp.example.com. 60 IN SRV 10 20 5060 sip.example.com.")
            << QStringList{"_sip._udp.example.com.", "SRV", "10 20 5060 sip.example.com."};
        QTest::newRow("custom record has an empty type")
            << PRecord(custom) << QStringList{"odd.example.com.", "", "TYPE65534 \\# 0"};
    }

    void data_showsNameTypeContent_centresType()
    {
        QFETCH(PRecord, record);
        QFETCH(QStringList, cells);
        ProbeRecordModel model;
        QAbstractItemModelTester tester(&model);
        model.setRecords({parsed("first. 60 IN A 192.0.2.1"), record});
        const QStringList headers = {"Name", "Type", "Content"};
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), headers.at(column));
            QCOMPARE(model.index(1, column).data().toString(), cells.at(column));
            QCOMPARE(model.index(1, column).data(Qt::TextAlignmentRole),
                     column == 1 ? QVariant(int(Qt::AlignCenter)) : QVariant());
        }
        QVERIFY(!model.data(model.createIndex(1, 3)).isValid());
        QVERIFY(!model.data(model.createIndex(2, 0)).isValid());
    }

    // Removing rows is covered with the record controller; here only what it never asks.
    void removeRecord_noRowOfThisModel_changesNothing()
    {
        ProbeRecordModel model;
        QAbstractItemModelTester tester(&model);
        const QList<PRecord> records = {parsed("a. 60 IN A 192.0.2.1")};
        model.setRecords(records);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.removeRecord(model.createIndex(1, 0));
        model.removeRecord(QModelIndex());
        QCOMPARE(model.records(), records);
        QCOMPARE(removed.count(), 0);
    }
};

TAMZOR_TEST_MAIN(TestRecordModel)
#include "tst_recordmodel.moc"
