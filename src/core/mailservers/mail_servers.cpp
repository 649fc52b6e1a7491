#include "core/mailservers/mail_servers.h"

#include <algorithm>

#include "core/mailservers/mail_server_table.h"

namespace corvane {

namespace {

constexpr std::string_view kDomainPlaceholder = "%EMAILDOMAIN%";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

const mail_server_table::MailServerRow* FindRow(std::string_view domain) {
    const auto& rows = mail_server_table::kRows;
    const auto it = std::lower_bound(rows.begin(), rows.end(), domain,
                                     [](const auto& row, std::string_view key) { return row.domain < key; });
    return (it != rows.end() && it->domain == domain) ? &*it : nullptr;
}

std::string WithDomain(std::string_view pattern, std::string_view domain) {
    std::string text(pattern);
    for (auto at = text.find(kDomainPlaceholder); at != std::string::npos;
         at = text.find(kDomainPlaceholder, at + domain.size())) {
        text.replace(at, kDomainPlaceholder.size(), domain);
    }
    return text;
}

std::string LoginName(MailLoginForm form, std::string_view localPart, std::string_view domain) {
    switch (form) {
        case MailLoginForm::kAddress:
            return std::string(localPart) + "@" + std::string(domain);
        case MailLoginForm::kLocalPart:
            return std::string(localPart);
        case MailLoginForm::kLocalPartDotDomain:
            return std::string(localPart) + "." + std::string(domain);
        case MailLoginForm::kNoLogin:
            break;
    }
    return {};
}

}  // namespace

std::optional<MailServerSuggestion> SuggestMailServer(std::string_view address) {
    address = Trimmed(address);
    const auto at = address.rfind('@');
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string_view localPart = address.substr(0, at);
    std::string domain = AsciiLower(address.substr(at + 1));
    if (!domain.empty() && domain.back() == '.')
        domain.pop_back();

    // Walk up the parents while at least two labels remain.
    std::string_view candidate = domain;
    while (candidate.find('.') != std::string_view::npos) {
        if (const auto* row = FindRow(candidate)) {
            return MailServerSuggestion{
                .host = WithDomain(row->host, row->domain),
                .port = row->port,
                .security = row->security,
                .loginName = LoginName(row->login, localPart, domain),
                .oauth2Only = row->oauth2Only,
            };
        }
        candidate.remove_prefix(candidate.find('.') + 1);
    }
    return std::nullopt;
}

}  // namespace corvane
