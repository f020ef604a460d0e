#pragma once

#include <cstddef>
#include <string>

namespace nubo {

// The files the program keeps for itself and reads whole (the settings, the trusted
// certificates) can be anything a user or a broken script left at their path: a FIFO
// that would hang the reader, a device or a huge file that would exhaust memory, a
// file someone else can write. These open the path without blocking (O_NONBLOCK, so a
// FIFO never waits for a writer), look at what was opened (fstat: a symbolic link is
// judged by its target) and take a regular file of at most maxBytes only; with
// ownerOnly, also only one owned by this user and writable by nobody else; with secret,
// one that nobody else can read either.
enum class BoundedFile { Usable, Missing, Refused };

struct BoundedFileRule {
    size_t maxBytes = 1 << 20;
    bool ownerOnly = false;
    // Also readable by nobody else: a file that holds passwords in clear.
    bool secret = false;
};

// Checks the file without reading it. *reason (for Refused) says why, in words that
// follow the path: "is a FIFO, not a regular file", "is larger than 1048576 bytes".
BoundedFile checkBoundedFile(const std::string& path, const BoundedFileRule& rule,
                             std::string* reason);
// Checks and opens the file: *fd holds it, read-only, when Usable (the caller closes
// it), else -1. What is read through it is what was judged, whatever takes the path's
// place afterwards.
BoundedFile openBoundedFile(const std::string& path, const BoundedFileRule& rule, int* fd,
                            std::string* reason);
// Checks and reads the whole file into *text (empty unless Usable).
BoundedFile readBoundedFile(const std::string& path, const BoundedFileRule& rule, std::string* text,
                            std::string* reason);

// Why a reader found nothing to read at the path, from the file itself: " (no such
// file)", " (it is a FIFO, not a regular file)", ...; "" for a regular file (its text
// was what did not do).
std::string whyNotReadable(const std::string& path);

// The name a damaged or misshapen file is kept under beside itself:
// "<path>.bad-YYYYMMDD-HHMMSS" (local time).
std::string setAsideName(const std::string& path);

}  // namespace nubo
