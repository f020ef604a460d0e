#pragma once

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace nubo {

// An icon of the desktop's theme by its standard name; themes that ship only the
// symbolic forms (Adwaita today) are asked for "<name>-symbolic" as well.
inline QIcon themeIcon(const QString& name) {
    return QIcon::fromTheme(name, QIcon::fromTheme(name + "-symbolic"));
}

// A tool button's arrow drawn in the text's colour: the theme's symbolic form, tinted,
// for themes whose full-colour arrows are pale grey (Adwaita's), which looked disabled
// while the button worked. Qt greys the disabled form itself. Without a symbolic form,
// the theme's icon.
inline QIcon solidToolIcon(const QString& name, const QColor& color) {
    const QIcon symbolic = QIcon::fromTheme(name + "-symbolic");
    if (symbolic.isNull())
        return themeIcon(name);
    QIcon tinted;
    for (int size : {16, 22, 24, 32}) {
        QPixmap pixmap = symbolic.pixmap(size, size);
        QPainter painter(&pixmap);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(pixmap.rect(), color);
        painter.end();
        tinted.addPixmap(pixmap);
    }
    return tinted;
}

// Icons come from the desktop's theme; a desktop that names none gets Adwaita, and
// where the platform plugin knows no icon folders (offscreen, a bare X server) the XDG
// data folders' "icons" are searched, so that no button is left without its icon.
inline void setUpIconTheme() {
    QIcon::setFallbackThemeName("Adwaita");
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName("Adwaita");
    QStringList paths = QIcon::themeSearchPaths();
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = "/usr/local/share:/usr/share";
    QStringList folders = dataDirs.split(':', Qt::SkipEmptyParts);
    const QString home = qEnvironmentVariable("XDG_DATA_HOME", QDir::homePath() + "/.local/share");
    folders.prepend(home);
    for (const QString& folder : folders) {
        const QString icons = folder + "/icons";
        if (!paths.contains(icons) && QDir(icons).exists())
            paths << icons;
    }
    QIcon::setThemeSearchPaths(paths);
}

// What every window of the program tells the desktop: its name, the desktop entry it
// belongs to (the packaged one, whose id the taskbar and Wayland match its windows to),
// and where its icons come from.
inline void presentApplication() {
    QApplication::setApplicationName("NuboPRO");
    QApplication::setDesktopFileName("org.nubopro.NuboPRO");
    setUpIconTheme();
}

}  // namespace nubo
