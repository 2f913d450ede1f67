// The desktop program: splash, main window, message loop.

#include "app/allocator_tuning.h"
#include "app/data_home.h"
#include "app/product.h"
#include "app/tfrm_flash.h"
#include "app/tfrm_main.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    pentad::app::keepLargeBlocksForReuse();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pentad"));
    QApplication::setApplicationDisplayName(product::kTitle);

    QStringList args = QApplication::arguments().mid(1);
    QString optionError;
    const QString homeOption = pentad::app::takeHomeOption(args, &optionError);
    if (!optionError.isEmpty()) {
        QMessageBox::warning(nullptr, QStringLiteral("提示"), optionError);
        return 2;
    }
    const pentad::app::DataPaths paths(
        pentad::app::resolveDataHome(QApplication::applicationDirPath(), homeOption));

    auto* splash = new TfrmFlash(QApplication::applicationDirPath() + QStringLiteral("/Image/Flash.bmp"));
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    TfrmMain window(paths);
    splash->startFade();
    window.show();
    splash->raise();
    return QApplication::exec();
}
