#include <gtest/gtest.h>

#include "screens/BWWebAddressPolicy.h"

TEST(BWWebAddressPolicyTest, OnlyWebPagesAndTheEmptyPageShowAsPagesAndWindows)
{
    struct AddressCase
    {
        const char* address;
        bool page;      // in the main frame, and as a new window
        bool subFrame;  // in a frame inside a page
    };
    const AddressCase cases[] = {
        {"https://bank.example/pay", true, true},
        {"HTTP://bank.example/", true, true},
        {"about:blank", true, true},
        {"", true, true},
        {"about:srcdoc", false, true},
        {"data:text/html,<b>Pay</b>", false, true},
        {"blob:https://bank.example/0b1f", false, true},
        {"http:///no-host", false, false},
        {"file:///etc/passwd", false, false},
        {"mailto:pay@bank.example", false, false},
        {"javascript:alert(1)", false, false},
        {"ftp://bank.example/statement.pdf", false, false},
        {"smb://server/share", false, false},
        {"chrome://settings", false, false},
    };
    for (const AddressCase& address : cases) {
        SCOPED_TRACE(address.address);
        const QUrl url(QString::fromLatin1(address.address));
        EXPECT_EQ(BWWebAddressPolicy::mayLoad(url, true), address.page);
        EXPECT_EQ(BWWebAddressPolicy::mayOpenWindow(url), address.page);
        EXPECT_EQ(BWWebAddressPolicy::mayLoad(url, false), address.subFrame);
    }
}
