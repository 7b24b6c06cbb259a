#include "ui/face_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/check_dialog_parts.h"

namespace korvel {
namespace {

// The texts of one row in the captions' order, the verdict of a shot to cut marked "▲", of one
// to fill "▼".
std::vector<QString> rowTexts(const FaceCheck& check, const FaceRow& row) {
    std::vector<QString> texts;
    for (const std::string& field : faceFields(check, row)) {
        texts.push_back(QString::fromStdString(field));
    }
    if (row.verdict == FaceVerdict::High) {
        texts.back().prepend(QStringLiteral("▲"));
    } else if (row.verdict == FaceVerdict::Low) {
        texts.back().prepend(QStringLiteral("▼"));
    }
    return texts;
}

}  // namespace

FaceRequest faceOfInputs(const FaceSession& session, const FaceInputs& inputs) {
    const std::optional<Tolerance> tolerance = toleranceFromText(inputs.tolerance.toStdString());
    if (!tolerance) {
        return {{}, problemAbout(ProblemCode::BadTolerance, inputs.tolerance.toStdString())};
    }
    MeasuredShots shots = session.shots && inputs.order == session.inputs.order
                              ? *session.shots
                              : readMeasuredShots(session.path, inputs.order);
    if (shots.problem) {
        return {{}, std::move(shots.problem)};
    }
    return makeFaceRequest(
        session.run, {session.points.elevation.toStdString(), session.points.prefix.toStdString()},
        typedHeights(session.heights), std::move(shots), *tolerance);
}

// A shot to cut or to fill marked, a shot off the face greyed.
void fillFaceTable(QTableWidget* table, const FaceReport& report) {
    const FaceCheck& check = report.check;
    fillShownRows(
        table, check.rows.size(),
        [&check](std::size_t r) {
            const FaceRow& row = check.rows[r];
            const bool marked = row.verdict == FaceVerdict::High || row.verdict == FaceVerdict::Low;
            const bool off =
                row.verdict == FaceVerdict::BeyondToe || row.verdict == FaceVerdict::Outside;
            return TableRow{rowTexts(check, row), marked ? RowLook::Marked
                                                  : off  ? RowLook::Faint
                                                         : RowLook::Plain};
        },
        faceColumnIsNumber);
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
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("允许偏差(mm)"), tolerance);
    form->addRow(QStringLiteral("坐标顺序"), order);
    QStringList captions;
    for (const std::string_view caption : faceCaptions()) {
        captions << QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    }
    const CheckDialogParts parts =
        layOutCheckDialog(dialog, form, captions, QStringLiteral("face"));

    // Recomputed whenever an input changes; a refused input says why and offers no export. The
    // file is read again only when the coordinate order changes, and kept in that order.
    FaceSession live = session;
    FaceRequest current;
    const auto inputs = [&] { return FaceInputs{tolerance->text(), chosenOrder(order)}; };
    const auto recompute = [&] {
        const FaceInputs typed = inputs();
        if (!live.shots || typed.order != live.inputs.order) {
            live.shots = readMeasuredShots(live.path, typed.order);
            live.inputs.order = typed.order;
        }
        current = faceOfInputs(live, typed);
        fillFaceTable(parts.table, current.report);
        parts.summary->setText(QString::fromStdString(current.problem ? problemText(current.problem)
                                                                      : current.report.summary));
        parts.exporting->setEnabled(!current.problem);
    };
    QObject::connect(tolerance, &QLineEdit::textChanged, &dialog, recompute);
    QObject::connect(order, &QComboBox::currentIndexChanged, &dialog, recompute);
    QObject::connect(parts.exporting, &QPushButton::clicked, &dialog,
                     [&] { session.exportFace(inputs(), current.report); });
    recompute();
    dialog.exec();
    return inputs();
}

}  // namespace korvel
