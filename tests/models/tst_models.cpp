#include "models/recordcontroller.h"
#include "models/recordmodel.h"
#include "models/zonecontroller.h"
#include "models/zonemodel.h"
#include "records/arecord.h"
#include "records/customrecord.h"
#include "records/recordparser.h"
#include "tests/support/testmain.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>

Q_DECLARE_METATYPE(PRecord)

namespace {
// A table as the main window sets it up: whole single rows, a model and a controller. A view
// moves the selection to a neighbour of a removed row; the user would then act on an item
// nobody chose.
template <typename Model, typename Controller, typename Items, typename Remove, typename Selected,
          typename Signal>
void checkRemovalLeavesNoSelection(const Items &both, Items (Model::*items)() const,
                                   void (Model::*setItems)(const Items &), Remove remove,
                                   Selected selectedItem, Signal selectedSignal,
                                   Signal notSelectedSignal)
{
    Model model;
    QTableView view;
    Controller controller;
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setModel(&model);
    controller.setup(&model, &view);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    (model.*setItems)(both);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                      view.visualRect(model.index(0, 0)).center());
    QCOMPARE((controller.*selectedItem)(), both.at(0));
    QSignalSpy selected(&controller, selectedSignal);
    QSignalSpy notSelected(&controller, notSelectedSignal);

    (controller.*remove)();

    QCOMPARE((model.*items)(), both.mid(1));
    QCOMPARE(notSelected.count(), 1);
    QCOMPARE(selected.count(), 0);
}
} // namespace

class TestModels : public QObject
{
    Q_OBJECT

private slots:
    void removeSelectedZone_leavesNoSelection_emitsNotSelectedOnce()
    {
        checkRemovalLeavesNoSelection<ZoneModel, ZoneController>(
            QList<PZone>{PZone(new Zone), PZone(new Zone)}, &ZoneModel::zones, &ZoneModel::setZones,
            &ZoneController::removeSelectedZone, &ZoneController::selectedZone,
            &ZoneController::zoneSelected, &ZoneController::zoneNotSelected);
    }

    void removeSelectedRecord_leavesNoSelection_emitsNotSelectedOnce()
    {
        checkRemovalLeavesNoSelection<RecordModel, RecordController>(
            QList<PRecord>{PRecord(new ARecord), PRecord(new ARecord)}, &RecordModel::records,
            &RecordModel::setRecords, &RecordController::removeSelectedRecord,
            &RecordController::selectedRecord, &RecordController::recordSelected,
            &RecordController::recordNotSelected);
    }

    // An index of another model names no zone: the window must not act on a zone by it.
    void data_nameInDisplayRoleOnly_foreignIndexNamesAndRemovesNoZone()
    {
        ZoneModel model;
        QAbstractItemModelTester tester(&model);
        PZone zone(new Zone);
        zone->setName(QStringLiteral("example.com"));
        model.setZones({zone});
        QCOMPARE(model.index(0).data(), QVariant(QStringLiteral("example.com")));
        QVERIFY(!model.index(0).data(Qt::ToolTipRole).isValid());
        QStandardItemModel other(2, 1);
        QVERIFY(model.zone(other.index(0, 0)).isNull());
        model.removeZone(other.index(0, 0));
        QCOMPARE(model.rowCount(), 1);
    }

    void data_showsNameTypeContent_centresType_data()
    {
        QTest::addColumn<PRecord>("record");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("toolTip");
        auto *custom = new CustomRecord;
        custom->setName(QStringLiteral("odd.example.com."));
        custom->setData(QStringLiteral("TYPE65534 \\# 0"));
        QTest::newRow("service record shows the composed owner name")
            << parseRecordLine("_sip._udp.example.com. 60 IN SRV 10 20 5060 sip.example.com.")
            << QStringList{"_sip._udp.example.com.", "SRV", "10 20 5060 sip.example.com."}
            << QString();
        QTest::newRow("custom record has an empty type")
            << PRecord(custom) << QStringList{"odd.example.com.", "", "TYPE65534 \\# 0"}
            << QString();
        const PRecord included = parseRecordLine("key.example.com. 60 IN TXT \"k\"");
        included->setSource(QStringLiteral("$INCLUDE /etc/bind/example.com.dkim"));
        QTest::newRow("included record is greyed and tells its file")
            << included << QStringList{"key.example.com.", "TXT", "\"k\""}
            << "This record comes from $INCLUDE file /etc/bind/example.com.dkim; edit that file "
               "instead.";
    }

    void data_showsNameTypeContent_centresType()
    {
        QFETCH(PRecord, record);
        QFETCH(QStringList, cells);
        QFETCH(QString, toolTip);
        RecordModel model;
        QAbstractItemModelTester tester(&model);
        model.setRecords({record});
        const QStringList headers = {"Name", "Type", "Content"};
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), headers.at(column));
            QCOMPARE(model.index(0, column).data().toString(), cells.at(column));
            QCOMPARE(model.index(0, column).data(Qt::TextAlignmentRole),
                     column == 1 ? QVariant(int(Qt::AlignCenter)) : QVariant());
            QCOMPARE(model.index(0, column).data(Qt::ToolTipRole).toString(), toolTip);
            QCOMPARE(model.index(0, column).data(Qt::ForegroundRole).isValid(), !toolTip.isEmpty());
        }
    }
};

TAMZOR_TEST_MAIN(TestModels)
#include "tst_models.moc"
