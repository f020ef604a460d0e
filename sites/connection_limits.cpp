#include "sites/connection_limits.h"

#include <strings.h>

#include <vector>

namespace nubo {

namespace {

struct Item {
    std::string key;  // "host:port"
    int limit = 0;
};

std::vector<Item> parse(const std::string& text) {
    std::vector<Item> items;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(';', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string part = text.substr(start, end - start);
        const size_t equals = part.rfind('=');
        if (equals != std::string::npos && equals > 0) {
            int limit = 0;
            const std::string number = part.substr(equals + 1);
            bool digits = !number.empty() && number.size() <= 2;
            for (char c : number) {
                digits = digits && c >= '0' && c <= '9';
            }
            if (digits) {
                limit = std::stoi(number);
            }
            if (limit >= 1) {
                items.push_back({part.substr(0, equals), limit});
            }
        }
        start = end + 1;
    }
    return items;
}

std::string keyOf(const std::string& host, unsigned port) {
    // ";" and "=" cannot be part of a host name; a name that holds them is not kept.
    return host + ":" + std::to_string(port);
}

}  // namespace

int ConnectionLimits::lookup(const std::string& text, const std::string& host, unsigned port) {
    const std::string key = keyOf(host, port);
    for (const Item& item : parse(text)) {
        if (strcasecmp(item.key.c_str(), key.c_str()) == 0)
            return item.limit;
    }
    return 0;
}

std::string ConnectionLimits::store(const std::string& text, const std::string& host, unsigned port,
                                    int limit) {
    const std::string key = keyOf(host, port);
    if (key.find_first_of(";=") != std::string::npos) {
        return text;
    }
    std::vector<Item> items;
    for (Item& item : parse(text)) {
        if (strcasecmp(item.key.c_str(), key.c_str()) != 0)
            items.push_back(std::move(item));
    }
    if (limit >= 1) {
        items.push_back({key, limit});
    }
    const size_t first = items.size() > kMaxItems ? items.size() - kMaxItems : 0;
    std::string out;
    for (size_t i = first; i < items.size(); ++i) {
        if (!out.empty())
            out += ';';
        out += items[i].key + "=" + std::to_string(items[i].limit);
    }
    return out;
}

}  // namespace nubo
