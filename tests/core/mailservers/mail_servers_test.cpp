#include "core/mailservers/mail_servers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "core/mailservers/mail_server_table.h"

namespace corvane {
namespace {

struct Case {
    std::string_view what;
    std::string_view address;
    std::optional<MailServerSuggestion> expected;
};

MailServerSuggestion Server(std::string host, int port, MailSecurity security, std::string login,
                            bool oauth2Only = false) {
    return {std::move(host), port, security, std::move(login), oauth2Only};
}

TEST(MailServers, SuggestsTheServerOfTheAddressDomain) {
    using enum MailSecurity;
    const Case cases[] = {
        {"known domain", "anna@163.com", Server("smtp.163.com", 465, kImplicitTls, "anna@163.com")},
        {"STARTTLS provider", "anna@a1.net", Server("securemail.a1.net", 587, kStartTls, "anna@a1.net")},
        {"no TLS, local part as login", "ken@pop.shibata.ne.jp",
         Server("pop.shibata.ne.jp", 25, kPlain, "ken")},
        {"upper case domain, login keeps the local part", "Anna.B@GMX.DE",
         Server("mail.gmx.net", 465, kImplicitTls, "Anna.B@gmx.de")},
        {"sub-domain takes its listed parent", "anna@mx1.mail.163.com",
         Server("smtp.163.com", 465, kImplicitTls, "anna@mx1.mail.163.com")},
        {"listed sub-domain wins over its parent", "x@am0.yahoodns.net",
         Server("smtp.mail.yahoo.com", 465, kImplicitTls, "x@am0.yahoodns.net")},
        {"host named after the domain", "ilze@inbox.lv",
         Server("mail.inbox.lv", 465, kImplicitTls, "ilze@inbox.lv")},
        {"host of a sub-domain named after the listed domain", "ilze@eu.inbox.lv",
         Server("mail.inbox.lv", 465, kImplicitTls, "ilze@eu.inbox.lv")},
        {"login as local part dot domain", "taro@miomio.jp",
         Server("mbox.iijmio-mail.jp", 587, kStartTls, "taro.miomio.jp")},
        {"provider without login", "a@kokuyou.ne.jp", Server("smtp.kokuyou.ne.jp", 25, kPlain, "")},
        {"implicit TLS on another port", "raj@rediffmail.com",
         Server("smtp.rediffmail.com", 586, kImplicitTls, "raj@rediffmail.com")},
        {"OAuth2 only", "joe@Outlook.com",
         Server("smtp-mail.outlook.com", 587, kStartTls, "joe@outlook.com", true)},
        {"OAuth2 or password is not OAuth2 only", "joe@aol.com",
         Server("smtp.aol.com", 465, kImplicitTls, "joe@aol.com")},
        {"spaces and final dot dropped", "  anna@163.com. ",
         Server("smtp.163.com", 465, kImplicitTls, "anna@163.com")},
        {"last @ starts the domain", "\"a@b\"@163.com",
         Server("smtp.163.com", 465, kImplicitTls, "\"a@b\"@163.com")},
        {"unknown domain", "anna@example.org", std::nullopt},
        {"a listed domain inside another label is no parent", "anna@not163.com", std::nullopt},
        {"single label never matches", "anna@com", std::nullopt},
        {"no @", "163.com", std::nullopt},
        {"empty", "", std::nullopt},
        {"@ without domain", "anna@", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.what) + ": " + std::string(c.address));
        const auto got = SuggestMailServer(c.address);
        ASSERT_EQ(got.has_value(), c.expected.has_value());
        if (!got)
            continue;
        EXPECT_EQ(got->host, c.expected->host);
        EXPECT_EQ(got->port, c.expected->port);
        EXPECT_EQ(got->security, c.expected->security);
        EXPECT_EQ(got->loginName, c.expected->loginName);
        EXPECT_EQ(got->oauth2Only, c.expected->oauth2Only);
    }
}

// The lookup bisects, so the generated table must stay sorted, unique and lower case.
TEST(MailServers, TableIsSortedUniqueAndLowerCase) {
    const auto& rows = mail_server_table::kRows;
    EXPECT_TRUE(std::adjacent_find(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
                    return !(a.domain < b.domain);
                }) == rows.end());
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.domain));
        EXPECT_TRUE(
            std::none_of(row.domain.begin(), row.domain.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
        EXPECT_NE(row.domain.find('.'), std::string_view::npos);
        EXPECT_FALSE(row.host.empty());
        EXPECT_GT(row.port, 0);
        // Every listed domain is found by an address at it.
        const auto got = SuggestMailServer("someone@" + std::string(row.domain));
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(got->port, row.port);
    }
}

}  // namespace
}  // namespace corvane
