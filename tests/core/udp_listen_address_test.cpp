// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/udp_listen_address.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

struct AddressCase {
    const char* name;
    const char* typed;
    const char* address; // nullptr: not taken
    quint16 port;
    bool multicast;
};
ONDREL_NAMED_CASE(AddressCase)

class UdpListenAddressTest : public testing::TestWithParam<AddressCase> {};

TEST_P(UdpListenAddressTest, TypedTextGivesTheAddress)
{
    const AddressCase& row = GetParam();
    const std::optional<UdpListenAddress> address =
        udpListenAddressOf(QString::fromUtf8(row.typed));
    if (!row.address) {
        EXPECT_EQ(address, std::nullopt);
        return;
    }
    EXPECT_EQ(address, (UdpListenAddress{QString::fromUtf8(row.address), row.port, row.multicast}));
}

INSTANTIATE_TEST_SUITE_P(
    Typed, UdpListenAddressTest,
    testing::Values(AddressCase{"Empty", "", nullptr, 0, false},
                    AddressCase{"BarePortIsLoopback", "2237", "127.0.0.1", 2237, false},
                    AddressCase{"BlanksAround", " 2237 ", "127.0.0.1", 2237, false},
                    AddressCase{"Unicast", "127.0.0.1:2237", "127.0.0.1", 2237, false},
                    AddressCase{"EveryInterface", "0.0.0.0:2237", "0.0.0.0", 2237, false},
                    AddressCase{"AllHostsGroup", "224.0.0.1:2237", "224.0.0.1", 2237, true},
                    AddressCase{"SiteGroup", "239.255.0.1:2237", "239.255.0.1", 2237, true},
                    AddressCase{"PastMulticast", "240.0.0.1:2237", "240.0.0.1", 2237, false},
                    AddressCase{"Ipv6", "[::1]:2237", "::1", 2237, false},
                    AddressCase{"Ipv6Group", "[FF02::1]:2237", "ff02::1", 2237, true},
                    AddressCase{"HighestPort", "65535", "127.0.0.1", 65535, false},
                    AddressCase{"PortZero", "0", nullptr, 0, false},
                    AddressCase{"PortPastRange", "70000", nullptr, 0, false},
                    AddressCase{"Word", "abc", nullptr, 0, false},
                    AddressCase{"HostName", "localhost:2237", nullptr, 0, false},
                    AddressCase{"ThreeParts", "1.2.3:5", nullptr, 0, false},
                    AddressCase{"PartPast255", "127.0.0.256:2237", nullptr, 0, false},
                    AddressCase{"NoAddress", ":2237", nullptr, 0, false},
                    AddressCase{"NoPort", "2237:", nullptr, 0, false},
                    AddressCase{"GroupWithoutPort", "224.0.0.1", nullptr, 0, false},
                    AddressCase{"SignedPort", "+2237", nullptr, 0, false},
                    AddressCase{"Ipv6WithoutBrackets", "::1:2237", nullptr, 0, false},
                    AddressCase{"BlankInside", "127.0.0.1: 2237", nullptr, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
