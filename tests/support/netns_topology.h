#pragma once

#include <functional>
#include <string>

namespace nubo::test {

// Runs work in a forked child and gives back the text it returned (the child's only
// channel back). Work that must change process-wide state (network or mount
// namespaces) runs here so the test process keeps its own.
std::string runInChild(const std::function<std::string()>& work);

// Three network namespaces joined by veth pairs, all on this machine:
//   client 10.77.1.1/24  <->  10.77.1.2/24 router 10.77.2.1/24  <->  10.77.2.2/24 target
// with forwarding on in the router and default routes through it; the same in IPv6
// (fd77:1::1/64, fd77:1::2/64 | fd77:2::1/64, fd77:2::2/64) where the system allows it.
// Needs root and iproute2; removed when the object goes.
class NetnsTopology {
  public:
    static constexpr const char* kRouterClientSide = "10.77.1.2";
    static constexpr const char* kTarget = "10.77.2.2";

    NetnsTopology();
    ~NetnsTopology();
    NetnsTopology(const NetnsTopology&) = delete;
    NetnsTopology& operator=(const NetnsTopology&) = delete;

    // Empty when the topology stands, else why not (for a skip message).
    const std::string& error() const { return error_; }
    // Empty when the IPv6 addresses and routes stand too, else why not.
    const std::string& ipv6Error() const { return ipv6Error_; }
    // Runs a shell command inside one of the namespaces ("client", "router", "target").
    bool exec(const std::string& space, const std::string& command) const;
    // Runs work in a child inside the client namespace. /etc/hosts there names the
    // router "nubo-router" and the target "nubo-target" (in IPv6 "nubo-router6" and
    // "nubo-target6"), and no DNS server is asked.
    std::string runInClient(const std::function<std::string()>& work) const;

  private:
    std::string name(const std::string& space) const;

    std::string suffix_;
    std::string folder_;
    std::string error_;
    std::string ipv6Error_;
    bool made_ = false;
};

}  // namespace nubo::test
