#include "widgets/table_model.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QFont>
#include <QTableView>
#include <QTest>

using namespace pentad::analysis;

class TestTableModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTextsColoursAndColumns() {
        TableModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        Table table({{"期号", 60}, {"和值", 40, 0xFFFF00}, {"x", 10, std::nullopt, false}});
        for (int i = 0; i < 3000; ++i)
            table.setText(table.addRow(), 0, QString::number(2013001 + i));
        table.cell(1, 1) = Cell{"18", 0xFF0000, 0x0000FF, true};
        model.setTable(table);

        QCOMPARE(model.rowCount(), 3000);
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("和值"));
        QCOMPARE(model.data(model.index(2, 0), Qt::DisplayRole).toString(), QStringLiteral("2013003"));
        QCOMPARE(model.data(model.index(1, 1), Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 0, 0));
        QCOMPARE(model.data(model.index(0, 1), Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 255, 0));
        QCOMPARE(model.data(model.index(1, 1), Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 255));
        QVERIFY(model.data(model.index(1, 1), Qt::FontRole).value<QFont>().bold());
        QVERIFY(!model.data(model.index(0, 0), Qt::BackgroundRole).isValid());

        QTableView view;
        view.setModel(&model);
        applyColumns(&view, model.table());
        QVERIFY(view.columnWidth(0) >= 60); // never narrower than the table says
        QVERIFY(view.columnWidth(0) >= view.fontMetrics().horizontalAdvance("2013001"));
        QVERIFY(view.isColumnHidden(2));
        QVERIFY(!view.isColumnHidden(1));
    }
};

QTEST_MAIN(TestTableModel)
#include "tst_table_model.moc"
