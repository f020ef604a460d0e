// One large file down and up over SFTP with libssh, libssh2 and OpenSSH's sftp, against
// the test fixture's sshd on loopback and through a 20 ms round trip: MiB/s, seconds and
// peak resident memory, the median of several runs, rows alternating. Each run is a child
// process of its own, so that its peak memory is its own.
//
//   bench_sftp_libraries [--size-mib 512] [--runs 3] [--gcm no] [--only TEXT]
//                        [--lines loopback,20ms,relay-0ms,py-relay-0ms]
//
// A child run: bench_sftp_libraries --one LIBRARY WAY ARG PORT KEY KNOWN_HOSTS REMOTE LOCAL
// CIPHER prints "seconds cipher" of the transfer alone (connecting and logging in apart).

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench/sftp_sessions.h"
#include "tests/support/background_process.h"
#include "tests/support/delay_relay.h"
#include "tests/support/sshd_fixture.h"
#include "tests/support/tcp_delay_relay.h"
#include "tests/support/test_util.h"

namespace {

using nubo::bench::Libssh2Session;
using nubo::bench::LibsshSession;
using nubo::bench::Target;
using Clock = std::chrono::steady_clock;

struct Timing {
    double seconds = -1;
    std::string cipher;
    std::string error;
};

double since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Keeps `inFlight` reads of `chunk` bytes outstanding and writes the answers in order;
// with several channels (SFTP sessions over the one SSH connection), each fetches its own
// part of the file, one thread serving them in turn: each channel has its own window.
Timing libsshDownload(const Target& target, unsigned inFlight, uint32_t chunk, unsigned channels) {
    LibsshSession ssh(target);
    if (!ssh.error.empty())
        return {-1, {}, ssh.error};
    Timing timing{-1, ssh.cipher(), {}};
    const auto start = Clock::now();
    sftp_attributes attributes = sftp_stat(ssh.sftp, target.remote.c_str());
    if (attributes == nullptr)
        return {-1, {}, "stat"};
    const uint64_t size = attributes->size;
    sftp_attributes_free(attributes);
    struct Part {
        sftp_session sftp = nullptr;
        sftp_file file = nullptr;
        uint64_t asked = 0, written = 0, end = 0;
        std::deque<std::pair<int, uint32_t>> pending;  // request id, length asked
    };
    std::vector<Part> parts(std::max(1u, channels));
    const uint64_t share = (size / parts.size() + chunk - 1) / chunk * chunk;
    for (size_t i = 0; i < parts.size(); ++i) {
        Part& part = parts[i];
        part.sftp = i == 0 ? ssh.sftp : sftp_new(ssh.session);
        if (i > 0 && (part.sftp == nullptr || sftp_init(part.sftp) != SSH_OK))
            return {-1, {}, "another channel"};
        part.file = sftp_open(part.sftp, target.remote.c_str(), O_RDONLY, 0);
        part.asked = part.written = std::min<uint64_t>(size, share * i);
        part.end = std::min<uint64_t>(size, share * (i + 1));
        if (part.file == nullptr || sftp_seek64(part.file, part.asked) != 0)
            return {-1, {}, "open"};
    }
    const int out = ::open(target.local.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char> buffer(chunk);
    for (bool busy = true; busy;) {
        busy = false;
        for (Part& part : parts) {
            while (part.pending.size() < inFlight && part.asked < part.end) {
                const uint32_t length =
                    static_cast<uint32_t>(std::min<uint64_t>(chunk, part.end - part.asked));
                const int id = sftp_async_read_begin(part.file, length);
                if (id < 0)
                    return {-1, {}, "read request"};
                part.pending.emplace_back(id, length);
                part.asked += length;
            }
            if (part.pending.empty())
                continue;
            busy = true;
            const auto [id, length] = part.pending.front();
            part.pending.pop_front();
            const int read =
                sftp_async_read(part.file, buffer.data(), length, static_cast<uint32_t>(id));
            // A short answer before the end would leave a hole: the server's limit was passed.
            if (read != static_cast<int>(length))
                return {
                    -1, {}, "short read " + std::to_string(read) + " of " + std::to_string(length)};
            if (::pwrite(out, buffer.data(), static_cast<size_t>(read),
                         static_cast<off_t>(part.written)) != read)
                return {-1, {}, "local write"};
            part.written += static_cast<uint64_t>(read);
        }
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        sftp_close(parts[i].file);
        if (i > 0)
            sftp_free(parts[i].sftp);
    }
    ::close(out);
    timing.seconds = since(start);
    return timing;
}

// One write at a time, as sftp_write does: each waits for its status. False with *error.
bool writeOneByOne(LibsshSession& ssh, sftp_file file, int in, uint32_t chunk, std::string* error) {
    std::vector<char> buffer(chunk);
    ssize_t read = 0;
    while ((read = ::read(in, buffer.data(), chunk)) > 0) {
        for (ssize_t done = 0; done < read;) {
            const ssize_t wrote =
                sftp_write(file, buffer.data() + done, static_cast<size_t>(read - done));
            if (wrote <= 0) {
                *error = std::string("write: ") + ssh_get_error(ssh.session);
                return false;
            }
            done += wrote;
        }
    }
    return true;
}

// Writes kept in flight over libssh's own SFTP channel: SSH_FXP_WRITE packets for the
// handle sftp_open got are written to sftp->channel directly and their SSH_FXP_STATUS
// answers read from it, `inFlight` outstanding (0.10 has no asynchronous write).
bool writeInFlight(LibsshSession& ssh, sftp_file file, int in, uint32_t chunk, unsigned inFlight,
                   std::string* error) {
    using namespace nubo::bench::wire;
    const std::string handle(static_cast<const char*>(ssh_string_data(file->handle)),
                             ssh_string_len(file->handle));
    ssh_channel channel = ssh.sftp->channel;
    std::vector<char> buffer(chunk);
    uint64_t offset = 0;
    unsigned outstanding = 0;
    uint32_t id = 0x40000000;  // apart from libssh's own request ids
    bool ended = false;
    while (!ended || outstanding > 0) {
        while (!ended && outstanding < inFlight) {
            const ssize_t read = ::read(in, buffer.data(), chunk);
            if (read <= 0) {
                ended = true;
                break;
            }
            std::string body = string(handle);
            putU64(body, offset);
            body += string(std::string_view(buffer.data(), static_cast<size_t>(read)));
            if (!send(channel, packet(SSH_FXP_WRITE, id++, body))) {
                *error = "channel write";
                return false;
            }
            offset += static_cast<uint64_t>(read);
            ++outstanding;
        }
        if (outstanding == 0)
            break;
        const std::vector<unsigned char> answer = receive(channel);
        if (answer.size() < 9 || answer[0] != SSH_FXP_STATUS || u32(&answer[5]) != SSH_FX_OK) {
            *error = "write status";
            return false;
        }
        --outstanding;
    }
    return true;
}

// inFlight 0: sftp_write; otherwise writeInFlight.
Timing libsshUpload(const Target& target, unsigned inFlight, uint32_t chunk) {
    LibsshSession ssh(target);
    if (!ssh.error.empty())
        return {-1, {}, ssh.error};
    Timing timing{-1, ssh.cipher(), {}};
    const auto start = Clock::now();
    sftp_file file = sftp_open(ssh.sftp, target.remote.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int in = ::open(target.local.c_str(), O_RDONLY);
    if (file == nullptr || in < 0)
        return {-1, {}, "open"};
    const bool sent = inFlight == 0 ? writeOneByOne(ssh, file, in, chunk, &timing.error)
                                    : writeInFlight(ssh, file, in, chunk, inFlight, &timing.error);
    sftp_close(file);
    ::close(in);
    if (sent)
        timing.seconds = since(start);
    return timing;
}

// libssh2_sftp_read and _write pipeline by themselves up to the buffer's size.
Timing libssh2Transfer(const Target& target, bool download, size_t bufferSize) {
    Libssh2Session ssh(target);
    if (!ssh.error.empty())
        return {-1, {}, ssh.error};
    Timing timing{-1, ssh.cipher(), {}};
    const auto start = Clock::now();
    LIBSSH2_SFTP_HANDLE* handle =
        download
            ? libssh2_sftp_open(ssh.sftp, target.remote.c_str(), LIBSSH2_FXF_READ, 0)
            : libssh2_sftp_open(ssh.sftp, target.remote.c_str(),
                                LIBSSH2_FXF_WRITE | LIBSSH2_FXF_CREAT | LIBSSH2_FXF_TRUNC, 0644);
    const int local = download ? ::open(target.local.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644)
                               : ::open(target.local.c_str(), O_RDONLY);
    if (handle == nullptr || local < 0)
        return {-1, {}, "open: " + ssh.lastError()};
    std::vector<char> buffer(bufferSize);
    if (download) {
        ssize_t got = 0;
        while ((got = libssh2_sftp_read(handle, buffer.data(), bufferSize)) > 0) {
            if (::write(local, buffer.data(), static_cast<size_t>(got)) != got)
                return {-1, {}, "local write"};
        }
        if (got < 0)
            return {-1, {}, "read: " + ssh.lastError()};
    } else {
        ssize_t read = 0;
        while ((read = ::read(local, buffer.data(), bufferSize)) > 0) {
            // A short count means the rest is still to be sent (1.10 acknowledges as it goes).
            for (ssize_t done = 0; done < read;) {
                const ssize_t wrote = libssh2_sftp_write(handle, buffer.data() + done,
                                                         static_cast<size_t>(read - done));
                if (wrote < 0)
                    return {-1, {}, "write: " + ssh.lastError()};
                done += wrote;
            }
        }
    }
    libssh2_sftp_close(handle);
    ::close(local);
    timing.seconds = since(start);
    return timing;
}

// ---- the child run --------------------------------------------------------------------

int runOne(char** argv) {
    ssh_init();
    libssh2_init(0);
    const std::string library = argv[0], way = argv[1];
    const unsigned long arg = std::strtoul(argv[2], nullptr, 10);
    Target target{static_cast<unsigned>(std::atoi(argv[3])), argv[4], argv[5], argv[6], argv[7],
                  argv[8] == std::string("-") ? "" : argv[8]};
    const unsigned kib = 1024;
    Timing timing;
    if (library == "libssh" && way.rfind("down", 0) == 0) {
        // "downCxK": arg reads of K KiB in flight on each of C channels (none: one).
        const unsigned chunk = static_cast<unsigned>(std::atoi(way.c_str() + way.find('x') + 1));
        const unsigned channels = static_cast<unsigned>(std::atoi(way.c_str() + 4));
        timing = libsshDownload(target, static_cast<unsigned>(arg), chunk * kib, channels);
    } else if (library == "libssh" && way.rfind("uppipe", 0) == 0) {
        const unsigned chunk = static_cast<unsigned>(std::atoi(way.c_str() + way.find('x') + 1));
        timing = libsshUpload(target, static_cast<unsigned>(arg), chunk * kib);
    } else if (library == "libssh") {
        timing = libsshUpload(target, 0, static_cast<uint32_t>(arg * kib));
    } else {
        timing = libssh2Transfer(target, way == "down", arg * kib);
    }
    if (timing.seconds < 0) {
        std::fprintf(stderr, "%s\n", timing.error.c_str());
        return 1;
    }
    std::printf("%.6f %s\n", timing.seconds, timing.cipher.c_str());
    return 0;
}

// ---- the table ------------------------------------------------------------------------

struct Row {
    std::string library;  // libssh, libssh2, sftp
    std::string way;      // what the child or sftp is asked to do
    std::string label;    // the "way" column
    bool download = true;
    unsigned long arg = 0;
    std::string cipher;  // "" for the defaults
    std::string line;    // "loopback" or "20ms"
    std::vector<double> seconds;
    std::vector<long> rssKib;
    std::vector<double> cpuSeconds;
    std::string negotiated;
    std::string failure;
};

struct Run {
    double seconds = -1;
    double cpuSeconds = 0;  // the client's own, user and system
    long rssKib = 0;
    std::string output;
};

volatile sig_atomic_t gInterrupted = 0;

void interrupt(int) {
    gInterrupted = 1;
}

// Runs argv as a child, its output in a file; its wall time, its peak RSS (with its
// children's, which is where sftp's ssh is), its output.
Run runChild(const std::vector<std::string>& argv, const std::string& outputFile) {
    std::vector<std::string> args = argv;
    std::vector<char*> pointers;
    for (std::string& arg : args)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 1);
        dup2(fd, 2);
        const int devnull = ::open("/dev/null", O_RDONLY);
        dup2(devnull, 0);
        execvp(pointers[0], pointers.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    // Interrupted (Ctrl-C): the run ends, and main returns, so that sshd and the relays
    // are stopped by their destructors rather than left behind.
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
        if (gInterrupted)
            ::kill(pid, SIGTERM);
    }
    Run run;
    run.output = nubo::test::readFile(outputFile);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        run.seconds = since(start);
        run.rssKib = usage.ru_maxrss;
        run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return run;
}

// The time between the first two "mark SECONDS" lines of sftp's output; -1 without.
double markedSeconds(const std::string& output) {
    std::vector<double> marks;
    // Lines of their own: sftp also echoes the commands that print them.
    for (size_t at = output.find("\nmark "); at != std::string::npos && marks.size() < 2;
         at = output.find("\nmark ", at + 6))
        marks.push_back(std::strtod(output.c_str() + at + 6, nullptr));
    return marks.size() == 2 ? marks[1] - marks[0] : -1;
}

double median(std::vector<double> values) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool sameFiles(const std::string& a, const std::string& b) {
    std::string output;
    return nubo::test::runShell(
               "cmp -s " + nubo::test::shellQuoted(a) + " " + nubo::test::shellQuoted(b), {},
               &output) == 0;
}

std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ',');)
        parts.push_back(part);
    return parts;
}

// Fast bytes that do not compress, so that no layer gains by compressing.
void writeRandomFile(const std::string& path, uint64_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<uint64_t> block(1 << 17);
    uint64_t state = 0x9e3779b97f4a7c15ull;
    for (uint64_t done = 0; done < size;) {
        for (uint64_t& word : block) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            word = state;
        }
        const size_t length =
            static_cast<size_t>(std::min<uint64_t>(size - done, block.size() * 8));
        if (::write(fd, block.data(), length) != static_cast<ssize_t>(length))
            break;
        done += length;
    }
    ::close(fd);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace nubo::test;
    if (argc == 11 && std::string(argv[1]) == "--one")
        return runOne(argv + 2);

    uint64_t sizeMib = 512;
    int runs = 3;
    // "20ms" crosses TcpDelayRelay. "relay-0ms" and "py-relay-0ms": that relay and the
    // Python DelayRelay without a delay, for their own ceilings (tuned sftp rows only).
    std::vector<std::string> lines = {"loopback", "20ms", "relay-0ms", "py-relay-0ms"};
    std::string only;
    bool gcm = true;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i], value = argv[i + 1];
        if (name == "--size-mib")
            sizeMib = std::strtoull(value.c_str(), nullptr, 10);
        else if (name == "--runs")
            runs = std::atoi(value.c_str());
        else if (name == "--lines")
            lines = splitCommas(value);
        else if (name == "--only")
            only = value;
        else if (name == "--gcm")
            gcm = value != "no";
    }

    SshdServer server;
    if (!server.running()) {
        std::fprintf(stderr, "sshd: %s\n", server.startError().c_str());
        return 1;
    }
    TcpDelayRelay relay(server.port(), 10);
    TcpDelayRelay bareRelay(server.port(), 0);
    DelayRelay pythonRelay(server.port(), 0, DelayRelay::Kind::Plain);
    if (!relay.running() || !bareRelay.running() || !pythonRelay.running()) {
        std::fprintf(stderr, "relay: %s%s%s\n", relay.startError().c_str(),
                     bareRelay.startError().c_str(), pythonRelay.startError().c_str());
        return 1;
    }
    const std::string work = server.folder();
    const std::string source = server.root() + "/source.bin";
    const std::string localSource = work + "/local-source.bin";
    writeRandomFile(source, sizeMib << 20);
    std::filesystem::copy_file(source, localSource);
    const std::string knownHosts = work + "/known_hosts";
    // The relay's port is another [host]:port: both lines name the same key.
    const std::string line = server.knownHostsLine();
    const std::string keyPart = line.substr(line.find(' '));
    std::string hostLines = line + "\n";
    for (const unsigned port : {relay.port(), bareRelay.port(), pythonRelay.port()})
        hostLines += "[127.0.0.1]:" + std::to_string(port) + keyPart + "\n";
    writeFile(knownHosts, hostLines);

    std::vector<Row> rows;
    const auto add = [&](const std::string& library, const std::string& way,
                         const std::string& label, bool download, unsigned long arg,
                         const std::string& cipher = {}) {
        for (const std::string& lineName : lines) {
            if (lineName.find("relay-0ms") != std::string::npos &&
                (library != "sftp" || arg == 0 || !cipher.empty()))
                continue;
            Row row{library, way, label, download, arg, cipher, lineName, {}, {}, {}, {}, {}};
            const std::string all = library + " " + label + " " + lineName + " " + cipher;
            if (only.empty() || all.find(only) != std::string::npos)
                rows.push_back(row);
        }
    };
    add("sftp", "get", "get, defaults (-R 64 -B 32768)", true, 0);
    add("sftp", "get", "get -R 128 -B 262144", true, 1);
    add("sftp", "put", "put, defaults", false, 0);
    add("sftp", "put", "put -R 128 -B 131072", false, 2);
    for (const unsigned inFlight : {16u, 64u, 128u})
        add("libssh", "downx32", "async read " + std::to_string(inFlight) + " x 32 KiB", true,
            inFlight);
    add("libssh", "downx128", "async read 64 x 128 KiB", true, 64);
    add("libssh", "downx255", "async read 32 x 255 KiB", true, 32);
    add("libssh", "down4x32", "async read 4 channels x 64 x 32 KiB", true, 64);
    add("libssh", "up", "sftp_write 32 KiB", false, 32);
    add("libssh", "up", "sftp_write 255 KiB", false, 255);
    add("libssh", "uppipex32", "raw writes 64 x 32 KiB in flight", false, 64);
    add("libssh", "uppipex255", "raw writes 16 x 255 KiB in flight", false, 16);
    for (const unsigned kib : {256u, 1024u, 4096u}) {
        add("libssh2", "down", "sftp_read " + std::to_string(kib) + " KiB buffer", true, kib);
        add("libssh2", "up", "sftp_write " + std::to_string(kib) + " KiB buffer", false, kib);
    }
    if (gcm) {
        add("sftp", "get", "get, defaults", true, 0, "aes128-gcm@openssh.com");
        add("sftp", "put", "put, defaults", false, 0, "aes128-gcm@openssh.com");
        add("libssh", "downx32", "async read 64 x 32 KiB", true, 64, "aes128-gcm@openssh.com");
        add("libssh", "uppipex32", "raw writes 64 x 32 KiB in flight", false, 64,
            "aes128-gcm@openssh.com");
        // libssh2 1.10 has no AES-GCM (and takes aes128-ctr by default).
    }

    const std::string self = std::filesystem::canonical("/proc/self/exe");
    const auto sftpArgs = [&](unsigned port, const Row* row) {  // row->arg: 1, 2 tuned
        std::vector<std::string> args = {"sftp",
                                         "-F",
                                         "/dev/null",
                                         "-P",
                                         std::to_string(port),
                                         "-i",
                                         server.userKeyPath(),
                                         "-o",
                                         "IdentitiesOnly=yes",
                                         "-o",
                                         "UserKnownHostsFile=" + knownHosts,
                                         "-o",
                                         "StrictHostKeyChecking=yes",
                                         "-v"};
        if (row != nullptr && row->arg > 0) {
            args.insert(args.end(), {"-R", "128", "-B", row->arg == 1 ? "262144" : "131072"});
        }
        if (row != nullptr && !row->cipher.empty()) {
            args.insert(args.end(), {"-c", row->cipher});
        }
        args.insert(args.end(), {"-b", work + "/batch", "root@127.0.0.1"});
        return args;
    };
    const auto portOf = [&](const std::string& lineName) {
        return lineName == "loopback"    ? server.port()
               : lineName == "20ms"      ? relay.port()
               : lineName == "relay-0ms" ? bareRelay.port()
                                         : pythonRelay.port();
    };

    struct sigaction onInterrupt {};
    onInterrupt.sa_handler = interrupt;  // no SA_RESTART: wait4 returns
    sigaction(SIGINT, &onInterrupt, nullptr);
    sigaction(SIGTERM, &onInterrupt, nullptr);
    for (int round = 0; round < runs && !gInterrupted; ++round) {
        // Odd rounds go backwards, so that no row always follows the same one.
        std::vector<Row*> order;
        for (Row& row : rows)
            order.push_back(&row);
        if (round % 2 == 1)
            std::reverse(order.begin(), order.end());
        for (Row* row : order) {
            if (gInterrupted)
                break;
            const unsigned port = portOf(row->line);
            const std::string remote = row->download ? source : server.root() + "/upload.bin";
            const std::string local = row->download ? work + "/download.bin" : localSource;
            std::filesystem::remove(row->download ? local : remote);
            Run run;
            if (row->library == "sftp") {
                // The transfer alone, between two marks of the local clock.
                writeFile(work + "/batch", "!echo mark $(date +%s.%N)\n" +
                                               (row->download ? "get " + remote + " " + local
                                                              : "put " + local + " " + remote) +
                                               "\n!echo mark $(date +%s.%N)\n");
                run = runChild(sftpArgs(port, row), work + "/out");
                const size_t at = run.output.find("client->server cipher: ");
                if (at != std::string::npos)
                    row->negotiated =
                        run.output.substr(at + 23, run.output.find(' ', at + 23) - at - 23);
                if (run.seconds > 0)
                    run.seconds = markedSeconds(run.output);
            } else {
                run = runChild({self, "--one", row->library, row->way, std::to_string(row->arg),
                                std::to_string(port), server.userKeyPath(), knownHosts, remote,
                                local, row->cipher.empty() ? "-" : row->cipher},
                               work + "/out");
                if (run.seconds > 0) {
                    std::istringstream words(run.output);
                    words >> run.seconds >> row->negotiated;
                }
            }
            if (run.seconds > 0 &&
                !sameFiles(row->download ? source : localSource, row->download ? local : remote)) {
                run.seconds = -1;
                run.output = "the copy differs";
            }
            if (run.seconds > 0) {
                row->seconds.push_back(run.seconds);
                row->rssKib.push_back(run.rssKib);
                row->cpuSeconds.push_back(run.cpuSeconds);
            } else if (row->failure.empty()) {
                row->failure = run.output.substr(0, 200);
            }
            std::fprintf(stderr, "round %d %s %s %s %s: %.2f s\n", round + 1, row->library.c_str(),
                         row->label.c_str(), row->line.c_str(), row->cipher.c_str(), run.seconds);
        }
    }

    std::printf("%s MiB; seconds of the transfer alone (open to close), not of logging in\n",
                std::to_string(sizeMib).c_str());
    // Client CPU: the whole child process (logging in included), which other programs on
    // the machine do not inflate as they do the seconds.
    std::printf(
        "| library | way | line | cipher | MiB/s | seconds | client CPU s | peak RSS MiB | runs "
        "|\n");
    std::printf("|---|---|---|---|---:|---:|---:|---:|---:|\n");
    for (const Row& row : rows) {
        const double seconds = median(row.seconds);
        std::vector<double> rss(row.rssKib.begin(), row.rssKib.end());
        const std::string direction = row.download ? "down: " : "up: ";
        if (seconds <= 0) {
            std::printf("| %s | %s%s | %s | %s | failed: %s | | | | 0 |\n", row.library.c_str(),
                        direction.c_str(), row.label.c_str(), row.line.c_str(),
                        row.negotiated.c_str(), row.failure.c_str());
            continue;
        }
        std::printf("| %s | %s%s | %s | %s | %.1f | %.2f | %.2f | %.1f | %zu |\n",
                    row.library.c_str(), direction.c_str(), row.label.c_str(), row.line.c_str(),
                    row.negotiated.c_str(), static_cast<double>(sizeMib) / seconds, seconds,
                    median(row.cpuSeconds), median(rss) / 1024.0, row.seconds.size());
    }
    return 0;
}
