// Form1: the one window of Korvel. Eight input boxes, the mode and position groups, the
// explanatory picture, the result list under its header strip, three buttons and a menu.
// Element and handler names follow the window's design tables so that the file commands
// and the tests reach every element by the name it carries there.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

#include "core/geometry.h"
#include "core/run.h"
#include "core/stake_row.h"
#include "files/output_formats.h"
#include "ui/common_dialog.h"
#include "ui/dialog_host.h"

class QAction;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QRadioButton;
class QStringListModel;

namespace korvel {

struct Problem;

class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    // The window in its start-up state; dialogs go through `host`, or the real ones if null.
    explicit Form1(DialogHost* host = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    // The eight input texts, Text1 to Text8 (a, b, β, X, Y, azimuth, step, D).
    std::array<QString, 8> inputTexts() const;
    // Sets Text1 to Text8, in this order.
    void setInputTexts(const std::array<QString, 8>& texts);
    // The lines of List1, top to bottom.
    QStringList listLines() const;
    // Shows a modal message captioned "Korvel" with one OK button.
    void showMessage(const QString& text);
    // Reads the parameter file at `path` as "参数读取" reads it when that file is chosen: the
    // same decoding and limits, all eight texts or "文件路径错误", and CommonDialog1 left as
    // that command leaves it. For a file named on the command line or dropped on the window.
    void openParameterFile(const QString& path);

    // The elements, named as in the window's design.
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10;
    QRadioButton *Option1, *Option2, *Option3, *Option4, *Option5, *Option6;
    QPushButton *Command1, *Command2, *Command3;
    QFrame* Frame1;
    QListView* List1;
    QLabel* Image1;
    CommonDialog* CommonDialog1;
    QMenu *gongju, *shuchu;
    QAction *baocun, *duqu, *baocuncg, *save;
    // The result list's own menu (right-click, the Menu key, Shift+F10): copy and export.
    QMenu* List1Menu;
    QAction *fuzhi, *daochu, *jilubiao, *fuhe, *gaocheng, *jiance;

  public slots:
    // "计算": runs the calculation and fills List1, or shows its message.
    void Command1_Click();
    // "清空": clears List1, then empties Text1 to Text8.
    void Command2_Click();
    // "退出": ends the program at once.
    void Command3_Click();
    // "位置1" selected: clears List1.
    void Option1_Click();
    // "位置2" selected: clears List1.
    void Option2_Click();
    // "位置3" selected: clears List1.
    void Option3_Click();
    // "位置4" selected: clears List1.
    void Option4_Click();
    // "按步长计算" selected: Text7 now holds a length.
    void Option5_Click();
    // "按角值计算" selected: Text7 now holds an angle.
    void Option6_Click();
    // "参数保存" (Ctrl+S): saves the eight input texts to a zdy file.
    void baocun_Click();
    // "参数读取" (Ctrl+O): reads the eight input texts from a zdy file.
    void duqu_Click();
    // "保存成果.txt": saves the result lines as a text file.
    void baocuncg_Click();
    // "保存成果.xls": saves the result lines as a workbook.
    void save_Click();
    // "复制" (Ctrl+C in the list): the selected row, or every row when none is selected, to
    // the clipboard as the list's lines joined by CR LF.
    void fuzhi_Click();
    // "导出放样点": every row to a point file for an instrument or a drawing, through the
    // table of output formats; asks for the file, then for the elevation and name prefix.
    void daochu_Click();
    // "放样记录表": the stake-out sheet of the list's run as a PDF, asked for the header, the
    // elevation and prefix, and the station; then opened in the desktop's PDF viewer.
    void jilubiao_Click();
    // "放样复核": the staked points measured in the instrument's file against the list's rows,
    // shown as a table that can be exported as text, CSV, workbook or the check sheet.
    void fuhe_Click();
    // "锥坡高程": the slope's top, slopes and layers, with the quantities of the list's run;
    // with a top, the point export and the sheet take the layers and the surface.
    void gaocheng_Click();
    // "坡面检测": the points shot on the slope, read from the instrument's file, against the
    // design surface of the list's run raised as "锥坡高程" has it; shown as a table that can
    // be exported as text, CSV, workbook or the sheet. Greyed until a top is set.
    void jiance_Click();

  protected:
    // A drag that brings a local file is accepted; nothing else is.
    void dragEnterEvent(QDragEnterEvent* event) override;
    // A dropped file is read as a parameter file; of several, the first.
    void dropEvent(QDropEvent* event) override;
    // Arrow keys on an option button move the selection within its own group; a context
    // menu request on the result list opens its menu.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Builds the menu bar with its two menus and their shortcuts.
    void buildMenu();
    // Builds List1's own menu and the keys that open it.
    void buildListMenu();
    // Where List1's menu opens in the list's viewport for a key: under the current row, or at
    // the top.
    QPoint keyboardMenuPlace() const;
    // Opens List1's menu at `where` in the list's viewport.
    void showListMenu(const QPoint& where);
    // Enables the list's menu items while the list has rows.
    void followListRows();
    // Opens List1's menu for a context menu request or the Menu key on the list; true when
    // `event` was one of those.
    bool listMenuEvent(QObject* watched, QEvent* event);
    // Creates every element of the client area at its place.
    void buildClientArea(QWidget* client);
    // Ties the option buttons into their groups, the tab chain and the handlers.
    void wireOptions();
    // Empties List1.
    void clearList();
    // Fills List1 with the rows of `run`, and keeps the run beside them.
    void showRun(ListedRun run);
    // Sets up CommonDialog1 for a save (title, emptied name, filter, default extension and
    // each filter's own extension, if any; the starting folder as it stands) and shows it;
    // empty when cancelled.
    QString askSavePath(const QString& title, const QString& filter, const QString& defaultExt,
                        const QStringList& filterExtensions = {});
    // Shows "文件保存失败" and the problem when a save did not reach the disk.
    void reportSave(const Problem& problem);
    // Sets up CommonDialog1 for "参数读取": title, emptied name, the liti folder, the filter.
    void setUpParameterRead();
    // Exports the check of the list's run as its ending says, after asking where.
    void exportCheck(const CheckInputs& inputs, const CheckReport& report);
    // Exports the face check as its ending says, after asking where.
    void exportFace(const FaceInputs& inputs, const FaceReport& report);
    // Asks where a check is exported ("保存复核结果", "保存检测结果") among the endings the
    // checks write, the sheet first; empty when cancelled, nothing when the ending is no
    // check's (said in a message).
    std::optional<std::pair<QString, OutputFormat>> askCheckExport(const QString& title);
    // Asks for a measured file to check ("选择实测点文件", the instruments' filter); empty
    // when cancelled.
    QString askMeasuredFile();
    // Reads the parameter file at `path` into the eight boxes, or shows "文件路径错误".
    void readParameters(const QString& path);

    std::unique_ptr<DialogHost> ownHost_;
    DialogHost& host_;
    QStringListModel* listModel_;
    QButtonGroup* modeGroup_;
    QButtonGroup* positionGroup_;
    // The run the list shows; all empty while the list is.
    ListedRun listRun_;
    // The export's elevation and prefix as last accepted, kept while the program runs; the
    // sheet shares them and keeps its own header and station beside them.
    PointSettings pointSettings_;
    SheetSettings sheetSettings_;
    // The slope's heights as last accepted, kept while the program runs: blank, the files and
    // the sheet hold the toe only.
    HeightSettings heightSettings_;
    // The check's tolerance in millimetres as last typed, kept while the program runs.
    QString checkTolerance_ = QStringLiteral("50");
    CoordinateOrder checkOrder_ = CoordinateOrder::NorthEast;
    // The face check's tolerance and coordinate order as they last stood.
    FaceInputs faceInputs_;
    // Since the menu the Menu key opened closed: a platform that also turns that key into a
    // context menu request must not open the menu a second time.
    QElapsedTimer sinceMenuKey_;
};

}  // namespace korvel
