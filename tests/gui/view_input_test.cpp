// The remote and the local view driven as a person drives them, in every view mode and
// both interfaces: clicks and double clicks on items, keys where the focus is, context
// menus where the pointer is, names typed into the in-place editor. Nothing here selects
// through a selection model; what a click selects is what the window acts on.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <tuple>

#include "engine/file_mode.h"
#include "engine/ftp_session.h"
#include "platform/registry_key.h"
#include "sites/site_bookmarks.h"
#include "sites/ui/download_conflict_dialog.h"
#include "sites/ui/upload_conflict_dialog.h"
#include "tests/gui/gui_test_util.h"
#include "tests/gui/live_host.h"
#include "tests/gui/view_input.h"
#include "tests/support/test_util.h"
#include "views/entry_properties.h"
#include "views/local_directory_model.h"
#include "views/local_permissions.h"
#include "views/ui/directory_views.h"
#include "views/ui/files_page.h"
#include "views/ui/local_view.h"
#include "views/ui/remote_page.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::answerConflicts;
using test::clickItem;
using test::ConflictSeen;
using test::contextMenuAt;
using test::doubleClickItem;
using test::pressKey;
using test::pumpUntil;
using test::typeText;

const char* modeName(int mode) {
    switch (mode) {
        case DirectoryViews::kLargeIcons:
            return "LargeIcons";
        case DirectoryViews::kSmallIcons:
            return "SmallIcons";
        case DirectoryViews::kList:
            return "List";
        default:
            return "Details";
    }
}

// A page of either interface on a live session: the server holds docs/inside.txt,
// hello.txt (5 bytes) and notes.txt (3000 bytes); the local folder sub/, mine.txt (4
// bytes) and other.txt. The boxes, the folder chooser and the opener only record.
class ViewInputTest : public ::testing::Test {
  protected:
    void open(bool classic, int mode) {
        ASSERT_TRUE(live.server.running()) << live.server.startError();
        root = live.server.root();
        test::writeFile(root + "/hello.txt", "hello");
        test::writeFile(root + "/notes.txt", std::string(3000, 'n'));
        fs::create_directories(root + "/docs");
        test::writeFile(root + "/docs/inside.txt", "inside");
        local = live.home.root() + "/local";
        fs::create_directories(local + "/sub");
        test::writeFile(local + "/mine.txt", "mine");
        test::writeFile(local + "/other.txt", "other");
        trash = live.home.root() + "/trash-data";
        fs::create_directories(trash);
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(trash));
        live.context.localView = &localModel;
        live.start();
        live.config.SetString("CLXDir", local);
        if (classic) {
            auto remotePage = std::make_unique<RemotePage>(live.remoteView, live.types, *live.host,
                                                           live.config, live.log, true);
            page = remotePage.get();
            top = std::move(remotePage);
        } else {
            auto files = std::make_unique<FilesPage>(live.remoteView, live.types, localModel,
                                                     *live.host, live.config, live.log);
            localView = files->localView();
            page = files->remotePage();
            top = std::move(files);
        }
        top->resize(900, 500);
        ASSERT_TRUE(test::showActive(top.get()));
        const auto record = [this](const QString& title, const QString& text,
                                   QMessageBox::StandardButtons) {
            asked.push_back((title + "|" + text).toStdString());
            const QMessageBox::StandardButton answer =
                answers.empty() ? QMessageBox::Cancel : answers.front();
            if (!answers.empty())
                answers.erase(answers.begin());
            return answer;
        };
        if (!realBoxes)
            page->setQuestionBox(record);
        page->setFolderChooser([this](const QString& title, const QString&) {
            chooserTitles.push_back(title.toStdString());
            return QString::fromStdString(chosen);
        });
        if (!realProperties)
            page->setPropertiesBox([this](const EntryProperties& p) { shown.push_back(p.name); });
        if (localView != nullptr) {
            if (!realBoxes)
                localView->setQuestionBox(record);
            localView->setOpener([this](const QString& path) { opened << path; });
            if (!realProperties) {
                localView->setPropertiesBox([this](const EntryProperties& p, const QIcon& icon) {
                    shown.push_back(p.name);
                    shownIcons.push_back(icon);
                });
            }
            localView->views()->setViewMode(mode);
            localList = page->findChild<QAbstractItemView*>(
                mode == DirectoryViews::kDetails ? "localDetails" : "localList");
            ASSERT_NE(localList, nullptr);
            ASSERT_TRUE(localShows({"sub", "mine.txt", "other.txt"}));
        }
        page->setViewMode(mode);
        remote = page->findChild<QAbstractItemView*>(
            mode == DirectoryViews::kDetails ? "remoteDetails" : "remoteList");
        ASSERT_NE(remote, nullptr);
        ASSERT_TRUE(live.logIn()) << live.logText();
        // The listing's end re-sorts the rows and then names "/" in the path box.
        ASSERT_TRUE(pumpUntil([&] { return page->pathBox()->count() == 1; }));
        ASSERT_TRUE(remoteShows({"docs", "hello.txt", "notes.txt"}));
    }
    void TearDown() override {
        live.stop();
        page = nullptr;
        top.reset();
    }

    static std::vector<std::string> names(const QAbstractItemView* view) {
        std::vector<std::string> shown;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            shown.push_back(view->model()->index(row, 0).data().toString().toStdString());
        return shown;
    }
    bool localShows(const std::vector<std::string>& expected) {
        return pumpUntil([&] { return names(localList) == expected; });
    }
    // The tip a pointer resting on the row's item shows ("" when none).
    static QString tipOver(QAbstractItemView* view, int row) {
        const QPoint at = test::itemCentre(view, row);
        QHelpEvent hover(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(view->viewport(), &hover);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    bool remoteShows(const std::vector<std::string>& expected) {
        return pumpUntil([&] { return names(remote) == expected; });
    }
    static int row(const QAbstractItemView* view, const char* name) {
        return test::rowNamed(view->model(), name);
    }
    QString status(const char* part) const {
        auto* label = page->findChild<QLabel*>(part);
        return label == nullptr ? QString("(no %1)").arg(part) : label->text();
    }
    // The in-place editor of a view, when it has the keyboard.
    static QLineEdit* editorOf(const QAbstractItemView* view) {
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return editor != nullptr && view->viewport()->isAncestorOf(editor) ? editor : nullptr;
    }
    // A point of a view where no item is.
    static QPoint emptySpot(QAbstractItemView* view) {
        const QPoint spot(view->viewport()->width() - 4, view->viewport()->height() - 4);
        return view->indexAt(spot).isValid() ? QPoint() : spot;
    }
    bool idle() {
        return pumpUntil([&] {
            FtpSession* session = live.host->control().session();
            return session != nullptr && session->idle();
        });
    }
    uint64_t requestsRun() const {
        FtpSession* session = live.host->control().session();
        return session != nullptr ? session->completedRequests() : 0;
    }
    // A new name typed into a view's in-place editor (started by the key or the menu)
    // and Enter: the box that refuses it, grabbed into NUBO_VIEW_SHOTS when that names
    // a folder, and closed with OK.
    test::BoxSeen refusedName(QAbstractItemView* view, const std::function<void()>& startEdit,
                              const QString& name, const std::string& shot) {
        startEdit();
        if (editorOf(view) == nullptr) {
            ADD_FAILURE() << "no edit started";
            return {};
        }
        typeText(name);
        const QByteArray folder = qgetenv("NUBO_VIEW_SHOTS");
        return test::closeNextBox([] { pressKey(Qt::Key_Return); }, QMessageBox::Ok,
                                  folder.isEmpty() ? QString()
                                                   : QString::fromUtf8(folder) + "/" +
                                                         QString::fromStdString(shot) + ".png");
    }
    // An item renamed to each taken name in turn, the edit started by F2 and from the
    // item's menu by turns: each time the "Rename failed." box, then the rows as they were.
    void expectRenamesRefused(QAbstractItemView* view, const char* item,
                              const std::vector<QString>& taken, const std::string& side) {
        const std::vector<std::string> before = names(view);
        for (size_t i = 0; i < taken.size(); ++i) {
            SCOPED_TRACE(taken[i].toStdString());
            const auto start = [&] {
                if (i % 2 == 0) {
                    clickItem(view, row(view, item));
                    pressKey(Qt::Key_F2);
                } else {
                    contextMenuAt(view, test::itemCentre(view, row(view, item)), "menuRename");
                }
            };
            const test::BoxSeen box =
                refusedName(view, start, taken[i], side + std::to_string(i) + "-" + testName());
            EXPECT_EQ(box.objectName, "viewBox");
            EXPECT_EQ(box.title, "Rename");
            EXPECT_EQ(box.text, "Rename failed.");
            EXPECT_EQ(box.icon, QMessageBox::Critical);
            EXPECT_EQ(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);
            EXPECT_TRUE(pumpUntil([&] { return names(view) == before; }))
                << testing::PrintToString(names(view));
        }
    }
    // What a person saw in the properties box before pressing OK.
    struct PropertiesSeen {
        QString title;
        QString octal;
        bool contentsOffered = false;
    };
    // Opens the properties box from the context menu of the item named, ticks the boxes
    // named (a click at each, "permContents" among them when given) and presses OK.
    PropertiesSeen changePermissions(QAbstractItemView* view, const char* name,
                                     const QStringList& ticks) {
        PropertiesSeen seen;
        clickItem(view, row(view, name));
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || dialog->objectName() != "propertiesDialog")
                return;
            watch.stop();
            seen.title = dialog->windowTitle();
            seen.octal = dialog->findChild<QLineEdit*>("permOctal")->text();
            seen.contentsOffered = dialog->findChild<QCheckBox*>("permContents") != nullptr;
            for (const QString& tick : ticks) {
                auto* box = dialog->findChild<QCheckBox*>(tick);
                if (box == nullptr) {
                    ADD_FAILURE() << "no box " << tick.toStdString();
                    continue;
                }
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
            }
            const QByteArray shots = qgetenv("NUBO_VIEW_SHOTS");
            if (!shots.isEmpty())
                dialog->grab().save(QString("%1/properties-%2.png").arg(shots, name));
            auto* buttons = dialog->findChild<QDialogButtonBox*>("propertiesButtons");
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        watch.start(20);
        contextMenuAt(view, test::itemCentre(view, row(view, name)), "menuProperties");
        return seen;
    }
    static uint16_t modeOnDisk(const std::string& path) {
        return LocalPermissions::modeOf(path).value_or(0xffff);
    }

    static std::string testName() {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        return name;
    }

    // The views' own boxes are shown (and found by the test) instead of recorded.
    bool realBoxes = false;
    // The properties box is shown (and answered by the test).
    bool realProperties = false;
    // Large files move at this rate (small ones at once): a transfer to stop takes a while.
    static constexpr size_t kSlowBytes = 8'000'000;
    test::LiveHost live{nullptr, {"--rate", "400000", "--log-commands"}};
    LocalDirectoryModel localModel;
    std::string root, local, trash;
    // The page shown (the remote page, or the Files page around it) and its remote page.
    std::unique_ptr<QWidget> top;
    RemotePage* page = nullptr;
    LocalView* localView = nullptr;
    QAbstractItemView* remote = nullptr;
    QAbstractItemView* localList = nullptr;
    std::vector<std::string> asked;
    std::vector<QMessageBox::StandardButton> answers;
    std::vector<std::string> chooserTitles;
    std::string chosen;
    std::vector<std::string> shown;
    std::vector<QIcon> shownIcons;  // the local properties box's
    QStringList opened;
};

// ---- the remote view: both interfaces, four modes ----

class RemoteViewInputTest : public ViewInputTest,
                            public ::testing::WithParamInterface<std::tuple<bool, int>> {
  protected:
    void SetUp() override { open(classic(), std::get<1>(GetParam())); }
    static bool classic() { return std::get<0>(GetParam()); }
    // A download without a folder given: the Files page takes the folder its left side
    // shows (the local folder here), Classic asks.
    std::vector<std::string> chooserForGet() const {
        return classic() ? std::vector<std::string>{"Select folder for downloaded files"}
                         : std::vector<std::string>{};
    }
};

TEST_P(RemoteViewInputTest, ClicksSelectWhatTheStatusCountsAndEnterOpens) {
    clickItem(remote, row(remote, "notes.txt"));
    EXPECT_EQ(status("remoteStatus"), "1 object(s), 2.93KB");
    clickItem(remote, row(remote, "hello.txt"), Qt::ControlModifier);
    EXPECT_EQ(status("remoteStatus"), "2 object(s), 2.93KB");
    clickItem(remote, row(remote, "docs"));
    EXPECT_EQ(status("remoteStatus"), "1 object(s)");  // folders only: no size
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(remoteShows({"inside.txt"}));
    EXPECT_TRUE(pumpUntil([&] { return page->pathBox()->currentText() == "/docs"; }));
    ASSERT_TRUE(idle());  // the listing has ended: the folder left is in the history
    // The keys stay in the list: the next name typed picks an item of the folder.
    EXPECT_EQ(QApplication::focusWidget(), remote) << QApplication::focusWidget();
    // Back with the tool button, found by its name.
    ASSERT_TRUE(test::clickToolAction(page->findChild<QAction*>("remoteBack")));
    ASSERT_TRUE(remoteShows({"docs", "hello.txt", "notes.txt"}));
    // Enter on a file downloads it: into the folder on the left, or the one chosen.
    chosen = local;
    clickItem(remote, row(remote, "hello.txt"));
    pressKey(Qt::Key_Enter);
    EXPECT_EQ(chooserTitles, chooserForGet());
    EXPECT_TRUE(pumpUntil([&] { return fs::exists(local + "/hello.txt"); })) << live.logText();
}

TEST_P(RemoteViewInputTest, ADoubleClickEntersAFolder) {
    doubleClickItem(remote, row(remote, "docs"));
    EXPECT_TRUE(remoteShows({"inside.txt"}));
    EXPECT_TRUE(pumpUntil([&] { return page->pathBox()->currentText() == "/docs"; }));
}

TEST_P(RemoteViewInputTest, TheContextMenuActsOnTheItemUnderThePointer) {
    const QPoint notes = test::itemCentre(remote, row(remote, "notes.txt"));
    EXPECT_EQ(contextMenuAt(remote, notes, "menuProperties"),
              (QStringList{"menuGet", "menuDelete", "menuRename", "menuProperties"}));
    EXPECT_EQ(shown, std::vector<std::string>{"notes.txt"});
    // Get from the menu: the folder on the left (Classic: the chooser's), then the file.
    chosen = local;
    contextMenuAt(remote, notes, "menuGet");
    EXPECT_EQ(chooserTitles, chooserForGet());
    EXPECT_TRUE(pumpUntil([&] { return fs::exists(local + "/notes.txt"); })) << live.logText();
    ASSERT_TRUE(idle());
    // Delete from the menu: one question, then it goes.
    answers = {QMessageBox::Yes};
    contextMenuAt(remote, notes, "menuDelete");
    EXPECT_EQ(asked, std::vector<std::string>{"Delete|Delete \"notes.txt\" in / from the server?"});
    EXPECT_TRUE(remoteShows({"docs", "hello.txt"}));
    EXPECT_FALSE(fs::exists(root + "/notes.txt"));
    // A folder offers Open, which enters it.
    const QPoint docs = test::itemCentre(remote, row(remote, "docs"));
    EXPECT_EQ(contextMenuAt(remote, docs, "menuOpen").value(0), "menuOpen");
    EXPECT_TRUE(remoteShows({"inside.txt"}));
    // Nowhere near an item: the view's own menu.
    const QPoint empty = emptySpot(remote);
    ASSERT_FALSE(empty.isNull());
    EXPECT_TRUE(contextMenuAt(remote, empty, {}).contains("menuNewFolder"));
}

TEST_P(RemoteViewInputTest, KeysActOnTheClickedItem) {
    clickItem(remote, row(remote, "hello.txt"));
    pressKey(Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(shown, std::vector<std::string>{"hello.txt"});
    // F2 edits the name in place; Escape leaves it as it was.
    pressKey(Qt::Key_F2);
    ASSERT_NE(editorOf(remote), nullptr);
    EXPECT_EQ(editorOf(remote)->text(), "hello.txt");
    typeText("nothing");
    pressKey(Qt::Key_Escape);
    EXPECT_EQ(editorOf(remote), nullptr);
    EXPECT_EQ(row(remote, "nothing"), -1);
    clickItem(remote, row(remote, "notes.txt"));
    answers = {QMessageBox::No, QMessageBox::Yes};
    pressKey(Qt::Key_Delete);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "Delete|Delete \"notes.txt\" in / from the server?");
    pressKey(Qt::Key_Delete);
    EXPECT_TRUE(remoteShows({"docs", "hello.txt"}));
    EXPECT_FALSE(fs::exists(root + "/notes.txt"));
    EXPECT_TRUE(fs::exists(root + "/hello.txt"));
}

TEST_P(RemoteViewInputTest, TheEnterThatEndsARenameOnlyRenames) {
    // A file renamed from its menu: no download is offered afterwards.
    chosen = local;
    contextMenuAt(remote, test::itemCentre(remote, row(remote, "hello.txt")), "menuRename");
    ASSERT_NE(editorOf(remote), nullptr);
    EXPECT_EQ(editorOf(remote)->selectedText(), "hello.txt");
    typeText("hi.txt");
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(pumpUntil([&] { return fs::exists(root + "/hi.txt"); })) << live.logText();
    ASSERT_TRUE(idle());
    EXPECT_TRUE(chooserTitles.empty());
    EXPECT_FALSE(fs::exists(local + "/hello.txt"));
    EXPECT_TRUE(remoteShows({"docs", "hi.txt", "notes.txt"}));
    // A folder keeps its new name and is not entered.
    contextMenuAt(remote, test::itemCentre(remote, row(remote, "docs")), "menuRename");
    ASSERT_NE(editorOf(remote), nullptr);
    typeText("papers");
    pressKey(Qt::Key_Enter);
    EXPECT_TRUE(pumpUntil([&] { return fs::is_directory(root + "/papers"); })) << live.logText();
    ASSERT_TRUE(idle());
    EXPECT_TRUE(pumpUntil([&] { return row(remote, "papers") >= 0; }))
        << testing::PrintToString(names(remote));
    EXPECT_EQ(row(remote, "docs"), -1);
    EXPECT_EQ(page->pathBox()->currentText(), "/");
}

TEST_P(RemoteViewInputTest, ARightClickBesideTheItemsLetsGoOfTheSelection) {
    clickItem(remote, row(remote, "notes.txt"));
    EXPECT_EQ(status("remoteStatus"), "1 object(s), 2.93KB");
    // The folder's menu, and nothing stays selected beside it.
    const QPoint empty = emptySpot(remote);
    ASSERT_FALSE(empty.isNull());
    const QStringList menu = contextMenuAt(remote, empty, {});
    EXPECT_TRUE(menu.contains("menuNewFolder")) << menu.join(", ").toStdString();
    EXPECT_FALSE(menu.contains("menuDelete"));
    EXPECT_EQ(status("remoteStatus"), "3 object(s), 2.93KB");
    pressKey(Qt::Key_Delete);  // nothing to delete: no question
    pressKey(Qt::Key_Return);  // nothing to open or download
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(chooserTitles.empty());
    // A right click on an item still acts on it.
    EXPECT_EQ(
        contextMenuAt(remote, test::itemCentre(remote, row(remote, "hello.txt")), {}).value(0),
        "menuGet");
    EXPECT_EQ(status("remoteStatus"), "1 object(s), 5 bytes");
}

// The counts are what the status bar is read for: while the window has room for them,
// they show whole and the FTP echo beside them gives way.
TEST_P(RemoteViewInputTest, TheCountsInTheStatusBarAreNeverCutShort) {
    // Forty large files (sparse: nothing is written), all selected.
    for (int i = 0; i < 40; ++i) {
        const std::string name = root + "/part" + std::to_string(10 + i) + ".iso";
        test::writeFile(name, "");
        fs::resize_file(name, 60'000'000'000);
    }
    clickItem(remote, row(remote, "hello.txt"));
    pressKey(Qt::Key_F5);
    ASSERT_TRUE(pumpUntil([&] { return remote->model()->rowCount() == 43; }));
    pressKey(Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(status("remoteStatus"), "43 object(s), 2235GB");
    std::vector<QLabel*> counts;
    int room = 150;  // the echo's least share, margins and spacing
    for (const char* part : {"localStatus", "remoteStatus"}) {
        if (auto* label = page->findChild<QLabel*>(part)) {  // Classic has no local part
            counts.push_back(label);
            room += label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->frameWidth();
        }
    }
    top->resize(std::max(room, top->minimumSizeHint().width()), 400);
    QCoreApplication::processEvents();
    for (QLabel* label : counts) {
        EXPECT_GE(label->contentsRect().width(),
                  label->fontMetrics().horizontalAdvance(label->text()))
            << label->objectName().toStdString() << ": " << label->text().toStdString() << " in "
            << top->width();
    }
    // The echo keeps a part of its own.
    EXPECT_GT(page->findChild<QLabel*>("echoStatus")->width(), 0);
}

TEST_P(RemoteViewInputTest, TheFilterBoxShowsWhatMatchesAndTheStatusCountsIt) {
    auto* box = page->findChild<QLineEdit*>("remoteFilter");
    ASSERT_NE(box, nullptr);
    clickItem(remote, row(remote, "hello.txt"));
    clickItem(remote, row(remote, "hello.txt"), Qt::ControlModifier);  // nothing selected
    pressKey(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), box);
    typeText("*.TXT");  // the folder stays, to be entered
    EXPECT_TRUE(remoteShows({"docs", "hello.txt", "notes.txt"}));
    // Several patterns; "!" hides, folders too.
    pressKey(Qt::Key_A, Qt::ControlModifier);
    typeText("!notes*;hello*;!d*");
    EXPECT_TRUE(remoteShows({"hello.txt"}));
    EXPECT_EQ(status("remoteStatus"), "1 of 3 shown, 5 bytes");
    pressKey(Qt::Key_A, Qt::ControlModifier);
    typeText("!notes*;hello*");
    EXPECT_TRUE(remoteShows({"docs", "hello.txt"}));
    // Enter goes back to the list; the filter stays while folders change.
    pressKey(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), remote);
    doubleClickItem(remote, row(remote, "docs"));
    EXPECT_TRUE(pumpUntil([&] { return page->pathBox()->currentText() == "/docs"; }));
    EXPECT_TRUE(remoteShows({}));
    EXPECT_TRUE(pumpUntil([&] { return status("remoteStatus") == "0 of 1 shown, 0 bytes"; }))
        << status("remoteStatus").toStdString();
    // Escape in the box empties it: everything again.
    pressKey(Qt::Key_F, Qt::ControlModifier);
    pressKey(Qt::Key_Escape);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(remoteShows({"inside.txt"}));
    EXPECT_EQ(status("remoteStatus"), "1 object(s), 6 bytes");
}

TEST_P(RemoteViewInputTest, AFolderFetchedTakesTheFilterOnlyWhenTicked) {
    test::writeFile(root + "/docs/readme.md", "md");
    chosen = local;
    auto* box = page->findChild<QLineEdit*>("remoteFilter");
    ASSERT_NE(box, nullptr);
    clickItem(remote, row(remote, "docs"));
    pressKey(Qt::Key_F, Qt::ControlModifier);
    typeText("docs;*.md");
    ASSERT_TRUE(remoteShows({"docs"}));
    // Not ticked: the folder comes whole.
    contextMenuAt(remote, test::itemCentre(remote, row(remote, "docs")), "menuGet");
    ASSERT_TRUE(pumpUntil([&] { return fs::exists(local + "/docs/inside.txt"); }))
        << live.logText();
    ASSERT_TRUE(idle());
    EXPECT_TRUE(fs::exists(local + "/docs/readme.md"));
    fs::remove_all(local + "/docs");
    // Ticked from the keyboard (Tab walks the bar, then leaves it for the list): only the
    // files the filter shows.
    auto* tick = page->findChild<QCheckBox*>("remoteFilterTransfers");
    ASSERT_NE(tick, nullptr);
    pressKey(Qt::Key_F, Qt::ControlModifier);
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page->findChild<QWidget*>("remoteFilterCase"));
    pressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), tick);
    pressKey(Qt::Key_Space);
    ASSERT_TRUE(tick->isChecked());
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), remote);
    const uint64_t before = requestsRun();
    contextMenuAt(remote, test::itemCentre(remote, row(remote, "docs")), "menuGet");
    ASSERT_TRUE(pumpUntil([&] { return requestsRun() > before && idle(); }));
    EXPECT_TRUE(fs::exists(local + "/docs/readme.md")) << live.logText();
    EXPECT_FALSE(fs::exists(local + "/docs/inside.txt"));
}

TEST_P(RemoteViewInputTest, ALongNameIsShownWholeInItsTip) {
    const std::string name = "a report whose name is far longer than any column.txt";
    test::writeFile(root + "/" + name, "r");
    clickItem(remote, row(remote, "hello.txt"));
    pressKey(Qt::Key_F5);
    ASSERT_TRUE(remoteShows({"docs", name, "hello.txt", "notes.txt"}));
    EXPECT_EQ(tipOver(remote, row(remote, name.c_str())).toStdString(), name);
}

TEST_P(RemoteViewInputTest, ANewFolderMadeAtTheEndOfALongFolderIsFollowedToItsPlace) {
    for (int i = 0; i < 150; ++i)
        test::writeFile(root + "/file-" + std::to_string(1000 + i) + ".txt", "f");
    clickItem(remote, row(remote, "hello.txt"));
    pressKey(Qt::Key_F5);
    ASSERT_TRUE(pumpUntil([&] { return remote->model()->rowCount() == 153; }));
    ASSERT_TRUE(idle());
    pressKey(Qt::Key_End);  // the view at the end, where the new folder's editor opens
    ASSERT_TRUE(test::clickToolAction(page->findChild<QAction*>("remoteNewFolder")));
    ASSERT_NE(editorOf(remote), nullptr);
    typeText("aaa");
    pressKey(Qt::Key_Return);
    // Made on the server, it goes first among the folders; the view goes with it.
    ASSERT_TRUE(pumpUntil([&] { return row(remote, "aaa") == 0; })) << live.logText();
    EXPECT_TRUE(pumpUntil([&] {
        return remote->viewport()->rect().intersects(
            remote->visualRect(remote->model()->index(0, 0)));
    })) << "the new folder is out of sight";
}

TEST_P(RemoteViewInputTest, KeysGoUpBackAndRefresh) {
    doubleClickItem(remote, row(remote, "docs"));
    ASSERT_TRUE(remoteShows({"inside.txt"}));
    ASSERT_TRUE(idle());
    clickItem(remote, 0);
    pressKey(Qt::Key_Backspace);
    ASSERT_TRUE(remoteShows({"docs", "hello.txt", "notes.txt"}));
    ASSERT_TRUE(idle());
    pressKey(Qt::Key_Left, Qt::AltModifier);  // Back: into docs again
    ASSERT_TRUE(remoteShows({"inside.txt"}));
    ASSERT_TRUE(idle());
    pressKey(Qt::Key_Up, Qt::AltModifier);
    ASSERT_TRUE(remoteShows({"docs", "hello.txt", "notes.txt"}));
    ASSERT_TRUE(idle());
    // F5 reads the folder again: a file put there meanwhile shows, in its place.
    test::writeFile(root + "/greet.txt", "hi");
    pressKey(Qt::Key_F5);
    EXPECT_TRUE(remoteShows({"docs", "greet.txt", "hello.txt", "notes.txt"}));
}

TEST_P(RemoteViewInputTest, TheHeaderShowsTheOrderAndFoldersStayFirst) {
    if (std::get<1>(GetParam()) != DirectoryViews::kDetails)
        GTEST_SKIP() << "only the details have a header";
    auto* details = qobject_cast<QTreeView*>(remote);
    ASSERT_NE(details, nullptr);
    QHeaderView* header = details->header();
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), 0);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    const auto clickHeader = [&](int column) {
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    };
    clickHeader(0);  // name, ascending as it was
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    clickHeader(0);  // and descending: the folder stays first
    EXPECT_TRUE(remoteShows({"docs", "notes.txt", "hello.txt"}));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    clickHeader(1);  // size, ascending
    EXPECT_TRUE(remoteShows({"docs", "hello.txt", "notes.txt"}));
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    clickHeader(1);
    EXPECT_TRUE(remoteShows({"docs", "notes.txt", "hello.txt"}));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

const auto kEveryModeAndInterface = ::testing::Combine(
    ::testing::Bool(), ::testing::Values(DirectoryViews::kLargeIcons, DirectoryViews::kSmallIcons,
                                         DirectoryViews::kList, DirectoryViews::kDetails));

std::string modeAndInterfaceName(const ::testing::TestParamInfo<std::tuple<bool, int>>& info) {
    return std::string(std::get<0>(info.param) ? "Classic_" : "Files_") +
           modeName(std::get<1>(info.param));
}

// The box a download asks in: its title and words, and whether Resume is offered.
void expectDownloadBox(const ConflictSeen& seen, const std::string& path, bool resume) {
    EXPECT_EQ(seen.title, "Get file(s) as...");
    EXPECT_EQ(seen.text.toStdString(),
              path + "\nThis file already exists.\n\nReplace existing file?");
    EXPECT_EQ(seen.resumeOffered, resume) << seen.facts.toStdString();
}

TEST_P(RemoteViewInputTest, ADownloadOntoFilesHereAsksFileByFileInItsBox) {
    // Here already, with other bytes: hello.txt, notes.txt and docs/inside.txt.
    for (const char* name : {"hello.txt", "notes.txt", "docs/inside.txt"}) {
        fs::create_directories(fs::path(local + "/" + name).parent_path());
        test::writeFile(local + "/" + name, "mine");
    }
    live.host->control().setDownloadConflictQuestion([this](const DownloadConflict& conflict) {
        return DownloadConflictDialog(conflict, page).ask();
    });
    // The first box: No, for its file alone; the second: Yes for all, so no third.
    std::vector<ConflictSeen> seen;
    answerConflicts("downloadConflictDialog", {{"conflictSkip"}, {"conflictOverwrite", true}},
                    &seen, page);
    chosen = local;
    clickItem(remote, row(remote, "docs"));
    clickItem(remote, row(remote, "hello.txt"), Qt::ControlModifier);
    clickItem(remote, row(remote, "notes.txt"), Qt::ControlModifier);
    pressKey(Qt::Key_Return);
    ASSERT_TRUE(pumpUntil([&] { return seen.size() == 2; })) << live.logText();
    ASSERT_TRUE(idle());
    EXPECT_EQ(chooserTitles, chooserForGet());
    ASSERT_EQ(seen.size(), 2u) << "once per file here, the folder never; then for all";
    const std::string skipped = seen[0].text.section('\n', 0, 0).toStdString();
    std::map<std::string, std::string> servers = {{local + "/hello.txt", "hello"},
                                                  {local + "/notes.txt", std::string(3000, 'n')},
                                                  {local + "/docs/inside.txt", "inside"}};
    ASSERT_EQ(servers.count(skipped), 1u) << skipped;
    for (const ConflictSeen& box : seen)
        expectDownloadBox(box, box.text.section('\n', 0, 0).toStdString(), false);
    for (const auto& [path, content] : servers)
        EXPECT_EQ(test::readFile(path), path == skipped ? "mine" : content) << path;
}

TEST_P(RemoteViewInputTest, AStoppedDownloadIsResumedFromTheBox) {
    const std::string content = test::patternBytes(1'200'000);  // three seconds' worth
    test::writeFile(root + "/big.bin", content);
    test::writeFile(local + "/big.bin", "the old copy");
    clickItem(remote, row(remote, "hello.txt"));
    pressKey(Qt::Key_F5);
    ASSERT_TRUE(pumpUntil([&] { return row(remote, "big.bin") >= 0; }));
    ASSERT_TRUE(idle());
    live.host->control().setDownloadConflictQuestion([this](const DownloadConflict& conflict) {
        return DownloadConflictDialog(conflict, page).ask();
    });
    chosen = local;
    // Replaced, then stopped with the STOP button while the data flows.
    std::vector<ConflictSeen> seen;
    answerConflicts("downloadConflictDialog", {{"conflictOverwrite"}}, &seen, page);
    clickItem(remote, row(remote, "big.bin"));
    pressKey(Qt::Key_Return);
    const std::string part = local + "/big.bin.part";
    ASSERT_TRUE(pumpUntil([&] {
        std::error_code error;
        return fs::file_size(part, error) > 0 && !error;
    })) << live.logText();
    // STOP stands where New folder was once the page hears the transfer began.
    ASSERT_TRUE(
        pumpUntil([&] { return test::clickToolAction(page->findChild<QAction*>("remoteStop")); }));
    ASSERT_TRUE(idle());
    ASSERT_NE(live.logText().find("... stopped; big.bin.part keeps the "), std::string::npos)
        << live.logText();
    const auto partial = static_cast<int64_t>(fs::file_size(part));
    EXPECT_EQ(test::readFile(local + "/big.bin"), "the old copy");
    // Asked again: Resume is offered now, and goes on from the partial file. (The window
    // is the active one again, as after any box.)
    ASSERT_TRUE(test::showActive(top.get()));
    answerConflicts("downloadConflictDialog", {{"conflictResume"}}, &seen, page);
    clickItem(remote, row(remote, "big.bin"));
    pressKey(Qt::Key_Return);
    ASSERT_TRUE(pumpUntil([&] { return seen.size() == 2; })) << live.logText();
    EXPECT_TRUE(pumpUntil([&] { return test::readFile(local + "/big.bin") == content; }))
        << live.logText();
    ASSERT_TRUE(idle());
    expectDownloadBox(seen[0], local + "/big.bin", false);
    expectDownloadBox(seen[1], local + "/big.bin", true);
    EXPECT_TRUE(seen[1].facts.contains(QString("kept %1 bytes").arg(partial)))
        << seen[1].facts.toStdString();
    EXPECT_TRUE(live.logHas("<REST " + std::to_string(partial))) << live.logText();
    EXPECT_NE(live.server.serverLog().find("REST " + std::to_string(partial)), std::string::npos)
        << "the server was asked to resume";
    EXPECT_FALSE(fs::exists(part));
}

INSTANTIATE_TEST_SUITE_P(EveryModeAndInterface, RemoteViewInputTest, kEveryModeAndInterface,
                         modeAndInterfaceName);

// The same pages with the views' own boxes on screen.
class RemoteRenameInputTest : public RemoteViewInputTest {
  protected:
    void SetUp() override {
        realBoxes = true;
        RemoteViewInputTest::SetUp();
    }
};

// A name the folder holds (a file's, a folder's) is refused before anything goes to the
// server: the box, the old label, the same rows, the server's files as they were.
TEST_P(RemoteRenameInputTest, ARenameOntoANameTheFolderHoldsIsRefused) {
    ASSERT_TRUE(idle());
    const uint64_t before = requestsRun();
    expectRenamesRefused(remote, "hello.txt", {"notes.txt", "docs"}, "remote-");
    // Its own name again changes nothing, and asks nothing.
    clickItem(remote, row(remote, "hello.txt"));
    pressKey(Qt::Key_F2);
    ASSERT_NE(editorOf(remote), nullptr);
    EXPECT_EQ(test::closeNextBox([] { pressKey(Qt::Key_Return); }, QMessageBox::Ok).title, "");
    ASSERT_TRUE(idle());
    EXPECT_EQ(requestsRun(), before);
    EXPECT_FALSE(live.logHas("<RNFR")) << live.logText();
    EXPECT_EQ(test::readFile(root + "/notes.txt"), std::string(3000, 'n'));
    EXPECT_EQ(test::readFile(root + "/hello.txt"), "hello");
    EXPECT_TRUE(fs::is_directory(root + "/docs"));
    EXPECT_EQ(remote->model()->rowCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(EveryModeAndInterface, RemoteRenameInputTest, kEveryModeAndInterface,
                         modeAndInterfaceName);

// The properties box on screen: the mode as the listing gave it, a box ticked and OK.
class RemotePermissionsInputTest : public RemoteViewInputTest {
  protected:
    void SetUp() override {
        realProperties = true;
        realBoxes = true;
        RemoteViewInputTest::SetUp();
    }
};

TEST_P(RemotePermissionsInputTest, PropertiesChangeTheModeWithSiteChmodAndShowARefusal) {
    const uint16_t before = modeOnDisk(root + "/hello.txt");
    PropertiesSeen seen = changePermissions(remote, "hello.txt", {"permGroupWrite"});
    EXPECT_EQ(seen.title, "hello.txt Properties");
    EXPECT_EQ(seen.octal.toStdString(), file_mode::toOctal(before));
    EXPECT_FALSE(seen.contentsOffered) << "a file has no contents";
    const std::string sent = "SITE CHMOD " + file_mode::toOctal(before | 0020) + " hello.txt";
    EXPECT_TRUE(pumpUntil([&] { return live.server.serverLog().find(sent) != std::string::npos; }))
        << live.server.serverLog();
    EXPECT_TRUE(pumpUntil([&] { return modeOnDisk(root + "/hello.txt") == (before | 0020); }));

    // A folder with its contents.
    ASSERT_TRUE(idle());
    const uint16_t inside = modeOnDisk(root + "/docs/inside.txt");
    seen = changePermissions(remote, "docs", {"permOtherWrite", "permContents"});
    EXPECT_TRUE(seen.contentsOffered);
    EXPECT_TRUE(pumpUntil([&] { return modeOnDisk(root + "/docs/inside.txt") == (inside | 02); }))
        << live.logText();
    EXPECT_EQ(modeOnDisk(root + "/docs") & 02, 02);
    ASSERT_TRUE(idle());
    EXPECT_TRUE(remoteShows({"docs", "hello.txt", "notes.txt"})) << "the view stayed";

    // Gone from the server since it was listed: the refusal is shown with the reply.
    fs::remove(root + "/notes.txt");
    QString refusal;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->windowTitle() != "Permissions")
            return;
        watch.stop();
        refusal = box->text();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    watch.start(20);
    changePermissions(remote, "notes.txt", {"permOtherRead"});
    EXPECT_TRUE(pumpUntil([&] { return !refusal.isEmpty(); })) << live.logText();
    EXPECT_TRUE(
        refusal.startsWith("The server refused to change the permissions of:\n/notes.txt: 550 "))
        << refusal.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryModeAndInterface, RemotePermissionsInputTest, kEveryModeAndInterface,
                         modeAndInterfaceName);

// Bookmarks from the path box's menu: added, kept in the settings file with the site,
// and opened again from elsewhere, the Files page's local side following.
using BookmarkInputTest = RemoteViewInputTest;

TEST_P(BookmarkInputTest, ABookmarkFromThePathBoxMenuTakesBothViewsBack) {
    QLineEdit* pathEdit = page->pathBox()->lineEdit();
    const QPoint box = pathEdit->rect().center();
    doubleClickItem(remote, row(remote, "docs"));
    ASSERT_TRUE(remoteShows({"inside.txt"}));
    ASSERT_TRUE(idle());
    if (!classic()) {
        doubleClickItem(localList, row(localList, "sub"));
        ASSERT_TRUE(pumpUntil([&] { return localView->folder() == local + "/sub"; }));
    }
    EXPECT_FALSE(test::contextMenuOn(pathEdit, box, {}).contains("bookmark0"));
    answers = {QMessageBox::Yes};
    const QStringList offered = test::contextMenuOn(pathEdit, box, "bookmarkAdd");
    EXPECT_TRUE(offered.contains("bookmarkAdd")) << offered.join(' ').toStdString();
    // The Files page asks whether the local folder goes with it; Classic has none.
    EXPECT_EQ(asked,
              classic() ? std::vector<std::string>{}
                        : std::vector<std::string>{"Bookmark this folder|Keep the local folder \"" +
                                                   local + "/sub\" with \"/docs\"?"});
    const std::string site = live.host->control().sessionSite();
    const std::vector<Bookmark> kept =
        SiteBookmarks{RegistryKey(live.home.settingsFile())}.of(site);
    EXPECT_EQ(kept, (std::vector<Bookmark>{{"/docs", classic() ? "" : local + "/sub"}}))
        << "in the settings file with the site " << site;

    // Elsewhere on both sides, then the bookmark from the same menu.
    ASSERT_TRUE(test::clickToolAction(page->findChild<QAction*>("remoteUp")));
    ASSERT_TRUE(remoteShows({"docs", "hello.txt", "notes.txt"}));
    if (!classic()) {
        ASSERT_TRUE(test::clickToolAction(page->findChild<QAction*>("localUp")));
        ASSERT_TRUE(pumpUntil([&] { return localView->folder() == local; }));
    }
    ASSERT_TRUE(idle());
    EXPECT_TRUE(test::contextMenuOn(pathEdit, box, "bookmark0").contains("bookmarkRemoveMenu"));
    EXPECT_TRUE(remoteShows({"inside.txt"}));
    EXPECT_TRUE(pumpUntil([&] { return page->pathBox()->currentText() == "/docs"; }));
    if (!classic())
        EXPECT_TRUE(pumpUntil([&] { return localView->folder() == local + "/sub"; }));
}

// The path box is the same in every view mode.
INSTANTIATE_TEST_SUITE_P(BothInterfaces, BookmarkInputTest,
                         ::testing::Combine(::testing::Bool(),
                                            ::testing::Values(DirectoryViews::kDetails)),
                         modeAndInterfaceName);

// ---- the local view and drags between the two: the Files page, four modes ----

class LocalViewInputTest : public ViewInputTest, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override { open(false, GetParam()); }
};

TEST_P(LocalViewInputTest, ClicksSelectWhatTheStatusCountsAndEnterOpens) {
    clickItem(localList, row(localList, "mine.txt"));
    EXPECT_EQ(status("localStatus"), "1 object(s), 4 bytes");
    clickItem(localList, row(localList, "other.txt"), Qt::ControlModifier);
    EXPECT_EQ(status("localStatus"), "2 object(s), 9 bytes");
    pressKey(Qt::Key_Return);  // files open in their programs
    EXPECT_EQ(opened, (QStringList{QString::fromStdString(local + "/mine.txt"),
                                   QString::fromStdString(local + "/other.txt")}));
    doubleClickItem(localList, row(localList, "sub"));
    EXPECT_TRUE(localShows({}));
    EXPECT_EQ(localView->folder(), local + "/sub");
    // Enter on a folder opens it and the keys stay in the list.
    ASSERT_TRUE(test::clickToolAction(page->findChild<QAction*>("localUp")));
    ASSERT_TRUE(pumpUntil([&] { return row(localList, "sub") >= 0; }));
    clickItem(localList, row(localList, "sub"));
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(pumpUntil([&] { return localView->folder() == local + "/sub"; }));
    EXPECT_EQ(QApplication::focusWidget(), localList) << QApplication::focusWidget();
}

TEST_P(LocalViewInputTest, MenusKeysAndTheTrashActOnTheClickedItem) {
    const QPoint other = test::itemCentre(localList, row(localList, "other.txt"));
    EXPECT_EQ(contextMenuAt(localList, other, "menuProperties"),
              (QStringList{"menuOpen", "menuDelete", "menuRename", "menuProperties"}));
    EXPECT_EQ(shown, std::vector<std::string>{"other.txt"});
    clickItem(localList, row(localList, "mine.txt"));
    pressKey(Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(shown, (std::vector<std::string>{"other.txt", "mine.txt"}));
    // The box shows the icon the file has in the list, not a folder's.
    const auto image = [](const QIcon& icon) { return icon.pixmap(32, 32).toImage(); };
    const QIcon fileIcon = localList->model()
                               ->index(row(localList, "mine.txt"), 0)
                               .data(Qt::DecorationRole)
                               .value<QIcon>();
    const QIcon folderIcon =
        localList->model()->index(row(localList, "sub"), 0).data(Qt::DecorationRole).value<QIcon>();
    ASSERT_FALSE(fileIcon.isNull());
    ASSERT_NE(image(fileIcon), image(folderIcon));
    ASSERT_EQ(shownIcons.size(), 2u);
    EXPECT_EQ(image(shownIcons[1]), image(fileIcon));
    // The Menu key opens the clicked item's menu.
    EXPECT_EQ(test::contextMenuByKey("menuProperties").value(0), "menuOpen");
    EXPECT_EQ(shown.size(), 3u);
    pressKey(Qt::Key_F2);
    ASSERT_NE(editorOf(localList), nullptr);
    EXPECT_EQ(editorOf(localList)->text(), "mine.txt");
    pressKey(Qt::Key_Escape);
    EXPECT_EQ(editorOf(localList), nullptr);
    pressKey(Qt::Key_Delete);
    EXPECT_TRUE(fs::exists(trash + "/Trash/files/mine.txt"));
    EXPECT_TRUE(localShows({"sub", "other.txt"}));
    // Shift+Delete asks first; No keeps the file.
    clickItem(localList, row(localList, "other.txt"));
    answers = {QMessageBox::No};
    pressKey(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(asked, std::vector<std::string>{
                         "Delete|Delete \"other.txt\" for good? It does not go to the trash."});
    EXPECT_TRUE(fs::exists(local + "/other.txt"));
}

TEST_P(LocalViewInputTest, TheEnterThatEndsARenameDoesNotOpenTheFile) {
    contextMenuAt(localList, test::itemCentre(localList, row(localList, "mine.txt")), "menuRename");
    ASSERT_NE(editorOf(localList), nullptr);
    typeText("renamed.txt");
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(localShows({"sub", "other.txt", "renamed.txt"}));
    EXPECT_TRUE(fs::exists(local + "/renamed.txt"));
    EXPECT_TRUE(opened.isEmpty()) << opened.join(", ").toStdString();
}

TEST_P(LocalViewInputTest, ANewFolderStaysInItsEditorWhileTheFolderChangesOnDisk) {
    // From the tool button, then from the menu of an empty spot.
    const auto startFromButton = [&] {
        return test::clickToolAction(page->findChild<QAction*>("localNewFolder"));
    };
    const auto startFromMenu = [&] {
        const QPoint empty = emptySpot(localList);
        return !empty.isNull() && contextMenuAt(localList, empty, "menuNewFolder").size() > 1;
    };
    int made = 0;
    for (const auto& start :
         {std::function<bool()>(startFromButton), std::function<bool()>(startFromMenu)}) {
        ++made;
        ASSERT_TRUE(start());
        ASSERT_NE(editorOf(localList), nullptr) << "no edit started, folder " << made;
        EXPECT_EQ(editorOf(localList)->text(), "New Folder");
        // Something else changes in the folder and the view shows it: the edit goes on.
        const std::string arrived = "arrived" + std::to_string(made) + ".txt";
        test::writeFile(local + "/" + arrived, "x");
        ASSERT_TRUE(pumpUntil([&] { return row(localList, arrived.c_str()) >= 0; }));
        ASSERT_NE(editorOf(localList), nullptr) << "the edit ended, folder " << made;
        const std::string name = "named" + std::to_string(made);
        typeText(QString::fromStdString(name));
        pressKey(Qt::Key_Return);
        EXPECT_TRUE(pumpUntil([&] { return row(localList, name.c_str()) >= 0; }));
        EXPECT_TRUE(fs::is_directory(local + "/" + name));
        EXPECT_FALSE(fs::exists(local + "/New Folder"));
        EXPECT_TRUE(opened.isEmpty());
    }
}

TEST_P(LocalViewInputTest, RemoteItemsDraggedOntoALocalFolderDownloadThere) {
    clickItem(remote, row(remote, "hello.txt"));
    clickItem(remote, row(remote, "notes.txt"), Qt::ControlModifier);
    // What the remote view's drag carries (a drag cannot run offscreen: the platform
    // ends it at once), dropped on "sub" the way a drag arrives.
    std::unique_ptr<QMimeData> mime(
        remote->model()->mimeData(remote->selectionModel()->selectedIndexes()));
    const QPoint sub = test::itemCentre(localList, row(localList, "sub"));
    QWidget* viewport = localList->viewport();
    QDragEnterEvent enter(sub, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(sub), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(pumpUntil([&] { return fs::exists(local + "/sub/notes.txt"); })) << live.logText();
    ASSERT_TRUE(idle());
    EXPECT_EQ(test::readFile(local + "/sub/hello.txt"), "hello");
}

TEST_P(LocalViewInputTest, AFileDroppedOntoATakenRemoteNameAsksAndEachAnswerHolds) {
    // Put there behind the view's back: F5 shows it, as a person would refresh.
    test::writeFile(root + "/mine.txt", "the server's own");
    clickItem(remote, row(remote, "hello.txt"));
    pressKey(Qt::Key_F5);
    ASSERT_TRUE(remoteShows({"docs", "hello.txt", "mine.txt", "notes.txt"}));
    ASSERT_TRUE(idle());
    live.host->control().setUploadConflictQuestion([this](const UploadConflict& conflict) {
        return UploadConflictDialog(conflict, page).ask();
    });
    const auto dropMine = [&] {
        clickItem(localList, row(localList, "mine.txt"));
        std::unique_ptr<QMimeData> mime(
            localList->model()->mimeData(localList->selectionModel()->selectedIndexes()));
        const QPoint spot = emptySpot(remote);
        ASSERT_FALSE(spot.isNull());
        QDragEnterEvent enter(spot, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(remote->viewport(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(spot), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(remote->viewport(), &drop);
    };
    // Rename: the free name offered, the server's file left as it was.
    std::vector<ConflictSeen> seen;
    answerConflicts("uploadConflictDialog", {{"conflictRename"}}, &seen, page);
    dropMine();
    EXPECT_TRUE(pumpUntil([&] { return fs::exists(root + "/mine (1).txt"); })) << live.logText();
    ASSERT_TRUE(idle());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].text.startsWith("mine.txt\nThis file already exists on the server"))
        << seen[0].text.toStdString();
    // Both dates beside both sizes: what Overwrite if newer would compare.
    struct stat mine {};
    ASSERT_EQ(::stat((local + "/mine.txt").c_str(), &mine), 0);
    const QString sent =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(mine.st_mtime), QLocale::ShortFormat);
    const QRegularExpression facts("^On the server: 16 bytes, \\S.*\nTo send: 4 bytes, " +
                                   QRegularExpression::escape(sent) + " \\(");
    EXPECT_TRUE(facts.match(seen[0].facts).hasMatch()) << seen[0].facts.toStdString();
    EXPECT_EQ(test::readFile(root + "/mine (1).txt"), test::readFile(local + "/mine.txt"));
    EXPECT_EQ(test::readFile(root + "/mine.txt"), "the server's own");
    // Skip: nothing sent.
    const uint64_t before = requestsRun();
    answerConflicts("uploadConflictDialog", {{"conflictSkip"}}, &seen, page);
    dropMine();
    EXPECT_TRUE(pumpUntil([&] { return requestsRun() > before; }));
    ASSERT_TRUE(idle());
    EXPECT_EQ(test::readFile(root + "/mine.txt"), "the server's own");
    EXPECT_NE(live.logText().find("... mine.txt exists on the server; skipped"), std::string::npos);
    // Overwrite replaces it.
    answerConflicts("uploadConflictDialog", {{"conflictOverwrite"}}, &seen, page);
    dropMine();
    EXPECT_TRUE(pumpUntil([&] {
        return test::readFile(root + "/mine.txt") == test::readFile(local + "/mine.txt");
    })) << live.logText();
    ASSERT_TRUE(idle());
}

TEST_P(LocalViewInputTest, ARightClickBesideTheItemsLetsGoOfTheSelection) {
    clickItem(localList, row(localList, "mine.txt"));
    EXPECT_EQ(status("localStatus"), "1 object(s), 4 bytes");
    const QPoint empty = emptySpot(localList);
    ASSERT_FALSE(empty.isNull());
    const QStringList menu = contextMenuAt(localList, empty, {});
    EXPECT_TRUE(menu.contains("menuNewFolder")) << menu.join(", ").toStdString();
    EXPECT_FALSE(menu.contains("menuDelete"));
    EXPECT_EQ(status("localStatus"), "3 object(s), 9 bytes");
    pressKey(Qt::Key_Delete);  // nothing goes to the trash
    EXPECT_TRUE(fs::exists(local + "/mine.txt"));
    EXPECT_FALSE(fs::exists(trash + "/Trash/files/mine.txt"));
}

TEST_P(LocalViewInputTest, AListingFileGoesIntoTheFolderShownOnTheLeft) {
    // The last transfers went to the folder the page opened with; the left side now
    // shows another one.
    doubleClickItem(localList, row(localList, "sub"));
    ASSERT_TRUE(pumpUntil([&] { return localView->folder() == local + "/sub"; }));
    clickItem(remote, row(remote, "hello.txt"));
    pressKey(Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(pumpUntil([&] { return fs::exists(local + "/sub/127.0.0.1.txt"); }))
        << live.logText();
    EXPECT_TRUE(chooserTitles.empty());
    EXPECT_FALSE(fs::exists(local + "/127.0.0.1.txt"));
}

TEST_P(LocalViewInputTest, GetDownloadsIntoTheFolderShownOnTheLeft) {
    chosen = local + "/sub";
    clickItem(remote, row(remote, "hello.txt"));
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(pumpUntil([&] { return fs::exists(local + "/hello.txt"); })) << live.logText();
    EXPECT_TRUE(chooserTitles.empty());
    ASSERT_TRUE(idle());
    EXPECT_TRUE(pumpUntil([&] { return row(localList, "hello.txt") >= 0; }));
    // With Computer on the left there is no folder there: the chooser asks.
    QComboBox* location = page->findChild<QComboBox*>("localLocation");
    ASSERT_NE(location, nullptr);
    location->setFocus();
    for (int step = 0; step < 10 && location->currentText() != "Computer"; ++step)
        pressKey(Qt::Key_Up);
    ASSERT_EQ(location->currentText(), "Computer");
    contextMenuAt(remote, test::itemCentre(remote, row(remote, "notes.txt")), "menuGet");
    EXPECT_EQ(chooserTitles, std::vector<std::string>{"Select folder for downloaded files"});
    EXPECT_TRUE(pumpUntil([&] { return fs::exists(local + "/sub/notes.txt"); })) << live.logText();
}

TEST_P(LocalViewInputTest, EscapeInEitherListStopsTheTransfer) {
    // Some seconds of download at the server's rate.
    test::writeFile(root + "/big.bin", std::string(kSlowBytes, 'b'));
    clickItem(remote, row(remote, "hello.txt"));
    pressKey(Qt::Key_F5);
    ASSERT_TRUE(pumpUntil([&] { return row(remote, "big.bin") >= 0; }));
    ASSERT_TRUE(idle());
    const auto aborts = [&] {
        const std::vector<std::string> lines = live.log.Lines();
        return std::count(lines.begin(), lines.end(), "<ABOR");
    };
    const std::string part = local + "/big.bin.part";
    for (QAbstractItemView* list : {localList, remote}) {
        const auto before = aborts();
        fs::remove(part);  // the stopped download's, kept for a restart
        clickItem(remote, row(remote, "big.bin"));
        pressKey(Qt::Key_Return);
        // The data flows: the stop has a transfer to end.
        ASSERT_TRUE(pumpUntil([&] {
            std::error_code error;
            return fs::file_size(part, error) > 0 && !error;
        })) << live.logText();
        clickItem(list, 0);
        pressKey(Qt::Key_Escape);
        EXPECT_TRUE(pumpUntil([&] { return aborts() > before; }))
            << list->objectName().toStdString() << "\n"
            << live.logText();
        ASSERT_TRUE(idle());
        EXPECT_FALSE(fs::exists(local + "/big.bin")) << list->objectName().toStdString();
    }
}

TEST_P(LocalViewInputTest, TheFilterBoxAndTheKeysOfTheLocalView) {
    auto* box = page->findChild<QLineEdit*>("localFilter");
    ASSERT_NE(box, nullptr);
    clickItem(localList, row(localList, "sub"));
    clickItem(localList, row(localList, "sub"), Qt::ControlModifier);
    pressKey(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), box);
    typeText("MINE");
    EXPECT_TRUE(localShows({"sub", "mine.txt"}));
    EXPECT_TRUE(pumpUntil([&] { return status("localStatus") == "2 of 3 shown, 4 bytes"; }))
        << status("localStatus").toStdString();
    // A file written meanwhile shows when it matches, in its place.
    test::writeFile(local + "/amine.txt", "a");
    test::writeFile(local + "/zzz.txt", "z");
    EXPECT_TRUE(localShows({"sub", "amine.txt", "mine.txt"}));
    pressKey(Qt::Key_Escape);
    EXPECT_TRUE(localShows({"sub", "amine.txt", "mine.txt", "other.txt", "zzz.txt"}));
    pressKey(Qt::Key_Down);  // back to the list
    ASSERT_EQ(QApplication::focusWidget(), localList);
    // Into sub and out with Backspace; Alt+Left goes back in; Alt+Up out again.
    doubleClickItem(localList, row(localList, "sub"));
    ASSERT_TRUE(localShows({}));
    pressKey(Qt::Key_Backspace);
    ASSERT_TRUE(localShows({"sub", "amine.txt", "mine.txt", "other.txt", "zzz.txt"}));
    pressKey(Qt::Key_Left, Qt::AltModifier);
    ASSERT_TRUE(pumpUntil([&] { return localView->folder() == local + "/sub"; }));
    pressKey(Qt::Key_Up, Qt::AltModifier);
    ASSERT_TRUE(pumpUntil([&] { return localView->folder() == local; }));
}

TEST_P(LocalViewInputTest, ALongNameStaysInItsOwnPlace) {
    fs::create_directories(local + "/a folder whose name is far longer than its column");
    test::writeFile(local + "/b.txt", "b");
    ASSERT_TRUE(localShows({"a folder whose name is far longer than its column", "sub", "b.txt",
                            "mine.txt", "other.txt"}));
    const QByteArray shots = qgetenv("NUBO_VIEW_SHOTS");
    if (!shots.isEmpty())
        localList->window()->grab().save(QString::fromUtf8(shots) + "/long-name-" +
                                         QString::fromStdString(testName()) + ".png");
    // Each item is drawn inside its own rectangle, and no two rectangles overlap.
    const QRect first = localList->visualRect(localList->model()->index(0, 0));
    const QRect second = localList->visualRect(localList->model()->index(1, 0));
    EXPECT_FALSE(first.intersects(second))
        << first.x() << "," << first.width() << " " << second.x() << "," << second.width();
    auto* list = qobject_cast<QListView*>(localList);
    if (list != nullptr && list->gridSize().isValid())
        EXPECT_LE(first.width(), list->gridSize().width());
    // Where it is cut short, the pointer resting on it shows it whole.
    EXPECT_TRUE(
        tipOver(localList, 0).endsWith("/a folder whose name is far longer than its column"))
        << tipOver(localList, 0).toStdString();
}

const auto kEveryMode = ::testing::Values(DirectoryViews::kLargeIcons, DirectoryViews::kSmallIcons,
                                          DirectoryViews::kList, DirectoryViews::kDetails);

std::string modeOnlyName(const ::testing::TestParamInfo<int>& info) {
    return modeName(info.param);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, LocalViewInputTest, kEveryMode, modeOnlyName);

class LocalRenameInputTest : public LocalViewInputTest {
  protected:
    void SetUp() override {
        realBoxes = true;
        LocalViewInputTest::SetUp();
    }
};

// A name the folder holds is refused with the box, and nothing on disk changes.
TEST_P(LocalRenameInputTest, ARenameOntoANameTheFolderHoldsIsRefused) {
    expectRenamesRefused(localList, "mine.txt", {"other.txt", "sub"}, "local-");
    EXPECT_EQ(test::readFile(local + "/mine.txt"), "mine");
    EXPECT_EQ(test::readFile(local + "/other.txt"), "other");
    EXPECT_TRUE(fs::is_directory(local + "/sub"));
    EXPECT_TRUE(fs::is_empty(local + "/sub"));
    EXPECT_EQ(std::distance(fs::directory_iterator(local), fs::directory_iterator()), 3);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, LocalRenameInputTest, kEveryMode, modeOnlyName);

// The local properties box on screen: chmod on a file, and on a folder with its contents.
class LocalPermissionsInputTest : public LocalViewInputTest {
  protected:
    void SetUp() override {
        realProperties = true;
        realBoxes = true;
        fs::create_directories(live.home.root() + "/local/sub");
        test::writeFile(live.home.root() + "/local/sub/deep.txt", "deep");
        LocalViewInputTest::SetUp();
    }
};

TEST_P(LocalPermissionsInputTest, PropertiesChangeTheModeWithChmod) {
    ::chmod((local + "/mine.txt").c_str(), 0600);
    PropertiesSeen seen = changePermissions(localList, "mine.txt", {"permGroupRead"});
    EXPECT_EQ(seen.octal, "600");
    EXPECT_EQ(modeOnDisk(local + "/mine.txt"), 0640);

    ::chmod((local + "/sub/deep.txt").c_str(), 0600);
    ::chmod((local + "/sub").c_str(), 0700);
    seen = changePermissions(localList, "sub", {"permGroupRead", "permGroupExec", "permContents"});
    EXPECT_EQ(seen.octal, "700");
    EXPECT_EQ(modeOnDisk(local + "/sub"), 0750);
    EXPECT_EQ(modeOnDisk(local + "/sub/deep.txt"), 0650) << "the same boxes, its own other bits";
}

INSTANTIATE_TEST_SUITE_P(EveryMode, LocalPermissionsInputTest, kEveryMode, modeOnlyName);

}  // namespace
}  // namespace nubo
