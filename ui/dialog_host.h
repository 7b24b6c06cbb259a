// The window's only ways out to modal system UI: the file dialog and the message box.
// Form1 reaches both through DialogHost so that tests can answer them from a script.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "core/run.h"
#include "core/stake_row.h"
#include "files/check_outputs.h"
#include "files/face_outputs.h"
#include "files/measured/measured_points.h"
#include "files/points/slope_heights.h"

class QWidget;

namespace korvel {

// Everything a file dialog is set up with, kept by CommonDialog1 between commands.
struct DialogSettings {
    QString title;     // window title, e.g. "保存参数"
    QString fileName;  // name shown in the file name box; the chosen full path afterwards
    QString initDir;   // folder the dialog starts in
    QString filter;  // "description|pattern[|description|pattern...]", e.g. "zdy文件(*.zdy)|*zdy"
    QString defaultExt;  // appended to a typed name without extension, e.g. "zdy"
    // The extension appended instead while the filter of the same place is picked, e.g.
    // {"dat", "gsi", "csv"}; empty when every filter takes defaultExt.
    QStringList filterExtensions;
};

// What the point export asks for, as typed: the toe elevation and the point name prefix.
struct PointSettings {
    QString elevation = QStringLiteral("0.000");  // "坡脚高程"
    QString prefix;                               // "点名前缀"
};

// What the stake-out sheet asks for, as typed, beside the elevation and prefix it shares with
// the point export: the header and the station and backsight, each a name, X and Y.
struct SheetSettings {
    QString project;     // "工程名称"
    QString part;        // "桩号及部位"
    QString instrument;  // "仪器型号及编号"
    QString stationName, stationX, stationY;
    QString backsightName, backsightX, backsightY;
};

// Everything "放样记录表" shows and gives back: the sheet's own fields and the point settings.
struct SheetAsk {
    SheetSettings sheet;
    PointSettings points;
};

// What "锥坡高程" asks for, as typed, beside the toe's elevation it shares with the point
// export: the top, the two slopes and the layers' thickness, each blank when not given.
struct HeightSettings {
    QString top;         // "坡顶高程"; blank: the slope is given no height
    QString longSlope;   // "长轴坡率 1:m"; blank: a true cone's
    QString shortSlope;  // "短轴坡率 1:n"
    QString thickness;   // "分层厚度"; blank: no layers

    bool operator==(const HeightSettings&) const = default;
};

// Everything "锥坡高程" shows and gives back: the heights and the point settings, whose
// elevation is the toe's and whose prefix names the lines.
struct HeightAsk {
    HeightSettings heights;
    PointSettings points;
};

// The heights as the files and the sheet take them.
TypedHeights typedHeights(const HeightSettings& settings);

// What "放样复核" recomputes the check from as it is typed: the name prefix and the tolerance
// in millimetres.
struct CheckInputs {
    QString prefix;
    QString tolerance = QStringLiteral("50");
    CoordinateOrder order = CoordinateOrder::NorthEast;  // of a .csv or .txt file
};

// One showing of "放样复核": the design rows, the measured file (its path, read again when the
// coordinate order changes; none for points given as they are) and its points as read in the
// inputs' order, the inputs to start from, and what "导出" does with the check of the inputs
// as they stand.
struct CheckSession {
    std::vector<StakeRow> rows;
    QString path;
    MeasuredPoints measured;
    CheckInputs inputs;
    std::function<void(const CheckInputs&, const CheckReport&)> exportCheck;
};

// What "坡面检测" recomputes the check from as it is typed: the tolerance in millimetres and
// the order of the coordinates in a .csv or .txt file.
struct FaceInputs {
    QString tolerance = QStringLiteral("50");
    CoordinateOrder order = CoordinateOrder::NorthEast;
};

// One showing of "坡面检测": the run and what the slope was raised with, the measured file
// (read again when the order changes), the inputs to start from, and what "导出" does with the
// check of the inputs as they stand.
struct FaceSession {
    ListedRun run;
    PointSettings points;
    HeightSettings heights;
    QString path;
    FaceInputs inputs;
    std::function<void(const FaceInputs&, const FaceReport&)> exportFace;
    // The file as read in the inputs' order, kept while that order stands; nothing: read at
    // each recomputation.
    std::optional<MeasuredShots> shots = {};
};

// The modal dialogs the window can show.
class DialogHost {
  public:
    virtual ~DialogHost() = default;
    // Shows an open dialog; returns the chosen full path, or an empty string when cancelled.
    virtual QString openFile(QWidget* parent, const DialogSettings& settings) = 0;
    // Shows a save dialog; returns the chosen full path, or an empty string when cancelled.
    virtual QString saveFile(QWidget* parent, const DialogSettings& settings) = 0;
    // Shows `text` in a modal box captioned "Korvel" with one OK button and no icon.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // Shows "放样点设置" filled with `current`; the accepted texts, or nothing when cancelled.
    virtual std::optional<PointSettings> askPointSettings(QWidget* parent,
                                                          const PointSettings& current) = 0;
    // Shows "放样记录表" filled with `current`; the accepted texts, or nothing when cancelled.
    virtual std::optional<SheetAsk> askSheetSettings(QWidget* parent, const SheetAsk& current) = 0;
    // Shows "锥坡高程" filled with `current`, with the quantities of `run` as the values are
    // typed; the accepted texts, or nothing when cancelled.
    virtual std::optional<HeightAsk> askHeights(QWidget* parent, const HeightAsk& current,
                                                const ListedRun& run) = 0;
    // Opens the file at `path` in the desktop's own viewer for its type; says nothing if none
    // opens it.
    virtual void openDocument(const QString& path) = 0;
    // Shows "放样复核" for `session` until "关闭"; the inputs as they stood then.
    virtual CheckInputs showCheck(QWidget* parent, const CheckSession& session) = 0;
    // Shows "坡面检测" for `session` until "关闭"; the inputs as they stood then.
    virtual FaceInputs showFace(QWidget* parent, const FaceSession& session) = 0;
};

// The real dialogs: Qt's own file dialog (the native one on Windows), QMessageBox, and a
// small form for the point settings. A file dialog with filter extensions appends the
// extension of the filter the user picks to a name typed without one.
class QtDialogHost final : public DialogHost {
  public:
    QString openFile(QWidget* parent, const DialogSettings& settings) override;
    QString saveFile(QWidget* parent, const DialogSettings& settings) override;
    void showMessage(QWidget* parent, const QString& text) override;
    std::optional<PointSettings> askPointSettings(QWidget* parent,
                                                  const PointSettings& current) override;
    std::optional<SheetAsk> askSheetSettings(QWidget* parent, const SheetAsk& current) override;
    std::optional<HeightAsk> askHeights(QWidget* parent, const HeightAsk& current,
                                        const ListedRun& run) override;
    void openDocument(const QString& path) override;
    CheckInputs showCheck(QWidget* parent, const CheckSession& session) override;
    FaceInputs showFace(QWidget* parent, const FaceSession& session) override;
};

// Turns "desc|pattern|desc|pattern" into Qt name filters "desc (pattern)". Qt reads the
// pattern from the last parentheses, so "zdy文件(*.zdy)|*zdy" matches "*zdy", and with
// QFileDialog::HideNameFilterDetails the combo box shows just "zdy文件(*.zdy)".
// Patterns joined by ";" become Qt's blank-separated list.
QStringList toQtNameFilters(const QString& filter);

// The caption of every message box and the title of the window.
inline constexpr char kAppTitle[] = "Korvel";

}  // namespace korvel
