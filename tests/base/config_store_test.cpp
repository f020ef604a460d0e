#include "base/config_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/post_queue.h"

namespace nubo {
namespace {

TEST(ConfigStoreTest, Defaults) {
    ConfigStore store;
    EXPECT_EQ(store.GetInt("Logging"), 1);
    EXPECT_EQ(store.GetInt("LogCmd"), 1);
    EXPECT_EQ(store.GetInt("LogExt"), 1);
    EXPECT_EQ(store.GetInt("Passive"), 1);
    EXPECT_EQ(store.GetInt("Restart"), 1);
    EXPECT_EQ(store.GetInt("NoUITray"), 1);
    EXPECT_EQ(store.GetInt("NoUIQuit"), 1);
    EXPECT_EQ(store.GetInt("Statistics"), 1);
    EXPECT_EQ(store.GetInt("LocalIcons"), 1);
    EXPECT_EQ(store.GetInt("LastXMode"), 2);
    EXPECT_EQ(store.GetInt("XAppVersion"), 0x02000100);
    EXPECT_EQ(store.GetInt("Classic"), 0);
    EXPECT_EQ(store.GetInt("UpdateONLY"), 0);
    EXPECT_EQ(store.GetInt("ProxyType"), 0);
    EXPECT_EQ(store.GetString("EMail"), "<your-email-address>");
    EXPECT_EQ(store.GetString("Proxy"), "");
    // Absent names read as 0 and empty; names are case-sensitive.
    EXPECT_EQ(store.GetInt("NoSuchName"), 0);
    EXPECT_EQ(store.GetInt("passive"), 0);
    EXPECT_EQ(store.GetString("email"), "");
}

TEST(ConfigStoreTest, SubscribersArePostedOnlyForChangesOnceEnabled) {
    ConfigStore store;
    PostQueue queue;
    store.SetPoster([&queue](std::function<void()> work) { queue.post(std::move(work)); });
    std::vector<std::string> seen;
    store.Subscribe("Passive", [&seen](const std::string& name) { seen.push_back("a " + name); });

    store.SetInt("Passive", 0);  // during construction: no notification
    EXPECT_EQ(queue.pending(), 0u);

    store.EnableNotifications(true);
    store.SetInt("Passive", 0);  // same value: nothing
    EXPECT_EQ(queue.pending(), 0u);
    store.SetInt("Passive", 1);
    EXPECT_TRUE(seen.empty());  // posted, not called inside the setter
    EXPECT_EQ(queue.runPending(), 1u);
    EXPECT_EQ(seen, std::vector<std::string>{"a Passive"});

    store.SetInt("Restart", 0);  // nobody subscribed
    store.Subscribe("Proxy", [&seen](const std::string& name) { seen.push_back(name); });
    store.SetString("Proxy", "proxy.example:8021");
    store.SetString("Proxy", "proxy.example:8021");
    store.EnableNotifications(false);  // shutting down
    store.SetString("Proxy", "other");
    queue.runPending();
    EXPECT_EQ(seen, (std::vector<std::string>{"a Passive", "Proxy"}));
    EXPECT_EQ(store.GetString("Proxy"), "other");
}

// Two pages watch the same setting (the Classic remote page and the Files page, or a
// page and the Host controller): a later subscriber must not silence the first.
TEST(ConfigStoreTest, EverySubscriberOfANameIsToldInOrder) {
    ConfigStore store;
    PostQueue queue;
    store.SetPoster([&queue](std::function<void()> work) { queue.post(std::move(work)); });
    store.EnableNotifications(true);
    std::vector<std::string> seen;
    store.Subscribe("LocalIcons",
                    [&seen](const std::string& name) { seen.push_back("a " + name); });
    store.Subscribe("LocalIcons",
                    [&seen](const std::string& name) { seen.push_back("b " + name); });
    const ConfigStore::Subscription c = store.Subscribe(
        "LocalIcons", [&seen](const std::string& name) { seen.push_back("c " + name); });
    store.SetInt("LocalIcons", 0);
    queue.runPending();
    EXPECT_EQ(seen, (std::vector<std::string>{"a LocalIcons", "b LocalIcons", "c LocalIcons"}));

    // One page goes: the others stay subscribed, and a notification posted before it
    // went does not reach it.
    seen.clear();
    store.SetInt("LocalIcons", 1);
    store.Unsubscribe(c);
    queue.runPending();
    EXPECT_EQ(seen, (std::vector<std::string>{"a LocalIcons", "b LocalIcons"}));
}

TEST(ConfigStoreTest, NewNamesAreStored) {
    ConfigStore store;
    store.SetInt("CLXFlags", 5);
    store.SetString("AppData", "/home/u/.local/share/Tkwa/Nubo/");
    EXPECT_EQ(store.GetInt("CLXFlags"), 5);
    EXPECT_EQ(store.GetString("AppData"), "/home/u/.local/share/Tkwa/Nubo/");
    store.SetInt("Unknown", 0);  // absent read as 0, stored as 0: still stored
    EXPECT_EQ(store.GetInt("Unknown"), 0);
}

}  // namespace
}  // namespace nubo
