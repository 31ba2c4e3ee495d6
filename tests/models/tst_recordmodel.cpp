#include "models/recordmodel.h"
#include "records/arecord.h"
#include "records/customrecord.h"
#include "records/srvrecord.h"
#include "tests/support/testmain.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

Q_DECLARE_METATYPE(PRecord)

namespace {
// Reaches cells beyond the model's columns, which index() refuses to make.
class ProbeRecordModel : public RecordModel
{
public:
    using RecordModel::createIndex;
};

PRecord makeA(const QString &name, const QString &address)
{
    auto record = new ARecord;
    record->setName(name);
    record->setAddress(address);
    return PRecord(record);
}

PRecord makeSrv()
{
    auto record = new SRVRecord;
    record->setName(QStringLiteral("example.com."));
    record->setService(QStringLiteral("_sip"));
    record->setProto(QStringLiteral("_udp"));
    record->setPriority(10);
    record->setWeight(20);
    record->setPort(5060);
    record->setTarget(QStringLiteral("sip.example.com."));
    return PRecord(record);
}

PRecord makeCustom()
{
    auto record = new CustomRecord;
    record->setName(QStringLiteral("odd.example.com."));
    record->setData(QStringLiteral("TYPE65534 \\# 0"));
    return PRecord(record);
}

QStringList column(const RecordModel &model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.index(row, column).data().toString());
    return texts;
}
} // namespace

class TestRecordModel : public QObject
{
    Q_OBJECT

private slots:
    void counts_threeColumnsEverywhere_noChildRows()
    {
        RecordModel model;
        QAbstractItemModelTester tester(&model);
        model.setRecords({makeA(QStringLiteral("www.example.com."), QStringLiteral("192.0.2.1"))});
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.columnCount(model.index(0, 1)), 3);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    }

    void data_displayRole_showsNameTypeContent_data()
    {
        QTest::addColumn<PRecord>("record");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("address record")
            << makeA(QStringLiteral("www.example.com."), QStringLiteral("192.0.2.1"))
            << QStringList({QStringLiteral("www.example.com."), QStringLiteral("A"),
                            QStringLiteral("192.0.2.1")});
        QTest::newRow("service record shows the composed owner name")
            << makeSrv()
            << QStringList({QStringLiteral("_sip._udp.example.com."), QStringLiteral("SRV"),
                            QStringLiteral("10 20 5060 sip.example.com.")});
        QTest::newRow("custom record has an empty type")
            << makeCustom()
            << QStringList({QStringLiteral("odd.example.com."), QString(),
                            QStringLiteral("TYPE65534 \\# 0")});
    }

    void data_displayRole_showsNameTypeContent()
    {
        QFETCH(PRecord, record);
        QFETCH(QStringList, cells);
        RecordModel model;
        model.setRecords({record});
        for (int col = 0; col < 3; ++col)
            QCOMPARE(model.index(0, col).data().toString(), cells.at(col));
    }

    void data_alignment_centredTypeColumnOnly_data()
    {
        QTest::addColumn<PRecord>("record");
        QTest::newRow("address record") << makeA(QStringLiteral("a."), QStringLiteral("192.0.2.1"));
        QTest::newRow("custom record with empty type") << makeCustom();
    }

    void data_alignment_centredTypeColumnOnly()
    {
        QFETCH(PRecord, record);
        RecordModel model;
        model.setRecords({makeSrv(), record});
        QCOMPARE(model.index(1, 1).data(Qt::TextAlignmentRole), QVariant(132));
        QVERIFY(!model.index(1, 0).data(Qt::TextAlignmentRole).isValid());
        QVERIFY(!model.index(1, 2).data(Qt::TextAlignmentRole).isValid());
    }

    void data_otherRolesAndColumns_giveNothing()
    {
        ProbeRecordModel model;
        model.setRecords({makeSrv()});
        for (int role : {int(Qt::ToolTipRole), int(Qt::EditRole), int(Qt::DecorationRole)}) {
            for (int col = 0; col < 3; ++col)
                QVERIFY(!model.index(0, col).data(role).isValid());
        }
        for (int col : {3, 4, 10}) {
            for (int role : {int(Qt::DisplayRole), int(Qt::TextAlignmentRole)})
                QVERIFY(!model.data(model.createIndex(0, col), role).isValid());
        }
        QVERIFY(!model.data(QModelIndex()).isValid());
        QVERIFY(!model.data(model.createIndex(1, 0)).isValid());
    }

    void headerData_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("name column")
            << 0 << int(Qt::Horizontal) << int(Qt::DisplayRole) << QVariant(QStringLiteral("Name"));
        QTest::newRow("type column")
            << 1 << int(Qt::Horizontal) << int(Qt::DisplayRole) << QVariant(QStringLiteral("Type"));
        QTest::newRow("content column") << 2 << int(Qt::Horizontal) << int(Qt::DisplayRole)
                                        << QVariant(QStringLiteral("Content"));
        QTest::newRow("no fourth column")
            << 3 << int(Qt::Horizontal) << int(Qt::DisplayRole) << QVariant();
        QTest::newRow("horizontal tool tip is the base class's nothing")
            << 0 << int(Qt::Horizontal) << int(Qt::ToolTipRole) << QVariant();
        QTest::newRow("vertical header numbers rows as the base class does")
            << 0 << int(Qt::Vertical) << int(Qt::DisplayRole) << QVariant(1);
    }

    void headerData()
    {
        QFETCH(int, section);
        QFETCH(int, orientation);
        QFETCH(int, role);
        QFETCH(QVariant, expected);
        RecordModel model;
        QCOMPARE(model.headerData(section, Qt::Orientation(orientation), role), expected);
    }

    void appendRecord_isLastRow()
    {
        RecordModel model;
        QAbstractItemModelTester tester(&model);
        model.setRecords({makeA(QStringLiteral("b."), QStringLiteral("192.0.2.2"))});
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.appendRecord(makeA(QStringLiteral("a."), QStringLiteral("192.0.2.1")));
        QCOMPARE(column(model, 0), QStringList({QStringLiteral("b."), QStringLiteral("a.")}));
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 1);
    }

    void removeRecord_removesThatRowOnly_outsideRowChangesNothing()
    {
        ProbeRecordModel model;
        QAbstractItemModelTester tester(&model);
        const PRecord kept = makeA(QStringLiteral("b."), QStringLiteral("192.0.2.2"));
        model.setRecords({makeA(QStringLiteral("a."), QStringLiteral("192.0.2.1")), kept});
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.removeRecord(model.createIndex(2, 0));
        model.removeRecord(QModelIndex());
        QCOMPARE(removed.count(), 0);
        model.removeRecord(model.index(0, 2));
        QCOMPARE(removed.count(), 1);
        QCOMPARE(model.records(), QList<PRecord>({kept}));
    }

    void setRecords_emptyList_emptiesTable()
    {
        RecordModel model;
        QAbstractItemModelTester tester(&model);
        model.setRecords({makeSrv(), makeCustom()});
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.setRecords({});
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(reset.count(), 1);
    }
};

TAMZOR_TEST_MAIN(TestRecordModel)
#include "tst_recordmodel.moc"
