// The main window's toolbar and menu.

#include "app/tfrm_main.h"

#include "filter/filter_panel.h"
#include "widgets/glyph_icon.h"

#include <QFrame>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <type_traits>

namespace {

struct ToolButtonInfo {
    const char* name;
    const char* caption;
    const char* hint;
    const char* glyph;
    QRgb tile;
    void (TfrmMain::*handler)();
};

const ToolButtonInfo kQueryButtons[] = {
    {"SBCX", "查  询", "查询", "查", 0x1565C0, &TfrmMain::SBCXClick},
    {"SBCool", "冷态查询", "冷态查询", "冷", 0x00838F, &TfrmMain::SBCoolClick},
};
const ToolButtonInfo kAnalysisButtons[] = {
    {"SBtnGridData", "基本分析", "表格分析", "基", 0x2E7D32, &TfrmMain::SBtnGridDataClick},
    {"SBAdData", "高级分析", "高级分析", "高", 0x6A1B9A, &TfrmMain::SBAdDataClick},
    {"SBtnGraphData", "统计分析", "图形分析", "统", 0xEF6C00, &TfrmMain::SBtnGraphDataClick},
    {"SBFutureData", "走势分析", "走向趋势", "走", 0xC62828, &TfrmMain::SBFutureDataClick},
    {"SBMissData", "遗漏分析", "遗漏分析", "遗", 0x4E342E, &TfrmMain::SBMissDataClick},
};
const ToolButtonInfo kSelectButtons[] = {
    {"SBSelect", "投注过滤", "缩水过滤", "投", 0xAD1457, &TfrmMain::SBSelectClick},
};

} // namespace

void TfrmMain::buildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("工具栏"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(24, 24));
    const auto addGroup = [this, bar](const auto& buttons) {
        for (const ToolButtonInfo& info : buttons) {
            auto* button = new QToolButton(bar);
            button->setObjectName(QString::fromLatin1(info.name));
            button->setText(QString::fromUtf8(info.caption));
            button->setToolTip(QString::fromUtf8(info.hint));
            button->setStatusTip(QString::fromUtf8(info.hint));
            button->setIcon(glyphIcon(QString::fromUtf8(info.glyph).front(), QColor(info.tile)));
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            button->setMinimumHeight(45);
            connect(button, &QToolButton::clicked, this, info.handler);
            bar->addWidget(button);
        }
    };
    addGroup(kQueryButtons);
    bar->addSeparator();
    addGroup(kAnalysisButtons);
    bar->addSeparator();
    addGroup(kSelectButtons);
}

void TfrmMain::buildMenu() {
    QMenuBar* bar = menuBar();
    // Items whose work is not in the program yet are shown disabled.
    const auto add = [this](QMenu* menu, const char* name, const char* text, auto handler) {
        QAction* action = menu->addAction(QString::fromUtf8(text));
        action->setObjectName(QString::fromLatin1(name));
        if constexpr (std::is_null_pointer_v<decltype(handler)>)
            action->setEnabled(false);
        else
            connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const auto menu = [bar](const char* name, const char* title) {
        QMenu* m = bar->addMenu(QString::fromUtf8(title));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    QMenu* lottery = menu("mnuLottery", "我的彩票(&M)");
    QAction* save = add(lottery, "mnuSave", "保存(&S)", &TfrmMain::mnuSaveClick);
    connect(lottery, &QMenu::aboutToShow, this,
            [this, save] { save->setEnabled(savers_.contains(currentPanel_)); });
    QMenu* print = lottery->addMenu(QStringLiteral("打印(&P)"));
    print->setObjectName(QStringLiteral("mnuPrint"));
    print->setEnabled(false);
    add(print, "mnuPrintNow", "打印可视区域", nullptr);
    add(print, "mnuPrintAll", "打印所有纪录", nullptr);
    lottery->addSeparator();
    add(lottery, "mnuInsert", "号码输入(&I)", nullptr);
    add(lottery, "mnuChange", "号码修改(&M)", nullptr);
    lottery->addSeparator();
    add(lottery, "mnuClose", "退出(&E)", &TfrmMain::close);

    QMenu* analysis = menu("mnuAnalysis", "数据分析(&A)");
    add(analysis, "mnuGD", "基本分析(&B)", &TfrmMain::SBtnGridDataClick);
    add(analysis, "mnuAdv", "高级分析(&A)", &TfrmMain::SBAdDataClick);
    analysis->addSeparator();
    add(analysis, "mnuTJ", "统计分析(&T)", &TfrmMain::SBtnGraphDataClick);
    add(analysis, "mnuZS", "走势分析(&Z)", &TfrmMain::SBFutureDataClick);
    add(analysis, "mnuYL", "遗漏分析(&Y)", &TfrmMain::SBMissDataClick);

    QMenu* select = menu("mnuSelectMenu", "选号投注(&S)");
    add(select, "mnuSelect", "投注缩水(&T)", &TfrmMain::SBSelectClick);
    add(select, "munOpenResult", "打开结果 (&O)", [this] { filterPanel_->munOpenResultClick(); });

    QMenu* tools = menu("mnuTools", "工具(&T)");
    add(tools, "mnuSet", "软件设置(&S)", nullptr);
    add(tools, "mnuBeiTou", "倍投计算(&C)", nullptr);
    add(tools, "mnuJiao", "交集运算(&J)", &TfrmMain::mnuJiaoClick);
    tools->addSeparator();
    add(tools, "mnuDataDown", "数据下载(&D)", nullptr);
    add(tools, "mnuImport", "导入数据", &TfrmMain::mnuImportClick);

    QMenu* help = menu("mnuHelpMenu", "帮助(&H)");
    add(help, "mnuHelp", "帮助(&H)", &TfrmMain::mnuHelpClick);
    help->addSeparator();
    add(help, "mnuGovWeb", "体彩官方网站", &TfrmMain::mnuGovWebClick);
    add(help, "mnuWeb", "主页(&W)", &TfrmMain::mnuWebClick);
    help->addSeparator();
    add(help, "mnuAbout", "关于(A)", &TfrmMain::mnuAboutClick);
}
