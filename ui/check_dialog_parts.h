// What the dialogs of both checks ("放样复核", "坡面检测") are made of besides their inputs: the
// choice of the coordinate order, the table of rows with the rows to act on marked, the
// summary under it, and "导出(&E)…" and "关闭".
#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>

#include "files/measured/measured_points.h"
#include "report/sheet_table.h"

class QComboBox;
class QDialog;
class QFormLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace korvel {

// A choice of the order of the coordinates after the name in a .csv or .txt file: "点名,X,Y"
// (N,E, as Korvel writes its .csv) or "点名,Y,X" (E,N), named "order", at `current`.
QComboBox* coordinateOrderChoice(QWidget* parent, CoordinateOrder current);

// The order a choice made by coordinateOrderChoice stands at.
CoordinateOrder chosenOrder(const QComboBox* choice);

// The widgets a check's dialog fills and follows.
struct CheckDialogParts {
    QTableWidget* table;
    QLabel* summary;
    QPushButton* exporting;
};

// Lays out `dialog`: the inputs of `form`, under them the table with `captions`, its columns
// sharing the dialog's width, the summary, and the buttons "导出(&E)…" and "关闭" (which
// closes the dialog). The table is named `name` + "Table", the buttons "export" + `Name` and
// "close" + `Name` ("check" -> "checkTable", "exportCheck", "closeCheck").
CheckDialogParts layOutCheckDialog(QDialog& dialog, QFormLayout* form, const QStringList& captions,
                                   const QString& name);

// Fills `table` with `rows` rows, row k as `shown` gives it (its texts, and its look as the
// printed sheet's: marked bold on a light red ground, faint in grey); the columns for which
// `isNumber` holds at the right, the others at the left.
void fillShownRows(QTableWidget* table, std::size_t rows,
                   const std::function<TableRow(std::size_t)>& shown,
                   const std::function<bool(std::size_t)>& isNumber);

}  // namespace korvel
