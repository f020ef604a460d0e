#include "tests/support/netns_topology.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/test_util.h"

namespace nubo::test {

std::string runInChild(const std::function<std::string()>& work) {
    int fds[2];
    if (pipe(fds) != 0) {
        return "skip: no pipe";
    }
    pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        const std::string result = work();
        size_t done = 0;
        while (done < result.size()) {
            ssize_t n = write(fds[1], result.data() + done, result.size() - done);
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        _exit(0);
    }
    close(fds[1]);
    std::string result;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        result.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return result;
}

NetnsTopology::NetnsTopology() {
    if (geteuid() != 0) {
        error_ = "needs root to make network namespaces";
        return;
    }
    if (std::system("ip netns list >/dev/null 2>&1") != 0) {
        error_ = "iproute2 cannot manage network namespaces here";
        return;
    }
    suffix_ = std::to_string(getpid() % 100000);
    char pattern[] = "/tmp/nubo-netns-XXXXXX";
    folder_ = mkdtemp(pattern) != nullptr ? pattern : "/tmp";
    const std::string c = name("client"), r = name("router"), t = name("target");
    const std::string a = "nba" + suffix_, b = "nbb" + suffix_, x = "nbx" + suffix_,
                      y = "nby" + suffix_;
    const std::string script =
        "set -e\n"
        "ip netns add " +
        c + "\nip netns add " + r + "\nip netns add " + t + "\n" + "ip link add " + a + " netns " +
        c + " type veth peer name " + b + " netns " + r + "\n" + "ip link add " + x + " netns " +
        r + " type veth peer name " + y + " netns " + t + "\n" + "ip -n " + c +
        " addr add 10.77.1.1/24 dev " + a + "\n" + "ip -n " + r + " addr add 10.77.1.2/24 dev " +
        b + "\n" + "ip -n " + r + " addr add 10.77.2.1/24 dev " + x + "\n" + "ip -n " + t +
        " addr add 10.77.2.2/24 dev " + y + "\n" + "for n in " + c + " " + r + " " + t +
        "; do ip -n $n link set lo up; done\n" + "ip -n " + c + " link set " + a + " up\nip -n " +
        r + " link set " + b + " up\n" + "ip -n " + r + " link set " + x + " up\nip -n " + t +
        " link set " + y + " up\n" + "ip -n " + c + " route add default via 10.77.1.2\n" +
        "ip -n " + t + " route add default via 10.77.2.1\n" + "ip netns exec " + r +
        " sh -c 'echo 1 > /proc/sys/net/ipv4/ip_forward'\n";
    writeFile(folder_ + "/setup.sh", script);
    made_ = true;
    if (std::system(("sh " + folder_ + "/setup.sh >" + folder_ + "/setup.log 2>&1").c_str()) != 0) {
        error_ = "cannot build the namespaces: " + readFile(folder_ + "/setup.log");
        return;
    }
    const std::string script6 =
        "set -e\nip -n " + c + " addr add fd77:1::1/64 dev " + a + " nodad\nip -n " + r +
        " addr add fd77:1::2/64 dev " + b + " nodad\nip -n " + r + " addr add fd77:2::1/64 dev " +
        x + " nodad\nip -n " + t + " addr add fd77:2::2/64 dev " + y + " nodad\nip -n " + c +
        " -6 route add default via fd77:1::2\nip -n " + t +
        " -6 route add default via fd77:2::1\nip netns exec " + r +
        " sh -c 'echo 1 > /proc/sys/net/ipv6/conf/all/forwarding'\n";
    writeFile(folder_ + "/setup6.sh", script6);
    if (std::system(("sh " + folder_ + "/setup6.sh >" + folder_ + "/setup6.log 2>&1").c_str()) !=
        0) {
        ipv6Error_ = "no IPv6 between the namespaces: " + readFile(folder_ + "/setup6.log");
    }
    writeFile(folder_ + "/hosts",
              "127.0.0.1 localhost\n10.77.1.2 nubo-router\n10.77.2.2 nubo-target\n"
              "fd77:1::2 nubo-router6\nfd77:2::2 nubo-target6\n");
    writeFile(folder_ + "/resolv.conf", "");
}

NetnsTopology::~NetnsTopology() {
    if (made_) {
        for (const char* space : {"client", "router", "target"}) {
            std::system(("ip netns del " + name(space) + " >/dev/null 2>&1").c_str());
        }
    }
    if (folder_.rfind("/tmp/nubo-netns-", 0) == 0) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

std::string NetnsTopology::name(const std::string& space) const {
    return "nubo-" + space + "-" + suffix_;
}

bool NetnsTopology::exec(const std::string& space, const std::string& command) const {
    return std::system(("ip netns exec " + name(space) + " " + command).c_str()) == 0;
}

std::string NetnsTopology::runInClient(const std::function<std::string()>& work) const {
    const std::string path = "/var/run/netns/" + name("client");
    const std::string folder = folder_;
    return runInChild([&]() -> std::string {
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || setns(fd, CLONE_NEWNET) != 0) {
            return "cannot enter the client namespace";
        }
        if (unshare(CLONE_NEWNS) != 0 || mount("", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
            mount((folder + "/hosts").c_str(), "/etc/hosts", nullptr, MS_BIND, nullptr) ||
            mount((folder + "/resolv.conf").c_str(), "/etc/resolv.conf", nullptr, MS_BIND,
                  nullptr)) {
            return "cannot give the client its own hosts file";
        }
        return work();
    });
}

}  // namespace nubo::test
