// The Files page of the real program, used as a person uses it: with the keyboard alone,
// and with the mouse dragging what it sees on the screen. Against a real server; the bytes
// that arrive are checked.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "platform/registry_key.h"
#include "tests/smoke/screen_image.h"
#include "tests/smoke/window_smoke_fixture.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;

std::string randomBytes(size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(seed >> 16);
    }
    return bytes;
}

int occurrences(const std::string& text, const std::string& what) {
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

// The selection colour of the views: a strong blue, wider than any icon on the row.
bool selectionBlue(uint32_t rgb) {
    const int red = int(rgb >> 16), green = int(rgb >> 8 & 0xff), blue = int(rgb & 0xff);
    return red < 90 && green > 110 && green < 170 && blue > 170 && blue < 230;
}

class FilesPageSmokeTest : public test::WindowSmokeFixture {
  protected:
    void SetUp() override {
        WindowSmokeFixture::SetUp();
        ASSERT_TRUE(server.running()) << server.startError();
        fs::create_directories(server.root() + "/docs");
        test::writeFile(server.root() + "/docs/inside.bin", randomBytes(300000, 7));
        test::writeFile(server.root() + "/top.txt", "top\n");
        // These journeys go to the Files page themselves (Ctrl+PgDown), as a user who
        // unticked "Show the files after login" does; the page coming to the front on its
        // own is ShowFilesTest's.
        RegistryKey key(home.settingsFile());
        key.subkey("Settings").setDword("ShowFiles", 0);
        key.flush();
    }
    // The keys go to the window as typed; the X server sends them to the focused widget.
    void keys(const std::string& sequence) {
        x.xdotool("key --clearmodifiers --delay 60 " + sequence);
    }
    void type(const std::string& text) { x.xdotool("type --delay 40 '" + text + "'"); }
    // Replies "226" (a listing or a transfer done) the server has sent so far.
    int finished() const { return occurrences(server.serverLog(), "-> 226"); }
    bool waitFinished(int count) {
        return test::waitFor([&] { return finished() >= count; }, 20000);
    }
    // Connects with the keyboard: the URL box has the focus when the window opens.
    bool connectByKeyboard(const std::string& window) {
        x.xdotool("windowfocus --sync " + window);
        type(server.url("/", true));
        keys("Return");
        return waitFinished(1);  // logged in and the root listed
    }
    // What the program and the server said, and where the screen was kept.
    std::string failureText() const {
        const std::string kept =
            "/tmp/nubo-smoke-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".xwd";
        test::writeFile(kept, test::readFile(x.screenFile()));
        std::string log = server.serverLog();
        if (log.size() > 4000)
            log = log.substr(log.size() - 4000);
        return test::readFile(home.root() + "/stderr.txt") + "\n--- the screen: " + kept +
               "\n--- server\n" + log;
    }
    // The box of the selected item on one side of the window (left: the local list),
    // empty when none shows.
    test::ScreenImage::Box selectedOn(const std::string& window, bool left) {
        // The local list takes the first two fifths of the window.
        std::map<std::string, int> geometry = windowGeometry(window);
        const int split = geometry["X"] + geometry["WIDTH"] * 2 / 5;
        const test::ScreenImage::Box side{left ? geometry["X"] : split, geometry["Y"],
                                          left ? split : geometry["X"] + geometry["WIDTH"],
                                          geometry["Y"] + geometry["HEIGHT"]};
        test::ScreenImage screen;
        return screen.load(x.screenFile()) ? screen.band(side, 30, selectionBlue)
                                           : test::ScreenImage::Box{};
    }
    // Types the start of a name into a list to select its item, again until the list
    // shows the folder's new items; the selected item's box.
    test::ScreenImage::Box pick(const std::string& window, const std::string& name, bool left) {
        test::ScreenImage::Box item;
        for (int attempt = 0; attempt < 10 && item.empty(); ++attempt) {
            type(name);
            test::waitFor([&] { return !(item = selectedOn(window, left)).empty(); }, 1000);
        }
        return item;
    }

    test::PyFtpdServer server{{"--log-commands"}};
};

// Connects, enters a folder and downloads a file with the keyboard alone, the views in
// the mode they start in.
TEST_F(FilesPageSmokeTest, WithTheKeyboardAloneAFileIsFetchedFromAFolder) {
    const pid_t pid = start({});
    const std::string window = findWindow("^Nubo 2\\.2$");
    ASSERT_FALSE(window.empty()) << failureText();
    ASSERT_TRUE(connectByKeyboard(window)) << failureText();
    // The Files page; from the remote path box on to the remote list, then the local
    // side's location box and list: the home folder is picked by typing its first letter.
    keys("ctrl+Next Tab Tab Tab");
    ASSERT_FALSE(pick(window, "h", true).empty()) << failureText();
    keys("Return");
    // Back past the location box to the remote list, where typing a name picks it: into
    // "docs", then the file.
    keys("shift+Tab shift+Tab");
    ASSERT_FALSE(pick(window, "docs", false).empty()) << failureText();
    keys("Return");
    ASSERT_TRUE(waitFinished(2)) << failureText();
    ASSERT_FALSE(pick(window, "inside", false).empty()) << failureText();
    keys("Return");
    const std::string arrived = home.root() + "/inside.bin";
    EXPECT_TRUE(test::waitFor(
        [&] { return fs::exists(arrived) && fs::file_size(arrived) == 300000; }, 20000))
        << failureText();
    EXPECT_TRUE(test::readFile(arrived) == test::readFile(server.root() + "/docs/inside.bin"));
    EXPECT_EQ(closeAndWait(window, pid, 20000), 0) << failureText();
}

// Drags a local file with the mouse from where it shows on the screen onto the remote
// list: it is uploaded whole.
TEST_F(FilesPageSmokeTest, ALocalFileDraggedOntoTheRemoteListIsUploaded) {
    test::writeFile(home.root() + "/upload-me.bin", randomBytes(200000, 11));
    const pid_t pid = start({});
    const std::string window = findWindow("^Nubo 2\\.2$");
    ASSERT_FALSE(window.empty()) << failureText();
    ASSERT_TRUE(connectByKeyboard(window)) << failureText();
    keys("ctrl+Next Tab Tab Tab");
    ASSERT_FALSE(pick(window, "h", true).empty()) << failureText();
    keys("Return");
    // Selected, the file shows where it is.
    const test::ScreenImage::Box item = pick(window, "upload", true);
    ASSERT_FALSE(item.empty()) << failureText();
    std::map<std::string, int> geometry = windowGeometry(window);
    const int left = geometry["X"], top = geometry["Y"];
    const int width = geometry["WIDTH"], height = geometry["HEIGHT"];
    // Press on the item, move past the drag distance, over to the remote list, let go.
    const int toX = left + width * 3 / 4, toY = top + height * 2 / 3;
    std::ostringstream drag;
    drag << "mousemove " << item.centreX() << " " << item.centreY()
         << " sleep 0.3 mousedown 1 sleep 0.2";
    for (int step = 1; step <= 5; ++step)
        drag << " mousemove " << item.centreX() + step * 4 << " " << item.centreY() + step * 2
             << " sleep 0.05";
    for (int step = 1; step <= 10; ++step)
        drag << " mousemove " << item.centreX() + (toX - item.centreX()) * step / 10 << " "
             << item.centreY() + (toY - item.centreY()) * step / 10 << " sleep 0.1";
    drag << " sleep 0.5 mouseup 1";
    x.xdotool(drag.str());
    const std::string arrived = server.root() + "/upload-me.bin";
    EXPECT_TRUE(test::waitFor(
        [&] { return fs::exists(arrived) && fs::file_size(arrived) == 200000 && waitFinished(2); },
        20000))
        << failureText();
    EXPECT_TRUE(test::readFile(arrived) == test::readFile(home.root() + "/upload-me.bin"));
    EXPECT_EQ(closeAndWait(window, pid, 20000), 0) << failureText();
}

}  // namespace
}  // namespace nubo
