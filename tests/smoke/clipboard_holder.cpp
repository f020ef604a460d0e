// Holds a text on the X clipboard for the nubosx smoke tests: the text is read from the
// file named by the first argument, the file named by the second is created once the
// clipboard is ours, and the process serves the clipboard until it is killed.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTimer>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    QGuiApplication application(argc, argv);
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly))
        return 1;
    const QString text = QString::fromUtf8(source.readAll());
    QGuiApplication::clipboard()->setText(text);
    // Ready after the event loop has taken the selection, not before.
    QTimer::singleShot(0, [&] {
        if (QGuiApplication::clipboard()->text() != text)
            QCoreApplication::exit(1);
        QFile ready(QString::fromLocal8Bit(argv[2]));
        ready.open(QIODevice::WriteOnly);
    });
    return application.exec();
}
