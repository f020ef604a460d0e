#pragma once

#include <cstddef>
#include <string_view>

namespace nubo {

// Where a site URL ("[scheme://][user[:password]@]host...") writes its password: the
// bytes after the first ":" of the user part, up to the "@" that ends it, as the URL
// parser takes them (still percent-escaped). False when it writes none; an empty one
// ("user:@host") counts as written. Plain C++: the desktop handlers use it too.
bool urlPasswordSpan(std::string_view text, size_t* begin, size_t* end);

// The environment variable in which the desktop handlers hand NuboPRO the password of
// the URL they start it on, as the URL wrote it, so that the argument list (which
// every local user can read) never holds it. NuboPRO takes it out of its environment
// at start-up.
inline constexpr char kHandedPasswordVariable[] = "NUBOPRO_PASSWORD";

// Set (to "1") in the environment of every NuboPRO the desktop handlers start on a
// shortcut: the run then takes its folder as a shortcut's and serves no netrc "default"
// login, as for "-o". A typed command line never sets it; NuboPRO takes it out at
// start-up.
inline constexpr char kShortcutStartVariable[] = "NUBOPRO_FROM_SHORTCUT";

}  // namespace nubo
