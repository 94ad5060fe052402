#include "common/application.h"

#include "common/controls.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QStyleFactory>

namespace application {

void setUp(QApplication &app)
{
    app.setApplicationName(QStringLiteral("velmaric"));
    app.setApplicationVersion(QStringLiteral("1.00"));
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // Greyed captions must stay readable on the grey window backgrounds.
    QPalette palette = app.palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    app.setPalette(palette);

    // The windows name the Chinese fonts of their design; where those are
    // not installed, the system's Song and Kai faces stand in for them.
    const QStringList song = {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                              QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                              QStringLiteral("WenQuanYi Zen Hei")};
    const QStringList kai = QStringList{QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UKai TW")} + song;
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), kai);
    QFont::insertSubstitutions(QStringLiteral("仿宋_GB2312"), song);

    QApplication::setFont(controls::font(QStringLiteral("宋体"), 9));

    QIcon icon;
    icon.addFile(QStringLiteral(":/icon/velmaric-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icon/velmaric-16.png"), QSize(16, 16));
    QApplication::setWindowIcon(icon);

    // Only "退出" or the main window's close box ends the program.
    app.setQuitOnLastWindowClosed(false);
}

} // namespace application
