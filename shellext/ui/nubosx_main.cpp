// nubosx: what the file managers start for ".nubo" shortcut files. It pastes a URL
// from the clipboard, uploads files, or shows the shortcut's property dialog; the
// transfers themselves are NuboPRO's, started with an argument vector.
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "nubo_version.h"
#include "shellext/shortcut_commands.h"
#include "shellext/shortcut_object.h"
#include "shellext/shortcut_properties.h"
#include "shellext/ui/shortcut_properties_dialog.h"

namespace {

constexpr const char* kUsage =
    "Usage: nubosx COMMAND FILE.nubo [PATHS...]\n"
    "The desktop's commands on Nubo shortcut files:\n"
    "  paste-download FILE.nubo     start NuboPRO on the URL in the clipboard, with the\n"
    "                               shortcut's folder, transfer type and update mode\n"
    "  paste-listing FILE.nubo      the same, listing the URL's folder\n"
    "  upload FILE.nubo PATHS...    upload the files to the shortcut's site\n"
    "  upload-choose PATHS...       ask for the shortcut, then upload the files to it\n"
    "  properties FILE.nubo         edit the shortcut's site, folder and transfer mode\n"
    "  --help, --version\n";

// Started from a file manager's menu, nobody reads stderr: the reason also goes to the
// desktop's notifications, when the session has them (never waited on for long).
void notifyDesktop(const std::string& reason) {
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (bus == nullptr || *bus == '\0' || ::isatty(STDERR_FILENO))
        return;
    std::unique_ptr<QCoreApplication> application;
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "nubosx";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QDBusMessage notify = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                                         "/org/freedesktop/Notifications",
                                                         "org.freedesktop.Notifications", "Notify");
    notify << QString("Nubo PRO") << 0u << QString("dialog-warning") << QString("Nubo PRO")
           << QString::fromStdString(reason) << QStringList() << QVariantMap() << -1;
    QDBusConnection::sessionBus().call(notify, QDBus::Block, 2000);
}

int fail(const std::string& reason) {
    std::fprintf(stderr, "nubosx: %s\n", reason.c_str());
    notifyDesktop(reason);
    return 1;
}

// Widgets and the clipboard need a display; without one Qt would abort.
bool haveDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

bool usableShortcutPath(const std::string& file, std::string* error) {
    if (nubo::namedInFull(file).size() > nubo::ShortcutObject::kMaxPath) {
        *error = file + ": the path is too long for a shortcut";
        return false;
    }
    return true;
}

int paste(int argc, char** argv, nubo::PasteCommand command) {
    if (argc != 3) {
        return fail(std::string(argv[1]) + " takes one shortcut file (see nubosx --help)");
    }
    if (!haveDisplay()) {
        return fail("no display: the clipboard cannot be read");
    }
    // A Wayland compositor hands the clipboard only to a client with keyboard focus,
    // which a helper without a window never has; through XWayland the selection is
    // there to be read.
    const char* x11 = std::getenv("DISPLAY");
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && x11 != nullptr && *x11 != '\0') {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication application(argc, argv);
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    std::string error;
    nubo::ShortcutCommands commands = nubo::ShortcutCommands::forThisUser();
    return commands.paste(argv[2], text, command, &error) ? 0 : fail(error);
}

int upload(const std::string& shortcut, const std::vector<std::string>& paths) {
    std::string error;
    nubo::ShortcutCommands commands = nubo::ShortcutCommands::forThisUser();
    return commands.upload(shortcut, paths, &error) ? 0 : fail(error);
}

int uploadChoose(int argc, char** argv) {
    if (argc < 3) {
        return fail("upload-choose needs the files to upload (see nubosx --help)");
    }
    if (!haveDisplay()) {
        return fail("no display to ask for the shortcut on");
    }
    QApplication application(argc, argv);
    QFileDialog dialog(nullptr, QObject::tr("Upload to a Nubo site"),
                       QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
                       QObject::tr("Nubo shortcuts (*.nubo)"));
    dialog.setObjectName("chooseShortcutDialog");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return fail("no shortcut chosen");
    }
    return upload(dialog.selectedFiles().front().toStdString(),
                  std::vector<std::string>(argv + 2, argv + argc));
}

int properties(int argc, char** argv) {
    if (argc != 3) {
        return fail("properties takes one shortcut file (see nubosx --help)");
    }
    std::string error;
    if (!usableShortcutPath(argv[2], &error)) {
        return fail(error);
    }
    nubo::ShortcutProperties model;
    if (!model.load(nubo::namedInFull(argv[2]))) {
        return fail(std::string(argv[2]) + ": not a readable Nubo shortcut");
    }
    if (!haveDisplay()) {
        return fail("no display to show the properties on");
    }
    QApplication application(argc, argv);
    nubo::ShortcutPropertiesDialog dialog(model);
    dialog.exec();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("nubosx %s\n", nubo::kVersionText);
        return 0;
    }
    if (command == "paste-download") {
        return paste(argc, argv, nubo::PasteCommand::Download);
    }
    if (command == "paste-listing") {
        return paste(argc, argv, nubo::PasteCommand::Listing);
    }
    if (command == "upload") {
        if (argc < 4) {
            return fail("upload needs a shortcut file and the files to upload");
        }
        return upload(argv[2], std::vector<std::string>(argv + 3, argv + argc));
    }
    if (command == "upload-choose") {
        return uploadChoose(argc, argv);
    }
    if (command == "properties") {
        return properties(argc, argv);
    }
    if (command.empty()) {
        std::fputs(kUsage, stderr);
    } else {
        std::fprintf(stderr, "nubosx: unknown command \"%s\" (see nubosx --help)\n",
                     command.c_str());
    }
    return 2;
}
