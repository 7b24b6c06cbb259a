#include "ui/face_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvel {
namespace {

// A light red ground under a shot to cut or to fill, and grey text for a shot off the face.
const QColor kMarkedGround(255, 220, 220);
const QColor kOffText(128, 128, 128);

// The texts of one row in the captions' order, the verdict of a shot to cut marked "▲", of one
// to fill "▼".
QStringList rowTexts(const FaceCheck& check, const FaceRow& row) {
    QStringList texts;
    for (const std::string& field : faceFields(check, row)) {
        texts << QString::fromStdString(field);
    }
    if (row.verdict == FaceVerdict::High) {
        texts.last().prepend(QStringLiteral("▲"));
    } else if (row.verdict == FaceVerdict::Low) {
        texts.last().prepend(QStringLiteral("▼"));
    }
    return texts;
}

}  // namespace

QComboBox* coordinateOrderChoice(QWidget* parent, CoordinateOrder current) {
    auto* choice = new QComboBox(parent);
    choice->setObjectName(QStringLiteral("order"));
    choice->addItem(QStringLiteral("点名,X,Y（N,E）"));
    choice->addItem(QStringLiteral("点名,Y,X（E,N）"));
    choice->setCurrentIndex(current == CoordinateOrder::EastNorth ? 1 : 0);
    return choice;
}

CoordinateOrder chosenOrder(const QComboBox* choice) {
    return choice->currentIndex() == 1 ? CoordinateOrder::EastNorth : CoordinateOrder::NorthEast;
}

FaceRequest faceOfInputs(const FaceSession& session, const FaceInputs& inputs) {
    const std::optional<Tolerance> tolerance = toleranceFromText(inputs.tolerance.toStdString());
    if (!tolerance) {
        return {{}, problemAbout(ProblemCode::BadTolerance, inputs.tolerance.toStdString())};
    }
    MeasuredShots shots = readMeasuredShots(session.path, inputs.order);
    if (shots.problem) {
        return {{}, std::move(shots.problem)};
    }
    return makeFaceRequest(
        session.run,
        {session.points.elevation.toStdString(), session.points.prefix.toStdString()},
        typedHeights(session.heights), std::move(shots), *tolerance);
}

void fillFaceTable(QTableWidget* table, const FaceReport& report) {
    table->clearContents();
    table->setRowCount(static_cast<int>(report.check.rows.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        const FaceRow& row = report.check.rows[static_cast<std::size_t>(r)];
        const QStringList texts = rowTexts(report.check, row);
        const bool marked = row.verdict == FaceVerdict::High || row.verdict == FaceVerdict::Low;
        const bool off = row.verdict == FaceVerdict::BeyondToe ||
                         row.verdict == FaceVerdict::Outside;
        for (int c = 0; c < texts.size(); ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setTextAlignment(faceColumnIsNumber(static_cast<std::size_t>(c))
                                       ? Qt::AlignRight | Qt::AlignVCenter
                                       : Qt::AlignLeft | Qt::AlignVCenter);
            if (marked) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(kMarkedGround);
            } else if (off) {
                item->setForeground(kOffText);
            }
            table->setItem(r, c, item);
        }
    }
}

FaceInputs runFaceDialog(QWidget* parent, const FaceSession& session) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("FaceDialog"));
    dialog.setWindowTitle(QStringLiteral("坡面检测"));
    auto* tolerance = new QLineEdit(session.inputs.tolerance, &dialog);
    tolerance->setObjectName(QStringLiteral("tolerance"));
    QComboBox* order = coordinateOrderChoice(&dialog, session.inputs.order);
    // The order means something to a delimited file only.
    order->setEnabled(measuredFormatOf(session.path) == MeasuredFormat::Delimited);
    auto* table = new QTableWidget(0, static_cast<int>(kFaceColumns), &dialog);
    table->setObjectName(QStringLiteral("faceTable"));
    QStringList captions;
    for (const std::string_view caption : faceCaptions()) {
        captions << QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    }
    table->setHorizontalHeaderLabels(captions);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* summary = new QLabel(&dialog);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* exporting =
        buttons->addButton(QStringLiteral("导出(&E)…"), QDialogButtonBox::ActionRole);
    exporting->setObjectName(QStringLiteral("exportFace"));
    QPushButton* close = buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeFace"));
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("允许偏差(mm)"), tolerance);
    form->addRow(QStringLiteral("坐标顺序"), order);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(table, 1);
    layout->addWidget(summary);
    layout->addWidget(buttons);
    dialog.resize(760, 520);

    // Recomputed whenever an input changes; a refused input says why and offers no export.
    FaceRequest current;
    const auto inputs = [&] { return FaceInputs{tolerance->text(), chosenOrder(order)}; };
    const auto recompute = [&] {
        current = faceOfInputs(session, inputs());
        fillFaceTable(table, current.report);
        summary->setText(QString::fromStdString(current.problem ? problemText(current.problem)
                                                                : current.report.summary));
        exporting->setEnabled(!current.problem);
    };
    QObject::connect(tolerance, &QLineEdit::textChanged, &dialog, recompute);
    QObject::connect(order, &QComboBox::currentIndexChanged, &dialog, recompute);
    QObject::connect(exporting, &QPushButton::clicked, &dialog,
                     [&] { session.exportFace(inputs(), current.report); });
    recompute();
    dialog.exec();
    return inputs();
}

}  // namespace korvel
