#include "tests/support/secret_service.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/test_util.h"

extern char** environ;

namespace nubo::test {

namespace {

constexpr const char* kDbusDaemon = "/usr/bin/dbus-daemon";
constexpr const char* kKeyringDaemon = "/usr/bin/gnome-keyring-daemon";
constexpr const char* kSecretTool = "/usr/bin/secret-tool";
constexpr const char* kDbusSend = "/usr/bin/dbus-send";
constexpr const char* kUnlockPassword = "keyring-test";

}  // namespace

bool SecretService::available(std::string* missing) {
    for (const char* tool : {kDbusDaemon, kKeyringDaemon, kSecretTool, kDbusSend}) {
        if (::access(tool, X_OK) != 0) {
            *missing = std::string(tool) + " is not installed";
            return false;
        }
    }
    return true;
}

SecretService::SecretService(const std::string& homeRoot, const std::string& dataHome) {
    char pattern[] = "/tmp/nubo-bus-XXXXXX";
    folder_ = mkdtemp(pattern) != nullptr ? pattern : "";
    if (folder_.empty()) {
        error_ = "no folder for the bus";
        return;
    }
    address_ = "unix:path=" + folder_ + "/bus";
    if (!bus_.start({kDbusDaemon, "--session", "--nofork", "--nopidfile", "--address=" + address_},
                    folder_ + "/bus.log") ||
        !waitFor([&] { return std::filesystem::exists(folder_ + "/bus"); }, 10000)) {
        error_ = "dbus-daemon did not start: " + readFile(folder_ + "/bus.log");
        return;
    }
    const std::string runtime = folder_ + "/runtime";
    std::filesystem::create_directories(runtime);
    ::chmod(runtime.c_str(), 0700);
    std::filesystem::create_directories(dataHome);
    // The daemon reads the login keyring's password on its standard input.
    if (!daemon_.start({"/usr/bin/env", "DBUS_SESSION_BUS_ADDRESS=" + address_, "HOME=" + homeRoot,
                        "XDG_DATA_HOME=" + dataHome, "XDG_RUNTIME_DIR=" + runtime, "/bin/sh", "-c",
                        std::string("printf %s '") + kUnlockPassword + "' | exec " +
                            kKeyringDaemon + " --unlock --foreground --components=secrets"},
                       folder_ + "/keyring.log")) {
        error_ = "gnome-keyring-daemon could not be started";
        return;
    }
    std::string reply;
    if (!waitFor(
            [&] {
                return runTool(
                           {kDbusSend, "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                            "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                            "string:org.freedesktop.secrets"},
                           &reply) &&
                       reply.find("boolean true") != std::string::npos && daemon_.alive();
            },
            10000)) {
        error_ = "the Secret Service never came on the bus: " + readFile(folder_ + "/keyring.log");
    }
}

SecretService::~SecretService() {
    daemon_.stop();
    bus_.stop();
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

std::vector<std::pair<std::string, std::string>> SecretService::environment() const {
    return {{"DBUS_SESSION_BUS_ADDRESS", address_}};
}

bool SecretService::runTool(const std::vector<std::string>& argv, std::string* output) const {
    output->clear();
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::string(*entry).rfind("DBUS_SESSION_BUS_ADDRESS=", 0) != 0)
            variables.push_back(*entry);
    }
    variables.push_back("DBUS_SESSION_BUS_ADDRESS=" + address_);
    std::vector<char*> environment;
    for (std::string& variable : variables)
        environment.push_back(variable.data());
    environment.push_back(nullptr);
    std::vector<std::string> arguments = argv;
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);

    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, pointers[0], &actions, nullptr, pointers.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (spawned != 0) {
        ::close(pipeEnds[0]);
        return false;
    }
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        output->append(buffer, static_cast<size_t>(got));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool SecretService::lookup(const PasswordKey& key, std::string* password) const {
    // QtKeychain's schema: "server" holds the item's label, "user" its account.
    return runTool({kSecretTool, "lookup", "server", key.label(), "user", key.account()},
                   password) &&
           !password->empty();
}

bool SecretService::lockLogin() const {
    std::string reply;
    return runTool({kDbusSend, "--session", "--print-reply", "--dest=org.freedesktop.secrets",
                    "/org/freedesktop/secrets", "org.freedesktop.Secret.Service.Lock",
                    "array:objpath:/org/freedesktop/secrets/collection/login"},
                   &reply);
}

}  // namespace nubo::test
