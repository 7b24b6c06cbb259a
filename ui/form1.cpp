// Building Form1: every element at its place, measured in twips (15 to a pixel at 96 dpi)
// from its parent's top-left corner, as the window's design tables give them.
#include "ui/form1.h"

#include <QAction>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <limits>

#include "ui/artwork.h"
#include "ui/look.h"

namespace korvel {

namespace {

// Client area below the menu bar: 8160 x 7335 twips.
constexpr int kClientWidth = 8160 / 15;
constexpr int kClientHeight = 7335 / 15;

// The column header over List1 (55 bytes in GB2312): one blank, 点号, eight blanks, X, seventeen
// blanks, Y, nineteen blanks, 备注. In the window font the titles stand at 90, 1170, 2790 and 4590
// twips from the strip's left edge.
QString listHeader() {
    return QStringLiteral(" 点号") + QString(8, QLatin1Char(' ')) + QLatin1Char('X') +
           QString(17, QLatin1Char(' ')) + QLatin1Char('Y') + QString(19, QLatin1Char(' ')) +
           QStringLiteral("备注");
}

// A rectangle given in twips, in device-independent pixels.
QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// A caption label at a fixed place, sized to its caption in the window font.
QLabel* makeLabel(QWidget* parent, const char* name, const char* caption, QRect place) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setMargin(0);
    label->setIndent(0);
    return label;
}

// An empty single-line input box in the 10.5 pt face, without a length limit.
QLineEdit* makeText(QWidget* parent, const char* name, QRect place) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(place);
    edit->setFont(songFont(10.5));
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return edit;
}

// An option button at a fixed place.
QRadioButton* makeOption(QWidget* parent, const char* name, const char* caption, QRect place) {
    auto* option = new QRadioButton(QString::fromUtf8(caption), parent);
    option->setObjectName(QString::fromLatin1(name));
    option->setGeometry(place);
    return option;
}

// A command button that is neither the Enter default nor the Esc button.
QPushButton* makeCommand(QWidget* parent, const char* name, const char* caption, QRect place) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

Form1::Form1(DialogHost* host, QWidget* parent)
    : QMainWindow(parent),
      ownHost_(host != nullptr ? nullptr : std::make_unique<QtDialogHost>()),
      host_(host != nullptr ? *host : *ownHost_) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setWindowIcon(appIcon());
    useSongStandInWhereMissing();
    setFont(songFont(9));

    buildMenu();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    buildClientArea(client);
    wireOptions();
    buildListMenu();
    // A file dropped anywhere on the window is read as a parameter file; the boxes take no
    // drops of their own, so the drop reaches the window.
    setAcceptDrops(true);
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8}) {
        box->setAcceptDrops(false);
    }
    CommonDialog1 = new CommonDialog(host_, this);

    // A fixed central widget alone leaves the frame resizable; the fixed constraint does not.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Text1->setFocus();
}

Form1::~Form1() = default;

void Form1::buildMenu() {
    gongju = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    gongju->setObjectName(QStringLiteral("gongju"));
    gongju->menuAction()->setObjectName(QStringLiteral("gongju"));
    baocun = gongju->addAction(QStringLiteral("参数保存"));
    baocun->setObjectName(QStringLiteral("baocun"));
    baocun->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    duqu = gongju->addAction(QStringLiteral("参数读取"));
    duqu->setObjectName(QStringLiteral("duqu"));
    duqu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));

    shuchu = menuBar()->addMenu(QStringLiteral("成果输出"));
    shuchu->setObjectName(QStringLiteral("shuchu"));
    shuchu->menuAction()->setObjectName(QStringLiteral("shuchu"));
    baocuncg = shuchu->addAction(QStringLiteral("保存成果.txt"));
    baocuncg->setObjectName(QStringLiteral("baocuncg"));
    save = shuchu->addAction(QStringLiteral("保存成果.xls"));
    save->setObjectName(QStringLiteral("save"));

    // The shortcuts work wherever the focus is in the window, a text box included.
    for (QAction* action : {baocun, duqu}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    connect(baocun, &QAction::triggered, this, &Form1::baocun_Click);
    connect(duqu, &QAction::triggered, this, &Form1::duqu_Click);
    connect(baocuncg, &QAction::triggered, this, &Form1::baocuncg_Click);
    connect(save, &QAction::triggered, this, &Form1::save_Click);
}

void Form1::buildClientArea(QWidget* client) {
    // The mode group in one row at the very top.
    Option5 = makeOption(client, "Option5", "按步长计算", twips(1680, 120, 1335, 255));
    Option6 = makeOption(client, "Option6", "按角值计算", twips(4560, 120, 1335, 180));

    // The input area: captions and boxes on the left, positions and picture on the right.
    Frame1 = new QFrame(client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips(360, 360, 7455, 3855));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    Label1 = makeLabel(Frame1, "Label1", "椭圆长轴a长", twips(240, 330, 990, 180));
    Text1 = makeText(Frame1, "Text1", twips(1470, 240, 1695, 375));
    Label2 = makeLabel(Frame1, "Label2", "椭圆短轴b长", twips(240, 765, 990, 180));
    Text2 = makeText(Frame1, "Text2", twips(1470, 690, 1695, 375));
    Label9 = makeLabel(Frame1, "Label9", "距路中距离D", twips(240, 1200, 990, 180));
    Text8 = makeText(Frame1, "Text8", twips(1470, 1125, 1695, 375));
    Label3 = makeLabel(Frame1, "Label3", "交 角 β", twips(510, 1635, 720, 180));
    Text3 = makeText(Frame1, "Text3", twips(1470, 1575, 1695, 375));
    Label4 = makeLabel(Frame1, "Label4", "路中点X坐标", twips(240, 2070, 990, 180));
    Text4 = makeText(Frame1, "Text4", twips(1470, 2025, 1695, 375));
    Label5 = makeLabel(Frame1, "Label5", "路中点Y坐标", twips(240, 2580, 990, 180));
    Text5 = makeText(Frame1, "Text5", twips(1470, 2460, 1695, 375));
    Label6 = makeLabel(Frame1, "Label6", "中点O方位角", twips(240, 3015, 990, 180));
    Text6 = makeText(Frame1, "Text6", twips(1470, 2910, 1695, 375));
    Label7 = makeLabel(Frame1, "Label7", "固定角度", twips(510, 3465, 720, 180));
    Text7 = makeText(Frame1, "Text7", twips(1470, 3360, 1695, 375));
    Text7->setToolTip(QStringLiteral("数值>0"));

    Option1 = makeOption(Frame1, "Option1", "位置1", twips(3840, 360, 855, 180));
    Option2 = makeOption(Frame1, "Option2", "位置2", twips(5760, 360, 855, 180));
    Option3 = makeOption(Frame1, "Option3", "位置3", twips(3840, 1080, 855, 180));
    Option4 = makeOption(Frame1, "Option4", "位置4", twips(5760, 1080, 855, 180));

    Image1 = new QLabel(Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips(3360, 1560, 3930, 2175));
    Image1->setPicture(slopeDiagram());
    Image1->setScaledContents(false);

    // The header strip on white; List1 is drawn over its lower 135 twips.
    Label8 = makeLabel(client, "Label8", "", twips(360, 4440, 7455, 375));
    Label8->setText(listHeader());
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label8->setAutoFillBackground(true);
    QPalette white = Label8->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    Label8->setPalette(white);

    listModel_ = new QStringListModel(this);
    List1 = new QListView(client);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twips(360, 4680, 7455, 1950));
    List1->setFont(listFont(10.5));
    List1->setModel(listModel_);
    List1->setUniformItemSizes(true);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->raise();

    Command1 = makeCommand(client, "Command1", "计算", twips(360, 6840, 855, 375));
    Command2 = makeCommand(client, "Command2", "清空", twips(1920, 6840, 855, 375));
    Command3 = makeCommand(client, "Command3", "退出", twips(3480, 6840, 855, 375));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);

    Label10 = makeLabel(client, "Label10", "Korvel 放样", twips(5400, 6840, 1980, 315));
    Label10->setFont(songFont(15.75, true));
    QPalette black = Label10->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    Label10->setPalette(black);

    // Keyboard order follows the boxes on the screen (a, b, D, β, ...), not their numbers.
    QWidget* const chain[] = {Text1,   Text2,   Text8,    Text3,   Text4,    Text5,
                              Text6,   Text7,   Command1, List1,   Command2, Command3,
                              Option4, Option3, Option2,  Option1, Option5,  Option6};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        setTabOrder(chain[i], chain[i + 1]);
    }
}

}  // namespace korvel
