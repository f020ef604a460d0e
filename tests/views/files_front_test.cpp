// When the files come to the front after a Connect: once per session, after both the
// login and the first listing, only when wanted and while the user is on the Host page.
#include "views/files_front.h"

#include <gtest/gtest.h>

namespace nubo {
namespace {

constexpr FilesFront::Window kOnHost{true, true};

TEST(FilesFrontTest, TheFirstListingAfterTheLoginBringsTheFilesOnce) {
    FilesFront front;
    front.sessionChanged();
    EXPECT_FALSE(front.listingEnded(kOnHost)) << "not logged in yet";
    EXPECT_TRUE(front.loggedIn(kOnHost)) << "the listing had already ended";
    EXPECT_FALSE(front.listingEnded(kOnHost)) << "a second listing pulls nobody";

    front.sessionChanged();  // the next session decides afresh
    EXPECT_FALSE(front.loggedIn(kOnHost));
    EXPECT_TRUE(front.listingEnded(kOnHost));
}

TEST(FilesFrontTest, UnwantedOrElsewhereTheUserStaysAndLaterListingsDoNotPull) {
    FilesFront front;
    front.sessionChanged();
    EXPECT_FALSE(front.loggedIn({false, true}));
    EXPECT_FALSE(front.listingEnded({false, true})) << "the check is off";
    EXPECT_FALSE(front.listingEnded(kOnHost)) << "decided for this session";

    front.sessionChanged();
    EXPECT_FALSE(front.loggedIn({true, false}));
    EXPECT_FALSE(front.listingEnded({true, false})) << "the user went to another page";
    EXPECT_FALSE(front.listingEnded(kOnHost)) << "coming back later is not pulled";
}

TEST(FilesFrontTest, ASessionThatEndsBeforeItsListingBringsNothing) {
    FilesFront front;
    front.sessionChanged();
    EXPECT_FALSE(front.loggedIn(kOnHost));
    front.sessionChanged();  // ended before any listing
    EXPECT_FALSE(front.listingEnded(kOnHost)) << "a listing without a login";
}

}  // namespace
}  // namespace nubo
