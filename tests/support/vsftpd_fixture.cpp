#include "tests/support/vsftpd_fixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/test_util.h"

namespace nubo::test {

VsftpdServer::VsftpdServer(const Options& options) {
    const Tls tls = options.tls;
    const std::string& pem = options.pem;
    const bool ipv6 = options.ipv6;
    if (!makeServerFolders("vsftpd", &base_, &root_)) {
        error_ = "no temporary folder";
        return;
    }
    std::filesystem::create_directories(base_ + "/empty");
    // The anonymous root must not be writable by the ftp user; its upload folder must.
    ::chmod(base_.c_str(), 0755);
    ::chmod(root_.c_str(), 0555);
    ::chmod((root_ + "/incoming").c_str(), 0777);
    const unsigned port = freeLoopbackPort();
    if (!options.listenAddress.empty())
        address_ = options.listenAddress;
    std::string listen =
        ipv6 ? "listen=NO\nlisten_ipv6=YES\nlisten_address6=::1\n"
             : "listen=YES\nlisten_address=" + address_ + "\npasv_address=127.0.0.1\n";
    if (options.passivePorts > 0) {
        lowPassivePort_ = freePortRange(options.passivePorts, {"127.0.0.1", address_});
        if (lowPassivePort_ == 0) {
            error_ = "no free range of passive ports";
            return;
        }
        passivePorts_ = options.passivePorts;
        listen += "pasv_min_port=" + std::to_string(lowPassivePort_) +
                  "\npasv_max_port=" + std::to_string(highPassivePort()) + "\n";
    }
    std::string conf = listen + "listen_port=" + std::to_string(port) +
                       "\nbackground=NO\nanonymous_enable=YES\nlocal_enable=NO\n"
                       "no_anon_password=YES\nanon_root=" +
                       root_ +
                       "\nwrite_enable=YES\nanon_upload_enable=YES\n"
                       "anon_other_write_enable=YES\nanon_mkdir_write_enable=YES\n"
                       "anon_umask=022\nseccomp_sandbox=NO\nsecure_chroot_dir=" +
                       base_ +
                       "/empty\nftp_username=ftp\n"
                       "xferlog_enable=NO\nconnect_from_port_20=NO\nmax_clients=0\n"
                       "max_per_ip=" +
                       std::to_string(options.maxPerIp) + "\n";
    if (tls != Tls::None) {
        conf += "ssl_enable=YES\nrsa_cert_file=" + pem + "\nrsa_private_key_file=" + pem +
                "\nallow_anon_ssl=YES\nforce_anon_logins_ssl=YES\nforce_anon_data_ssl=YES\n"
                "require_ssl_reuse=YES\nssl_tlsv1=YES\nssl_ciphers=HIGH\n";
        if (tls == Tls::Implicit)
            conf += "implicit_ssl=YES\n";
    }
    writeFile(base_ + "/vsftpd.conf", conf);
    std::vector<std::string> command = {"/usr/sbin/vsftpd", base_ + "/vsftpd.conf"};
    if (options.tls12) {
        // vsftpd has no setting for it; OpenSSL's configuration caps what it offers.
        writeFile(base_ + "/openssl.cnf",
                  "openssl_conf = init\n[init]\nssl_conf = ssl\n[ssl]\n"
                  "system_default = limits\n[limits]\nMaxProtocol = TLSv1.2\n");
        command.insert(command.begin(), {"/usr/bin/env", "OPENSSL_CONF=" + base_ + "/openssl.cnf"});
    }
    if (!process_.start(command, base_ + "/vsftpd.log")) {
        error_ = "vsftpd did not start";
        return;
    }
    // Ready once it listens; a trial connection would count against maxPerIp until
    // vsftpd has reaped the process that served it.
    if (!waitFor([&] { return listensOn(port) || !process_.alive(); }, 10000) ||
        !process_.alive()) {
        error_ = "vsftpd did not listen: " + readFile(base_ + "/vsftpd.log");
        return;
    }
    port_ = port;
}

VsftpdServer::~VsftpdServer() {
    process_.stop();
    if (!base_.empty()) {
        ::chmod(root_.c_str(), 0755);
        std::error_code ignored;
        std::filesystem::remove_all(base_, ignored);
    }
}

}  // namespace nubo::test
