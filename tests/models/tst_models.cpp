#include "models/recordcontroller.h"
#include "models/recordmodel.h"
#include "models/recordsortfiltermodel.h"
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
// A table as the main window sets it up: whole single rows, a model shown through `Shown` (the
// model itself or a proxy over it) and a controller. A view moves the selection to a neighbour
// of a removed row; the user would then act on an item nobody chose.
template <typename Model, typename Shown, typename Controller, typename Items, typename Remove,
          typename Selected, typename Signal>
void checkRemovalLeavesNoSelection(const Items &both, Items (Model::*items)() const,
                                   void (Model::*setItems)(const Items &), Remove remove,
                                   Selected selectedItem, Signal selectedSignal,
                                   Signal notSelectedSignal)
{
    Model model;
    Shown shown;
    QTableView view;
    Controller controller;
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    if constexpr (std::is_same_v<Model, Shown>) {
        view.setModel(&model);
    } else {
        shown.setSourceModel(&model);
        view.setModel(&shown);
    }
    controller.setup(&model, &view);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    (model.*setItems)(both);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                      view.visualRect(view.model()->index(0, 0)).center());
    QCOMPARE((controller.*selectedItem)(), both.at(0));
    QSignalSpy selected(&controller, selectedSignal);
    QSignalSpy notSelected(&controller, notSelectedSignal);

    (controller.*remove)();

    QCOMPARE((model.*items)(), both.mid(1));
    QCOMPARE(notSelected.count(), 1);
    QCOMPARE(selected.count(), 0);
}

using TestSupport::parsedRecords;

// The records as the table lists them: the zone-file line of each row.
QStringList listed(const QAbstractItemModel &table, const RecordModel &records)
{
    QStringList lines;
    for (int row = 0; row < table.rowCount(); ++row) {
        const auto &proxy = static_cast<const RecordSortFilterModel &>(table);
        lines.append(records.record(proxy.mapToSource(table.index(row, 0)))->toString());
    }
    return lines;
}

// Record lines of the reverse zone 2.0.192.in-addr.arpa. or of example., by owner and type.
QString line(const QString &owner, const QString &rest = QStringLiteral("A 192.0.2.1"))
{
    return owner + QStringLiteral(" 3600 IN ") + rest;
}
} // namespace

// The zone and record tables' models: what each row shows, the record table's order and filter,
// and the selection through them.
class TestModels : public QObject
{
    Q_OBJECT

private slots:
    void removeSelectedZone_leavesNoSelection_emitsNotSelectedOnce()
    {
        checkRemovalLeavesNoSelection<ZoneModel, ZoneModel, ZoneController>(
            QList<PZone>{PZone(new Zone), PZone(new Zone)}, &ZoneModel::zones, &ZoneModel::setZones,
            &ZoneController::removeSelectedZone, &ZoneController::selectedZone,
            &ZoneController::zoneSelected, &ZoneController::zoneNotSelected);
    }

    void removeSelectedRecord_throughTheTablesOrder_leavesNoSelection()
    {
        checkRemovalLeavesNoSelection<RecordModel, RecordSortFilterModel, RecordController>(
            parsedRecords({line("a.example."), line("b.example.")}), &RecordModel::records,
            &RecordModel::setRecords, &RecordController::removeSelectedRecord,
            &RecordController::selectedRecord, &RecordController::recordSelected,
            &RecordController::recordNotSelected);
    }

    // An index of another model names no zone: the window must not act on a zone by it.
    void zoneData_nameAndType_stateOfTheRecords_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("greyed");
        // Without views the view column would stay empty and is left out.
        QTest::addColumn<QString>("view");
        QTest::newRow("records read") << true << QString() << QString() << false << QString();
        QTest::newRow("records on their way")
            << false << QString() << "Reading the records…" << true << QString();
        QTest::newRow("file unreadable") << true << "no such file"
                                         << "Could not be read: no such file" << false << QString();
        QTest::newRow("in a view") << true << QString() << QString() << false << "inside";
    }

    void zoneData_nameAndType_stateOfTheRecords()
    {
        QFETCH(bool, loaded);
        QFETCH(QString, problem);
        QFETCH(QString, toolTip);
        QFETCH(bool, greyed);
        QFETCH(QString, view);
        ZoneModel model;
        QAbstractItemModelTester tester(&model);
        PZone zone(new Zone);
        zone->setName(QStringLiteral("example.com"));
        zone->setView(view);
        zone->setType(QStringLiteral("slave"));
        zone->setLoaded(loaded);
        zone->setReadProblem(problem);
        model.setZones({zone});
        QCOMPARE(model.index(0, 0).data(), QVariant(QStringLiteral("example.com")));
        QCOMPARE(model.index(0, 1).data(), QVariant(QStringLiteral("slave")));
        QCOMPARE(model.columnCount(), view.isEmpty() ? 2 : 3);
        QCOMPARE(model.index(0, 2).data().toString(), view);
        QCOMPARE(model.index(0, 0).data(Qt::ToolTipRole).toString(), toolTip);
        QCOMPARE(model.index(0, 0).data(Qt::DecorationRole).isValid(), !problem.isEmpty());
        QCOMPARE(model.index(0, 1).data(Qt::ForegroundRole).isValid(), greyed);
        QStandardItemModel other(2, 1);
        QVERIFY(model.zone(other.index(0, 0)).isNull());
        model.removeZone(other.index(0, 0));
        QCOMPARE(model.rowCount(), 1);
    }

    void recordData_columns_data()
    {
        QTest::addColumn<PRecord>("record");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("otherClass");
        auto *custom = new CustomRecord;
        custom->setName(QStringLiteral("odd.example.com."));
        custom->setRecordClass(QStringLiteral("CH"));
        custom->setData(QStringLiteral("TYPE65534 \\# 0"));
        QTest::newRow("service record shows the composed owner name")
            << parseRecordLine("_sip._udp.example.com. 60 IN SRV 10 20 5060 sip.example.com.")
            << QStringList{"_sip._udp.example.com.", "60", "IN", "SRV",
                           "10 20 5060 sip.example.com."}
            << QString() << false;
        QTest::newRow("custom record of another class has an empty type")
            << PRecord(custom)
            << QStringList{"odd.example.com.", "86400", "CH", "", "TYPE65534 \\# 0"} << QString()
            << true;
        const PRecord included = parseRecordLine("key.example.com. 60 IN TXT \"k\"");
        included->setSource(QStringLiteral("$INCLUDE /etc/bind/example.com.dkim"));
        QTest::newRow("included record is greyed and tells its file")
            << included << QStringList{"key.example.com.", "60", "IN", "TXT", "\"k\""}
            << "This record comes from $INCLUDE file /etc/bind/example.com.dkim; edit that file "
               "instead."
            << false;
    }

    void recordData_columns()
    {
        QFETCH(PRecord, record);
        QFETCH(QStringList, cells);
        QFETCH(QString, toolTip);
        QFETCH(bool, otherClass);
        RecordModel model;
        QAbstractItemModelTester tester(&model);
        model.setRecords({record});
        for (int column = 0; column < cells.size(); ++column) {
            QCOMPARE(model.index(0, column).data().toString(), cells.at(column));
            QCOMPARE(model.index(0, column).data(Qt::ToolTipRole).toString(), toolTip);
            QCOMPARE(model.index(0, column).data(Qt::ForegroundRole).isValid(), !toolTip.isEmpty());
        }
        QCOMPARE(model.hasOtherClasses(), otherClass);
    }

    // Lines in the zone's order, the column clicked (1 to 5, negative for descending; 0 for none),
    // and the lines as the table lists them.
    void sort_dnsOrderByDefault_anyColumnOnAClick_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("sorted");
        const QString soa = "SOA ns.example. h.example. 1 7200 3600 1209600 300";
        QTest::newRow("numbers by value")
            << QStringList{line("host10.example."), line("host2.example."), line("host1.example.")}
            << 0
            << QStringList{line("host1.example."), line("host2.example."), line("host10.example.")};
        QTest::newRow("apex first, its start of authority heading it")
            << QStringList{line("www.example."), line("example.", "NS ns.example."),
                           line("example.", soa)}
            << 0
            << QStringList{line("example.", soa), line("example.", "NS ns.example."),
                           line("www.example.")};
        QTest::newRow("label by label from the right, case ignored")
            << QStringList{line("b.example."), line("a.C.example."), line("a.b.example.")} << 0
            << QStringList{line("b.example."), line("a.b.example."), line("a.C.example.")};
        QTest::newRow("reverse zone in address order")
            << QStringList{line("20.2.0.192.in-addr.arpa.", "PTR b."),
                           line("2.2.0.192.in-addr.arpa.", "PTR c."),
                           line("10.2.0.192.in-addr.arpa.", "PTR a.")}
            << 0
            << QStringList{line("2.2.0.192.in-addr.arpa.", "PTR c."),
                           line("10.2.0.192.in-addr.arpa.", "PTR a."),
                           line("20.2.0.192.in-addr.arpa.", "PTR b.")};
        QTest::newRow("names descending")
            << QStringList{line("host1.example."), line("host10.example."), line("host2.example.")}
            << -1
            << QStringList{line("host10.example."), line("host2.example."), line("host1.example.")};
        QTest::newRow("time to live by value")
            << QStringList{"a.example. 600 IN A 192.0.2.1", "b.example. 60 IN A 192.0.2.1"} << 2
            << QStringList{"b.example. 60 IN A 192.0.2.1", "a.example. 600 IN A 192.0.2.1"};
        QTest::newRow("data with numbers by value")
            << QStringList{line("a.example.", "A 192.0.2.10"), line("b.example.", "A 192.0.2.9")}
            << 5
            << QStringList{line("b.example.", "A 192.0.2.9"), line("a.example.", "A 192.0.2.10")};
    }

    void sort_dnsOrderByDefault_anyColumnOnAClick()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, column);
        QFETCH(QStringList, sorted);
        RecordModel model;
        RecordSortFilterModel table;
        QAbstractItemModelTester tester(&table);
        table.setSourceModel(&model);
        model.setRecords(parsedRecords(lines));
        if (column != 0)
            table.sort(qAbs(column) - 1, column < 0 ? Qt::DescendingOrder : Qt::AscendingOrder);
        QCOMPARE(listed(table, model), sorted);
    }

    // A change sorts only the records it brings; the order must be what sorting all gives.
    void sort_afterAChange_asAFreshSort_data()
    {
        QTest::addColumn<int>("removed");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<bool>("filtered");
        QTest::addColumn<bool>("newFirst");
        QTest::newRow("record added")
            << -1 << QStringList{line("host3.example.")} << false << false;
        QTest::newRow("first record removed") << 0 << QStringList() << false << false;
        QTest::newRow("record replaced, filter on")
            << 2 << QStringList{line("a.host10.example.")} << true << false;
        QTest::newRow("first record renewed, one removed, one added")
            << 3 << QStringList{line("host1.example.")} << false << true;
    }

    void sort_afterAChange_asAFreshSort()
    {
        QFETCH(int, removed);
        QFETCH(QStringList, added);
        QFETCH(bool, filtered);
        QFETCH(bool, newFirst);
        QVector<PRecord> records =
            parsedRecords({line("host10.example."), line("example.", "NS ns."),
                           line("host2.example."), line("a.example.")});
        RecordModel model;
        RecordSortFilterModel table;
        table.setSourceModel(&model);
        model.setRecords(records);
        table.setFilterText(filtered ? "host" : "");
        if (removed >= 0)
            records.removeAt(removed);
        // As a saved zone's raised serial does.
        if (newFirst)
            records.replace(0, PRecord(records.first()->clone()));
        records += parsedRecords(added);
        model.setRecords(records);
        RecordModel fresh;
        RecordSortFilterModel freshTable;
        freshTable.setSourceModel(&fresh);
        freshTable.setFilterText(table.filterText());
        fresh.setRecords(records);
        QCOMPARE(listed(table, model), listed(freshTable, fresh));
    }

    // The text typed, key by key: the names shown after each key, or "*" for all of them.
    void filter_nameTypeOrData_caseIgnored_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("narrowed by name, widened again")
            << QStringList{"h", "ho", "host1", "host", ""}
            << QStringList{"host1 host2 host10", "host1 host2 host10", "host1 host10",
                           "host1 host2 host10", "*"};
        QTest::newRow("type, any case") << QStringList{"mX"} << QStringList{"mail"};
        QTest::newRow("data") << QStringList{"192.0.2.7"} << QStringList{"host2"};
        QTest::newRow("nothing matches") << QStringList{"zzz"} << QStringList{""};
    }

    void filter_nameTypeOrData_caseIgnored()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, shown);
        RecordModel model;
        RecordSortFilterModel table;
        QAbstractItemModelTester tester(&table);
        table.setSourceModel(&model);
        model.setRecords(
            parsedRecords({line("host1.example."), line("host2.example.", "A 192.0.2.7"),
                           line("host10.example."), line("mail.example.", "MX 10 mx.")}));
        for (int key = 0; key < keys.size(); ++key) {
            table.setFilterText(keys.at(key));
            QStringList names;
            for (int row = 0; row < table.rowCount(); ++row)
                names << table.index(row, 0).data().toString().section('.', 0, 0);
            QCOMPARE(names.join(' '),
                     shown.at(key) == "*" ? QString("host1 host2 host10 mail") : shown.at(key));
            QCOMPARE(table.headerData(4, Qt::Horizontal).toString(), QString("Data"));
        }
    }

    // Sorting and filtering keep the selected record selected while it is shown; a filter that
    // hides it leaves nothing selected, and the controller says so.
    void sortAndFilter_keepSelectedRecord()
    {
        RecordModel model;
        RecordSortFilterModel table;
        table.setSourceModel(&model);
        QTableView view;
        view.setSelectionMode(QAbstractItemView::SingleSelection);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.setModel(&table);
        RecordController controller;
        controller.setup(&model, &view);
        model.setRecords(
            parsedRecords({line("a.example."), line("b.example."), line("c.example.")}));
        view.selectRow(1);
        const PRecord b = controller.selectedRecord();
        QCOMPARE(b->name(), QString("b.example."));
        QSignalSpy notSelected(&controller, &RecordController::recordNotSelected);

        table.sort(0, Qt::DescendingOrder);
        table.setFilterText("b");
        QCOMPARE(controller.selectedRecord(), b);
        table.setFilterText("c");
        QVERIFY(!controller.selectedRecord());
        QCOMPARE(notSelected.count(), 1);
    }
};

TAMZOR_TEST_MAIN(TestModels)
#include "tst_models.moc"
